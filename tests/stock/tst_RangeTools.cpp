#include "TestSupport.h"

#include "stock/frmRangeDialog.h"
#include "stock/frmSaleDialog.h"
#include "stock/frmVidMn.h"
#include "ui/FlexGrid.h"

#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

// Title 1 with copies 1 to 6 (tapes 101 to 106), listed.
frmVidMn &listSixCopies(TestStore &s)
{
    s.addMovie(1, u"Alpha"_s, 1, 1);
    for (int copy = 1; copy <= 6; ++copy) {
        s.addTape(100 + copy, 1);
        s.exec(u"UPDATE tblVideos SET CopyNumber = ? WHERE VideoID = ?"_s, {copy, 100 + copy});
    }
    frmVidMn &w = s.windows().vidMn();
    w.show();
    clickRow(*w.fgMovies, 1);
    clickOn(*w.cmdShow);
    return w;
}

// Scripts the next dialog: each text typed into Text1, Text2 (and Text3), then Enter.
void typeRange(TestStore &s, const QStringList &texts)
{
    s.ws().dialog([texts](QDialog &d) {
        QLineEdit *box = nullptr;
        for (int i = 0; i < texts.size(); ++i) {
            box = child<QLineEdit>(d, qPrintable(u"Text%1"_s.arg(i + 1)));
            QVERIFY(box->text().isEmpty());
            typeInto(*box, texts[i]);
        }
        keepScreenshot(d, texts.size() == 3 ? u"sale-dialog.png"_s : u"range-dialog.png"_s);
        QTest::keyClick(box, Qt::Key_Return);
    });
}

QString column(TestStore &s, const char *name)
{
    return s.rows(u"SELECT %1 FROM tblVideos ORDER BY VideoID"_s.arg(QLatin1String(name)));
}

QStringList gridColumn(const FlexGrid &grid, int col)
{
    QStringList cells;
    for (int r = 1; r < grid.rows(); ++r)
        cells << grid.text(r, col);
    return cells;
}

} // namespace

class tst_RangeTools : public QObject
{
    Q_OBJECT

private slots:
    void rangeMarksOnlyListedCopiesInIt();
    void markForSaleWithPrice();
    void refusedOrCancelledChangesNothing_data();
    void refusedOrCancelledChangesNothing();
};

void tst_RangeTools::rangeMarksOnlyListedCopiesInIt()
{
    TestStore s;
    s.addMovie(2, u"Other"_s, 1, 1);
    s.addTape(200, 2);
    frmVidMn &w = listSixCopies(s);
    // Copy 2 twice: both rows change. A retired copy in the range is out of reach.
    s.exec(u"UPDATE tblVideos SET CopyNumber = 2 WHERE VideoID = 105"_s);
    w.hide();
    w.show();
    s.addTape(107, 1, true, false, true, u"24.99"_s, true);
    s.exec(u"UPDATE tblVideos SET CopyNumber = 3 WHERE VideoID = 107"_s);

    typeRange(s, {u"2"_s, u"4"_s});
    w.mnuTool4->trigger();
    QCOMPARE(s.ws().last().prompt, u"The changes have been made"_s);
    QCOMPARE(gridColumn(*w.fgTapes, 2), QStringList({"True", "False", "False", "False", "False", "True"}));
    QCOMPARE(column(s, "ForRent"), u"1,0,0,0,0,1,1,1"_s);

    // Starting above the last number: nothing changes, the notice still comes.
    typeRange(s, {u"5"_s, u"2"_s});
    w.mnuTool3->trigger();
    QCOMPARE(s.ws().last().prompt, u"The changes have been made"_s);
    QCOMPARE(column(s, "ForRent"), u"1,0,0,0,0,1,1,1"_s);

    typeRange(s, {u"3"_s, u"3"_s});
    w.mnuTool3->trigger();
    QCOMPARE(column(s, "ForRent"), u"1,0,1,0,0,1,1,1"_s);
    QCOMPARE(column(s, "InStore"), u"1,1,1,1,1,1,1,1"_s);

    // With no tape listed a tool changes nothing and still reports.
    clickOn(*w.cmdShow);
    typeRange(s, {u"1"_s, u"9"_s});
    w.mnuTool3->trigger();
    QCOMPARE(column(s, "ForRent"), u"1,0,1,0,0,1,1,1"_s);
    QCOMPARE(s.ws().unusedAnswers(), 0);

    // "Tools..." pops the same menu up under itself.
    clickOn(*w.cmdShow);
    clickOn(*w.cmdTools);
    QTRY_VERIFY(w.mnuTools->isVisible());
    w.mnuTools->hide();
}

void tst_RangeTools::markForSaleWithPrice()
{
    TestStore s;
    frmVidMn &w = listSixCopies(s);
    typeRange(s, {u"1"_s, u"1"_s, u"9.99"_s});
    w.mnuTool1->trigger();
    QCOMPARE(gridLines(*w.fgTapes).at(1), u"1|101|True|True|True|9.99"_s);
    QCOMPARE(column(s, "ForSale"), u"1,0,0,0,0,0"_s);
    QCOMPARE(column(s, "SalePrice"), u"99900,249900,249900,249900,249900,249900"_s);

    // Not for sale leaves the price as it was.
    typeRange(s, {u"1"_s, u"6"_s});
    w.mnuTool2->trigger();
    QCOMPARE(column(s, "ForSale, SalePrice"), u"0|99900,0|249900,0|249900,0|249900,0|249900,0|249900"_s);
}

void tst_RangeTools::refusedOrCancelledChangesNothing_data()
{
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<bool>("sale");
    QTest::addColumn<QString>("message");
    QTest::newRow("starting number not a number") << QStringList({"two", "4"}) << false
                                                  << u"\"two\" is not a valid starting copy number"_s;
    QTest::newRow("last number empty") << QStringList({"2", ""}) << false << u"Enter the last copy number"_s;
    QTest::newRow("price not an amount") << QStringList({"1", "6", "cheap"}) << true
                                         << u"\"cheap\" is not a valid sale price"_s;
    QTest::newRow("price finer than a cent") << QStringList({"1", "6", "9.999"}) << true
                                             << u"\"9.999\" has more than two decimals."_s;
    QTest::newRow("closed by the frame") << QStringList() << true << QString();
}

void tst_RangeTools::refusedOrCancelledChangesNothing()
{
    QFETCH(QStringList, typed);
    QFETCH(bool, sale);
    QFETCH(QString, message);
    TestStore s;
    frmVidMn &w = listSixCopies(s);
    if (typed.isEmpty())
        s.ws().dialog([](QDialog &d) { d.close(); });
    else
        typeRange(s, typed);
    (sale ? w.mnuTool1 : w.mnuTool4)->trigger();
    QCOMPARE(column(s, "ForRent, ForSale, SalePrice"),
             u"1|0|249900,1|0|249900,1|0|249900,1|0|249900,1|0|249900,1|0|249900"_s);
    if (message.isEmpty())
        QVERIFY(s.ws().boxes().isEmpty());
    else
        QVERIFY2(s.ws().last().prompt.startsWith(message), qPrintable(s.ws().last().prompt));
}

QTEST_MAIN(tst_RangeTools)
#include "tst_RangeTools.moc"
