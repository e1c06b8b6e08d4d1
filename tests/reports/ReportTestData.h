#pragma once

#include "TestSupport.h"

#include <QProcess>
#include <QString>

// Rows the report tests share: members, titles, tapes, rentals and receipts.
inline void addRental(TestStore &store, int rentalId, int member, int videoId, const QString &date)
{
    store.exec(QStringLiteral("INSERT INTO tblRentals (RentalID, CustomerNumber, VideoID, RentalDate, DueDate, "
                              "Returned) VALUES (?, ?, ?, ?, ?, 0)"),
               {rentalId, member, videoId, date, date});
}

inline void addReceipt(TestStore &store, int saleId, int member, const QString &date)
{
    store.exec(QStringLiteral("INSERT INTO tblReceipts (SaleID, DateOfSale, CustomerID) VALUES (?, ?, ?)"),
               {saleId, date, member});
}

inline void addSaleLine(TestStore &store, int receipt, int item, int quantity)
{
    store.exec(QStringLiteral("INSERT INTO tblSalesDetails (ReceiptID, InventoryID, QuantityPurchased) "
                              "VALUES (?, ?, ?)"),
               {receipt, item, quantity});
}

inline void addTapeSold(TestStore &store, int receipt, int videoId)
{
    store.exec(QStringLiteral("INSERT INTO tblVideosSold (ReceiptID, VideoID) VALUES (?, ?)"), {receipt, videoId});
}

// The text of a PDF file, page breaks as form feeds; empty when pdftotext
// is missing or fails.
inline QString pdfText(const QString &path, bool layout = false)
{
    QProcess p;
    QStringList args;
    if (layout)
        args << QStringLiteral("-layout");
    args << path << QStringLiteral("-");
    p.start(QStringLiteral("pdftotext"), args);
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

inline int pdfPages(const QString &path)
{
    return int(pdfText(path).count(u'\f'));
}
