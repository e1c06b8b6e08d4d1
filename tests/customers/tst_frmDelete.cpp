#include "Members.h"

#include "counter/frmCheckout.h"
#include "customers/frmDelete.h"

#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

const QString Owing = u"Customer Cannot be deleted from database until  Balance owing is paid in full"_s;

frmDelete &open(TestStore &s)
{
    s.addMember(1, u"Ann"_s, u"Smith"_s, u"555-1111"_s, u"D-1"_s);
    s.addMember(2, u"Bob"_s, u"Jones"_s, u"555-2222"_s, u"D-2"_s);
    auto &w = static_cast<frmDelete &>(s.windows().deleteCustomer());
    w.show();
    return w;
}

bool retired(TestStore &s, int member)
{
    return s.value(u"SELECT Deleted FROM tblMembers WHERE CustomerNumber = ?"_s, {member}).toBool();
}

} // namespace

class tst_frmDelete : public QObject
{
    Q_OBJECT

private slots:
    void retiresOnlyWithNothingOwing_data();
    void retiresOnlyWithNothingOwing();
    void afterRetiringTheCounterRefusesTheMember();
    void storedBalanceDecidesNotTheBoxes();
    void cancelAndRefusedInput();
    void tapesOutAndTheWalkInMemberStay();
};

void tst_frmDelete::retiresOnlyWithNothingOwing_data()
{
    QTest::addColumn<QString>("fees");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("retires");
    QTest::newRow("owes a cent") << "0.01" << "0.01" << false;
    QTest::newRow("owes nothing") << "0" << "0.00" << true;
    QTest::newRow("holds a credit") << "-2.50" << "-2.50" << true;
}

void tst_frmDelete::retiresOnlyWithNothingOwing()
{
    QFETCH(QString, fees);
    QFETCH(QString, shown);
    QFETCH(bool, retires);
    TestStore s;
    frmDelete &w = open(s);
    QVERIFY(!w.cmdDelete->isEnabled() && !w.cmdClearAll->isEnabled());
    setFees(s, 1, fees);
    lookUp(w, w.txtMemb, u"1"_s);
    QCOMPARE(w.txtbal->text(), shown);
    QVERIFY(w.cmdDelete->isEnabled() && w.cmdClearAll->isEnabled());

    clickOn(*w.cmdDelete);
    QCOMPARE(retired(s, 1), retires);
    QVERIFY(!retired(s, 2));
    if (!retires) {
        QCOMPARE(s.ws().last().prompt, Owing);
        QCOMPARE(s.ws().last().icon, Icon::Exclamation);
        QCOMPARE(s.ws().last().title, QString());
        QVERIFY(w.cmdDelete->isEnabled() && w.cmdClearAll->isEnabled());
        return;
    }
    QCOMPARE(s.ws().last().prompt,
             u"Smith has been marked as deleted. Items are not deleted from the database entirely,\r\nbut can no "
             "longer be accessed by normal means. Consult Corvane Inc. for a data retrieval kit if required."_s);
    QCOMPARE(s.ws().last().title, u"Virtual Delete."_s);
    QCOMPARE(s.ws().last().icon, Icon::Information);
    QVERIFY(!w.cmdDelete->isEnabled() && !w.cmdClearAll->isEnabled());
    QCOMPARE(w.txtLast->text(), u"Smith"_s);
}

void tst_frmDelete::afterRetiringTheCounterRefusesTheMember()
{
    TestStore s;
    frmDelete &w = open(s);
    lookUp(w, w.txtMemb, u"2"_s);
    typeInto(*w.txtLast, QString());
    clickOn(*w.cmdDelete);
    QVERIFY(s.ws().last().prompt.startsWith(u" has been marked as deleted."_s));

    // The member just retired is found again, and may be retired again.
    lookUp(w, w.txtMemb, u"2"_s);
    QVERIFY(w.cmdDelete->isEnabled());
    clickOn(*w.cmdDelete);
    QCOMPARE(s.ws().last().title, u"Virtual Delete."_s);

    frmCheckout &counter = s.windows().checkout();
    counter.show();
    typeInto(*counter.txtMemberID, u"2"_s);
    clickOn(*counter.cmdDisplayInfo);
    QCOMPARE(s.ws().last().prompt, u"That user has been deleted and now has no checkout rights."_s);
}

