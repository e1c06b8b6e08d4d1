#include "Members.h"

#include "customers/frmDelete.h"
#include "customers/frmModify.h"
#include "ui/FlexGrid.h"
#include "ui/MemberChooser.h"

#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

const QString Owing = u"Customer Cannot be deleted from database until  Balance owing is paid in full"_s;

// The modify and the delete windows run the one lookup.
template <typename W = CustomerLookupForm>
W &open(TestStore &s, const QString &window = u"frmDelete"_s)
{
    s.addMember(1, u"Ann"_s, u"Smith"_s, u"555-1111"_s, u"D-1"_s);
    s.addMember(2, u"Bob"_s, u"Jones"_s, u"555-2222"_s, u"D-2"_s);
    s.addMember(3, u"Cy"_s, u"Jones"_s, u"555-2222"_s, u"D-3"_s);
    s.addMember(4, u"Dee"_s, u"Gone"_s, u"555-4444"_s, u"D-4"_s, true);
    s.addMember(5, u"Eve"_s, u"Nolicence"_s, u"555-5555"_s, QString());
    Form &f = window == u"frmModify"_s ? s.windows().modify() : s.windows().deleteCustomer();
    f.show();
    return static_cast<W &>(f);
}

void bothWindows()
{
    QTest::addColumn<QString>("window");
    QTest::newRow("modify") << "frmModify";
    QTest::newRow("delete") << "frmDelete";
}

bool retired(TestStore &s, int member)
{
    return s.value(u"SELECT Deleted FROM tblMembers WHERE CustomerNumber = ?"_s, {member}).toBool();
}

} // namespace

class tst_CustomerLookupForm : public QObject
{
    Q_OBJECT

private slots:
    void eachKeyFindsAndFillsEveryBox_data() { bothWindows(); }
    void eachKeyFindsAndFillsEveryBox();
    void notFoundKeepsTheBoxesAndTheKeyFollowsTheLastChangedBox();
    void refusedMemberIdChangesNothing_data();
    void refusedMemberIdChangesNothing();
    void modifyRewritesTheDetailsOnly();
    void retiresOnlyWithNothingOwing_data();
    void retiresOnlyWithNothingOwing();
    void storedBalanceTapesOutAndTheWalkInMemberKeepAMember();
};

void tst_CustomerLookupForm::eachKeyFindsAndFillsEveryBox()
{
    QFETCH(QString, window);
    TestStore s;
    CustomerLookupForm &w = open(s, window);

    lookUp(w, w.txtMemb, u"1"_s);
    QCOMPARE(QStringList({w.txtMemb->text(), w.txtHphone->text(), w.txtDLNum->text(), w.txtLast->text(),
                          w.txtFirst->text(), w.txtAddr->text(), w.txtCity->text(), w.txtPostal->text(),
                          w.txtCell->text(), w.txtBPhone->text(), w.txtOther1->text(), w.txtOther2->text(),
                          w.txtOther3->text()}),
             QStringList({"1", "555-1111", "D-1", "Smith", "Ann", "12 Elm St", "Springfield", "K1A 0B1", "555-0100",
                          "555-0199", "Pat", "", "Sam"}));
    keepScreenshot(w, window + u".png"_s);

    // Two members share a phone: the clerk picks one, and nothing is shown
    // before; Esc picks none.
    chooseMember(s, 2, [&](frmChooseMember &) { QCOMPARE(w.txtMemb->text(), u"1"_s); });
    lookUp(w, w.txtHphone, u"555-2222"_s);
    QCOMPARE(w.txtMemb->text(), u"3"_s);
    chooseMember(s, 0);
    lookUp(w, w.txtHphone, u"555-2222"_s);
    QCOMPARE(w.txtMemb->text(), u"3"_s);

    // A retired member is found like any other.
    lookUp(w, w.txtDLNum, u"D-4"_s);
    QCOMPARE(w.txtLast->text(), u"Gone"_s);
    QVERIFY(s.ws().boxes().isEmpty());
}

