#include "TestSupport.h"

#include "app/frmMain.h"
#include "returns/ReturnsStore.h"
#include "returns/frmReturn.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

const QDate Today(2026, 3, 10);
const QString NotRented = u"I'm sorry, that videotape cannot be returned as it has not been rented."_s;

// Ann (member 1, owing 1.00) has five tapes out, Bob (2) one; tape 1009 is
// on the shelf and 1010 is retired but still out.
void seed(TestStore &s)
{
    s.addMember(1, u"Ann"_s, u"Smith"_s);
    s.addMember(2, u"Bob"_s, u"Jones"_s);
    s.exec(u"UPDATE tblMembers SET FeesOwing = 10000 WHERE CustomerNumber = 1"_s);
    s.addMovie(10, u"Class One"_s, 1, 1);
    s.addMovie(11, u"Class Two"_s, 2, 2);
    s.addMovie(12, u"Class Three"_s, 3, 3);
    const struct { int video, movie, member; const char *rented, *due; } out[] = {
        {1001, 10, 1, "2026-03-08", "2026-03-10"}, {1002, 10, 1, "2026-03-05", "2026-03-07"},
        {1003, 12, 1, "2026-02-24", "2026-02-28"}, {1004, 11, 1, "2026-03-08", "2026-03-11"},
        {1005, 11, 1, "2026-03-01", "2026-03-04"}, {1006, 11, 2, "2026-03-09", "2026-03-12"},
        {1010, 10, 2, "2026-03-09", "2026-03-11"}};
    for (const auto &r : out) {
        s.addTape(r.video, r.movie, true, false, false, u"24.99"_s, r.video == 1010);
        s.exec(u"INSERT INTO tblRentals VALUES (7, ?, ?, ?, ?, 0)"_s,
               {r.member, r.video, QString::fromLatin1(r.rented), QString::fromLatin1(r.due)});
    }
    s.addTape(1009, 11);
}

frmReturn &open(TestStore &s)
{
    s.windows().setToday([] { return Today; });
    seed(s);
    frmReturn &w = s.windows().returns();
    w.show();
    return w;
}

void returnTyped(frmReturn &w, const QString &videoId)
{
    typeInto(*w.txtVid, videoId);
    clickOn(*w.cmdReturn);
}

Money fees(TestStore &s, int member)
{
    return Money::fromUnits(
        s.value(u"SELECT FeesOwing FROM tblMembers WHERE CustomerNumber = ?"_s, {member}).toLongLong());
}

QStringList lines(const QListWidget *list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

// Everything a return writes, to compare before and after.
QString snapshot(TestStore &s)
{
    return s.value(u"SELECT (SELECT group_concat(VideoID||Returned) FROM tblRentals)||'/'||"
                   "(SELECT group_concat(VideoID||InStore) FROM tblVideos)||'/'||"
                   "(SELECT group_concat(FeesOwing) FROM tblMembers)"_s)
        .toString();
}

} // namespace

class tst_frmReturn : public QObject
{
    Q_OBJECT

private slots:
    void typedReturnChargesWhatItShows_data();
    void typedReturnChargesWhatItShows();
    void refusalsWriteNothing();
    void otherTapesListedAndReturnedBySelection();
    void sourceQuestionWhenBothExist();
    void tapeOnTwoOpenRentalsClosesAndChargesEach();
    void returnTwiceAddsNoFeeEvenFromTwoCounters();
    void scannerAndKeyboard();
    void screenshots();
};

void tst_frmReturn::typedReturnChargesWhatItShows_data()
{
    QTest::addColumn<QString>("videoId");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("charge");
    QTest::newRow("on the due date") << "1001" << "2026-03-10" << "0";
    QTest::newRow("class 1, three days late") << "1002" << "2026-03-10" << "8.97";
    QTest::newRow("class 1, earlier date typed") << "1002" << "2026-03-08" << "2.99";
    QTest::newRow("class 3, ten days late") << "1003" << "2026-03-10" << "9.9";
    QTest::newRow("before the due date") << "1004" << "2026-03-10" << "0";
}