void tst_frmDelete::storedBalanceDecidesNotTheBoxes()
{
    TestStore s;
    frmDelete &w = open(s);
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
}

void tst_frmDelete::cancelAndRefusedInput()
{
    TestStore s;
    frmDelete &w = open(s);
    lookUp(w, w.txtMemb, u"1"_s);
    clickOn(*w.cmdClearAll);
    QCOMPARE(w.txtMemb->text(), u"1"_s);
    QCOMPARE(w.txtbal->text(), u"0.00"_s);
    QCOMPARE(w.txtLast->text(), QString());
    QCOMPARE(w.txtDLNum->text(), QString());
    QVERIFY(!w.cmdDelete->isEnabled() && !w.cmdClearAll->isEnabled());

    const QString before = membersSnapshot(s);
    lookUp(w, w.txtMemb, u"1"_s);
    typeInto(*w.txtMemb, u"99"_s);
    clickOn(*w.cmdDelete);
    QCOMPARE(s.ws().last().prompt, u"There is no member with the number 99, so nothing was changed."_s);
    lookUp(w, w.txtMemb, u"1"_s);
    typeInto(*w.txtbal, u"nothing"_s);
    clickOn(*w.cmdDelete);
    QCOMPARE(s.ws().last().title, u"Invalid amount"_s);
    typeInto(*w.txtbal, u"0.001"_s);
    clickOn(*w.cmdDelete);
    QVERIFY2(s.ws().last().prompt.startsWith(u"\"0.001\" has more than two decimals."_s),
             qPrintable(s.ws().last().prompt));
    QCOMPARE(membersSnapshot(s), before);
}

void tst_frmDelete::tapesOutAndTheWalkInMemberStay()
{
    TestStore s;
    frmDelete &w = open(s);
    s.addMovie(10, u"Title"_s, 1, 2);
    for (const int tape : {101, 102, 103})
        s.addTape(tape, 10, true, false, false);
    // Two tapes out, one already back.
    s.addRental(1, 1, 101, u"2026-03-01"_s, u"2026-03-04"_s);
    s.addRental(1, 1, 102, u"2026-03-01"_s, u"2026-03-04"_s);
    s.addRental(1, 1, 103, u"2026-03-01"_s, u"2026-03-04"_s, true);
    const QString before = membersSnapshot(s);
    lookUp(w, w.txtMemb, u"1"_s);
    clickOn(*w.cmdDelete);
    QCOMPARE(s.ws().last().prompt, u"Customer Cannot be deleted from database while tapes are out: 2 tapes rented "
                                   "by member 1 have not been returned."_s);
    QCOMPARE(s.ws().last().icon, Icon::Exclamation);
    QVERIFY(w.cmdDelete->isEnabled());
    s.exec(u"UPDATE tblRentals SET Returned = 1 WHERE VideoID = 101"_s);
    clickOn(*w.cmdDelete);
    QVERIFY(s.ws().last().prompt.contains(u": 1 tape rented by member 1 has not been returned."_s));

    // Every walk-in sale is booked to member 0.
    lookUp(w, w.txtMemb, u"0"_s);
    clickOn(*w.cmdDelete);
    QVERIFY2(s.ws().last().prompt.startsWith(u"Member 0 is the walk-in customer"_s), qPrintable(s.ws().last().prompt));
    QCOMPARE(membersSnapshot(s), before);

    s.exec(u"UPDATE tblRentals SET Returned = 1"_s);
    lookUp(w, w.txtMemb, u"1"_s);
    clickOn(*w.cmdDelete);
    QVERIFY(retired(s, 1));
}

QTEST_MAIN(tst_frmDelete)
#include "tst_frmDelete.moc"
