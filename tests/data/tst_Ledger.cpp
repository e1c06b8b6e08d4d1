#include "TestSupport.h"


#include "SampleStore.h"
#include "counter/CheckoutStore.h"
#include "counter/frmCheckout.h"
#include "data/Ledger.h"
#include "data/StoreFile.h"
#include "data/StoreIntegrity.h"
#include "reports/ReportStore.h"
#include "returns/ReturnsStore.h"
#include "returns/frmPayment.h"
#include "returns/frmReturn.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

using namespace Qt::StringLiterals;

namespace {

const QDate Today(2026, 3, 10);

Money m(const char *text)
{
    return *Money::parse(QString::fromLatin1(text));
}

// Member 1 owes 5.98 and has a VISA card on file; a class-1 tape to rent,
// a tape for sale at 9.99 and popcorn at 2.50.
void seed(TestStore &s)
{
    s.windows().setToday([] { return Today; });
    s.addMember(1, u"Ann"_s, u"Smith"_s);
    s.addMember(2, u"Bob"_s, u"Jones"_s);
    s.exec(u"UPDATE tblMembers SET FeesOwing = 59800 WHERE CustomerNumber = 1"_s);
    s.exec(u"INSERT INTO tblCreditInfo (CustomersNumber, Visa, VisaExp) VALUES (1, '4500123412341234', '2028-04')"_s);
    s.addMovie(10, u"Class One"_s, 1, 1);
    s.addMovie(11, u"Class Two"_s, 2, 2);
    s.addTape(1001, 10);
    s.addTape(1002, 11);
    s.addTape(2001, 11, false, true, true, u"9.99"_s);
    s.addItem(7, u"Popcorn"_s, u"2.50"_s, 10);
}

} // namespace

class tst_Ledger : public QObject
{
    Q_OBJECT

private slots:
    void checkoutRecordsWhatThePaymentPageShows_data()
    {
        // Each way of paying is told apart in the Day End's own tests.
        QTest::addColumn<int>("method");
        QTest::newRow("VISA on file") << 1;
        QTest::newRow("Cash") << 6;
    }
    void checkoutRecordsWhatThePaymentPageShows()
    {
        QFETCH(int, method);
        TestStore s;
        seed(s);
        // The fees handed on from the late-fee window, then a rental, an item line and a tape sold.
        frmPayment &payment = s.windows().payment();
        payment.show();
        typeInto(*payment.txtNum, u"1"_s);
        clickOn(*payment.cmdEnter);
        s.ws().answer(Answer::Yes);
        clickOn(*payment.cmdPayFull);
        frmCheckout &w = s.windows().checkout();
        rent(w, u"1001"_s);
        buy(w, u"7"_s, u"2"_s);
        buyVideo(w, u"2001"_s);
        w.SSTab1->setCurrentIndex(3);
        clickOn(method == 6 ? *w.optCash : *w.OptVisa);
        if (method == 6)
            typeInto(*w.txtCash, u"30"_s);
        // What the page shows: 5.98 + 3.99 + 2 x 2.50 + 9.99, taxed.
        QCOMPARE(Money::parse(w.txtTotal1->text()), std::optional(m("28.71")));
        const qint64 gst = Money::parse(w.txtGST->text()).value_or(Money()).units();
        const qint64 pst = Money::parse(w.txtPST->text()).value_or(Money()).units();
        s.ws().answer(Answer::Yes);
        s.ws().answer(Answer::No);
        clickOn(*w.cmdCheckOut);

        // One entry, of the figures shown, linked to the rental and receipt written.
        const QString tendered = method == 6 ? u"300000|12900"_s : u"287100|0"_s; // cash: 30 tendered, 1.29 back
        QCOMPARE(s.rows(u"SELECT Kind, EntryDate, Counter, CustomerNumber, Method, SubTotal, GST, PST, Total, Amount, "
                        "Tendered, ChangeGiven, FeesPaid, Rentals, RentalsAmount, ItemsSold, ItemsSoldAmount, TapesSold, "
                        "TapesSoldAmount FROM tblLedger"_s, u";"_s),
                 u"checkout|2026-03-10|%1|1|%2|249600|%3|%4|287100|287100|%5|59800|1|39900|2|50000|1|99900"_s
                     .arg(Ledger::counterName())
                     .arg(method)
                     .arg(gst)
                     .arg(pst)
                     .arg(tendered));
        QCOMPARE(s.count(u"tblLedger l JOIN tblRentals r ON r.RentalID = l.RentalID JOIN tblReceipts c ON c.SaleID = "
                         "l.ReceiptID"_s),
                 1);
    }

