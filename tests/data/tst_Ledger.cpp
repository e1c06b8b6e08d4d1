#include "TestSupport.h"

#include "data/Database.h"

#include "SampleStore.h"
#include "counter/CheckoutStore.h"
#include "counter/frmCheckout.h"
#include "data/Ledger.h"
#include "data/Schema.h"
#include "data/StoreFile.h"
#include "data/StoreIntegrity.h"
#include "reports/ReportStore.h"
#include "returns/ReturnsStore.h"
#include "returns/frmPayment.h"
#include "returns/frmReturn.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTabWidget>

using namespace Qt::StringLiterals;

namespace {

const QDate Today(2026, 3, 10);

Money m(const char *text)
{
    return *Money::parse(QString::fromLatin1(text));
}

// Every row of `sql` on the store, each a list of its columns, through a
// plain connection of its own.
QList<QVariantList> rowsIn(const QString &path, const QString &sql, QString *error = nullptr)
{
    QList<QVariantList> out;
    const QString name = u"tst-ledger-rows"_s;
    {
        QString why;
        QSqlDatabase db = Database::connect(name, path, &why);
        if (!db.isOpen())
            qFatal("cannot open %s: %s", qPrintable(path), qPrintable(why));
        QSqlQuery q(db);
        if (!q.exec(sql)) {
            if (!error)
                qFatal("%s: %s", qPrintable(sql), qPrintable(q.lastError().text()));
            *error = q.lastError().text();
        }
        while (q.next()) {
            QVariantList row;
            for (int i = 0; i < q.record().count(); ++i)
                row << q.value(i);
            out << row;
        }
    }
    QSqlDatabase::removeDatabase(name);
    return out;
}

// The ledger as stored, one map per entry, in order.
QList<QVariantMap> ledger(const QString &path)
{
    static const QStringList names = {
        u"Seq"_s,         u"EntryDate"_s,      u"Counter"_s,     u"Kind"_s,        u"CustomerNumber"_s,
        u"RentalID"_s,    u"ReceiptID"_s,      u"VideoID"_s,     u"Method"_s,      u"SubTotal"_s,
        u"GST"_s,         u"PST"_s,            u"Total"_s,       u"Tendered"_s,    u"ChangeGiven"_s,
        u"FeesPaid"_s,    u"Rentals"_s,        u"RentalsAmount"_s, u"TapesSold"_s, u"TapesSoldAmount"_s,
        u"ItemsSold"_s,   u"ItemsSoldAmount"_s, u"DaysLate"_s,   u"Amount"_s,      u"OpeningFloat"_s,
        u"Expected"_s,    u"Note"_s};
    QList<QVariantMap> out;
    for (const QVariantList &row : rowsIn(path, u"SELECT %1 FROM tblLedger ORDER BY Seq"_s.arg(names.join(u", ")))) {
        QVariantMap entry;
        for (int i = 0; i < names.size(); ++i)
            entry[names[i]] = row[i];
        out << entry;
    }
    return out;
}

Money moneyOf(const QVariant &v)
{
    return Money::fromUnits(v.toLongLong());
}

// The money of a box as the window shows it.
Money shown(const QLineEdit *box)
{
    const auto amount = Money::parse(box->text());
    if (!amount)
        qFatal("%s shows %s, not an amount", qPrintable(box->objectName()), qPrintable(box->text()));
    return *amount;
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
        QTest::addColumn<int>("method");
        QTest::addColumn<QString>("card");
        QTest::newRow("VISA on file") << 1 << QString();
        QTest::newRow("MasterCard") << 2 << u"5500111122223333"_s;
        QTest::newRow("American Express") << 3 << u"371449635398431"_s;
        QTest::newRow("Sears") << 4 << u"6011000990139424"_s;
        QTest::newRow("Debit") << 5 << u"4506445566778899"_s;
        QTest::newRow("Cash") << 6 << QString();
    }
    void checkoutRecordsWhatThePaymentPageShows()
    {
        QFETCH(int, method);
        QFETCH(QString, card);
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
        QVERIFY(w.isVisible());
        rent(w, u"1001"_s);
        buy(w, u"7"_s, u"2"_s);
        buyVideo(w, u"2001"_s);
        w.SSTab1->setCurrentIndex(3);
        QRadioButton *options[] = {w.OptVisa, w.optMC, w.optAmEx, w.optSears, w.optDebit, w.optCash};
        clickOn(*options[method - 1]);
        if (!card.isEmpty())
            typeInto(*w.txtCardNum, card);
        if (method == 6)
            typeInto(*w.txtCash, u"30"_s);
        // What the page shows: 5.98 + 3.99 + 2 x 2.50 + 9.99.
        const Money subtotal = shown(w.txtSubTotal), gst = shown(w.txtGST), pst = shown(w.txtPST),
                    total = shown(w.txtTotal1);
        QCOMPARE(subtotal, m("24.96"));
        QCOMPARE(total, m("28.71"));
        s.ws().clear();
        s.ws().answer(Answer::Yes);
        s.ws().answer(Answer::No);
        clickOn(*w.cmdCheckOut);
        QCOMPARE(s.ws().boxes().size(), 2);

        const QList<QVariantMap> entries = ledger(s.path());
        QCOMPARE(entries.size(), 1);
        const QVariantMap &e = entries.first();
        QCOMPARE(e["Kind"].toString(), u"checkout"_s);
        QCOMPARE(e["EntryDate"].toString(), u"2026-03-10"_s);
        QCOMPARE(e["Counter"].toString(), Ledger::counterName());
        QCOMPARE(e["CustomerNumber"].toInt(), 1);
        QCOMPARE(e["Method"].toInt(), method);
        QCOMPARE(e["RentalID"], s.value(u"SELECT RentalID FROM tblRentals"_s));
        QCOMPARE(e["ReceiptID"], s.value(u"SELECT SaleID FROM tblReceipts"_s));
        QCOMPARE(moneyOf(e["SubTotal"]), subtotal);
        QCOMPARE(moneyOf(e["GST"]), gst);
        QCOMPARE(moneyOf(e["PST"]), pst);
        QCOMPARE(moneyOf(e["Total"]), total);
        QCOMPARE(moneyOf(e["Amount"]), total);
        QCOMPARE(moneyOf(e["FeesPaid"]), m("5.98"));
        QCOMPARE(e["Rentals"].toInt(), 1);
        QCOMPARE(moneyOf(e["RentalsAmount"]), m("3.99"));
        QCOMPARE(e["ItemsSold"].toInt(), 2);
        QCOMPARE(moneyOf(e["ItemsSoldAmount"]), m("5.00"));
        QCOMPARE(e["TapesSold"].toInt(), 1);
        QCOMPARE(moneyOf(e["TapesSoldAmount"]), m("9.99"));
        if (method == 6) {
            // The change the clerk was told to give.
            const QString verify = s.ws().boxes().first().prompt;
            QVERIFY2(verify.contains(u"been returned $1.29 in change"_s), qPrintable(verify));
            QCOMPARE(moneyOf(e["Tendered"]), m("30"));
            QCOMPARE(moneyOf(e["ChangeGiven"]), m("1.29"));
        } else {
            QVERIFY2(s.ws().boxes().first().prompt.contains(u"Total: 28.71"_s), qPrintable(s.ws().boxes().first().prompt));
            QCOMPARE(moneyOf(e["Tendered"]), total);
            QCOMPARE(moneyOf(e["ChangeGiven"]), Money());
        }
        QCOMPARE(feesOwing(s, 1), Money());
    }

