// Tapes out and their fees on a day, and holds on titles through returns,
// checkouts, lapses, cancels and retirements; then at the windows: placed at
// the counter, set aside by Returns with its bell, listed and cancelled in
// the Holds window. On both engines.
#include "TestSupport.h"

#include "circulation/CirculationStore.h"
#include "circulation/HoldsPanel.h"
#include "circulation/frmHolds.h"
#include "counter/CheckoutStore.h"
#include "counter/frmCheckout.h"
#include "customers/CustomerStore.h"
#include "returns/ReturnsStore.h"
#include "returns/frmReturn.h"
#include "ui/OutcomeList.h"
#include "stock/CatalogueStore.h"
#include "ui/FlexGrid.h"


#include <latch>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <thread>

using namespace Qt::StringLiterals;

namespace {

const QDate Today(2026, 12, 7);

CheckoutPlan rentBill(const QString &path, qint32 member, qint32 tape)
{
    CheckoutPlan plan{member, Today, {{BillLine::Kind::Rent, tape, 0}}};
    priceBill(path, plan);
    return plan;
}

// Jane Roe (12) and Bob Jones (13); Steel Horizon (7) with tapes 41 and 42
// out with member 1, and a title with no copy for rent.
void seed(TestStore &s)
{
    s.addMember(1, u"Ann"_s, u"Smith"_s, u"555-0101"_s);
    s.addMember(12, u"Jane"_s, u"Roe"_s);
    s.addMember(13, u"Bob"_s, u"Jones"_s);
    s.addMovie(7, u"Steel Horizon"_s, 1, 1);
    s.addMovie(8, u"Sold Only"_s, 1, 2);
    s.addTape(41, 7, true, false, false);
    s.addTape(42, 7, true, false, false);
    s.addTape(80, 8, false, true);
    s.addRental(1, 1, 41, u"2026-11-28"_s);
    s.addRental(2, 1, 42, u"2026-11-28"_s);
}

QString holdStates(TestStore &s)
{
    return s.rows(u"SELECT HoldID, CustomerNumber, State, COALESCE(CAST(VideoID AS TEXT), ''), ReadyOn, Until, "
                  "ClosedOn FROM tblHolds ORDER BY HoldID"_s,
                  u"; "_s);
}

// Jane Roe (12) and Bob Jones (13); Steel Horizon (7) with tape 41 out with
// Ann (1) and tape 42 on the shelf; Steel Rain (8); a retired Steel Age (9).
void seedForWindows(TestStore &s)
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

class tst_CirculationStore : public QObject
{
    Q_OBJECT

private slots:
    void feeSoFarIsWhatAReturnCharges_data()
    {
        QTest::addColumn<int>("priceClass");
        QTest::addColumn<QDate>("day");
        QTest::addColumn<int>("daysLate");
        QTest::addColumn<QString>("fee");
        // Rented 2026-12-01: due 12-03, 12-04 and 12-05 by class.
        QTest::newRow("class 1 on its due date") << 1 << QDate(2026, 12, 3) << 0 << u"0.00"_s;
        QTest::newRow("class 1 four days late") << 1 << QDate(2026, 12, 7) << 4 << u"11.96"_s;
        QTest::newRow("class 2 three days late") << 2 << QDate(2026, 12, 7) << 3 << u"5.97"_s;
        QTest::newRow("class 3 thirty days late") << 3 << QDate(2027, 1, 4) << 30 << u"29.70"_s;
    }
    void feeSoFarIsWhatAReturnCharges()
    {
        QFETCH(int, priceClass);
        QFETCH(QDate, day);
        QFETCH(int, daysLate);
        QFETCH(QString, fee);
        TestStore s;
        s.addMember(1, u"Ann"_s, u"Smith"_s, u"555-0101"_s);
        s.addMovie(10, u"Alien"_s, 2, priceClass);
        s.addTape(100, 10, true, false, false);
        s.addTape(101, 10, true, false, false);
        s.addRental(1, 1, 100, u"2026-12-01"_s);
        s.addRental(2, 1, 101, day.addDays(1).toString(Qt::ISODate)); // rented after the day: not yet out

        CirculationStore store(s.path());
        const auto all = store.tapesOut(day, false);
        QVERIFY2(all, qPrintable(store.lastError().clerkText()));
        QCOMPARE(all->size(), 1);
        QCOMPARE(all->first().daysLate, daysLate);
        QCOMPARE(all->first().fee, *Money::parse(fee));
        QCOMPARE(store.tapesOut(day, true)->size(), daysLate > 0 ? 1 : 0);

        const ReturnOutcome back = ReturnsStore(s.path()).returnTapes({100}, day);
        QCOMPARE(back.charges, QList<Money>{*Money::parse(fee)});
    }

