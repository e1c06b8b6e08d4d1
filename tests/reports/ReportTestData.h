#pragma once

#include "TestSupport.h"

#include "data/Pricing.h"

#include <QProcess>
#include <QString>

// Rows the report tests share: rentals and receipts, each line charged at
// the starting prices as a bill of its own.
inline void addRental(TestStore &store, int rentalId, int member, int videoId, const QString &date)
{
    store.addRental(rentalId, member, videoId, date, date);
}

inline void addReceipt(TestStore &store, int saleId, int member, const QString &date)
{
    store.exec(QStringLiteral("INSERT INTO tblReceipts (SaleID, DateOfSale, CustomerID) VALUES (?, ?, ?)"),
               {saleId, date, member});
}

// The line's price, amount and taxes, from the unit price now on file.
inline QVariantList charged(Money price, qint64 quantity)
{
    const std::array<Tax, Pricing::Taxes> &taxes = Pricing::starting().taxes;
    const Money amount = (price * quantity).roundedToCents();
    return {price.units(), amount.units(), taxes[0].rate, taxes[1].rate, taxes[0].on(amount).units(),
            taxes[1].on(amount).units()};
}

inline void addSaleLine(TestStore &store, int receipt, int item, int quantity)
{
    const Money price = Money::fromUnits(
        store.value(QStringLiteral("SELECT Price FROM tblInventory WHERE InventoryID = ?"), {item}).toLongLong());
    store.exec(QStringLiteral("INSERT INTO tblSalesDetails (ReceiptID, InventoryID, QuantityPurchased, Price, Amount, "
                              "GSTRate, PSTRate, GST, PST) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"),
               QVariantList{receipt, item, quantity} + charged(price, quantity));
}

inline void addTapeSold(TestStore &store, int receipt, int videoId)
{
    const Money price = Money::fromUnits(
        store.value(QStringLiteral("SELECT SalePrice FROM tblVideos WHERE VideoID = ?"), {videoId}).toLongLong());
    store.exec(QStringLiteral("INSERT INTO tblVideosSold (ReceiptID, VideoID, Price, Amount, GSTRate, PSTRate, GST, "
                              "PST) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
               QVariantList{receipt, videoId} + charged(price, 1));
}