    void feePaymentsAndReturnFeesRecordTheirMessages()
    {
        TestStore s;
        seed(s);
        // Tape 1002 (class 2) was due on the 6th: four days late on the 10th, 1.99 a day.
        s.addRental(40, 2, 1002, u"2026-03-03"_s, u"2026-03-06"_s);
        s.addRental(41, 2, 1001, u"2026-03-08"_s, u"2026-03-10"_s);
        s.exec(u"UPDATE tblVideos SET InStore = 0 WHERE VideoID IN (1001, 1002)"_s);

        frmReturn &returns = s.windows().returns();
        returns.show();
        typeInto(*returns.txtVid, u"1002"_s);
        clickOn(*returns.cmdReturn);
        QVERIFY(s.ws().last().prompt.endsWith(u"fee\u00A0$7.96 added to the member's account"_s));
        // On time: no money moves, no entry.
        typeInto(*returns.txtVid, u"1001"_s);
        clickOn(*returns.cmdReturn);
        QVERIFY(s.ws().last().prompt.endsWith(u"no\u00A0fee"_s));

        frmPayment &payment = s.windows().payment();
        payment.show();
        typeInto(*payment.txtNum, u"1"_s);
        clickOn(*payment.cmdEnter);
        s.ws().type(u"2.5"_s);
        clickOn(*payment.cmdPayPart);
        QCOMPARE(s.ws().last().prompt, u"Payment made of $2.50\r\n$3.48 still owing on account."_s);
        s.ws().answer(Answer::No);
        clickOn(*payment.cmdPayFull);
        QCOMPARE(s.ws().last().prompt, u"Overdue fees paid in the amount of $3.48"_s);
        // A refused amount moves nothing.
        s.ws().type(u"-1"_s);
        typeInto(*payment.txtNum, u"2"_s);
        clickOn(*payment.cmdEnter);
        clickOn(*payment.cmdPayPart);

        const QList<QVariantMap> e = ledger(s.path());
        QCOMPARE(e.size(), 3);
        QCOMPARE(e[0]["Kind"].toString(), u"fee"_s);
        QCOMPARE(e[0]["CustomerNumber"].toInt(), 2);
        QCOMPARE(e[0]["VideoID"].toInt(), 1002);
        QCOMPARE(e[0]["RentalID"].toInt(), 40);
        QCOMPARE(e[0]["DaysLate"].toInt(), 4);
        QCOMPARE(moneyOf(e[0]["Amount"]), m("7.96"));
        QVERIFY(e[0]["Method"].isNull());
        for (int i : {1, 2}) {
            QCOMPARE(e[i]["Kind"].toString(), u"payment"_s);
            QCOMPARE(e[i]["CustomerNumber"].toInt(), 1);
            QCOMPARE(e[i]["EntryDate"].toString(), u"2026-03-10"_s);
            QCOMPARE(e[i]["Method"].toInt(), 6); // cash, as Payments chooses on arrival
            QVERIFY(e[i]["Total"].isNull());
        }
        QCOMPARE(moneyOf(e[1]["Amount"]), m("2.50"));
        QCOMPARE(moneyOf(e[2]["Amount"]), m("3.48"));
        // Each writer's entry is linked into the chain, on either engine.
        QCOMPARE(StoreIntegrity::check(s.path()).ledgerEntries, 3);
        QCOMPARE(e[0]["Seq"].toInt() + 1, e[1]["Seq"].toInt());
        QCOMPARE(e[1]["Seq"].toInt() + 1, e[2]["Seq"].toInt());
    }