void tst_CustomerLookupForm::notFoundKeepsTheBoxesAndTheKeyFollowsTheLastChangedBox()
{
    TestStore s;
    CustomerLookupForm &w = open(s);
    const QString before = membersSnapshot(s);
    clickOn(*displayButton(w)); // no key at all
    QCOMPARE(s.ws().prompts(), QStringList{u"Customer not found"_s});

    lookUp(w, w.txtMemb, u"1"_s);
    for (const QString &miss : {u"5551111"_s, u"x'; DROP TABLE tblMembers; --"_s}) {
        s.ws().clear();
        lookUp(w, w.txtHphone, miss);
        QCOMPARE(s.ws().prompts(), QStringList{u"Customer not found"_s});
        QCOMPARE(w.txtLast->text(), u"Smith"_s);
    }
    lookUp(w, w.txtMemb, u"1 OR 1=1"_s);
    QCOMPARE(s.ws().last().title, u"Invalid number"_s);
    QCOMPARE(membersSnapshot(s), before);

    // The fill changes the licence last, so the next lookup is by licence.
    lookUp(w, w.txtMemb, u"2"_s);
    s.exec(u"UPDATE tblMembers SET DriverLicence = 'D-2' WHERE CustomerNumber = 3"_s);
    chooseMember(s, 2);
    clickOn(*displayButton(w));
    QCOMPARE(w.txtMemb->text(), u"3"_s);

    // A member with no licence leaves that box unchanged after an empty one.
    w.txtDLNum->clear();
    lookUp(w, w.txtMemb, u"5"_s);
    QCOMPARE(w.searchKey, 2);
    w.txtMemb->setText(u"1"_s);
    clickOn(*displayButton(w));

    // The clear empties phone then licence; an empty licence is no key,
    // though member 5 has none.
    clickOn(*child<QPushButton>(w, "cmdClearAll"));
    clickOn(*displayButton(w));
    QCOMPARE(s.ws().last().prompt, u"Customer not found"_s);
    QCOMPARE(w.txtMemb->text(), u"1"_s);
}

void tst_CustomerLookupForm::refusedMemberIdChangesNothing_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("memberId");
    QTest::addColumn<QString>("prompt");
    for (const char *window : {"frmModify", "frmDelete"})
        QTest::addRow("%s, no such member", window)
            << window << "99" << "There is no member with the number 99, so nothing was changed.";
    QTest::newRow("empty") << "frmModify" << "" << "Enter the member ID as a whole number from 0 to 2147483647.";
    QTest::newRow("not a whole number")
        << "frmModify" << "1 OR 1=1"
        << "\"1 OR 1=1\" is not a valid member ID. Enter a whole number from 0 to 2147483647.";
}

void tst_CustomerLookupForm::refusedMemberIdChangesNothing()
{
    QFETCH(QString, window);
    QFETCH(QString, memberId);
    QFETCH(QString, prompt);
    TestStore s;
    CustomerLookupForm &w = open(s, window);
    lookUp(w, w.txtMemb, u"1"_s);
    typeInto(*w.txtLast, u"Changed"_s);
    typeInto(*w.txtMemb, memberId);
    const QString before = membersSnapshot(s);
    clickOn(*child<QPushButton>(w, window == u"frmModify"_s ? "cmdModify" : "cmdDelete"));
    QCOMPARE(s.ws().last().prompt, prompt);
    QCOMPARE(membersSnapshot(s), before);
}

void tst_CustomerLookupForm::modifyRewritesTheDetailsOnly()
{
    TestStore s;
    auto &w = open<frmModify>(s, u"frmModify"_s);

    // A retired member with fees owing: both stay as they were.
    setFees(s, 4, u"7.50"_s);
    lookUp(w, w.txtMemb, u"4"_s);
    typeInto(*w.txtBPhone, QString());
    typeInto(*w.txtCity, u"Shelbyville"_s);
    typeInto(*w.txtDLNum, u"D-44"_s);
    clickOn(*w.cmdModify);
    QVERIFY(!s.value(u"SELECT BusPhone FROM tblMembers WHERE CustomerNumber = 4"_s).isNull()); // emptied, not NULL
    QCOMPARE(column(s, 4, "BusPhone") + column(s, 4, "City") + column(s, 4, "DriverLicence") + column(s, 4, "Deleted"),
             u"ShelbyvilleD-441"_s);
    QCOMPARE(column(s, 4, "FeesOwing"), QString::number(Money::parse(u"7.50"_s)->units()));
    QCOMPARE(column(s, 1, "City"), u"Springfield"_s);

    // Clear All, then Modify, empties twelve columns.
    lookUp(w, w.txtMemb, u"1"_s);
    clickOn(*w.cmdClearAll);
    clickOn(*w.cmdModify);
    QCOMPARE(s.value(u"SELECT LastName||FirstName||Address||City||PostalCode||HomePhone||CellPhone||BusPhone||"
                     "DriverLicence||OtherNames1||OtherNames2||OtherNames3||'|'||CustomerNumber||'|'||Deleted "
                     "FROM tblMembers WHERE CustomerNumber = 1"_s)
                 .toString(),
             u"|1|0"_s);
}

