#include "TestSupport.h"

#include "app/frmMain.h"
#include "returns/frmPayment.h"
#include "returns/ReturnsStore.h"
#include "returns/frmReturn.h"
#include "ui/OutcomeList.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

const QDate Today(2026, 3, 10);

// Ann (member 1, owing 1.00) has five tapes out, Bob (2) two, one of them
// retired; 1009 is on the shelf.
frmReturn &open(TestStore &s)
{
    s.windows().setToday([] { return Today; });
    s.addMember(1, u"Ann"_s, u"Smith"_s);
    s.addMember(2, u"Bob"_s, u"Jones"_s);
    s.exec(u"UPDATE tblMembers SET FeesOwing = 10000 WHERE CustomerNumber = 1"_s);
    for (int c = 1; c <= 3; ++c)
        s.addMovie(9 + c, u"Class %1"_s.arg(c), 1, c);
    const struct { int video, movie, member; const char *rented, *due; } out[] = {
        {1001, 10, 1, "2026-03-08", "2026-03-10"}, {1002, 10, 1, "2026-03-05", "2026-03-07"},
        {1003, 12, 1, "2026-02-24", "2026-02-28"}, {1004, 11, 1, "2026-03-08", "2026-03-11"},
        {1005, 11, 1, "2026-03-01", "2026-03-04"}, {1006, 11, 2, "2026-03-09", "2026-03-12"},
        {1010, 10, 2, "2026-03-09", "2026-03-11"}};
    for (const auto &r : out) {
        s.addTape(r.video, r.movie, true, false, false, u"24.99"_s, r.video == 1010);
        s.addRental(7, r.member, r.video, QString::fromLatin1(r.rented), QString::fromLatin1(r.due));
    }
    s.addTape(1009, 11);
    frmReturn &w = s.windows().returns();
    w.show();
    return w;
}

// A row as read, its parts' no-break spaces as plain ones.
QString plain(QString text)
{
    return text.replace(QChar::Nbsp, u' ');
}

// A list's lines with their runs of blanks and tabs as one blank.
QStringList shown(const QListWidget *list)
{
    QStringList out;
    for (const QString &line : listLines(list))
        out << line.simplified();
    return out;
}

void returnTyped(frmReturn &w, const QString &videoId)
{
    typeInto(*w.txtVid, videoId);
    clickOn(*w.cmdReturn);
}

} // namespace

class tst_frmReturn : public QObject
{
    Q_OBJECT

private slots:
    void typedReturnChargesWhatItShows_data()
    {
        QTest::addColumn<QString>("videoId");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("charge");
        QTest::addColumn<int>("classNow"); // the title's class by the time it comes back; 0 unchanged
        QTest::newRow("on the due date") << "1001" << "2026-03-10" << "0" << 0;
        QTest::newRow("class 1, three days late") << "1002" << "2026-03-10" << "8.97" << 0;
        QTest::newRow("class 1, earlier date typed") << "1002" << "2026-03-08" << "2.99" << 0;
        QTest::newRow("class 3, ten days late") << "1003" << "2026-03-10" << "9.9" << 0;
        // Rented as a new release: charged as one, whatever its class now.
        QTest::newRow("rented in class 1, now class 3") << "1002" << "2026-03-10" << "8.97" << 3;
    }

    void typedReturnChargesWhatItShows()
    {
        QFETCH(QString, videoId);
        QFETCH(QString, date);
        QFETCH(QString, charge);
        QFETCH(int, classNow);
        TestStore s;
        frmReturn &w = open(s);
        if (classNow)
            s.exec(u"UPDATE tblMovies SET PriceClass = ?"_s, {classNow});
        typeInto(*w.txtDate, date);
        returnTyped(w, videoId);

        const Money expected = *Money::parse(charge);
        QVERIFY2(plain(s.ws().last().prompt)
                     .endsWith(expected > Money()
                                   ? u" · fee %1 added to the member's account"_s.arg(expected.toCurrency())
                                   : u" · on time · no fee"_s),
                 qPrintable(s.ws().last().prompt));
        // Told in the window: a box would take the next scan's keys.
        QVERIFY(s.ws().last().inWindow);
        // Added to what was owed, not put in its place.
        QCOMPARE(feesOwing(s, 1), *Money::parse(u"1") + expected);
        QCOMPARE(s.rows(u"SELECT VideoID FROM tblRentals WHERE Returned = 1"_s), videoId);
        QCOMPARE(s.count(u"tblVideos"_s, u"InStore = 1 AND VideoID = %1"_s.arg(videoId)), 1);
    }

