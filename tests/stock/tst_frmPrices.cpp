#include "TestSupport.h"

#include "app/frmMain.h"
#include "app/frmSecur.h"
#include "data/Pricing.h"
#include "data/StoreDate.h"
#include "data/StoreIntegrity.h"
#include "reports/ReportCommandLine.h"
#include "stock/frmPrices.h"
#include "ui/FlexGrid.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextStream>

using namespace Qt::StringLiterals;

namespace {

const QDate Today(2026, 3, 10);
const QString Tomorrow = u"2026-03-11"_s;

// The window as the manager reaches it: Manager menu, then the gate.
frmPrices &open(TestStore &s)
{
    s.windows().setToday([] { return Today; });
    frmMain &menu = s.windows().main();
    menu.show();
    menu.mnuPrices->trigger();
    typeInto(*s.windows().secur().txtCode, u"Popcorn-1987"_s);
    clickOn(*s.windows().secur().cmdSubmit);
    s.ws().clear();
    return s.windows().prices();
}

// Types each text in its box for changes from `from`, and saves.
void save(frmPrices &w, const QString &from, const QList<std::pair<const char *, QString>> &typed)
{
    typeInto(*w.txtFrom, from);
    w.Refresh();
    for (const auto &[box, text] : typed)
        typeInto(*child<QLineEdit>(w, box), text);
    clickOn(*w.cmdSave);
}

} // namespace

class tst_frmPrices : public QObject
{
    Q_OBJECT

private slots:
    void changesTakeEffectFromTheirDayAndStayInTheHistory()
    {
        TestStore s;
        frmPrices &w = open(s);
        // A new store charges the starting prices.
        QCOMPARE(QStringList({w.txtClassName[0]->text(), w.txtFee[0]->text(), w.txtDays[0]->text(),
                              w.txtLateFee[0]->text(), w.txtTaxName[1]->text(), w.txtRate[1]->text()}),
                 QStringList({"New release", "3.99", "2", "2.99", "PST", "8"}));

        s.ws().answer(Answer::Yes);
        save(w, Tomorrow, {{"txtTaxName1", u"HST"_s}, {"txtRate1", u"13"_s}});
        // The question says what each value was.
        QCOMPARE(s.ws().boxes().at(0).prompt, u"Charge these from 2026-03-11 on?\r\n\r\nTax 1: GST 7 % → HST 13 %"_s);
        QCOMPARE(s.ws().last().prompt, u"The changes have been saved. They are charged from 2026-03-11 on."_s);
        // A later day's change may be made again until that day comes.
        s.ws().clear();
        s.ws().answer(Answer::Yes);
        save(w, Tomorrow, {{"txtRate1", u"12.5"_s}});
        QVERIFY(s.ws().boxes().at(0).prompt.endsWith(u"\r\nHST 13 % → 12.5 %"_s));
        PriceStore prices(s.path());
        QCOMPARE(prices.inForce(Today)->taxes[0].rate, 70000);
        QCOMPARE(prices.inForce(Today.addDays(1))->taxes[0].rate, 125000);
        QStringList history = gridLines(*w.fgHistory);
        QCOMPARE(history.size(), 1 + Pricing::Classes + Pricing::Taxes + 2);
        // The starting prices stand since the store started; the counter a change was made at has a column.
        QCOMPARE(history.at(1), u"since the store started|Price class 1|New release|3.99|2|2.99||||"_s);
        QCOMPARE(history.at(6).section(u'|', 7, 7).size(), 16);
        QVERIFY(!history.at(6).section(u'|', 8, 8).isEmpty());
        QVERIFY2(history.at(6).startsWith(u"2026-03-11|Tax 1|HST||||13 %|"_s)
                     && history.at(6).endsWith(u"|replaced by a later change"_s),
                 qPrintable(history.at(6)));
        keepScreenshot(w, u"frmPrices.png"_s);
        // Each change linked after the one before.
        QCOMPARE(StoreIntegrity::check(s.path()).problems, QStringList());

        // The history for scripts, the starting prices first.
        QTemporaryDir dir;
        const QString csv = dir.filePath(u"prices.csv"_s);
        QString said;
        QTextStream out(&said), err(&said);
        QCOMPARE(runReportCommand({s.path(), u"prices"_s, {}, csv}, out, err), 0);
        const QList<QStringList> rows = readCsv(csv);
        QCOMPARE(rows.at(1).mid(0, 7), QStringList({"1900-01-01", "Price class 1", "New release", "3.99", "2", "2.99", ""}));
        QCOMPARE(rows.at(7).mid(0, 7), QStringList({"2026-03-11", "Tax 1", "HST", "", "", "", "12.5 %"}));
    }

    void refusalsWriteNothing()
    {
        TestStore s;
        frmPrices &w = open(s);
        s.ws().answer(Answer::Yes);
        save(w, StoreDate::toText(Today), {{"txtFee1", u"4.49"_s}});
        const QString before = s.rows(u"SELECT * FROM tblPrices ORDER BY ChangeID"_s);
        const struct { QString from; const char *box; QString typed, told; } cases[] = {
            {Tomorrow, "txtRate1", u"100.01"_s, u"must be from 0 % to 100 %"_s},
            {Tomorrow, "txtDays1", u"0"_s, u"from 1 to 365 days"_s},
            {Tomorrow, "txtClassName2", QString(), u"Give price class 2 a name."_s},
            {u"2026-03-09"_s, "txtFee1", u"4.49"_s, u"2026-03-09 has passed"_s},
            // Today already has a change of its own, and has started: this
            // counter's doing, not another's.
            {u"2026-03-10"_s, "txtFee1", u"4.59"_s, u"Price class 1 was already changed for 2026-03-10"_s}};
        for (const auto &c : cases) {
            s.ws().clear();
            // Only the store's own rule is checked once the change is confirmed.
            if (c.told.startsWith(u"Price class 1 was already"_s))
                s.ws().answer(Answer::Yes);
            save(w, c.from, {{c.box, c.typed}});
            QVERIFY2(s.ws().last().prompt.contains(c.told), qPrintable(s.ws().last().prompt));
            QCOMPARE(s.ws().unusedAnswers(), 0);
            QCOMPARE(s.rows(u"SELECT * FROM tblPrices ORDER BY ChangeID"_s), before);
        }
        QCOMPARE(s.ws().last().title, u"Already changed for that day"_s);
        // A name longer than the bill and the receipt take is refused by the store too.
        PriceChange longName = Pricing::taxChange(Pricing::starting(), 2, Today.addDays(1));
        longName.name = QString(41, u'x');
        PriceStore prices(s.path());
        QVERIFY(!prices.record({longName}, Today));
        QVERIFY2(prices.lastError().detail.contains(u"at most 40"_s), qPrintable(prices.lastError().detail));
        QCOMPARE(s.rows(u"SELECT * FROM tblPrices ORDER BY ChangeID"_s), before);
    }
};

QTEST_MAIN(tst_frmPrices)
#include "tst_frmPrices.moc"
