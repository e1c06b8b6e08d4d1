#include "TestSupport.h"

#include "SampleStore.h"
#include "counter/CheckoutStore.h"

#include <QApplication>
#include <QProcess>
#include <QRandomGenerator>
#include <QTextStream>

using namespace Qt::StringLiterals;

namespace {

const QDate Today(2026, 3, 1);

BillLine::Parsed rentLine(qint32 tape) { return {BillLine::Kind::Rent, tape, 0}; }
BillLine::Parsed buyLine(qint32 item, qint32 quantity) { return {BillLine::Kind::Buy, item, quantity}; }
BillLine::Parsed buyVideoLine(qint32 tape) { return {BillLine::Kind::BuyVideo, tape, 0}; }

// A bill priced as the counter would price it.
CheckoutPlan bill(const QString &path, qint32 member, QList<BillLine::Parsed> lines)
{
    CheckoutPlan plan{member, Today, std::move(lines)};
    priceBill(path, plan);
    return plan;
}

// The child's loop: checkouts of one tape rented, one unit of an item and,
// while there are any, one tape sold, until it is killed.
int checkoutLoop(const QString &path)
{
    CheckoutStore store(path);
    QTextStream out(stdout);
    for (int n = 0;; ++n) {
        const QVariant tape = valueIn(path, u"SELECT VideoID FROM tblVideos v WHERE ForRent = 1 AND InStore = 1 AND "
            "Deleted = 0 AND NOT EXISTS (SELECT 1 FROM tblRentals r WHERE r.VideoID = v.VideoID AND Returned = 0) "
            "AND NOT EXISTS (SELECT 1 FROM tblHolds h WHERE h.VideoID = v.VideoID) ORDER BY random() LIMIT 1"_s);
        const QVariant item =
            valueIn(path, u"SELECT InventoryID FROM tblInventory WHERE Quantity > 0 ORDER BY random() LIMIT 1"_s);
        const QVariant sale = valueIn(path, u"SELECT VideoID FROM tblVideos WHERE ForSale = 1 AND InStore = 1 AND "
                                           "ForRent = 0 ORDER BY random() LIMIT 1"_s);
        if (!tape.isValid() || !item.isValid()) {
            out << "no tape or item left" << Qt::endl;
            return 1;
        }
        CheckoutPlan plan{1, Today, {rentLine(tape.toInt()), buyLine(item.toInt(), 1)}};
        if (sale.isValid())
            plan.lines.append(buyVideoLine(sale.toInt()));
        priceBill(path, plan);
        plan.money.payCash(Money::fromCents(5000));
        if (!store.recordCheckout(plan)) {
            out << "checkout failed: " << store.lastError().clerkText() << Qt::endl;
            return 1;
        }
        out << n << Qt::endl;
    }
}

} // namespace

class tst_CheckoutStore : public QObject
{
    Q_OBJECT

private slots:
    void twoHandlesOneTapeAndTheLastUnits()
    {
        TestStore s;
        s.addMember(1, u"Ann"_s, u"Smith"_s);
        s.addMember(2, u"Bob"_s, u"Jones"_s);
        s.addMovie(10, u"Alien"_s, 2, 1);
        s.addTape(1001, 10);
        s.addTape(1002, 10);
        s.addItem(8, u"Licorice"_s, u"1.25"_s, 3);
        CheckoutStore first(s.path()), second(s.path());

        // Both counters saw the tape on the shelf and the stock on hand.
        QVERIFY(first.rentalTape(1001).row->inStore && second.rentalTape(1001).row->inStore);
        QVERIFY(first.recordCheckout(bill(s.path(), 1, {rentLine(1001), rentLine(1001)}))); // twice in one bill stays allowed
        QCOMPARE(s.count(u"tblRentals"_s, u"VideoID = 1001"_s), 2);
        QStringList before = snapshot(s);
        QVERIFY(!second.recordCheckout(bill(s.path(), 2, {rentLine(1002), rentLine(1001)})));
        QVERIFY2(second.lastError().detail.startsWith(u"Tape 1001 (Alien) is no longer in the store"_s),
                 qPrintable(second.lastError().detail));
        QCOMPARE(snapshot(s), before);

        // The last units: the first bill takes two of three, the second's two are refused.
        QVERIFY(first.recordCheckout(bill(s.path(), 1, {buyLine(8, 1), buyLine(8, 1)})));
        before = snapshot(s);
        QVERIFY(!second.recordCheckout(bill(s.path(), 2, {buyVideoLine(1002), buyLine(8, 2)})));
        QVERIFY2(second.lastError().detail.startsWith(u"Item 8 (Licorice) has only 1 left"_s),
                 qPrintable(second.lastError().detail));
        QCOMPARE(snapshot(s), before);
        QVERIFY(second.recordCheckout(bill(s.path(), 2, {rentLine(1002), buyLine(8, 1)})));
        QCOMPARE(s.value(u"SELECT Quantity FROM tblInventory WHERE InventoryID = 8"_s).toInt(), 0);
    }

