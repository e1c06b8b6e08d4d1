// Holds at the windows: placed at the counter, a tape set aside by Returns
// with its line and bell, refused to others at the counter, and listed and
// cancelled in the Holds window.
#include "TestSupport.h"

#include "circulation/CirculationStore.h"
#include "circulation/HoldsPanel.h"
#include "circulation/frmHolds.h"
#include "counter/frmCheckout.h"
#include "returns/frmReturn.h"
#include "ui/FlexGrid.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

const QDate Today(2026, 12, 7);

// Jane Roe (12) and Bob Jones (13); Steel Horizon (7) with tape 41 out with
// Ann (1) and tape 42 on the shelf; Steel Rain (8); a retired Steel Age (9).
void seed(TestStore &s)
{
    s.windows().setToday([] { return Today; });
    s.addMember(1, u"Ann"_s, u"Smith"_s);
    s.addMember(12, u"Jane"_s, u"Roe"_s, u"555-0112"_s);
    s.addMember(13, u"Bob"_s, u"Jones"_s, u"555-0113"_s);
    s.addMovie(7, u"Steel Horizon"_s, 1, 1);
    s.addMovie(8, u"Steel Rain"_s, 1, 2);
    s.addMovie(9, u"Steel Age"_s, 1, 2, true);
    s.addTape(41, 7, true, false, false);
    s.addTape(42, 7);
    s.addTape(81, 8);
    s.addRental(1, 1, 41, u"2026-11-28"_s);
}

// Types into the counter's hold dialog and presses Hold, then `more` with
// the dialog still up.
void holdAtCounter(TestStore &s, frmCheckout &w, const QString &typed, std::function<void(frmHoldTitle &)> more = {})
{
    s.ws().dialog([&](QDialog &d) {
        auto &dialog = static_cast<frmHoldTitle &>(d);
        typeInto(*dialog.txtTitle, typed);
        clickOn(*dialog.cmdPlace);
        if (more && dialog.isVisible())
            more(dialog);
    });
    clickOn(*w.pnlHolds->cmdHoldTitle);
}

} // namespace

class tst_HoldWindows : public QObject
{
    Q_OBJECT

private slots:
    void placedAtTheCounterAndSetAsideByAReturn()
    {
        TestStore s;
        seed(s);
        frmCheckout &w = s.windows().checkout();
        w.show();
        QVERIFY(!w.pnlHolds->cmdHoldTitle->isEnabled());
        lookUp(w, w.txtMemberID, u"12"_s);
        QVERIFY(w.pnlHolds->cmdHoldTitle->isEnabled());

        // Part of a name finds three, the retired one last and marked, and refused.
        QStringList offered;
        holdAtCounter(s, w, u"steel"_s, [&](frmHoldTitle &d) {
            offered = listLines(d.lstTitles);
            d.lstTitles->setCurrentRow(2);
            clickOn(*d.cmdPlace);
        });
        QCOMPARE(offered, QStringList({u"7\tSteel Horizon"_s, u"8\tSteel Rain"_s, u"9\tSteel Age (retired)"_s}));
        QCOMPARE(s.ws().last().prompt, u"Steel Age (title 9) is retired."_s);
        QCOMPARE(s.count(u"tblHolds"_s), 0);
        // A number with text in it is refused; a number places the hold.
        holdAtCounter(s, w, u"7x"_s);
        QCOMPARE(s.ws().last().prompt, u"No title matches \"7x\"."_s);
        holdAtCounter(s, w, u"7"_s);
        QCOMPARE(listLines(w.pnlHolds->lstHolds), QStringList{u"Steel Horizon: waiting"_s});

        // Tape 41 comes back: Returns says where it goes, with the bell.
        frmReturn &back = s.windows().returns();
        back.show();
        const int beeps = s.ws().beeps();
        typeInto(*back.txtVid, u"41"_s);
        clickOn(*back.cmdReturn);
        QCOMPARE(s.ws().last().prompt,
                 u"Put tape 41 (Steel Horizon) aside for member 12 Jane Roe, hold of 2026-12-07."_s);
        QCOMPARE(s.ws().beeps(), beeps + 1);

        // At the counter, Bob is refused it; Jane rents it.
        w.show();
        lookUp(w, w.txtMemberID, u"13"_s);
        rent(w, u"41"_s);
        QCOMPARE(s.ws().last().prompt, u"Tape 41 is held for member 12 until 2026-12-10."_s);
        lookUp(w, w.txtMemberID, u"12"_s);
        keepScreenshot(w, u"counter-holds.png"_s);
        QCOMPARE(listLines(w.pnlHolds->lstHolds),
                 QStringList{u"Steel Horizon: ready since 2026-12-07, until 2026-12-10"_s});
        const qsizetype told = s.ws().boxes().size();
        rent(w, u"41"_s);
        QCOMPARE(s.ws().boxes().size(), told);
        QCOMPARE(w.List1->count(), 1);
    }

    void holdsWindowListsAndCancelsAfterAsking()
    {
        TestStore s;
        seed(s);
        CirculationStore store(s.path());
        QVERIFY(store.placeHold(13, 8, QDate(2026, 12, 2)));
        QVERIFY(store.placeHold(12, 7, QDate(2026, 11, 30)));
        frmHolds &w = s.windows().holds();
        w.show();
        QCOMPARE(gridLines(*w.grdHolds).mid(1),
                 QStringList({u"|2|2026-11-30|12|Jane Roe|Steel Horizon|waiting|"_s,
                              u"|1|2026-12-02|13|Bob Jones|Steel Rain|waiting|"_s}));
        QCOMPARE(w.lblCount->text(), u"2 waiting, 0 ready"_s);
        keepScreenshot(w, u"holds.png"_s);

        w.grdHolds->setRow(2);
        s.ws().answer(Answer::No);
        clickOn(*w.cmdCancelHold);
        QCOMPARE(s.ws().last().prompt, u"Cancel the hold of member 13 Bob Jones on Steel Rain?"_s);
        QCOMPARE(s.count(u"tblHolds"_s, u"State = 'cancelled'"_s), 0);
        s.ws().answer(Answer::Yes);
        clickOn(*w.cmdCancelHold);
        QCOMPARE(s.rows(u"SELECT HoldID, State FROM tblHolds ORDER BY HoldID"_s), u"1|cancelled,2|waiting"_s);
        QCOMPARE(w.grdHolds->rows(), 2);
    }
};

QTEST_MAIN(tst_HoldWindows)
#include "tst_HoldWindows.moc"