void tst_CustomerLookupForm::retiresOnlyWithNothingOwing_data()
{
    QTest::addColumn<QString>("fees");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("retires");
    QTest::newRow("owes a cent") << "0.01" << "0.01" << false;
    QTest::newRow("owes nothing") << "0" << "0.00" << true;
    QTest::newRow("holds a credit") << "-2.50" << "-2.50" << true;
}

void tst_CustomerLookupForm::retiresOnlyWithNothingOwing()
{
    QFETCH(QString, fees);
    QFETCH(QString, shown);
    QFETCH(bool, retires);
    TestStore s;
    auto &w = open<frmDelete>(s);
    setFees(s, 1, fees);
    lookUp(w, w.txtMemb, u"1"_s);
    QCOMPARE(w.txtbal->text(), shown);

    clickOn(*w.cmdDelete);
    QCOMPARE(retired(s, 1), retires);
    QVERIFY(!retired(s, 2));
    if (!retires) {
        QCOMPARE(s.ws().last().prompt, Owing);
        return;
    }
    QVERIFY(s.ws().last().prompt.startsWith(u"Smith has been marked as deleted."_s));
}

void tst_CustomerLookupForm::storedBalanceTapesOutAndTheWalkInMemberKeepAMember()
{
    TestStore s;
    auto &w = open<frmDelete>(s);
    setFees(s, 2, u"3.00"_s);

    // The balance box typed over.
    lookUp(w, w.txtMemb, u"2"_s);
    typeInto(*w.txtbal, u"0"_s);
    clickOn(*w.cmdDelete);
    QCOMPARE(s.ws().last().prompt, Owing);

    // Another member's number typed over the one shown.
    lookUp(w, w.txtMemb, u"1"_s);
    typeInto(*w.txtMemb, u"2"_s);
    clickOn(*w.cmdDelete);
    QCOMPARE(s.ws().last().prompt, Owing);

    // Fees added at another counter since the member was shown.
    lookUp(w, w.txtMemb, u"1"_s);
    setFees(s, 1, u"0.01"_s);
    clickOn(*w.cmdDelete);
    QCOMPARE(s.ws().last().prompt, Owing);
    QVERIFY(!retired(s, 1) && !retired(s, 2));

    // A balance that is no amount is refused; Clear All keeps the number only.
    typeInto(*w.txtbal, u"nothing"_s);
    clickOn(*w.cmdDelete);
    QCOMPARE(s.ws().last().title, u"Invalid amount"_s);
    clickOn(*w.cmdClearAll);
    QCOMPARE(w.txtMemb->text() + w.txtLast->text() + w.txtDLNum->text(), u"1"_s);

    // Tapes out (two, one already back) keep a member; the walk-in member 0 is never retired.
    s.addMovie(10, u"Title"_s, 1, 2);
    for (const int tape : {101, 102, 103}) {
        s.addTape(tape, 10, true, false, false);
        s.addRental(1, 3, tape, u"2026-03-01"_s, u"2026-03-04"_s, tape == 103);
    }
    const QString before = membersSnapshot(s);
    lookUp(w, w.txtMemb, u"3"_s);
    clickOn(*w.cmdDelete);
    QCOMPARE(s.ws().last().prompt, u"Customer Cannot be deleted from database while tapes are out: 2 tapes rented "
                                   "by member 3 have not been returned."_s);
    lookUp(w, w.txtMemb, u"0"_s);
    clickOn(*w.cmdDelete);
    QVERIFY2(s.ws().last().prompt.startsWith(u"Member 0 is the walk-in customer"_s), qPrintable(s.ws().last().prompt));
    QCOMPARE(membersSnapshot(s), before);
}

QTEST_MAIN(tst_CustomerLookupForm)
#include "tst_CustomerLookupForm.moc"