void tst_frmReturn::typedReturnChargesWhatItShows()
{
    QFETCH(QString, videoId);
    QFETCH(QString, date);
    QFETCH(QString, charge);
    TestStore s;
    frmReturn &w = open(s);
    typeInto(*w.txtDate, date);
    returnTyped(w, videoId);

    const Money expected = *Money::parse(charge);
    QCOMPARE(s.ws().boxes().size(), 1);
    if (expected > Money()) {
        QCOMPARE(s.ws().last().prompt, u"The video has been returned. Since it is overdue, a charge of %1 has been "
                                       "added to the user's account."_s.arg(expected.toCurrency()));
        QCOMPARE(s.ws().last().title, u"Video returned overdue."_s);
    } else {
        QCOMPARE(s.ws().last().prompt, u"The video has been returned."_s);
        QCOMPARE(s.ws().last().title, u"Video returned"_s);
    }
    QCOMPARE(s.ws().last().icon, Icon::Information);
    // Added to what was owed, not put in its place.
    QCOMPARE(fees(s, 1), *Money::parse(u"1") + expected);
    QCOMPARE(s.value(u"SELECT Returned FROM tblRentals WHERE VideoID = ?"_s, {videoId}).toInt(), 1);
    QCOMPARE(s.value(u"SELECT InStore FROM tblVideos WHERE VideoID = ?"_s, {videoId}).toInt(), 1);
    QCOMPARE(s.count(u"tblRentals"_s, u"Returned = 1"_s), 1);
    QCOMPARE(w.txtVid->text(), QString());
}

void tst_frmReturn::refusalsWriteNothing()
{
    TestStore s;
    frmReturn &w = open(s);
    const QString before = snapshot(s);
    struct Case { const char *vid, *date, *title, *prompt; };
    const Case cases[] = {
        {"1009", "2026-03-10", "Return error.", "I'm sorry, that videotape cannot be returned as it has not been rented."},
        {"4242", "2026-03-10", "Return error.", "I'm sorry, that videotape cannot be returned as it has not been rented."},
        {"1010", "2026-03-10", "Deleted Tape", "That tape has been deleted. Please recheck and consult manager."},
        {"1 OR 1=1", "2026-03-10", "Invalid number", nullptr},
        {"1001; DELETE FROM tblRentals", "2026-03-10", "Invalid number", nullptr},
        {"99999999999", "2026-03-10", "Invalid number", nullptr},
        {"1002", "03/10/2026", "Invalid date", nullptr},
        {"1002", "2026-03-10' OR '1'='1", "Invalid date", nullptr},
        // A slip of the year: before the tape was even rented.
        {"1002", "2025-03-10", "Invalid date",
         "The return date 2025-03-10 is before tape 1002 was rented on 2026-03-05. Check the date; nothing has been "
         "returned."},
    };
    for (const Case &c : cases) {
        s.ws().clear();
        typeInto(*w.txtDate, QString::fromLatin1(c.date));
        returnTyped(w, QString::fromLatin1(c.vid));
        QCOMPARE(s.ws().boxes().size(), 1);
        QCOMPARE(s.ws().last().title, QString::fromLatin1(c.title));
        if (c.prompt)
            QCOMPARE(s.ws().last().prompt, QString::fromLatin1(c.prompt));
        QCOMPARE(w.txtVid->text(), QString::fromLatin1(c.vid));
        QCOMPARE(snapshot(s), before);
    }
    QVERIFY(lines(w.List1).isEmpty());

    s.ws().clear();
    w.txtVid->clear();
    clickOn(*w.cmdReturn);
    QCOMPARE(s.ws().prompts(), QStringList{u"Must designate videos to return"_s});
    QCOMPARE(s.ws().last().title, u"Return error"_s);
}