    void refusalsWriteNothing()
    {
        TestStore s;
        frmReturn &w = open(s);
        const QString before = snapshot(s).join(u'/');
        // In the clerk's words.
        struct Case { QString vid, date, title, prompt; };
        const Case cases[] = {
            {u"1009"_s, u"2026-03-10"_s, u"Return error."_s, u"Tape 1009 is not out on rental."_s},
            {u"1010"_s, u"2026-03-10"_s, u"Deleted Tape"_s,
             u"That tape has been deleted. Please recheck and consult manager."_s},
            {u"1001; DELETE FROM tblRentals"_s, u"2026-03-10"_s, u"Invalid number"_s,
             u"Tape numbers are digits only: \"1001; DELETE FROM tblRentals\" is not one."_s},
            {u"1002"_s, u"2026-03-10' OR '1'='1"_s, u"Invalid date"_s, {}},
            {u"1002"_s, u"2025-03-10"_s, u"Invalid date"_s,
             u"The return date 2025-03-10 is before tape 1002 was rented on 2026-03-05. Check the date; nothing has "
             "been returned."_s},
        };
        for (const Case &c : cases) {
            s.ws().clear();
            typeInto(*w.txtDate, c.date);
            returnTyped(w, c.vid);
            QCOMPARE(s.ws().last().title, c.title);
            if (!c.prompt.isEmpty())
                QCOMPARE(s.ws().last().prompt, c.prompt);
            // Told in the window with the bell; the number stays, selected, so
            // the next scan replaces it.
            QVERIFY(s.ws().last().inWindow);
            QCOMPARE(s.ws().beeps(), 1);
            QCOMPARE(w.txtVid->selectedText(), c.vid);
            QCOMPARE(snapshot(s).join(u'/'), before);
        }

        s.ws().clear();
        returnTyped(w, QString());
        QCOMPARE(s.ws().prompts(), QStringList{u"Must designate videos to return"_s});
    }

    void eachReturnARowThenTheMembersTapesBySelection()
    {
        TestStore s;
        frmReturn &w = open(s);
        returnTyped(w, u"1002"_s);
        returnTyped(w, u"1001"_s);
        const char *const rows[] = {
            "Tape 1001: Class 1 · member 1 Ann Smith · due 2026-03-10 · on time · no fee",
            "Tape 1002: Class 1 · member 1 Ann Smith · due 2026-03-07 · 3 days late · fee $8.97 added to the member's "
            "account",
        };
        for (int i = 0; i < 2; ++i)
            QCOMPARE(plain(w.lstOutcome->lines().at(i)), QString::fromUtf8(rows[i]));
        // Wrapped or not, the charge stays whole on its line.
        QVERIFY(w.lstOutcome->lines().at(1).contains(u"fee\u00A0$8.97"_s));
        QCOMPARE(shown(w.List1),
                 QStringList({u"1003 Class 3 due 2026-02-28 OVERDUE"_s, u"1004 Class 2 due 2026-03-11"_s,
                              u"1005 Class 2 due 2026-03-04 OVERDUE"_s}));

        // Both sources: No returns the selection and keeps the typed number.
        // 1004 is on time, 1005 six days late at 1.99; 1003 stays.
        s.ws().clear();
        for (int row : {1, 2})
            w.List1->item(row)->setSelected(true);
        s.ws().answer(Answer::No);
        returnTyped(w, u"1006"_s);
        QCOMPARE(s.ws().last().prompt, u"2 videos have been returned. $11.94 in fees have been accumulated."_s);
        QCOMPARE(shown(w.List1), QStringList{u"1003 Class 3 due 2026-02-28 OVERDUE"_s});
        QCOMPARE(w.txtVid->text(), u"1006"_s);
        QCOMPARE(feesOwing(s, 1), *Money::parse(u"21.91"));

        // A lot with a date slip is refused whole; none late totals a plain 0.
        w.txtVid->clear();
        w.List1->item(0)->setSelected(true);
        typeInto(*w.txtDate, u"2026-02-20"_s);
        clickOn(*w.cmdReturn);
        QCOMPARE(w.List1->count(), 1);
        typeInto(*w.txtDate, u"2026-02-26"_s);
        clickOn(*w.cmdReturn);
        QCOMPARE(s.ws().last().prompt, u"1 videos have been returned. $0.00 in fees have been accumulated."_s);
        QCOMPARE(w.lblTapesOut->text(), u"Member 1 Ann Smith has no other tapes out."_s);
    }