    void holdFilledThroughAReturnAndACheckout()
    {
        TestStore s;
        seed(s);
        CirculationStore store(s.path());
        const auto first = store.placeHold(12, 7, QDate(2026, 11, 30));
        QVERIFY2(first, qPrintable(store.lastError().clerkText()));
        QVERIFY(store.placeHold(13, 7, QDate(2026, 12, 1)));

        const ReturnOutcome back = ReturnsStore(s.path()).returnTapes({41}, Today);
        QCOMPARE(back.setAside.first().text(),
                 u"Put tape 41 (Steel Horizon) aside for member 12 Jane Roe, hold of 2026-11-30."_s);
        QCOMPARE(holdStates(s), u"1|12|ready|41|2026-12-07|2026-12-10|; 2|13|waiting||||"_s);

        // Anyone else is refused the tape, and nothing is written.
        CheckoutStore counter(s.path());
        const QStringList before = snapshot(s);
        QVERIFY(!counter.recordCheckout(rentBill(s.path(), 13, 41)));
        QVERIFY2(counter.lastError().detail.startsWith(u"Tape 41 is held for member 12 until 2026-12-10."_s),
                 qPrintable(counter.lastError().detail));
        QCOMPARE(snapshot(s), before);

        // The holder rents it as usual, which fills the hold.
        QVERIFY2(counter.recordCheckout(rentBill(s.path(), 12, 41)), qPrintable(counter.lastError().clerkText()));
        QCOMPARE(holdStates(s), u"1|12|filled|41|2026-12-07|2026-12-10|2026-12-07; 2|13|waiting||||"_s);
    }

    void uncollectedHoldLapsesAndItsTapePassesOn()
    {
        TestStore s;
        seed(s);
        CirculationStore store(s.path());
        QVERIFY(store.placeHold(12, 7, QDate(2026, 11, 30)));
        QVERIFY(store.placeHold(13, 7, QDate(2026, 12, 1)));
        QVERIFY(ReturnsStore(s.path()).returnTapes({41}, Today).setAside.size() == 1);

        // Still in time on its last day; the day after, it lapses.
        QCOMPARE(store.lapseDue(QDate(2026, 12, 10))->size(), 0);
        const auto lapsed = store.lapseDue(QDate(2026, 12, 11));
        QVERIFY2(lapsed, qPrintable(store.lastError().clerkText()));
        QCOMPARE(lapsed->first().text(),
                 u"The hold of member 12 Jane Roe on Steel Horizon lapsed: tape 41 was not collected by 2026-12-10. "
                 "Put tape 41 (Steel Horizon) aside for member 13 Bob Jones, hold of 2026-12-01."_s);
        QCOMPARE(holdStates(s),
                 u"1|12|lapsed|41|2026-12-07|2026-12-10|2026-12-11; 2|13|ready|41|2026-12-11|2026-12-14|"_s);

        // A hold past its day that nobody lapsed does not keep the tape
        // from a member who rents it.
        CheckoutPlan late{1, QDate(2026, 12, 15), {{BillLine::Kind::Rent, 41, 0}}};
        priceBill(s.path(), late);
        CheckoutStore counter(s.path());
        QVERIFY2(counter.recordCheckout(late), qPrintable(counter.lastError().clerkText()));
        QCOMPARE(s.value(u"SELECT State FROM tblHolds WHERE HoldID = 2"_s).toString(), u"lapsed"_s);
    }

    void cancelRetirementAndNewCopiesPassHoldsOn()
    {
        TestStore s;
        seed(s);
        s.addTape(43, 7, true, false, true);
        CirculationStore store(s.path());
        QVERIFY(store.placeHold(12, 7, QDate(2026, 11, 30)));
        QVERIFY(store.placeHold(13, 7, QDate(2026, 12, 1)));
        QVERIFY(store.placeHold(1, 7, QDate(2026, 12, 2)));
        QCOMPARE(ReturnsStore(s.path()).returnTapes({41}, Today).setAside.size(), 1);

        // Cancelling the ready hold passes its tape to the next in line.
        std::optional<SetAside> next;
        QVERIFY(store.cancelHold(1, Today, next));
        QVERIFY(next && next->member == 13 && next->tape == 41);
        QVERIFY(!store.cancelHold(1, Today, next));

        // Retiring member 13 cancels that hold too, in the same step; the
        // tape goes on to member 1's.
        int tapesOut = 0;
        QCOMPARE(CustomerStore(s.path()).retireMember(13, tapesOut, Today), CustomerStore::Outcome::Done);
        QCOMPARE(holdStates(s), u"1|12|cancelled|41|2026-12-07|2026-12-10|2026-12-07; "
                                "2|13|cancelled|41|2026-12-07|2026-12-10|2026-12-07; "
                                "3|1|ready|41|2026-12-07|2026-12-10|"_s);

        // Of three new copies for a waiting hold, the first is set aside, the rest go on the shelf.
        QVERIFY(store.placeHold(12, 7, Today));
        CatalogueStore catalogue(s.path());
        Outcome outcome;
        const auto first = catalogue.addTapes(7, 81, 3, 3, TapeFields{true, false, true, Money()}, outcome, Today);
        QVERIFY2(first == 81, qPrintable(catalogue.lastError().clerkText()));
        QCOMPARE(catalogue.setAside().size(), 1);
        QCOMPARE(s.rows(u"SELECT State, VideoID FROM tblHolds WHERE HoldID = 4"_s), u"ready|81"_s);
    }

