#include "ReportTestData.h"

#include "SampleStore.h"
#include "app/frmMain.h"
#include "app/frmSecur.h"
#include "counter/CheckoutStore.h"
#include "counter/frmCheckout.h"
#include "data/Ledger.h"
#include "data/StoreDate.h"
#include "reports/ReportCommandLine.h"
#include "reports/ReportPreview.h"
#include "reports/frmCashUp.h"
#include "reports/frmDayEnd.h"
#include "returns/ReturnsStore.h"
#include "returns/frmPayment.h"
#include "returns/frmReturn.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>

using namespace Qt::StringLiterals;

namespace {

Money m(const QString &text)
{
    const auto amount = Money::parse(text);
    if (!amount)
        qFatal("not an amount: %s", qPrintable(text));
    return *amount;
}

// A day's figures added up from what the windows showed, kept apart from
// anything the ledger computes.
struct Script
{
    QMap<int, std::pair<int, Money>> byMethod; // payment type: checkouts, totals
    Money subtotal, gst, pst, total, tendered, change, feesCharged, feesPaidHere, feesPaidWithCheckout;
    int checkouts = 0, checkoutsWithFees = 0, cashCheckouts = 0;
};

// One real run of the program's windows on the demo store, with scripted
// boxes.
class DemoDay
{
public:
    DemoDay()
    {
        QString error;
        if (!SampleStore::write(path(), SampleStore::Size::Demo, false, nullptr, nullptr, &error))
            qFatal("%s", qPrintable(error));
        ws.onUnscripted = [](const QString &why) { QTest::qFail(qPrintable(why), __FILE__, __LINE__); };
        windows = std::make_unique<WindowRegistry>(path(), ws);
        windows->setQuit([] {});
        // The demo's own history fills today's ledger: the day worked here is the next.
        windows->setToday([] { return QDate::currentDate().addDays(1); });
    }
    QString path() const { return dir.filePath(u"video.db"_s); }
    // The first column of every row.
    QList<QVariant> column(const QString &sql)
    {
        QList<QVariant> out;
        const QString name = u"demo-day"_s;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, name);
            db.setDatabaseName(path());
            db.open();
            QSqlQuery q(sql, db);
            while (q.next())
                out << q.value(0);
        }
        QSqlDatabase::removeDatabase(name);
        return out;
    }

    // One checkout through the counter window; its figures go into the script.
    void checkout(Script &script, const QString &member, const QStringList &rented, const QStringList &items,
                  const QStringList &tapesSold, int method, const QString &cashOrCard)
    {
        frmCheckout &w = windows->checkout();
        if (!w.isVisible())
            w.show();
        if (!member.isEmpty())
            lookUp(w, w.txtMemberID, member);
        for (const QString &tape : rented)
            rent(w, tape);
        for (const QString &item : items)
            buy(w, item, u"2"_s);
        for (const QString &tape : tapesSold)
            buyVideo(w, tape);
        QRadioButton *options[] = {w.OptVisa, w.optMC, w.optAmEx, w.optSears, w.optDebit, w.optCash};
        payBy(w, options[method - 1]);
        const Money total = m(w.txtTotal1->text());
        if (method == 6) {
            typeInto(*w.txtCash, cashOrCard);
            script.tendered += m(cashOrCard);
            script.change += m(cashOrCard) - total;
            ++script.cashCheckouts;
        } else {
            typeInto(*w.txtCardNum, cashOrCard);
        }
        for (int i = 0; i < w.List3->count(); ++i)
            if (w.List3->item(i)->text().startsWith(u"Pay "_s)) {
                script.feesPaidWithCheckout += m(w.List3->item(i)->text().section(u'\t', 1));
                ++script.checkoutsWithFees;
            }
        script.subtotal += m(w.txtSubTotal->text());
        script.gst += m(w.txtGST->text());
        script.pst += m(w.txtPST->text());
        script.total += total;
        ++script.checkouts;
        ++script.byMethod[method].first;
        script.byMethod[method].second += total;
        const qsizetype boxes = ws.boxes().size();
        ws.answer(Answer::Yes);
        ws.answer(Answer::No);
        clickOn(*w.cmdCheckOut);
        QCOMPARE(ws.boxes().size(), boxes + 2); // the verification and the receipt question, nothing else
        QCOMPARE(w.List3->count(), 0);
    }

    QTemporaryDir dir;
    ScriptedWindowSystem ws;
    std::unique_ptr<WindowRegistry> windows;
};

