// The Tapes Out window: opened from the menu without the manager code, the
// overdue tapes most days late first, sorting, totals, the date box, and a
// member's other tapes on Enter.
#include "TestSupport.h"

#include "app/frmMain.h"
#include "circulation/frmTapesOut.h"
#include "data/StoreDate.h"
#include "ui/FlexGrid.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

// Ann has two tapes out, one late by four days; Bob one late by one day and
// one not yet due.
void seed(TestStore &s)
{
    s.addMember(1, u"Ann"_s, u"Smith"_s, u"555-0101"_s);
    s.addMember(2, u"Bob"_s, u"Jones"_s, u"555-0202"_s);
    s.addMovie(10, u"Alien"_s, 2, 1);  // 2 days, 2.99 a day late
    s.addMovie(11, u"Brazil"_s, 3, 3); // 4 days, 0.99 a day late
    for (int t : {100, 101, 102, 103})
        s.addTape(t, t < 102 ? 10 : 11, true, false, false);
    s.addRental(1, 1, 100, u"2026-12-01"_s); // due 12-03
    s.addRental(2, 1, 102, u"2026-12-05"_s); // due 12-09
    s.addRental(3, 2, 103, u"2026-12-02"_s); // due 12-06
    s.addRental(4, 2, 101, u"2026-12-06"_s); // due 12-08
}

QStringList tapeColumn(const frmTapesOut &w)
{
    QStringList tapes;
    for (int r = 1; r < w.grdTapes->rows(); ++r)
        tapes << w.grdTapes->text(r, frmTapesOut::ColTape + 1);
    return tapes;
}

frmTapesOut &openFromMenu(TestStore &s)
{
    frmMain &menu = s.windows().main();
    menu.show();
    menu.mnuTapesOut->trigger();
    return s.windows().tapesOut();
}

} // namespace

class tst_frmTapesOut : public QObject
{
    Q_OBJECT

private slots:
    void listsSortsAndTotals()
    {
        TestStore s;
        seed(s);
        s.windows().setToday([] { return QDate(2026, 12, 7); });
        frmTapesOut &w = openFromMenu(s);
        QVERIFY(w.isVisible());
        QCOMPARE(shownWindows(), QStringList{u"frmTapesOut"_s});
        QVERIFY(w.chkOverdue->isChecked());
        QCOMPARE(w.txtDate->text(), u"2026-12-07"_s);
        QCOMPARE(gridLines(*w.grdTapes).mid(1),
                 QStringList({u"|100|Alien|1|Ann Smith|555-0101|555-0100|2026-12-01|2026-12-03|4|$11.96"_s,
                              u"|103|Brazil|2|Bob Jones|555-0202|555-0100|2026-12-02|2026-12-06|1|$0.99"_s}));
        QCOMPARE(w.lblTotal->text(), u"2 tapes out, 2 overdue; late fees so far $12.95"_s);
        keepScreenshot(w, u"tapes-out.png"_s);

        // Every tape out; then by title, and by title the other way.
        w.chkOverdue->setChecked(false);
        QCOMPARE(tapeColumn(w), QStringList({u"100"_s, u"103"_s, u"101"_s, u"102"_s}));
        QCOMPARE(w.lblTotal->text(), u"4 tapes out, 2 overdue; late fees so far $12.95"_s);
        w.sortBy(frmTapesOut::ColTitle);
        QCOMPARE(tapeColumn(w), QStringList({u"100"_s, u"101"_s, u"102"_s, u"103"_s}));
        w.sortBy(frmTapesOut::ColTitle);
        QCOMPARE(tapeColumn(w), QStringList({u"102"_s, u"103"_s, u"100"_s, u"101"_s}));

        // Another day: later, more is late and the fees grow.
        typeInto(*w.txtDate, u"2026-12-10"_s);
        QVERIFY(w.cmdShow_Click());
        QCOMPARE(w.lblTotal->text(), u"4 tapes out, 4 overdue; late fees so far $31.86"_s);
        typeInto(*w.txtDate, u"12/10/2026"_s);
        QVERIFY(!w.cmdShow_Click());
        QCOMPARE(s.ws().last().prompt, StoreDate::invalidMessage(u"12/10/2026"_s));
    }

    void enterShowsTheMembersOtherTapes()
    {
        TestStore s;
        seed(s);
        s.windows().setToday([] { return QDate(2026, 12, 7); });
        frmTapesOut &w = openFromMenu(s);
        w.grdTapes->setFocus();
        w.grdTapes->setRow(1);
        QTest::keyClick(w.grdTapes, Qt::Key_Return);
        QCOMPARE(s.ws().last().prompt, u"Member 1 Ann Smith has 2 tapes out:\r\n"
                                       "Tape 100 (Alien), due 2026-12-03, 4 days late, $11.96 so far\r\n"
                                       "Tape 102 (Brazil), due 2026-12-09\r\n"
                                       "Late fees so far: $11.96"_s);
    }
};

QTEST_MAIN(tst_frmTapesOut)
#include "tst_frmTapesOut.moc"