    void noRentalClosedOrChargedTwice()
    {
        TestStore s;
        frmReturn &w = open(s);
        returnTyped(w, u"1002"_s);
        s.ws().clear();
        returnTyped(w, u"1002"_s);
        QCOMPARE(feesOwing(s, 1), *Money::parse(u"9.97"));

        // One bill rented 1005 twice: both rentals close, each charges 2 days at 1.99.
        s.exec(u"UPDATE tblRentals SET DueDate = '2026-03-08' WHERE VideoID = 1005"_s);
        s.addRental(7, 1, 1005, u"2026-03-01"_s, u"2026-03-08"_s);
        returnTyped(w, u"1005"_s);
        QCOMPARE(feesOwing(s, 1), *Money::parse(u"17.93"));
        QCOMPARE(s.count(u"tblRentals"_s, u"VideoID = 1005 AND Returned = 0"_s), 0);

        // Two counters take 1003 back: only the first closes and charges it.
        ReturnsStore first(s.path()), second(s.path());
        QCOMPARE(first.returnTapes({1003}, Today).charges, QList<Money>{*Money::parse(u"9.9")});
        // ... and the second one knows it found the rental closed.
        QCOMPARE(second.returnTapes({1003}, Today).closedElsewhere, QList<qint32>{1003});
        QCOMPARE(feesOwing(s, 1), *Money::parse(u"27.83"));

        // A rental whose member is gone is not reported returned: it stays open.
        s.exec(u"DELETE FROM tblMembers WHERE CustomerNumber = 2"_s);
        returnTyped(w, u"1006"_s);
        QCOMPARE(s.ws().last().title, u"Store database error"_s);
        QCOMPARE(s.count(u"tblRentals"_s, u"VideoID = 1006 AND Returned = 0"_s), 1);
    }

    void lineFeedEndsAScanAndTheNextVisitStartsClean()
    {
        TestStore s;
        frmReturn &returns = open(s);
        frmPayment &payment = s.windows().payment();
        const QChar lf(0x240A);
        // A box that takes Return itself, tape after tape, and one whose
        // window's default button does.
        struct Case { QWidget *window; QLineEdit *box; QString scan; std::function<bool()> done; };
        const Case cases[] = {
            {&payment, payment.txtNum, u"1"_s, [&] { return payment.lblMessage->text().startsWith(u"Ann Smith"_s); }},
            {&returns, returns.txtVid, u"1002"_s + lf + u"1001"_s,
             [&] { return s.count(u"tblRentals"_s, u"VideoID IN (1001, 1002) AND Returned = 1"_s) == 2; }},
        };
        for (const Case &c : cases) {
            (c.window == &returns ? static_cast<QWidget &>(payment) : returns).hide();
            c.window->show();
            c.window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(c.window));
            c.box->setFocus();
            QCOMPARE(scanKeys(c.scan + lf), 0);
            QVERIFY2(c.done(), qPrintable(c.box->objectName()));
            // The Line Feed is no part of what the box holds.
            QVERIFY(!c.box->text().contains(u'\n'));
            if (c.window == &returns) // ready for the next scan
                QCOMPARE(QApplication::focusWidget(), c.box);
        }
        keepScreenshot(returns, u"return.png"_s);

        // The next visit starts clean on today's date.
        typeInto(*returns.txtDate, u"2026-03-01"_s);
        returns.hide();
        returns.show();
        QCOMPARE(returns.List1->count(), 0);
        QCOMPARE(returns.txtDate->text(), u"2026-03-10"_s);
    }
};

QTEST_MAIN(tst_frmReturn)
#include "tst_frmReturn.moc"
