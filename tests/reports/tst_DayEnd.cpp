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
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>

using namespace Qt::StringLiterals;

namespace {

Money m(const QString &text)
{
    return Money::parse(text).value();
}

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
    // The first column of the first row, as text.
    QString value(const QString &sql) const { return valueIn(path(), sql).toString(); }

    // One checkout through the counter window, paid in cash or by card; what
    // its payment page showed (subtotal, taxes, total) is added to `shown`.
    void checkout(QList<Money> &shown, const QString &member, const QStringList &rented, const QString &item,
                  bool cash, const QString &cashOrCard)
    {
        frmCheckout &w = windows->checkout();
        w.show();
        if (!member.isEmpty())
            lookUp(w, w.txtMemberID, member);
        for (const QString &tape : rented)
            rent(w, tape);
        if (!item.isEmpty())
            buy(w, item, u"2"_s);
        payBy(w, cash ? w.optCash : w.OptVisa);
        typeInto(cash ? *w.txtCash : *w.txtCardNum, cashOrCard);
        if (!cash)
            typeInto(*w.txtExDate, u"12/29"_s);
        const QLineEdit *const figures[] = {w.txtSubTotal, w.txtGST, w.txtPST, w.txtTotal1};
        for (int i = 0; i < 4; ++i)
            shown[i] += m(figures[i]->text());
        const qsizetype boxes = ws.boxes().size();
        ws.answer(Answer::Yes);
        ws.answer(Answer::No);
        clickOn(*w.cmdCheckOut);
        QCOMPARE(ws.boxes().size(), boxes + 2); // the verification and the receipt question, nothing else
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
    void gateLeadsToDayEndAndCashUpThatKeepsEveryCount()
    {
        TestStore s;
        const QDate day(2026, 3, 10);
        s.windows().setToday([day] { return day; });
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
        typeInto(*dialog.txtDate, u"2026-03-09"_s);
        clickOn(*dialog.Command1);
        ReportPreview &preview = s.windows().reportPreview(ReportId::DayEnd);
        QVERIFY(preview.isVisible() && preview.document());
        QCOMPARE(preview.windowTitle(), u"Day End 2026-03-09"_s);
        QCOMPARE(preview.document()->store().rows(0, 1)->first().first().toString(), u"2026-03-09"_s);
        keepScreenshot(dialog, u"frmDayEnd.png"_s);

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
        QCOMPARE(s.rows(u"SELECT Amount, OpeningFloat, Expected, Note FROM tblLedger WHERE Kind = 'cashup' "
                        "ORDER BY Seq"_s),
                 u"1292100|1000000|1307100|,1307500|1000000|1307100|100x1 20x1 10x1 0.25x3,1307100|1000000|1307100|"_s);
        // The Day End shows the counts and their differences.
        ReportStore report(s.path(), ReportCommands::dayEnd(), {u"2026-03-10"_s});
        QVERIFY(report.open());
        const QList<ReportRow> rows = report.rows(0, report.rowCount()).value_or(QList<ReportRow>());
        QStringList counts;
        for (const ReportRow &r : rows)
            if (r[2].toString().contains(QRegularExpression(u"^(Short|Over|Even) at "_s)))
                counts << r[2].toString().section(u' ', 0, 0) + u' ' + Money::fromUnits(r[4].toLongLong()).toPlain();
        QCOMPARE(counts, QStringList({u"Short -1.5"_s, u"Over 0.04"_s, u"Even 0"_s}));
        // The seal stands right after the drawers, on the page the manager keeps.
        qsizetype seal = 0;
        while (seal < rows.size() && rows[seal][1].toString() != u"Seal of the day"_s)
            ++seal;
        QVERIFY(seal < rows.size() && rows[seal - 1][1].toString().startsWith(u"Cash drawer of "_s));
    }

    // On the demo store, a period reaching back past the ledger's first day
    // (the demo's history starts it) says so ahead of the figures; one from
    // that day does not. Then the counter, Returns, Payments and the cash-up:
    // the Day End holds, to the cent, what their windows showed.
    void aDayOnTheDemoStoreAgreesToTheCent()
    {
        DemoDay demo;
        const QDate first = StoreDate::readStored(demo.value(u"SELECT MIN(EntryDate) FROM tblLedger"_s)).value_or(QDate());
        QVERIFY(first.isValid() && first < QDate::currentDate());
        // Every checkout and sale of the history, taxed as its rows keep it.
        const Money keptGst = Money::fromUnits(
            demo.value(u"SELECT SUM(GST) FROM (SELECT GST FROM tblRentals UNION ALL SELECT GST FROM tblSalesDetails "
                       "UNION ALL SELECT GST FROM tblVideosSold)"_s)
                .toLongLong());
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

        const QString today = StoreDate::toText(demo.windows->today());
        // A live member who owes nothing, tapes on the shelf, an item in stock, a late tape and its member.
        const QString member = demo.value(
            u"SELECT MIN(CustomerNumber) FROM tblMembers WHERE Deleted = 0 AND FeesOwing = 0 AND CustomerNumber > 0"_s);
        const QStringList rentable =
            demo.value(u"SELECT GROUP_CONCAT(VideoID) FROM (SELECT VideoID FROM tblVideos v WHERE ForRent = 1 AND "
                       "InStore = 1 AND Deleted = 0 AND NOT EXISTS (SELECT 1 FROM tblRentals r WHERE r.VideoID = "
                       "v.VideoID AND Returned = 0) ORDER BY VideoID LIMIT 2)"_s)
                .split(u',');
        const QString item = demo.value(u"SELECT MIN(InventoryID) FROM tblInventory WHERE Deleted = 0 AND Quantity > 10"_s);
        const QString late = demo.value(
            u"SELECT MIN(r.VideoID) FROM tblRentals r JOIN tblVideos v ON v.VideoID = r.VideoID JOIN tblMembers c ON "
            "c.CustomerNumber = r.CustomerNumber WHERE r.Returned = 0 AND v.Deleted = 0 AND c.Deleted = 0 AND "
            "r.DueDate < '%1'"_s.arg(today));
        const QString owing = demo.value(u"SELECT CustomerNumber FROM tblRentals WHERE Returned = 0 AND VideoID = %1"_s.arg(late));
        QVERIFY(!member.isEmpty() && rentable.size() == 2 && !item.isEmpty() && !owing.isEmpty());

        QList<Money> cash(4), card(4);
        demo.checkout(cash, member, rentable, {}, true, u"50"_s);
        demo.checkout(card, {}, {}, item, false, u"4500111122223334"_s);
        // A late tape comes back; its member pays the fee at Payments, in cash.
        frmReturn &returns = demo.windows->returns();
        returns.show();
        typeInto(*returns.txtVid, late);
        clickOn(*returns.cmdReturn);
        const QRegularExpression charge(u"fee\u00A0(\\$[0-9.,]+) added"_s);
        const QStringList charged = demo.ws.prompts().filter(charge);
        QCOMPARE(charged.size(), 1);
        const Money fee = m(charge.match(charged.first()).captured(1));
        frmPayment &payment = demo.windows->payment();
        payment.show();
        typeInto(*payment.txtNum, owing);
        clickOn(*payment.cmdEnter);
        demo.ws.answer(Answer::No);
        demo.ws.answer(Answer::Yes);
        clickOn(*payment.cmdPayFull);
        const QString paidText = demo.ws.last().prompt;
        QVERIFY2(paidText.startsWith(u"Overdue fees paid in the amount of $"_s), qPrintable(paidText));
        const Money paid = m(paidText.section(u' ', -3, -3)); // "... of $4.50 by Cash."
        // The cash-up: a float of 150, fifty cents short.
        const Money expected = m(u"150"_s) + m(u"50"_s) - (m(u"50"_s) - cash[3]) + paid;
        frmCashUp &cashUp = demo.windows->cashUp();
        cashUp.show();
        typeInto(*cashUp.txtFloat, u"150"_s);
        typeInto(*cashUp.txtCounted, (expected - m(u"0.50"_s)).toPlain());
        demo.ws.answer(Answer::Yes);
        clickOn(*cashUp.cmdRecord);

        // The command line's CSV.
        const QString csv = demo.dir.filePath(u"day.csv"_s);
        QString out, err;
        QTextStream o(&out), e(&err);
        ReportRequest request{demo.path(), u"day-end"_s, {}, csv};
        request.date = today;
        QCOMPARE(runReportCommand(request, o, e), 0);
        const QMap<QString, QStringList> lines = csvLines(csv);
        const QString drawer = u"Cash drawer of %1/"_s.arg(Ledger::counterName());
        const std::tuple<QString, QString, Money> wanted[] = {
            {u"Checkouts by payment method/Cash"_s, u"1"_s, cash[3]},
            {u"Checkouts by payment method/VISA"_s, u"1"_s, card[3]},
            {u"Checkouts by payment method/All checkouts"_s, u"2"_s, cash[3] + card[3]},
            {u"Sales and taxes/SubTotal"_s, {}, cash[0] + card[0]},
            {u"Sales and taxes/GST collected"_s, {}, cash[1] + card[1]},
            {u"Sales and taxes/PST collected"_s, {}, cash[2] + card[2]},
            {u"Late fees/Charged at returns"_s, u"1"_s, fee},
            {u"Late fees/Paid at Payments"_s, u"1"_s, paid},
            {drawer + u"Change given"_s, {}, cash[3] - m(u"50"_s)},
            {drawer + u"Should be in the drawer"_s, {}, expected},
        };
        for (const auto &[key, count, amount] : wanted) {
            QVERIFY2(lines.contains(key), qPrintable(key));
            QCOMPARE(lines[key].value(0), count);
            QCOMPARE(m(lines[key].value(1)), amount);
        }
        const QString shortLine = lines.keys().filter(QRegularExpression(u"^Cash drawer of .*/Short at "_s)).value(0);
        QCOMPARE(lines[shortLine].value(1), u"-0.50"_s);
    }
};

QTEST_MAIN(tst_DayEnd)
#include "tst_DayEnd.moc"
