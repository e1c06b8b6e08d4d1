// The counter: start-up, opening windows, member lookups, the bags and a
// whole checkout.
#include "Bench.h"

#include "app/Application.h"
#include "app/WindowRegistry.h"
#include "app/frmMain.h"
#include "counter/frmCheckout.h"
#include "data/Database.h"
#include "data/Pricing.h"
#include "data/StoreLocation.h"
#include "data/WorkingFiles.h"

#include <QCoreApplication>
#include <QDate>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTabWidget>

#include <algorithm>
#include <memory>
#include <sys/stat.h>

namespace {

void startUp(Bench &bench)
{
    // A whole new process each time: Qt, fonts and style included; in
    // French also the translations.
    for (const QString &language : {QString(), QStringLiteral("fr")}) {
        const double process = measure(bench.runs(), {}, [&] {
            QProcess probe;
            QStringList arguments{QStringLiteral("--probe-startup"), bench.path()};
            if (!language.isEmpty())
                arguments << language;
            probe.start(QCoreApplication::applicationFilePath(), arguments);
            if (!probe.waitForFinished(30000) || probe.exitCode() != 0)
                qFatal("the start-up probe failed: %s", probe.readAllStandardError().constData());
        });
        bench.add(language.isEmpty() ? QStringLiteral("start-up to the main menu shown (new process)")
                                     : QStringLiteral("start-up to the main menu shown in French (new process)"),
                  process, std::nullopt, 300);
    }

    std::unique_ptr<WindowRegistry> windows;
    const double t = measure(
        bench.runs(), {},
        [&] {
            windows = startVideoStore(bench.path(), bench.ws());
            QCoreApplication::processEvents();
        },
        [&] { windows.reset(); });
    const double floor = measure(bench.runs(), {}, [&] {
        QString error;
        {
            QSqlDatabase db = Database::connect(QStringLiteral("bench-start"), bench.path(), &error);
            QSqlQuery(bench.floor().onServer()
                          ? QStringLiteral("SELECT table_name FROM information_schema.tables")
                          : QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'"),
                      db)
                .exec();
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("bench-start"));
    });
    bench.add(QStringLiteral("start-up to the main menu shown (in process)"), t, floor, 300);
}

void openWindows(Bench &bench)
{
    bench.add(QStringLiteral("open Checkout (first time)"),
              bench.firstOpening([](WindowRegistry &w) { w.main().cmdCheckout->click(); }), bench.openStoreFloor(),
              150);
    const auto windows = bench.menuShown();
    windows->checkout();
    bench.add(QStringLiteral("open Checkout (again)"),
        measure(bench.runs(), [&] { windows->checkout().cmdReturn->click(); },
                [&] {
                    windows->main().cmdCheckout->click();
                    QCoreApplication::processEvents();
                }),
        std::nullopt, 150);
    bench.add(QStringLiteral("open the security gate"),
              bench.firstOpening([](WindowRegistry &w) { w.main().cmdVidMn->click(); }), std::nullopt, 150);
}

// The writes of one checkout as bare statements in one transaction, each
// row with what it was charged, and the reads a checkout re-checks its
// prices with.
void checkoutSql(Bench &bench)
{
    const QVariant member = bench.pick(bench.members);
    const QString today = QDate::currentDate().toString(Qt::ISODate);
    const Rates &rates = Pricing::starting();
    const QVariantList taxes{rates.taxes[0].rate, rates.taxes[1].rate, 0, 0};
    bench.floor().begin();
    bench.floor().run(QStringLiteral("SELECT Kind, Number, InForceFrom, Name, Fee, Days, LateFee, Rate, ChangeID, "
                                     "ChangedAt, Counter FROM tblPrices WHERE InForceFrom <= ? ORDER BY InForceFrom, "
                                     "ChangeID"),
                      {today});
    const int rentalId = bench.floor().column(QStringLiteral("SELECT MAX(RentalID) FROM tblRentals")).value(0).toInt() + 1;
    for (int i = 0; i < 10; ++i) {
        const QVariant tape = bench.take(bench.rentable);
        const int pc = bench.floor().column(QStringLiteral("SELECT m.PriceClass FROM tblMovies m JOIN tblVideos v ON "
                                                     "m.MovieNum = v.MovieNum WHERE v.VideoID = ?"),
                                      {tape})
                           .value(0)
                           .toInt();
        const PriceClass &c = *rates.priceClass(std::clamp(pc, 1, Pricing::Classes));
        bench.floor().run(QStringLiteral("INSERT INTO tblRentals (RentalID, VideoID, CustomerNumber, RentalDate, "
                                         "DueDate, Returned, RentalFee, RentalDays, LateFee, GSTRate, PSTRate, GST, "
                                         "PST) VALUES (?, ?, ?, ?, ?, 0, ?, ?, ?, ?, ?, ?, ?)"),
                          QVariantList{rentalId, tape, member, today,
                                       QDate::currentDate().addDays(c.days).toString(Qt::ISODate), c.fee.units(),
                                       c.days, c.lateFee.units()}
                              + taxes);
        bench.floor().run(QStringLiteral("UPDATE tblVideos SET InStore = 0 WHERE VideoID = ?"), {tape});
    }
    const int saleId = bench.floor().column(QStringLiteral("SELECT MAX(SaleID) FROM tblReceipts")).value(0).toInt() + 1;
    bench.floor().run(QStringLiteral("INSERT INTO tblReceipts (SaleID, DateOfSale, CustomerID) VALUES (?, ?, ?)"),
                {saleId, today, member});
    for (int i = 0; i < 3; ++i) {
        const QVariant item = bench.pick(bench.items);
        bench.floor().run(QStringLiteral("UPDATE tblInventory SET Quantity = Quantity - 2 WHERE InventoryID = ?"),
                    {item});
        const QVariant price =
            bench.floor().column(QStringLiteral("SELECT Price FROM tblInventory WHERE InventoryID = ?"), {item}).value(0);
        bench.floor().run(QStringLiteral("INSERT INTO tblSalesDetails (ReceiptID, InventoryID, QuantityPurchased, "
                                         "Price, Amount, GSTRate, PSTRate, GST, PST) VALUES (?, ?, 2, ?, ?, ?, ?, ?, ?)"),
                          QVariantList{saleId, item, price, price.toLongLong() * 2} + taxes);
    }
    for (int i = 0; i < 2; ++i) {
        const QVariant tape = bench.take(bench.forSale);
        bench.floor().run(QStringLiteral("UPDATE tblVideos SET InStore = 0 WHERE VideoID = ?"), {tape});
        const QVariant price =
            bench.floor().column(QStringLiteral("SELECT SalePrice FROM tblVideos WHERE VideoID = ?"), {tape}).value(0);
        bench.floor().run(QStringLiteral("INSERT INTO tblVideosSold (VideoID, ReceiptID, Price, Amount, GSTRate, "
                                         "PSTRate, GST, PST) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
                          QVariantList{tape, saleId, price, price} + taxes);
    }
    ledgerEntrySql(bench.floor(), "checkout", member, 1000000);
    bench.floor().commit();
}

void counter(Bench &bench)
{
    WindowRegistry windows(bench.path(), bench.ws());
    frmCheckout &w = windows.checkout();
    w.show();
    QCoreApplication::processEvents();
    const QString memberSql = QStringLiteral(
        "SELECT CustomerNumber, LastName, FirstName, Address, City, PostalCode, HomePhone, CellPhone, BusPhone, "
        "DriverLicence, OtherNames1, OtherNames2, OtherNames3, Deleted FROM tblMembers WHERE %1 = ? "
        "ORDER BY CustomerNumber");

    struct Key { const char *name; const char *column; int source; QLineEdit *box; };
    for (const Key &key : {Key{"member ID", "CustomerNumber", 1, w.txtMemberID},
                           Key{"home phone", "HomePhone", 2, w.txtHPhoneNum},
                           Key{"licence", "DriverLicence", 3, w.txtDLNumber}}) {
        QVariant value;
        auto setup = [&] {
            const QVariant member = bench.pick(bench.members);
            value = key.source == 1 ? member
                                    : bench.floor().column(QStringLiteral("SELECT %1 FROM tblMembers WHERE "
                                                                    "CustomerNumber = ?")
                                                         .arg(QLatin1String(key.column)),
                                                     {member})
                                          .value(0);
            key.box->setText(value.toString());
            w.memberSource = key.source;
        };
        const double t = measure(bench.runs() * 5, setup, [&] { w.cmdDisplayInfo_Click(); });
        const double floor = measure(bench.runs() * 5, setup, [&] {
            bench.floor().run(memberSql.arg(QLatin1String(key.column)), {value});
        });
        bench.add(QStringLiteral("counter: member lookup by %1").arg(QLatin1String(key.name)), t, floor, 16);
    }

    w.txtMemberID->setText(bench.pick(bench.members).toString());
    w.memberSource = 1;
    w.cmdDisplayInfo_Click();
    w.SSTab1->setCurrentIndex(1);
    QVariant tape;
    auto chooseTape = [&] {
        tape = bench.pick(bench.rentable);
        w.txtVidID->setText(tape.toString());
    };
    const double addTape = measure(bench.runs() * 5, chooseTape, [&] { w.cmdAdd_Click(); },
                                   [&] { w.cmdClearAll_Click(); });
    const double addTapeFloor = measure(bench.runs() * 5, chooseTape, [&] {
        bench.floor().run(QStringLiteral("SELECT v.ForRent, v.InStore, v.Deleted, m.Name, m.CategoryID, m.Actor, "
                                   "m.Actress, m.Rating, m.PriceClass FROM tblVideos v JOIN tblMovies m "
                                   "ON v.MovieNum = m.MovieNum WHERE v.VideoID = ?"),
                    {tape});
    });
    bench.add(QStringLiteral("counter: add a tape to the rental bag"), addTape, addTapeFloor, 16);

    w.SSTab1->setCurrentIndex(2);
    QVariant item;
    auto chooseItem = [&] {
        item = bench.pick(bench.items);
        w.txtInvID->setText(item.toString());
        w.txtQuan->setText(QStringLiteral("1"));
    };
    const double addItem = measure(bench.runs() * 5, chooseItem, [&] { w.cmdBuy_Click(); },
                                   [&] { w.cmdClearAllSales_Click(); });
    const double addItemFloor = measure(bench.runs() * 5, chooseItem, [&] {
        bench.floor().run(QStringLiteral("SELECT ItemName, Price, Quantity, Deleted FROM tblInventory "
                                   "WHERE InventoryID = ?"),
                    {item});
    });
    bench.add(QStringLiteral("counter: add an item to the shopping bag"), addItem, addItemFloor, 16);

    // Ten rentals and five sales, paid in cash.
    auto fillBill = [&] {
        w.ResetCheckout();
        w.txtMemberID->setText(bench.pick(bench.members).toString());
        w.memberSource = 1;
        w.cmdDisplayInfo_Click();
        w.SSTab1->setCurrentIndex(1);
        for (int i = 0; i < 10; ++i) {
            w.txtVidID->setText(bench.take(bench.rentable).toString());
            w.cmdAdd_Click();
        }
        w.SSTab1->setCurrentIndex(2);
        for (int i = 0; i < 3; ++i) {
            w.txtInvID->setText(bench.pick(bench.items).toString());
            w.txtQuan->setText(QStringLiteral("2"));
            w.cmdBuy_Click();
        }
        for (int i = 0; i < 2; ++i) {
            w.txtVidSale->setText(bench.take(bench.forSale).toString());
            w.cmdBuyVideo_Click();
        }
        w.SSTab1->setCurrentIndex(3);
        w.optCash->click();
        w.txtCash->setText(QStringLiteral("1000"));
        // Verified, and no receipt printed.
        bench.ws().clear();
        bench.ws().answer(Answer::Yes);
        bench.ws().answer(Answer::No);
    };
    const double checkout = measure(bench.runs(), fillBill, [&] { w.cmdCheckOut_Click(); }, [&] {
        if (w.List3->count() != 0 || bench.ws().unusedAnswers() != 0)
            qFatal("the checkout did not complete: %s", qPrintable(bench.ws().prompts().join(u" | ")));
    });
    const double checkoutFloor = measure(bench.runs(), {}, [&] { checkoutSql(bench); });
    bench.add(QStringLiteral("counter: checkout of 10 rentals and 5 sales, cash"), checkout, checkoutFloor, 16);

    // The check each write to a store file makes that its working files are
    // still the ones its connection writes to, a thousand times: the target
    // is a tenth of a millisecond each. A server keeps its own files.
    if (StoreLocation::isServer(bench.path()))
        return;
    constexpr int checks = 1000;
    const WorkingFiles files = WorkingFiles::of(bench.path());
    if (!files.watched())
        qFatal("the store's working files are not there to check");
    const double check = measure(bench.runs(), {}, [&] {
        for (int i = 0; i < checks; ++i)
            if (!files.intact())
                qFatal("the store's working files changed under the benchmark");
    });
    const QByteArray store = QFile::encodeName(bench.path()), wal = store + "-wal", shm = store + "-shm";
    const double checkFloor = measure(bench.runs(), {}, [&] {
        struct stat st;
        for (int i = 0; i < checks; ++i)
            if (::stat(store.constData(), &st) != 0 || ::stat(wal.constData(), &st) != 0
                || ::stat(shm.constData(), &st) != 0)
                qFatal("the store's files are gone");
    });
    bench.add(QStringLiteral("counter: 1000 checks of the store's working files"), check, checkFloor, 100);
}

} // namespace

void benchCounter(Bench &bench)
{
    startUp(bench);
    openWindows(bench);
    counter(bench);
}
