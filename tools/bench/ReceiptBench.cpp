// The receipt of a checkout, read back and saved as a PDF, and the store
// details the receipt heads with.
#include "Bench.h"

#include "counter/Receipt.h"
#include "counter/StoreDetails.h"
#include "data/Chain.h"
#include "ui/WindowSystem.h"

#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <unistd.h>

void benchReceipts(Bench &bench)
{
    const QVariant seq = bench.floor()
                             .column(QStringLiteral("SELECT MAX(Seq) FROM tblLedger WHERE Kind = 'checkout' AND "
                                                    "RentalID IS NOT NULL AND ReceiptID IS NOT NULL"))
                             .value(0);
    if (seq.isNull())
        qFatal("the store has no checkout to print the receipt of");

    StoreDetailsStore details(bench.path());
    StoreDetails store{QStringLiteral("Corner Video"), QStringLiteral("12 Main Street\nSpringfield"),
                       QStringLiteral("555-0100"), QStringLiteral("123456789 RT0001"), QStringLiteral("PST-1234"),
                       StoreDetails::Paper::Roll80};
    // A phone changed each time, so each save writes, with its gate-log entry.
    int saves = 0;
    const double save = measure(bench.runs(), {}, [&] {
        store.phone = QStringLiteral("555-%1").arg(++saves, 4, 10, QLatin1Char('0'));
        if (!details.save(store, QDateTime::currentDateTime()))
            qFatal("the store details were not saved: %s", qPrintable(details.lastError().clerkText()));
    });
    const double saveFloor = measure(bench.runs(), {}, [&] {
        Floor &f = bench.floor();
        f.begin();
        for (const char *name : {"StoreName", "StoreAddress", "StorePhone", "StoreGSTNumber", "StorePSTNumber",
                                 "ReceiptPaper", "HoldDays"})
            f.run(QStringLiteral("SELECT Value FROM tblSettings WHERE Name = ?"), {QString::fromLatin1(name)});
        for (const char *name : {"StoreName", "StoreAddress", "StorePhone", "StoreGSTNumber", "StorePSTNumber",
                                 "ReceiptPaper"})
            f.run(QStringLiteral("UPDATE tblSettings SET Value = ? WHERE Name = ?"),
                  {QStringLiteral("x"), QString::fromLatin1(name)});
        // The gate-log entry, linked as every writer links it.
        static const Chain::Layout layout({QStringLiteral("TryNumber"), QStringLiteral("TriedAt"),
                                           QStringLiteral("Destination"), QStringLiteral("Outcome"),
                                           QStringLiteral("Workstation"), QStringLiteral("Digest")});
        QSqlQuery tail(f.database());
        tail.exec(QStringLiteral("SELECT TryNumber, Hash FROM tblGateLog ORDER BY TryNumber DESC LIMIT 1"));
        const bool any = tail.next();
        const QByteArray before =
            any ? Chain::fromText(tail.value(1))
                : Chain::start(f.column(QStringLiteral("SELECT Value FROM tblSettings WHERE Name = ?"),
                                        {QLatin1String(Chain::StartSetting)})
                                   .value(0),
                               Chain::gateLog());
        QVariantList values = {any ? tail.value(0).toLongLong() + 1 : 1, QStringLiteral("2026-01-01 00:00:00"), 15,
                               QStringLiteral("bench floor"), QStringLiteral("bench"), QStringLiteral("x")};
        values << Chain::toText(layout.link(before, values));
        f.run(QStringLiteral("INSERT INTO tblGateLog (TryNumber, TriedAt, Destination, Outcome, Workstation, Digest, "
                             "Hash) VALUES (?, ?, ?, ?, ?, ?, ?)"),
              values);
        f.commit();
    });
    // Saved once more through the program, over what the floor wrote, so the
    // store's check finds its details as recorded.
    store.phone = QStringLiteral("555-0100");
    if (!details.save(store, QDateTime::currentDateTime()))
        qFatal("the store details were not saved: %s", qPrintable(details.lastError().clerkText()));
    bench.add(QStringLiteral("manager: save the store details"), save, saveFloor, 50);

    QTemporaryDir folder;
    bench.ws().setPrinterAvailable(false);
    bench.ws().setReceiptFolder(folder.path());
    ReceiptStore receipts(bench.path());
    QStringList lines;
    const double print = measure(bench.runs(), {}, [&] {
        const auto record = receipts.read(seq.toLongLong());
        const auto shown = details.load();
        if (!record || !shown)
            qFatal("the receipt could not be read");
        lines = Receipt::lines(*record, *shown, Receipt::widthOf(shown->paper));
        if (!bench.ws().printPages(Receipt::pages(lines, shown->paper), record->receiptId.value_or(0)))
            qFatal("the receipt was not saved");
        bench.ws().clear();
    });
    // The same reads as bare statements, and the same lines drawn into a
    // PDF file made durable.
    int n = 0;
    const double printFloor = measure(bench.runs(), {}, [&] {
        const QVariant receipt = bench.floor()
                                     .column(QStringLiteral("SELECT ReceiptID FROM tblLedger WHERE Seq = ?"), {seq})
                                     .value(0);
        const QVariant rental = bench.floor()
                                    .column(QStringLiteral("SELECT RentalID FROM tblLedger WHERE Seq = ?"), {seq})
                                    .value(0);
        bench.floor().run(QStringLiteral("SELECT Value FROM tblSettings WHERE Name LIKE 'Store%'"));
        bench.floor().run(QStringLiteral("SELECT r.VideoID, m.Name, r.DueDate, r.RentalFee FROM tblRentals r "
                                         "JOIN tblVideos v ON v.VideoID = r.VideoID JOIN tblMovies m "
                                         "ON m.MovieNum = v.MovieNum WHERE r.RentalID = ?"),
                          {rental});
        bench.floor().run(QStringLiteral("SELECT d.InventoryID, i.ItemName, d.QuantityPurchased, d.Amount FROM "
                                         "tblSalesDetails d JOIN tblInventory i ON i.InventoryID = d.InventoryID "
                                         "WHERE d.ReceiptID = ?"),
                          {receipt});
        bench.floor().run(QStringLiteral("SELECT s.VideoID, s.Amount FROM tblVideosSold s WHERE s.ReceiptID = ?"),
                          {receipt});
        QFile file(folder.filePath(QStringLiteral("floor-%1.pdf").arg(n++)));
        if (!file.open(QIODevice::WriteOnly))
            qFatal("the floor's file could not be made");
        {
            QPdfWriter pdf(&file);
            QPainter p(&pdf);
            int y = 100;
            for (const QString &line : lines)
                p.drawText(0, y += 100, line);
        }
        file.flush();
        ::fsync(file.handle());
    });
    bench.add(QStringLiteral("counter: receipt of a checkout, saved as PDF"), print, printFloor, 100);
}