    void killedMidCheckoutLosesNothing()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"video.db"_s);
        QString error;
        QVERIFY2(SampleStore::write(path, SampleStore::Size::Demo, false, nullptr, nullptr, &error),
                 qPrintable(error));
        // Enough tapes and stock that the child never runs out, however many checkouts it gets through.
        valueIn(path, u"INSERT INTO tblVideos (VideoID, MovieNum, CopyNumber, ForRent, InStore) WITH RECURSIVE "
                      "n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 20000) SELECT (SELECT MAX(VideoID) "
                      "FROM tblVideos) + i, (SELECT MIN(MovieNum) FROM tblMovies), 100 + i, 1, 1 FROM n"_s);
        valueIn(path, u"UPDATE tblInventory SET Quantity = Quantity + 10000"_s);
        const struct
        {
            qint64 sale, rental, stock;
        } base = {valueIn(path, u"SELECT MAX(SaleID) FROM tblReceipts"_s).toLongLong(),
                  valueIn(path, u"SELECT MAX(RentalID) FROM tblRentals"_s).toLongLong(),
                  valueIn(path, u"SELECT SUM(Quantity) FROM tblInventory"_s).toLongLong()};

        QRandomGenerator random(20261206);
        int written = 0;
        for (int kill = 0; kill < 20; ++kill) {
            QProcess child;
            child.setProcessChannelMode(QProcess::MergedChannels);
            child.start(QCoreApplication::applicationFilePath(), {u"--checkout-loop"_s, path});
            QVERIFY(child.waitForStarted());
            // Killed among its checkouts, however slowly a busy machine starts it.
            QVERIFY2(child.waitForReadyRead(30000), "no checkout written");
            QTest::qWait(100 + int(random.bounded(200)));
            QVERIFY2(child.state() == QProcess::Running, child.readAll().constData());
            child.kill(); // SIGKILL: no handler, no clean-up
            QVERIFY(child.waitForFinished());

            QCOMPARE(valueIn(path, u"PRAGMA integrity_check"_s).toString(), u"ok"_s);
            // %1 stands for the last receipt before the kills, %2 for the last rental.
            const auto count = [&](QString sql) {
                return valueIn(path, sql.replace(u"%1"_s, QString::number(base.sale))
                                   .replace(u"%2"_s, QString::number(base.rental)))
                    .toLongLong();
            };
            const qint64 receipts = count(u"SELECT COUNT(*) FROM tblReceipts WHERE SaleID > %1"_s);
            // Every receipt whole: its one item line, and its rental written with it.
            QCOMPARE(count(u"SELECT COUNT(*) FROM tblReceipts WHERE SaleID > %1 AND (SELECT COUNT(*) FROM "
                           "tblSalesDetails WHERE ReceiptID = SaleID) <> 1"_s),
                     0);
            // The ledger and the receipt: both there or neither, one entry each, paid as planned.
            QCOMPARE(count(u"SELECT COUNT(*) FROM tblLedger WHERE Kind = 'checkout' AND ReceiptID > %1"_s), receipts);
            QCOMPARE(count(u"SELECT COUNT(*) FROM tblReceipts r WHERE SaleID > %1 AND (SELECT COUNT(*) FROM "
                           "tblLedger l WHERE l.ReceiptID = r.SaleID AND l.RentalID IS NOT NULL "
                           "AND l.Tendered = 500000) <> 1"_s),
                     0);
            QCOMPARE(count(u"SELECT COUNT(*) FROM tblRentals WHERE RentalID > %2"_s), receipts);
            // Stock and shelf flags agree with what was written.
            QCOMPARE(base.stock - valueIn(path, u"SELECT SUM(Quantity) FROM tblInventory"_s).toLongLong(),
                     count(u"SELECT COALESCE(SUM(QuantityPurchased), 0) FROM tblSalesDetails WHERE ReceiptID > %1"_s));
            QCOMPARE(count(u"SELECT COUNT(*) FROM tblRentals r JOIN tblVideos v ON v.VideoID = r.VideoID "
                           "WHERE r.RentalID > %2 AND v.InStore <> 0"_s),
                     0);
            QCOMPARE(count(u"SELECT COUNT(*) FROM tblVideosSold s JOIN tblVideos v ON v.VideoID = s.VideoID "
                           "WHERE s.ReceiptID > %1 AND v.InStore <> 0"_s),
                     0);
            QCOMPARE(count(u"SELECT COUNT(*) FROM (SELECT VideoID FROM tblRentals WHERE Returned = 0 "
                           "GROUP BY VideoID HAVING COUNT(*) > 1)"_s),
                     0);
            written = int(receipts);
        }
        qInfo("%d checkouts written across 20 kills", written);
        QVERIFY(written > 20); // the kills fell among the checkouts, not before them
    }
};

int main(int argc, char *argv[])
{
    if (argc == 3 && QByteArray(argv[1]) == "--checkout-loop") {
        QCoreApplication app(argc, argv);
        return checkoutLoop(QString::fromLocal8Bit(argv[2]));
    }
    QApplication app(argc, argv);
    tst_CheckoutStore test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_CheckoutStore.moc"