void tst_frmReturn::otherTapesListedAndReturnedBySelection()
{
    TestStore s;
    frmReturn &w = open(s);
    returnTyped(w, u"1001"_s);
    QCOMPARE(lines(w.List1), QStringList({"1002\tClass One", "1003\tClass Three", "1004\tClass Two",
                                          "1005\tClass Two"}));

    // 1002: 3 days x 2.99, 1005: 6 days x 1.99; 1003 stays unselected.
    s.ws().clear();
    w.List1->item(0)->setSelected(true);
    w.List1->item(2)->setSelected(true);
    w.List1->item(3)->setSelected(true);
    clickOn(*w.cmdReturn);
    QCOMPARE(s.ws().prompts(), QStringList{u"3 videos have been returned. $20.91 in fees have been accumulated."_s});
    QCOMPARE(s.ws().last().title, u"Videos returned."_s);
    QCOMPARE(lines(w.List1), QStringList{u"1003\tClass Three"_s});
    QCOMPARE(fees(s, 1), *Money::parse(u"21.91"));
    QCOMPARE(s.count(u"tblRentals"_s, u"Returned = 0 AND CustomerNumber = 1"_s), 1);
    QCOMPARE(s.count(u"tblVideos"_s, u"InStore = 1 AND VideoID IN (1002, 1004, 1005)"_s), 3);

    // A lot with one date slip is refused whole.
    s.ws().clear();
    typeInto(*w.txtDate, u"2026-02-20"_s);
    w.List1->item(0)->setSelected(true);
    returnTyped(w, u""_s);
    QCOMPARE(s.ws().last().title, u"Invalid date"_s);
    QCOMPARE(w.List1->count(), 1);
    QCOMPARE(s.count(u"tblRentals"_s, u"Returned = 0 AND CustomerNumber = 1"_s), 1);

    // None late: the total is a plain 0.
    s.ws().clear();
    typeInto(*w.txtDate, u"2026-02-26"_s);
    clickOn(*w.cmdReturn);
    QCOMPARE(s.ws().prompts(), QStringList{u"1 videos have been returned. $0 in fees have been accumulated."_s});
}

void tst_frmReturn::sourceQuestionWhenBothExist()
{
    TestStore s;
    frmReturn &w = open(s);
    returnTyped(w, u"1004"_s);
    s.ws().clear();
    w.List1->item(0)->setSelected(true); // 1001, on time
    typeInto(*w.txtVid, u"1006"_s);
    s.ws().answer(Answer::No);
    clickOn(*w.cmdReturn);
    QCOMPARE(s.ws().boxes().at(0).prompt,
             u"Do you wish to return video 1006?\r\n(No to return selected items from listbox.)"_s);
    QCOMPARE(s.ws().boxes().at(0).title, u"Return video source"_s);
    QVERIFY(s.ws().boxes().at(0).buttons == Buttons::YesNo && s.ws().boxes().at(0).icon == Icon::Question);
    QCOMPARE(s.ws().last().title, u"Videos returned."_s);
    QCOMPARE(w.txtVid->text(), u"1006"_s);
    QCOMPARE(s.count(u"tblRentals"_s, u"Returned = 1"_s), 2);

    w.List1->item(0)->setSelected(true);
    s.ws().answer(Answer::Yes);
    clickOn(*w.cmdReturn);
    QCOMPARE(s.ws().last().title, u"Video returned"_s);
    QCOMPARE(s.value(u"SELECT Returned FROM tblRentals WHERE VideoID = 1006"_s).toInt(), 1);
    // The typed return lists Bob's tapes in place of the selection.
    QCOMPARE(lines(w.List1), QStringList{u"1010\tClass One"_s});
}

