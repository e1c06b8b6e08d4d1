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

void display(frmDelete &w, const QString &number)
{
    typeInto(*w.txtMemb, number);
    clickOn(*w.cmdDisplay);
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
};

void tst_frmDelete::retiresOnlyWithNothingOwing_data()
{
    QTest::addColumn<QString>("fees");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("retires");
    QTest::newRow("owes a cent") << "0.01" << "0.01" << false;
    QTest::newRow("owes nothing") << "0" << "0" << true;
    QTest::newRow("holds a credit") << "-2.50" << "-2.5" << true;
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
    display(w, u"1"_s);
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
    display(w, u"2"_s);
    typeInto(*w.txtLast, QString());
    clickOn(*w.cmdDelete);
    QVERIFY(s.ws().last().prompt.startsWith(u" has been marked as deleted."_s));

    // The member just retired is found again, and may be retired again.
    display(w, u"2"_s);
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
    display(w, u"2"_s);
    typeInto(*w.txtbal, u"0"_s);
    clickOn(*w.cmdDelete);
    QCOMPARE(s.ws().last().prompt, Owing);

    // Another member's number typed over the one shown.
    display(w, u"1"_s);
    typeInto(*w.txtMemb, u"2"_s);
    clickOn(*w.cmdDelete);
    QCOMPARE(s.ws().last().prompt, Owing);

    // Fees added at another counter since the member was shown.
    display(w, u"1"_s);
    setFees(s, 1, u"0.01"_s);
    clickOn(*w.cmdDelete);
    QCOMPARE(s.ws().last().prompt, Owing);
    QVERIFY(!retired(s, 1) && !retired(s, 2));
}

void tst_frmDelete::cancelAndRefusedInput()
{
    TestStore s;
    frmDelete &w = open(s);
    display(w, u"1"_s);
    clickOn(*w.cmdClearAll);
    QCOMPARE(w.txtMemb->text(), u"1"_s);
    QCOMPARE(w.txtbal->text(), u"0"_s);
    QCOMPARE(w.txtLast->text(), QString());
    QCOMPARE(w.txtDLNum->text(), QString());
    QVERIFY(!w.cmdDelete->isEnabled() && !w.cmdClearAll->isEnabled());

    const QString before = membersSnapshot(s);
    display(w, u"1"_s);
    typeInto(*w.txtMemb, u"99"_s);
    clickOn(*w.cmdDelete);
    QCOMPARE(s.ws().last().prompt, u"There is no member with the number 99, so nothing was changed."_s);
    display(w, u"1"_s);
    typeInto(*w.txtbal, u"nothing"_s);
    clickOn(*w.cmdDelete);
    QCOMPARE(s.ws().last().title, u"Invalid amount"_s);
    QCOMPARE(membersSnapshot(s), before);
}

QTEST_MAIN(tst_frmDelete)
#include "tst_frmDelete.moc"