    void checkoutRefusedOrFailedWritesNoEntry()
    {
        TestStore s;
        seed(s);
        CheckoutStore first(s.path()), second(s.path());
        CheckoutPlan plan{1, Today, {{BillLine::Kind::Rent, 1001, 0, m("3.99")}},
                          CheckoutMoney::forSubtotal(m("3.99"), Pricing::starting().taxes)};
        plan.money.payCash(m("5"));
        QVERIFY(first.recordCheckout(plan));
        QCOMPARE(ledger(s.path()).size(), 1);
        // The same tape from a second counter that still saw it on the shelf.
        plan.member = 2;
        QVERIFY(!second.recordCheckout(plan));
        QCOMPARE(second.lastError().kind, DbError::Kind::Conflict);
        // A tape gone from the file altogether fails the write.
        plan.lines = {{BillLine::Kind::Rent, 1002, 0, m("2.99")}, {BillLine::Kind::Rent, 9999, 0, m("2.99")}};
        QVERIFY(!second.recordCheckout(plan));
        QCOMPARE(ledger(s.path()).size(), 1);
        QCOMPARE(s.count(u"tblRentals"_s), 1);
    }

    void theStoreRefusesChangesToTheLedger()
    {
        TestStore s;
        seed(s);
        ReturnsStore returns(s.path());
        QVERIFY(returns.payFees(1, m("1.00"), Today, 6));
        QVERIFY(returns.payFees(1, m("2.00"), Today, 6));
        const QList<QVariantMap> before = ledger(s.path());
        for (const QString &sql : {u"UPDATE tblLedger SET Amount = 0"_s, u"UPDATE tblLedger SET Kind = 'fee' WHERE Seq = 2"_s,
                                   u"DELETE FROM tblLedger WHERE Seq = 1"_s, u"DELETE FROM tblLedger"_s}) {
            QString error;
            rowsIn(s.path(), sql, &error);
            QVERIFY2(error.contains(u"append-only"_s), qPrintable(sql + u": "_s + error));
        }
        QCOMPARE(ledger(s.path()), before);
        // Still open to new entries.
        QVERIFY(returns.payFees(1, m("0.50"), Today, 6));
        QCOMPARE(ledger(s.path()).size(), 3);
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
        s.addRental(90, 2, 1002, u"2026-03-01"_s, u"2026-03-04"_s);
        QCOMPARE(returns.returnTapes({1002}, day).charges, QList<Money>{m("11.94")});
        LedgerStore cash(s.path());
        // The float was 100: 100 + 70 taken - 35.55 change + 2 fees = 136.45 should be there; 135 is.
        QVERIFY(cash.recordCashUp(day, u"front"_s, m("100"), m("135"), m("136.45"), u"20x6 5x3"_s));
        // A count made against figures gone stale is refused.
        QVERIFY(!cash.recordCashUp(day, u"front"_s, m("100"), m("136.45"), m("134.45"), {}));
        QCOMPARE(cash.lastError().kind, DbError::Kind::Conflict);
        QVERIFY2(cash.lastError().detail.contains(u"$136.45"_s), qPrintable(cash.lastError().detail));
        qunsetenv("VIDEOSTORE_COUNTER");

        ReportStore report(s.path(), ReportCommands::dayEnd(), {u"2026-03-10"_s});
        QVERIFY(report.open());
        QMap<QString, std::pair<QVariant, Money>> lines;
        const QList<ReportRow> rows = *report.rows(0, report.rowCount());
        for (const ReportRow &r : rows) {
            QCOMPARE(r[0].toString(), u"2026-03-10"_s);
            lines[r[1].toString() + u'/' + r[2].toString()] = {r[3], moneyOf(r[4])};
        }
        auto check = [&](const QString &key, QVariant count, const char *amount) {
            QVERIFY2(lines.contains(key), qPrintable(key));
            QCOMPARE(lines[key].first, count);
            QCOMPARE(lines[key].second, m(amount));
        };
        const QString methods = u"Checkouts by payment method/"_s, sales = u"Sales and taxes/"_s,
                      fees = u"Late fees/"_s, front = u"Cash drawer of front/"_s;
        check(methods + u"Cash"_s, 2, "34.45");
        check(methods + u"VISA"_s, 1, "11.50");
        check(methods + u"Debit"_s, 1, "2.29");
        check(methods + u"MasterCard"_s, 0, "0");
        check(methods + u"All checkouts"_s, 4, "48.24");
        check(sales + u"Tapes rented"_s, 4, "41.94");
        check(sales + u"SubTotal"_s, {}, "41.94");
        // 1.7472 + 0.3493 + 0.70 + 0.1393, each rounded as the page showed it.
        check(sales + u"GST collected"_s, {}, "2.94");
        check(sales + u"PST collected"_s, {}, "3.36");
        check(sales + u"TOTAL"_s, {}, "48.24");
        check(fees + u"Charged at returns"_s, 1, "11.94");
        check(fees + u"Paid at Payments"_s, 1, "2.00");
        check(front + u"Opening float"_s, {}, "100");
        check(front + u"Cash taken at checkouts"_s, 2, "70");
        check(front + u"Change given"_s, {}, "-35.55");
        check(front + u"Fee payments in cash"_s, 1, "2.00");
        check(front + u"Should be in the drawer"_s, {}, "136.45");
        // The back counter took no cash and was not counted: no drawer.
        QVERIFY(!lines.contains(u"Cash drawer of back/Should be in the drawer"_s));
        const auto shortfall = std::find_if(rows.cbegin(), rows.cend(), [](const ReportRow &r) {
            return r[2].toString().startsWith(u"Short at "_s);
        });
        QVERIFY(shortfall != rows.cend());
        QVERIFY2((*shortfall)[2].toString().endsWith(u", against $136.45"_s), qPrintable((*shortfall)[2].toString()));
        QCOMPARE(moneyOf((*shortfall)[4]), m("-1.45"));
        // Every entry of the day is listed, the cash-up and the fee among them.
        QCOMPARE(std::count_if(rows.cbegin(), rows.cend(),
                               [](const ReportRow &r) { return r[1].toString() == u"Every entry of the day"_s; }),
                 7);

        ReportStore taxes(s.path(), ReportCommands::taxes(), {u"2026-03-01"_s, u"2026-03-31"_s});
        QVERIFY(taxes.open());
        QList<ReportRow> t = *taxes.rows(0, taxes.rowCount());
        // The month starts before the ledger's first entry, and says so first.
        QCOMPARE(t.size(), 4);
        QCOMPARE(t.takeFirst().first().toString(), u"The payments ledger starts on 2026-03-09; business before that "
                                                   "day is not in this report."_s);
        auto taxLine = [](const ReportRow &r) {
            return QStringList{r[0].toString(), r[1].toString(), moneyOf(r[2]).toPlain(), moneyOf(r[3]).toPlain(),
                               moneyOf(r[4]).toPlain(), moneyOf(r[5]).toPlain()};
        };
        QCOMPARE(taxLine(t[0]), QStringList({"2026-03-09", "1", "100", "7", "8", "115"}));
        QCOMPARE(taxLine(t[1]), QStringList({"2026-03-10", "4", "41.94", "2.94", "3.36", "48.24"}));
        QCOMPARE(taxLine(t[2]), QStringList({"2026-03-01 to 2026-03-31", "5", "141.94", "9.94", "11.36", "163.24"}));
    }