    void lateFeesAndFeePaymentsAreEntered()
    {
        TestStore s;
        seed(s);
        // Tape 1002 (class 2) was due on the 6th: four days late on the 10th, 1.99 a day; 1001 is on time.
        s.addRental(40, 2, 1002, u"2026-03-03"_s, u"2026-03-06"_s);
        s.addRental(41, 2, 1001, u"2026-03-08"_s, u"2026-03-10"_s);
        s.exec(u"UPDATE tblVideos SET InStore = 0 WHERE VideoID IN (1001, 1002)"_s);
        frmReturn &returns = s.windows().returns();
        returns.show();
        for (const QString &tape : {u"1002"_s, u"1001"_s}) {
            typeInto(*returns.txtVid, tape);
            clickOn(*returns.cmdReturn);
        }
        // The payment window's own entries are told in its tests.
        QVERIFY(ReturnsStore(s.path()).payFees(1, m("2.50"), Today, 6));

        // The on-time return moved no money: no entry.
        QCOMPARE(s.rows(u"SELECT Seq, Kind, EntryDate, CustomerNumber, COALESCE(VideoID, -1), COALESCE(RentalID, -1), "
                        "COALESCE(DaysLate, -1), Amount FROM tblLedger ORDER BY Seq"_s,
                        u";"_s),
                 u"1|fee|2026-03-10|2|1002|40|4|79600;2|payment|2026-03-10|1|-1|-1|-1|25000"_s);
        // Each writer's entry is linked into the chain, on either engine.
        QCOMPARE(StoreIntegrity::check(s.path()).ledgerEntries, 2);
    }

    void dayEndAndTaxesAddUpTheDay()
    {
        TestStore s;
        seed(s);
        s.addMovie(12, u"Class Three"_s, 3, 3);
        for (int tape = 1101; tape <= 1110; ++tape)
            s.addTape(tape, 12);
        const QDate day(2026, 3, 10), before(2026, 3, 9);
        // Three checkouts at the front counter, one at the back, one the day before.
        auto checkout = [&](const char *counter, QDate date, int tape, const char *subtotal, int method,
                            const char *cash = nullptr) {
            qputenv("VIDEOSTORE_COUNTER", counter);
            CheckoutStore store(s.path());
            // Class three: a 1.99 rental, whatever else the bill held.
            CheckoutPlan plan{1, date, {{BillLine::Kind::Rent, tape, 0, m("1.99")}},
                              CheckoutMoney::forSubtotal(m(subtotal), Pricing::starting().taxes)};
            plan.money.rentals = 1;
            plan.money.rentalsAmount = m(subtotal);
            if (cash)
                plan.money.payCash(m(cash));
            else
                plan.money.payByCard(method);
            QVERIFY(store.recordCheckout(plan));
        };
        checkout("front", day, 1101, "24.96", 6, "50");   // total 28.71, change 21.29
        checkout("front", day, 1102, "4.99", 6, "20");    // total 5.74, change 14.26
        checkout("front", day, 1103, "10.00", 1);         // VISA 11.50
        checkout("back", day, 1104, "1.99", 5);           // debit 2.29
        checkout("back", before, 1105, "100.00", 6, "115"); // the day before: not in this day end
        qputenv("VIDEOSTORE_COUNTER", "front");
        ReturnsStore returns(s.path());
        QVERIFY(returns.payFees(1, m("2.00"), day, 6));
        LedgerStore cash(s.path());
        // The float was 100: 100 + 70 taken - 35.55 change + 2 fees = 136.45 should be there; 135 is.
        QVERIFY(cash.recordCashUp(day, u"front"_s, m("100"), m("135"), m("136.45"), u"20x6 5x3"_s));
        // A count made against figures gone stale is refused.
        QVERIFY(!cash.recordCashUp(day, u"front"_s, m("100"), m("136.45"), m("134.45"), {}));
        QVERIFY2(cash.lastError().detail.contains(u"$136.45"_s), qPrintable(cash.lastError().detail));
        qunsetenv("VIDEOSTORE_COUNTER");

        ReportStore report(s.path(), ReportCommands::dayEnd(), {u"2026-03-10"_s});
        QVERIFY(report.open());
        QMap<QString, QString> lines;
        const QList<ReportRow> rows = *report.rows(0, report.rowCount());
        for (const ReportRow &r : rows)
            lines[r[1].toString() + u'/' + r[2].toString()] =
                r[3].toString() + u'|' + Money::fromUnits(r[4].toLongLong()).toPlain();
        // The day's own entries, of every counter; the back counter took no
        // cash and was not counted, so it has no drawer.
        // Methods, taxes and fees are added up in the Day End's own tests.
        QCOMPARE(lines.value(u"Checkouts by payment method/All checkouts"_s), u"4|48.24"_s);
        QCOMPARE(lines.value(u"Cash drawer of front/Should be in the drawer"_s), u"|136.45"_s);
        QVERIFY(!lines.contains(u"Cash drawer of back/Should be in the drawer"_s));
    }