void tst_frmReturn::tapeOnTwoOpenRentalsClosesAndChargesEach()
{
    TestStore s;
    frmReturn &w = open(s);
    // The counter let one bill rent 1005 twice; 2 late days at 1.99 each.
    s.exec(u"UPDATE tblRentals SET DueDate = '2026-03-08' WHERE VideoID = 1005"_s);
    s.exec(u"INSERT INTO tblRentals VALUES (7, 1, 1005, '2026-03-01', '2026-03-08', 0)"_s);
    returnTyped(w, u"1005"_s);
    QVERIFY(s.ws().last().prompt.contains(u"a charge of $7.96 has"_s));
    QCOMPARE(fees(s, 1), *Money::parse(u"8.96"));
    QCOMPARE(s.count(u"tblRentals"_s, u"VideoID = 1005 AND Returned = 0"_s), 0);
    QVERIFY(!lines(w.List1).contains(u"1005\tClass Two"_s));
}

void tst_frmReturn::returnTwiceAddsNoFeeEvenFromTwoCounters()
{
    TestStore s;
    frmReturn &w = open(s);
    returnTyped(w, u"1002"_s);
    QCOMPARE(fees(s, 1), *Money::parse(u"9.97"));
    s.ws().clear();
    returnTyped(w, u"1002"_s);
    QCOMPARE(s.ws().prompts(), QStringList{NotRented});
    QCOMPARE(fees(s, 1), *Money::parse(u"9.97"));

    // Another counter already took 1003 back: this one closes and charges nothing.
    ReturnsStore first(s.path()), second(s.path());
    QCOMPARE(first.returnTapes({1003}, Today).charges, QList<Money>{*Money::parse(u"9.9")});
    const ReturnOutcome again = second.returnTapes({1003}, Today);
    QCOMPARE(again.status, ReturnOutcome::Done);
    QCOMPARE(again.charges, QList<Money>{Money()});
    QCOMPARE(fees(s, 1), *Money::parse(u"19.87"));
}

void tst_frmReturn::scannerAndKeyboard()
{
    TestStore s;
    frmReturn &w = open(s);
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QCOMPARE(w.txtDate->text(), u"2026-03-10"_s);
    QCOMPARE(QApplication::focusWidget(), w.txtVid);
    QTest::keyClick(w.txtVid, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), w.txtDate);
    w.txtVid->setFocus();

    // A scanner types the digits and Enter, tape after tape.
    for (const QString &tape : {u"1001"_s, u"1004"_s}) {
        QTest::keyClicks(QApplication::focusWidget(), tape);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(w.txtVid->text(), QString());
        QCOMPARE(QApplication::focusWidget(), w.txtVid);
    }
    QCOMPARE(s.count(u"tblRentals"_s, u"Returned = 1 AND VideoID IN (1001, 1004)"_s), 2);

    // Esc asks before going back; Cancel stays, OK clears and leaves.
    s.ws().answer(Answer::Cancel);
    QTest::keyClick(w.txtVid, Qt::Key_Escape);
    QVERIFY(w.isVisible());
    QCOMPARE(s.ws().last().prompt, u"Are you sure you want to return to the main menu"_s);
    QVERIFY(s.ws().last().buttons == Buttons::OkCancel && s.ws().last().icon == Icon::None);
    s.ws().answer(Answer::Ok);
    clickOn(*w.cmdMain);
    QCOMPARE(shownWindows(), QStringList{u"frmMain"_s});

    // The next visit starts clean on today's date.
    typeInto(*w.txtDate, u"2026-03-01"_s);
    s.windows().main().hide();
    w.show();
    QCOMPARE(w.List1->count(), 0);
    QCOMPARE(w.txtDate->text(), u"2026-03-10"_s);
}

void tst_frmReturn::screenshots()
{
    const QString folder = qEnvironmentVariable("VIDEOSTORE_SCREENSHOTS");
    if (folder.isEmpty())
        QSKIP("VIDEOSTORE_SCREENSHOTS is not set");
    TestStore s;
    frmReturn &w = open(s);
    returnTyped(w, u"1002"_s);
    w.List1->item(1)->setSelected(true);
    QVERIFY(w.grab().save(folder + u"/return.png"_s));
}

QTEST_MAIN(tst_frmReturn)
#include "tst_frmReturn.moc"