// The rows of a CSV file of the Day End, by "Section/What": count and amount.
QMap<QString, QStringList> csvLines(const QString &file)
{
    QMap<QString, QStringList> out;
    for (const QStringList &cells : readCsv(file).mid(1))
        if (cells.size() == 5)
            out[cells[1] + u'/' + cells[2]] = {cells[3], cells[4]};
    return out;
}

} // namespace

class tst_DayEnd : public QObject
{
    Q_OBJECT

private slots:
    void theGateLeadsToDayEndAndCashUp()
    {
        TestStore s;
        s.windows().setToday([] { return QDate(2026, 3, 10); });
        frmMain &menu = s.windows().main();
        auto throughTheGate = [&](QAction *item, int destination, const char *window) {
            menu.show();
            item->trigger();
            frmSecur &gate = s.windows().secur();
            QCOMPARE(gate.destination, destination);
            typeInto(*gate.txtCode, u"Popcorn-1987"_s);
            clickOn(*gate.cmdSubmit);
            QCOMPARE(shownWindows(), QStringList{QString::fromLatin1(window)});
        };
        throughTheGate(menu.mnuCashUp, 13, "frmCashUp");
        clickOn(*s.windows().cashUp().cmdReturn);
        throughTheGate(menu.mnuDayEnd, 12, "frmDayEnd");
        frmDayEnd &dialog = s.windows().dayEnd();
        QCOMPARE(dialog.txtDate->text(), u"2026-03-10"_s);
        typeInto(*dialog.txtDate, u"2026-02-30"_s);
        clickOn(*dialog.Command1);
        QCOMPARE(s.ws().last().prompt, StoreDate::invalidMessage(u"2026-02-30"));
        QVERIFY(!s.windows().reportPreview(ReportId::DayEnd).isVisible());
        typeInto(*dialog.txtDate, u"2026-03-09"_s);
        clickOn(*dialog.Command1);
        ReportPreview &preview = s.windows().reportPreview(ReportId::DayEnd);
        QVERIFY(preview.isVisible());
        QCOMPARE(preview.document()->store().rows(0, 1)->first().first().toString(), u"2026-03-09"_s);
        keepScreenshot(dialog, u"frmDayEnd.png"_s);
    }

    void cashUpShowsTheDifferenceAtOnceAndKeepsEveryCount()
    {
        TestStore s;
        const QDate day(2026, 3, 10);
        s.windows().setToday([day] { return day; });
        s.addMember(1, u"Ann"_s, u"Smith"_s);
        s.addMovie(10, u"Class One"_s, 1, 1);
        s.addTape(1001, 10);
        s.exec(u"UPDATE tblMembers SET FeesOwing = 50000 WHERE CustomerNumber = 1"_s);
        // A 3.99 rental on a bill that came to 24.96 with what else it held.
        CheckoutPlan plan{1, day, {{BillLine::Kind::Rent, 1001, 0, m(u"3.99"_s)}},
                          CheckoutMoney::forSubtotal(m(u"24.96"_s), Pricing::starting().taxes)};
        plan.money.payCash(m(u"50"_s)); // 28.71, change 21.29
        QVERIFY(CheckoutStore(s.path()).recordCheckout(plan));
        QVERIFY(ReturnsStore(s.path()).payFees(1, m(u"2"_s), day, 6));

        frmCashUp &w = s.windows().cashUp();
        w.show();
        QCOMPARE(QStringList({w.txtTaken->text(), w.txtChange->text(), w.txtFees->text()}),
                 QStringList({"$50.00", "$21.29", "$2.00"}));
        typeInto(*w.txtFloat, u"100"_s);
        QCOMPARE(w.txtExpected->text(), u"$130.71"_s);
        // Shown while typing, before anything is pressed.
        typeInto(*w.txtCounted, u"129.21"_s);
        QCOMPARE(w.txtDifference->text(), u"-$1.50"_s);
        QCOMPARE(w.lblDifference->text(), u"Short by $1.50"_s);
        keepScreenshot(w, u"frmCashUp.png"_s);

        // Answered No: nothing recorded.
        s.ws().answer(Answer::No);
        clickOn(*w.cmdRecord);
        QCOMPARE(s.ws().last().prompt, u"Record a count of $129.21 in the drawer of %1 for 2026-03-10?\r\nIt should "
                                       "hold $130.71: short by $1.50."_s.arg(Ledger::counterName()));
        QCOMPARE(s.count(u"tblLedger"_s, u"Kind = 'cashup'"_s), 0);
        s.ws().answer(Answer::Yes);
        clickOn(*w.cmdRecord);
        QVERIFY2(listLines(w.lstCounts).value(0).contains(u"counted $129.21  should be $130.71  short by $1.50"_s),
                 qPrintable(listLines(w.lstCounts).value(0)));

        // A second count, by denomination, stands beside the first.
        clickOn(*w.chkDenominations);
        QVERIFY(w.txtCounted->isReadOnly());
        const QStringList pieces = {u"1"_s, u"two"_s, u"1"_s, u"1"_s, {}, {}, {}, u"3"_s};
        for (int i = 0; i < pieces.size(); ++i)
            typeInto(*w.txtDenomination[i], pieces[i]);
        clickOn(*w.cmdRecord);
        QCOMPARE(s.ws().last().title, u"Invalid number"_s);
        typeInto(*w.txtDenomination[1], QString());
        QCOMPARE(w.txtCounted->text(), u"130.75"_s);
        QCOMPARE(w.lblDifference->text(), u"Over by $0.04"_s);
        s.ws().answer(Answer::Yes);
        clickOn(*w.cmdRecord);
        keepScreenshot(w, u"frmCashUp-counts.png"_s);
        // A third, to the cent, is neither short nor over.
        clickOn(*w.chkDenominations);
        typeInto(*w.txtCounted, u"130.71"_s);
        s.ws().answer(Answer::Yes);
        clickOn(*w.cmdRecord);
        QCOMPARE(listLines(w.lstCounts).size(), 3);
        QCOMPARE(s.rows(u"SELECT Amount, OpeningFloat, Expected, Note FROM tblLedger WHERE Kind = 'cashup' "
                        "ORDER BY Seq"_s),
                 u"1292100|1000000|1307100|,1307500|1000000|1307100|100x1 20x1 10x1 0.25x3,1307100|1000000|1307100|"_s);
        // The Day End shows the counts and their differences.
        ReportStore report(s.path(), ReportCommands::dayEnd(), {u"2026-03-10"_s});
        QVERIFY(report.open());
        QStringList counts;
        for (const ReportRow &r : *report.rows(0, report.rowCount()))
            if (r[2].toString().contains(QRegularExpression(u"^(Short|Over|Even) at "_s)))
                counts << r[2].toString().section(u' ', 0, 0) + u' ' + Money::fromUnits(r[4].toLongLong()).toPlain();
        QCOMPARE(counts, QStringList({u"Short -1.5"_s, u"Over 0.04"_s, u"Even 0"_s}));
    }

