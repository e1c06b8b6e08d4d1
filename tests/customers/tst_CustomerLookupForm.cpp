#include "Members.h"

#include "customers/frmDelete.h"
#include "customers/frmModify.h"
#include "customers/frmadd.h"
#include "ui/FlexGrid.h"
#include "ui/MemberChooser.h"

#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

void seed(TestStore &s)
{
    s.addMember(1, u"Ann"_s, u"Smith"_s, u"555-1111"_s, u"D-1"_s);
    s.addMember(2, u"Bob"_s, u"Jones"_s, u"555-2222"_s, u"D-2"_s);
    s.addMember(3, u"Cy"_s, u"Jones"_s, u"555-2222"_s, u"D-3"_s);
    s.addMember(4, u"Dee"_s, u"Gone"_s, u"555-4444"_s, u"D-4"_s, true);
    s.addMember(5, u"Eve"_s, u"Nolicence"_s, u"555-5555"_s, QString());
}

// Both windows run the one lookup; each test runs on each of them.
CustomerLookupForm &open(TestStore &s, const QString &window)
{
    seed(s);
    Form &f = window == u"frmModify"_s ? s.windows().modify() : s.windows().deleteCustomer();
    f.show();
    return static_cast<CustomerLookupForm &>(f);
}

void bothWindows()
{
    QTest::addColumn<QString>("window");
    QTest::newRow("modify") << "frmModify";
    QTest::newRow("delete") << "frmDelete";
}

} // namespace

class tst_CustomerLookupForm : public QObject
{
    Q_OBJECT

private slots:
    void eachKeyFindsAndFillsEveryBox_data() { bothWindows(); }
    void eachKeyFindsAndFillsEveryBox();
    void keyFollowsTheLastChangedBox_data() { bothWindows(); }
    void keyFollowsTheLastChangedBox();
    void notFoundKeepsTheBoxes_data() { bothWindows(); }
    void notFoundKeepsTheBoxes();
    void screenshots();
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

    // Two members share a phone: the clerk picks one, and nothing is shown
    // before; Esc picks none.
    setFees(s, 3, u"12.5"_s);
    QStringList offered;
    chooseMember(s, 2, [&](frmChooseMember &c) {
        offered = gridLines(*c.fgMembers);
        QCOMPARE(w.txtMemb->text(), u"1"_s);
    });
    lookUp(w, w.txtHphone, u"555-2222"_s);
    QCOMPARE(offered, QStringList({"Member ID|Name|Address|Fees Owing", "2|Bob Jones|12 Elm St, Springfield|$0.00",
                                   "3|Cy Jones|12 Elm St, Springfield|$12.50"}));
    QCOMPARE(w.txtMemb->text(), u"3"_s);
    QCOMPARE(w.txtFirst->text(), u"Cy"_s);
    chooseMember(s, 0);
    typeInto(*w.txtHphone, u"555-2222"_s);
    clickOn(*displayButton(w));
    QCOMPARE(w.txtMemb->text(), u"3"_s);
    QCOMPARE(s.ws().unusedAnswers(), 0);

    // A retired member is found like any other.
    lookUp(w, w.txtDLNum, u"D-4"_s);
    QCOMPARE(w.txtLast->text(), u"Gone"_s);
    QVERIFY(s.ws().boxes().isEmpty());
}

void tst_CustomerLookupForm::keyFollowsTheLastChangedBox()
{
    QFETCH(QString, window);
    TestStore s;
    CustomerLookupForm &w = open(s, window);
    QCOMPARE(w.searchKey, 0);

    // The fill changes the licence last, so the next lookup is by licence.
    lookUp(w, w.txtMemb, u"2"_s);
    QCOMPARE(w.searchKey, 3);
    s.exec(u"UPDATE tblMembers SET DriverLicence = 'D-2' WHERE CustomerNumber = 3"_s);
    chooseMember(s, 2);
    clickOn(*displayButton(w));
    QCOMPARE(w.txtMemb->text(), u"3"_s);

    // A member with no licence leaves that box unchanged after an empty one.
    w.txtDLNum->clear();
    lookUp(w, w.txtMemb, u"5"_s);
    QCOMPARE(w.searchKey, 2);
    w.txtMemb->setText(u"1"_s);
    QCOMPARE(w.searchKey, 1);
    clickOn(*displayButton(w));

    // The clear empties phone then licence; an empty licence is no key,
    // though member 5 has none.
    clickOn(*child<QPushButton>(w, "cmdClearAll"));
    QCOMPARE(w.searchKey, 3);
    clickOn(*displayButton(w));
    QCOMPARE(s.ws().last().prompt, u"Customer not found"_s);
    QCOMPARE(w.txtMemb->text(), u"1"_s);
}

void tst_CustomerLookupForm::notFoundKeepsTheBoxes()
{
    QFETCH(QString, window);
    TestStore s;
    CustomerLookupForm &w = open(s, window);
    const QString before = membersSnapshot(s);
    clickOn(*displayButton(w)); // no key at all
    QCOMPARE(s.ws().prompts(), QStringList{u"Customer not found"_s});

    lookUp(w, w.txtMemb, u"1"_s);
    for (const QString &miss : {u"5551111"_s, u"d-1"_s, u"' OR '1'='1"_s, u"x'; DROP TABLE tblMembers; --"_s}) {
        s.ws().clear();
        lookUp(w, miss.startsWith(u'd') ? w.txtDLNum : w.txtHphone, miss);
        QCOMPARE(s.ws().prompts(), QStringList{u"Customer not found"_s});
        QCOMPARE(w.txtLast->text(), u"Smith"_s);
    }
    lookUp(w, w.txtMemb, u"1 OR 1=1"_s);
    QCOMPARE(s.ws().last().title, u"Invalid number"_s);
    QCOMPARE(w.txtLast->text(), u"Smith"_s);
    QCOMPARE(membersSnapshot(s), before);
}

void tst_CustomerLookupForm::screenshots()
{
    if (qEnvironmentVariableIsEmpty("VIDEOSTORE_SCREENSHOTS"))
        QSKIP("VIDEOSTORE_SCREENSHOTS is not set");
    TestStore s;
    for (const QString &name : {u"frmModify"_s, u"frmDelete"_s}) {
        CustomerLookupForm &w = open(s, name);
        setFees(s, 1, u"4.5"_s);
        lookUp(w, w.txtMemb, u"1"_s);
        keepScreenshot(w, name + u".png"_s);
        s.exec(u"DELETE FROM tblMembers WHERE CustomerNumber > 0"_s);
    }
    auto &add = static_cast<frmadd &>(s.windows().addCustomer());
    add.show();
    typeInto(*add.txtLast, u"Moss"_s);
    typeInto(*add.txtHphone, u"555-0042"_s);
    keepScreenshot(add, u"frmadd.png"_s);
}

QTEST_MAIN(tst_CustomerLookupForm)
#include "tst_CustomerLookupForm.moc"