    void placingAHoldIsRefused()
    {
        TestStore s;
        seed(s);
        s.addMember(14, u"Old"_s, u"Timer"_s, {}, {}, true);
        s.addMovie(9, u"Old One"_s, 1, 1, true);
        s.addTape(90, 9);
        CirculationStore store(s.path());
        QVERIFY(store.placeHold(12, 7, Today));
        const struct { int member, title; QString message; } refused[] = {
            {99, 7, u"Member 99 is not on file."_s},
            {14, 7, u"Member 14 is retired."_s},
            {12, 99, u"Title 99 is not on file."_s},
            {12, 9, u"Old One (title 9) is retired."_s},
            {12, 8, u"Sold Only (title 8) has no copies for rent."_s},
            {12, 7, u"Member 12 already has a hold on Steel Horizon."_s}};
        for (const auto &r : refused) {
            QVERIFY(!store.placeHold(r.member, r.title, Today));
            QCOMPARE(store.lastError().detail, r.message);
        }
        QCOMPARE(s.count(u"tblHolds"_s), 1);
    }

    void twoCountersReturningTwoCopiesGiveTheHoldOneTape()
    {
        TestStore s;
        seed(s);
        QVERIFY(CirculationStore(s.path()).placeHold(12, 7, QDate(2026, 11, 30)));
        QList<ReturnOutcome> outcomes(2);
        QStringList errors(2);
        std::latch start(2);
        std::vector<std::thread> counters;
        for (int i = 0; i < 2; ++i)
            counters.emplace_back([&, i] {
                ReturnsStore store(s.path());
                start.arrive_and_wait();
                outcomes[i] = store.returnTapes({41 + i}, Today);
                if (outcomes[i].status != ReturnOutcome::Done)
                    errors[i] = store.lastError().clerkText();
            });
        for (std::thread &t : counters)
            t.join();
        QVERIFY2(errors.join(QString()).isEmpty(), qPrintable(errors.join(u"\n"_s)));
        QCOMPARE(outcomes[0].setAside.size() + outcomes[1].setAside.size(), 1);
        QCOMPARE(s.count(u"tblHolds"_s, u"State = 'ready'"_s), 1);
        QCOMPARE(s.count(u"tblVideos"_s, u"InStore = 1 AND VideoID IN (41, 42)"_s), 2);
    }

    void placedAtTheCounterAndSetAsideByAReturn()
    {
        TestStore s;
        seedForWindows(s);
        frmCheckout &w = s.windows().checkout();
        w.show();
        lookUp(w, w.txtMemberID, u"12"_s);

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
        QCOMPARE(s.ws().last().prompt, u"Steel Horizon is now held for member 12 Jane Roe. Copies coming back are "
                                       "put aside for holds in the order they were placed."_s);
        QCOMPARE(listLines(w.pnlHolds->lstHolds), QStringList{u"Steel Horizon: waiting"_s});

        // Tape 41 comes back: Returns says where it goes, with the bell, and
        // keeps saying it above Ann's next tape until another member's comes.
        s.addTape(43, 8, true, false, false);
        s.addTape(44, 8, true, false, false);
        s.addRental(2, 1, 43, u"2026-12-06"_s);
        s.addRental(3, 13, 44, u"2026-12-06"_s);
        frmReturn &back = s.windows().returns();
        back.show();
        const int beeps = s.ws().beeps();
        QStringList firstLines;
        for (const char *tape : {"41", "43", "44"}) {
            typeInto(*back.txtVid, QString::fromLatin1(tape));
            clickOn(*back.cmdReturn);
            firstLines << back.lstOutcome->lines().first().section(u':', 0, 0);
        }
        QCOMPARE(firstLines, QStringList({u"Tape 41"_s, u"Tape 41"_s, u"Tape 44"_s}));
        QVERIFY(back.lstOutcome->lines().contains(
            u"Tape 41: Put tape 41 (Steel Horizon) aside for member 12 Jane Roe, hold of 2026-12-07."_s));
        QCOMPARE(s.ws().beeps(), beeps + 1);

        // At the counter, Bob is refused it; Jane rents it.
        w.show();
        lookUp(w, w.txtMemberID, u"13"_s);
        rent(w, u"41"_s);
        QCOMPARE(s.ws().last().prompt, u"Tape 41 is held for member 12 until 2026-12-10."_s);
        lookUp(w, w.txtMemberID, u"12"_s);
        keepScreenshot(w, u"counter-holds.png"_s);
        QCOMPARE(listLines(w.pnlHolds->lstHolds),
                 QStringList{u"Steel Horizon: tape 41 on the hold shelf until 2026-12-10"_s});
    }

    void holdsWindowListsAndCancelsAfterAsking()
    {
        TestStore s;
        seedForWindows(s);
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
    }
};

QTEST_MAIN(tst_CirculationStore)
#include "tst_CirculationStore.moc"