    // A period reaching back past the ledger's first day (the demo's history
    // starts it) says so ahead of the figures; one from that day does not.
    void ledgerReportsSayWhereTheLedgerStarts()
    {
        DemoDay demo;
        const QDate first = StoreDate::readStored(
                                demo.column(u"SELECT MIN(EntryDate) FROM tblLedger"_s).value(0).toString())
                                .value_or(QDate());
        QVERIFY(first.isValid() && first < QDate::currentDate());
        // Every checkout and sale of the history, taxed as its rows keep it.
        const QString kept = u"SELECT SUM(GST) FROM (SELECT GST FROM tblRentals UNION ALL SELECT GST FROM "
                             "tblSalesDetails UNION ALL SELECT GST FROM tblVideosSold)"_s;
        const Money keptGst = Money::fromUnits(demo.column(kept).value(0).toLongLong());
        QVERIFY(keptGst > Money());
        const QString note = u"The payments ledger starts on %1; business before that day is not in this report."_s
                                 .arg(StoreDate::toText(first));
        const struct { QString report; QDate from; bool told; } cases[] = {
            {u"taxes"_s, first.addDays(-7), true}, {u"taxes"_s, first, false},
            {u"day-end"_s, first.addDays(-1), true}, {u"day-end"_s, first, false}};
        for (const auto &c : cases) {
            ReportRequest request{demo.path(), c.report, {}, demo.dir.filePath(u"r.csv"_s)};
            request.from = request.date = StoreDate::toText(c.from);
            request.to = StoreDate::toText(QDate::currentDate());
            request.force = true;
            QString out, err;
            QTextStream o(&out), e(&err);
            QCOMPARE(runReportCommand(request, o, e), 0);
            const QList<QStringList> csv = readCsv(request.csv);
            QVERIFY2(csv.value(1).contains(note) == c.told, qPrintable(c.report + u" from "_s + request.from));
            if (c.report == u"taxes"_s)
                QCOMPARE(m(csv.last().value(3)), keptGst);
        }
    }