    void schemaStepAddsAnEmptyLedgerAndChangesNothingElse()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"video.db"_s);
        QString error;
        QVERIFY2(SampleStore::write(path, SampleStore::Size::Demo, false, nullptr, nullptr, &error), qPrintable(error));
        // The demo store as the version before the ledger had it.
        constexpr int BeforeLedger = 2;
        for (const QString &sql : downgradeTo(BeforeLedger) + QStringList{u"PRAGMA user_version = 2"_s})
            valueIn(path, sql);
        // What the store held then, a line a row; later steps only add to it.
        auto dump = [&](const QString &file) {
            QStringList all;
            const auto lines = [&](const QString &columns, const QString &from) {
                return valueIn(file, u"SELECT group_concat(r, char(10)) FROM (SELECT quote(%1) AS r FROM %2)"_s.arg(
                                         columns, from)).toString().split(u'\n', Qt::SkipEmptyParts);
            };
            for (const auto &[table, columns] : StoreFile::expectedColumns(BeforeLedger)) {
                const QString where = table == u"tblSettings"_s ? u"Name <> 'ChainStart'"_s : u"1 = 1"_s;
                all << table;
                for (const QString &row : lines(columns.join(u") || ',' || quote("),
                                                u"%1 WHERE %2 ORDER BY rowid"_s.arg(table, where)))
                    all << table + u": "_s + row;
            }
            return all + lines(u"type) || quote(name) || quote(tbl_name) || quote(sql"_s,
                               u"sqlite_master WHERE type <> 'table' AND name NOT LIKE '%Ledger%' AND name NOT LIKE "
                               "'%GateLog%' ORDER BY name"_s);
        };
        const QStringList before = dump(path);
        QVERIFY(before.size() > 200);

        // A step that fails part-way leaves the store exactly as it was.
        const QString blocked = dir.filePath(u"blocked.db"_s);
        QVERIFY(QFile::copy(path, blocked));
        // Its last statement finds the name taken.
        valueIn(blocked, u"CREATE TRIGGER trLedgerNoDelete BEFORE DELETE ON tblVideosSold BEGIN SELECT 1; END"_s);
        const StoreFile::Outcome refused = StoreFile::prepare(blocked);
        QVERIFY(!refused.ok);
        QCOMPARE(valueIn(blocked, u"SELECT COUNT(*) FROM sqlite_master WHERE name = 'tblLedger'"_s).toInt(), 0);
        QCOMPARE(valueIn(blocked, u"PRAGMA user_version"_s).toInt(), BeforeLedger);
        QCOMPARE(dump(blocked), before);

        const StoreFile::Outcome upgraded = StoreFile::prepare(path);
        QVERIFY2(upgraded.ok, qPrintable(upgraded.message));
        QCOMPARE(valueIn(path, u"PRAGMA user_version"_s).toInt(), Schema::Version);
        // Later steps add indexes and settings of their own; nothing there before changes.
        QStringList kept = dump(path);
        kept.removeIf([&](const QString &row) { return !before.contains(row); });
        QCOMPARE(kept, before);
        // The new table, empty, takes entries at once.
        QVERIFY(ReturnsStore(path).payFees(1, m("1.00"), Today, 6));
    }
};

QTEST_MAIN(tst_Ledger)
#include "tst_Ledger.moc"
