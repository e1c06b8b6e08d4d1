#include "Members.h"

#include "customers/frmadd.h"

#include <QLabel>
#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace {

// Member 0 and 1 to `last`, every third one retired.
frmadd &open(TestStore &s, int last)
{
    for (int n = 1; n <= last; ++n)
        s.addMember(n, u"First%1"_s.arg(n), u"Last%1"_s.arg(n), u"555-%1"_s.arg(n), {}, n % 3 == 0);
    auto &w = static_cast<frmadd &>(s.windows().addCustomer());
    w.show();
    return w;
}

void typeRequired(frmadd &w, const QString &last = u"Moss"_s)
{
    typeInto(*w.txtLast, last);
    typeInto(*w.txtFirst, u"Ada"_s);
    typeInto(*w.txtHphone, u"555-0042"_s);
}

} // namespace

class tst_frmadd : public QObject
{
    Q_OBJECT

private slots:
    void oneClickOneMemberWithPlaceholdersAndClearAllReadiesTheNext();
    void missingRequiredDetailRefused_data();
    void missingRequiredDetailRefused();
    void takenNumberRefusedAndFreeOneProposedAndAFailedAddWritesNothing();
    void enterAddsAndTheWindowSaysWhoAndWhoElseHasThePhone();
};

void tst_frmadd::oneClickOneMemberWithPlaceholdersAndClearAllReadiesTheNext()
{
    TestStore s;
    frmadd &w = open(s, 41);
    QCOMPARE(w.txtMemb->text(), u"42"_s);
    QCOMPARE(w.Label8->text(), u"Business Phone Number"_s);
    typeRequired(w);
    typeInto(*w.txtCell, u"555-9999"_s);
    clickOn(*w.cmdAdd);
    clickOn(*w.cmdAdd);
    QCOMPARE(s.count(u"tblMembers"_s), 43);
    QCOMPARE(s.value(u"SELECT LastName||'|'||FirstName||'|'||Address||'|'||HomePhone||'|'||CellPhone||'|'||BusPhone"
                     "||'|'||DriverLicence||'|'||OtherNames1||'|'||OtherNames2||'|'||OtherNames3||'|'||FeesOwing||'|'"
                     "||Deleted FROM tblMembers WHERE CustomerNumber = 42"_s)
                 .toString(),
             u"Moss|Ada||555-0042|555-9999|N/A||N/A|N/A|N/A|0|0"_s);
    keepScreenshot(w, u"frmadd.png"_s);

    // Return keeps the texts; the next visit may add again.
    clickOn(*w.cmdReturn);
    w.show();
    QCOMPARE(w.txtLast->text(), u"Moss"_s);

    w.cmdAdd->setEnabled(false);
    clickOn(*w.cmdClearAll);
    clickOn(*w.cmdClearAll);
    QCOMPARE(w.txtMemb->text(), u"44"_s);
    QCOMPARE(w.txtBPhone->text(), QString());
    typeRequired(w, u"Nash"_s);
    clickOn(*w.cmdAdd);
    QCOMPARE(column(s, 44, "LastName"), u"Nash"_s);
}

void tst_frmadd::missingRequiredDetailRefused_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("prompt");
    QTest::newRow("last name") << "txtLast" << "Enter the member's last name.";
    QTest::newRow("first name") << "txtFirst" << "Enter the member's first name.";
    QTest::newRow("home phone, blanks only") << "txtHphone" << "Enter the member's home phone number.";
}

void tst_frmadd::missingRequiredDetailRefused()
{
    QFETCH(QString, box);
    QFETCH(QString, prompt);
    TestStore s;
    frmadd &w = open(s, 3);
    typeRequired(w);
    auto *empty = child<QLineEdit>(w, qPrintable(box));
    typeInto(*empty, box == u"txtHphone"_s ? u"  "_s : QString());
    const QString before = membersSnapshot(s);

    clickOn(*w.cmdAdd);
    QCOMPARE(s.ws().last().prompt, prompt);
    QCOMPARE(membersSnapshot(s), before);
    QCOMPARE(w.focusWidget(), empty);
}

void tst_frmadd::takenNumberRefusedAndFreeOneProposedAndAFailedAddWritesNothing()
{
    TestStore s;
    // Rows 0, 1, 2 and 4: the count proposes 4, which member 4 holds.
    s.addMember(4, u"Held"_s, u"Kept"_s);
    frmadd &w = open(s, 2);
    QCOMPARE(w.txtMemb->text(), u"4"_s);
    typeRequired(w);
    const QString before = membersSnapshot(s);

    clickOn(*w.cmdAdd);
    QCOMPARE(s.ws().last().prompt, u"Member ID 4 is already taken, so the member was not added.\r\nThe next free "
                                   "number, 5, is now proposed: press ADD Member again to add the member."_s);
    QCOMPARE(membersSnapshot(s), before);
    QCOMPARE(w.txtMemb->text(), u"5"_s);

    // A store that fails the insert writes nothing.
    s.refuseInserts(u"tblMembers"_s, u"disk full"_s);
    clickOn(*w.cmdAdd);
    QVERIFY(s.ws().last().prompt.contains(u"disk full"_s));
    QCOMPARE(membersSnapshot(s), before);

    s.allowInserts(u"tblMembers"_s);
    clickOn(*w.cmdAdd);
    QCOMPARE(column(s, 5, "LastName"), u"Moss"_s);
}

void tst_frmadd::enterAddsAndTheWindowSaysWhoAndWhoElseHasThePhone()
{
    struct Case { QString phone, told; };
    const Case cases[] = {
        {u"555-0042"_s, u"Member 42 added."_s},
        // Two current members share it.
        {u"555-1"_s, u"Member 42 added. Home phone 555-1 is also that of member 1 First1 Last1, member 100 Ann "
                     "Other."_s},
        // A retired member's old phone is no one's now.
        {u"555-3"_s, u"Member 42 added."_s},
    };
    for (const Case &c : cases) {
        TestStore s;
        frmadd &w = open(s, 41);
        s.addMember(100, u"Ann"_s, u"Other"_s, u"555-1"_s);
        typeRequired(w);
        typeInto(*w.txtHphone, c.phone);
        QTest::keyClick(w.txtHphone, Qt::Key_Return);
        QCOMPARE(column(s, 42, "HomePhone"), c.phone);
        QCOMPARE(w.lblAdded->text(), c.told);
        QVERIFY(s.ws().boxes().isEmpty());
    }
}

QTEST_MAIN(tst_frmadd)
#include "tst_frmadd.moc"