    void aScriptedDayOnTheDemoStoreAgreesToTheCent()
    {
        DemoDay demo;
        Script script;
        const QString today = StoreDate::toText(demo.windows->today());
        // Live members who owe nothing, tapes on the shelf to rent and to sell, items in stock.
        const QList<QVariant> members = demo.column(
            u"SELECT CustomerNumber FROM tblMembers WHERE Deleted = 0 AND FeesOwing = 0 AND CustomerNumber > 0 "
            "ORDER BY CustomerNumber"_s);
        const QList<QVariant> rentable = demo.column(
            u"SELECT VideoID FROM tblVideos v WHERE ForRent = 1 AND InStore = 1 AND Deleted = 0 AND NOT EXISTS "
            "(SELECT 1 FROM tblRentals r WHERE r.VideoID = v.VideoID AND Returned = 0) ORDER BY VideoID"_s);
        const QList<QVariant> forSale = demo.column(
            u"SELECT VideoID FROM tblVideos WHERE ForSale = 1 AND InStore = 1 AND Deleted = 0 AND ForRent = 0 "
            "ORDER BY VideoID"_s);
        const QList<QVariant> items =
            demo.column(u"SELECT InventoryID FROM tblInventory WHERE Deleted = 0 AND Quantity > 10 ORDER BY 1"_s);
        const QList<QVariant> overdue = demo.column(
            u"SELECT MIN(r.VideoID) FROM tblRentals r JOIN tblVideos v ON v.VideoID = r.VideoID JOIN tblMembers c ON "
            "c.CustomerNumber = r.CustomerNumber WHERE r.Returned = 0 AND v.Deleted = 0 AND c.Deleted = 0 AND "
            "r.DueDate < '%1' GROUP BY r.CustomerNumber ORDER BY 1"_s.arg(today));
        QVERIFY(members.size() >= 4 && rentable.size() >= 5 && forSale.size() >= 2 && items.size() >= 2
                && overdue.size() >= 2);
        auto text = [](const QVariant &v) { return v.toString(); };

        // Six checkouts, one by each way of paying.
        demo.checkout(script, text(members[0]), {text(rentable[0]), text(rentable[1])}, {}, {}, 6, u"20"_s);
        demo.checkout(script, text(members[1]), {}, {text(items[0])}, {}, 1, u"4500111122223333"_s);
        demo.checkout(script, text(members[1]), {text(rentable[2])}, {}, {text(forSale[0])}, 2, u"5500111122223333"_s);
        demo.checkout(script, QString(), {}, {text(items[1])}, {}, 3, u"371449635398431"_s);
        demo.checkout(script, text(members[2]), {text(rentable[3])}, {text(items[0])}, {}, 4, u"6011000990139424"_s);
        demo.checkout(script, text(members[0]), {}, {}, {text(forSale[1])}, 5, u"4506445566778899"_s);

        // Two late tapes come back; each member then pays.
        frmReturn &returns = demo.windows->returns();
        QList<qint32> late;
        for (const QVariant &tape : overdue.mid(0, 2)) {
            late << demo.column(u"SELECT CustomerNumber FROM tblRentals WHERE Returned = 0 AND VideoID = %1"_s
                                    .arg(tape.toInt()))
                        .first()
                        .toInt();
            returns.show();
            typeInto(*returns.txtVid, text(tape));
            clickOn(*returns.cmdReturn);
            // The return's own line; a tape put aside for a hold is told after it.
            const QRegularExpression charge(u"fee\u00A0(\\$[0-9.,]+) added"_s);
            const QString said = demo.ws.prompts().filter(charge).value(demo.ws.prompts().filter(charge).size() - 1);
            QVERIFY2(charge.match(said).hasMatch(), qPrintable(said));
            script.feesCharged += m(charge.match(said).captured(1));
        }
        frmPayment &payment = demo.windows->payment();
        payment.show();
        typeInto(*payment.txtNum, QString::number(late[0]));
        clickOn(*payment.cmdEnter);
        demo.ws.type(u"1"_s);
        clickOn(*payment.cmdPayPart);
        script.feesPaidHere += m(u"1"_s);
        demo.ws.answer(Answer::No);
        clickOn(*payment.cmdPayFull);
        const QString paid = demo.ws.last().prompt;
        QVERIFY(paid.startsWith(u"Overdue fees paid in the amount of $"_s));
        script.feesPaidHere += m(paid.section(u' ', -1));
        // The second member's fees go on with a rental, paid in cash.
        typeInto(*payment.txtNum, QString::number(late[1]));
        clickOn(*payment.cmdEnter);
        demo.ws.answer(Answer::Yes);
        clickOn(*payment.cmdPayFull);
        demo.checkout(script, QString(), {text(rentable[4])}, {}, {}, 6, u"100"_s);
        QCOMPARE(script.checkoutsWithFees, 1);

        // The cash-up: a float of 150, fifty cents short.
        const Money expected = m(u"150"_s) + script.tendered - script.change + script.feesPaidHere;
        const Money counted = expected - m(u"0.50"_s);
        frmCashUp &cashUp = demo.windows->cashUp();
        cashUp.show();
        typeInto(*cashUp.txtFloat, u"150"_s);
        typeInto(*cashUp.txtCounted, counted.toPlain());
        demo.ws.answer(Answer::Yes);
        clickOn(*cashUp.cmdRecord);
        QCOMPARE(demo.ws.unusedAnswers(), 0);

        // The command line's CSV.
        const QString csv = demo.dir.filePath(u"day.csv"_s);
        QString out, err;
        QTextStream o(&out), e(&err);
        ReportRequest request{demo.path(), u"day-end"_s, {}, csv};
        request.date = today;
        QCOMPARE(runReportCommand(request, o, e), 0);
        const QMap<QString, QStringList> lines = csvLines(csv);
        const QString drawer = u"Cash drawer of %1/"_s.arg(Ledger::counterName());
        QMap<QString, QStringList> wanted = {
            {u"Checkouts by payment method/All checkouts"_s,
             {QString::number(script.checkouts), script.total.toPlain()}},
            {u"Sales and taxes/SubTotal"_s, {{}, script.subtotal.toPlain()}},
            {u"Sales and taxes/GST collected"_s, {{}, script.gst.toPlain()}},
            {u"Sales and taxes/PST collected"_s, {{}, script.pst.toPlain()}},
            {u"Sales and taxes/TOTAL"_s, {{}, script.total.toPlain()}},
            {u"Late fees/Charged at returns"_s, {u"2"_s, script.feesCharged.toPlain()}},
            {u"Late fees/Paid at Payments"_s, {u"2"_s, script.feesPaidHere.toPlain()}},
            {u"Late fees/Paid with a checkout"_s, {u"1"_s, script.feesPaidWithCheckout.toPlain()}},
            {drawer + u"Opening float"_s, {{}, u"150"_s}},
            {drawer + u"Cash taken at checkouts"_s,
             {QString::number(script.cashCheckouts), script.tendered.toPlain()}},
            {drawer + u"Change given"_s, {{}, (-script.change).toPlain()}},
            {drawer + u"Fee payments in cash"_s, {u"2"_s, script.feesPaidHere.toPlain()}},
            {drawer + u"Should be in the drawer"_s, {{}, expected.toPlain()}},
        };
        const char *const names[] = {"VISA", "MasterCard", "American Express", "Sears card", "Debit", "Cash"};
        for (int method = 1; method <= 6; ++method)
            wanted[u"Checkouts by payment method/"_s + QString::fromLatin1(names[method - 1])] = {
                QString::number(script.byMethod[method].first), script.byMethod[method].second.toPlain()};
        for (auto it = wanted.cbegin(); it != wanted.cend(); ++it) {
            QVERIFY2(lines.contains(it.key()), qPrintable(it.key()));
            QCOMPARE(lines[it.key()].value(0), it.value()[0]);
            QCOMPARE(m(lines[it.key()].value(1)), m(it.value()[1]));
        }
        const QString shortLine = lines.keys().filter(QRegularExpression(u"^Cash drawer of .*/Short at "_s)).value(0);
        QCOMPARE(lines[shortLine].value(1), u"-0.50"_s);

        // The preview of the same day, page for page as printed, shows each of those figures.
        QVERIFY(demo.windows->openReport(ReportId::DayEnd, {today}));
        ReportPreview &preview = demo.windows->reportPreview(ReportId::DayEnd);
        const QString pdf = demo.dir.filePath(u"day.pdf"_s);
        QCOMPARE(preview.document()->writePdf(pdf), ReportDocument::Outcome::Done);
        const QStringList printed = pdfText(pdf, true).split(u'\n');
        QVERIFY(printed.size() > 40);
        for (auto it = lines.cbegin(); it != lines.cend(); ++it) {
            if (it.key().startsWith(u"Every entry"_s))
                continue;
            const QString what = it.key().section(u'/', 1);
            const QString amount = it.value().value(1).isEmpty() ? QString() : m(it.value().value(1)).toCurrency();
            const bool found = std::any_of(printed.cbegin(), printed.cend(), [&](const QString &l) {
                return l.contains(what) && l.contains(amount) && l.contains(it.value().value(0));
            });
            QVERIFY2(found, qPrintable(it.key() + u" "_s + amount));
        }
        keepScreenshot(preview, u"DayEndPreview.png"_s);
    }
};

QTEST_MAIN(tst_DayEnd)
#include "tst_DayEnd.moc"