    void schemaStepAddsAnEmptyLedgerAndChangesNothingElse()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"video.db"_s);
        QString error;
        QVERIFY2(SampleStore::write(path, SampleStore::Size::Demo, false, nullptr, nullptr, &error), qPrintable(error));
        // The demo store as the version before the ledger had it.
        constexpr int BeforeLedger = 2;
        for (const QString &sql : downgradeTo(BeforeLedger))
            rowsIn(path, sql);
        rowsIn(path, u"PRAGMA user_version = %1"_s.arg(BeforeLedger));
        // What the store held then; later steps only add to it.
        auto dump = [&](const QString &file) {
            QList<QVariantList> all;
            for (const auto &[table, columns] : StoreFile::expectedColumns(BeforeLedger))
                all << QVariantList{table}
                    << rowsIn(file, u"SELECT %1 FROM %2 WHERE %3 ORDER BY rowid"_s.arg(
                                        columns.join(u", "), table,
                                        table == u"tblSettings"_s ? u"Name <> 'ChainStart'"_s : u"1 = 1"_s));
            all << rowsIn(file, u"SELECT type, name, tbl_name, sql FROM sqlite_master WHERE type <> 'table' AND "
                                "name NOT LIKE '%Ledger%' AND name NOT LIKE '%GateLog%' ORDER BY name"_s);
            return all;
        };
        const QList<QVariantList> before = dump(path);
        QVERIFY(before.size() > 200);

        // A step that fails part-way leaves the store exactly as it was.
        const QString blocked = dir.filePath(u"blocked.db"_s);
        QVERIFY(QFile::copy(path, blocked));
        // Its last statement finds the name taken.
        rowsIn(blocked, u"CREATE TRIGGER trLedgerNoDelete BEFORE DELETE ON tblVideosSold BEGIN SELECT 1; END"_s);
        const StoreFile::Outcome refused = StoreFile::prepare(blocked);
        QVERIFY(!refused.ok);
        QCOMPARE(rowsIn(blocked, u"SELECT COUNT(*) FROM sqlite_master WHERE name = 'tblLedger'"_s)[0][0].toInt(), 0);
        QCOMPARE(rowsIn(blocked, u"PRAGMA user_version"_s)[0][0].toInt(), BeforeLedger);
        QCOMPARE(dump(blocked), before);

        const StoreFile::Outcome upgraded = StoreFile::prepare(path);
        QVERIFY2(upgraded.ok, qPrintable(upgraded.message));
        QCOMPARE(rowsIn(path, u"PRAGMA user_version"_s)[0][0].toInt(), Schema::Version);
        // Later steps add indexes and settings of their own; nothing there before changes.
        QList<QVariantList> kept = dump(path);
        kept.removeIf([&](const QVariantList &row) { return !before.contains(row); });
        QCOMPARE(kept, before);
        QCOMPARE(rowsIn(path, u"SELECT COUNT(*) FROM tblLedger"_s)[0][0].toInt(), 0);
        QCOMPARE(rowsIn(path, u"SELECT name FROM sqlite_master WHERE type = 'trigger' AND name LIKE 'trLedger%' "
                              "ORDER BY name"_s),
                 (QList<QVariantList>{{u"trLedgerNoDelete"_s}, {u"trLedgerNoReplace"_s}, {u"trLedgerNoUpdate"_s}}));
        // The new table takes entries at once.
        ReturnsStore returns(path);
        QVERIFY(returns.payFees(1, m("1.00"), Today, 6));
        QCOMPARE(ledger(path).size(), 1);
    }
};

QTEST_MAIN(tst_Ledger)
#include "tst_Ledger.moc"
