#include "Members.h"

#include "customers/frmModify.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

frmModify &open(TestStore &s)
{
    s.addMember(1, u"Ann"_s, u"Smith"_s, u"555-1111"_s, u"D-1"_s);
    s.addMember(4, u"Dee"_s, u"Gone"_s, u"555-4444"_s, u"D-4"_s, true);
    setFees(s, 4, u"7.50"_s);
    auto &w = static_cast<frmModify &>(s.windows().modify());
    w.show();
    return w;
}

} // namespace

class tst_frmModify : public QObject
{
    Q_OBJECT

private slots:
    void modifyRewritesTheDetailsOnly();
    void clearAllThenModifyEmptiesTwelveColumns();
    void refusedMemberIdChangesNothing_data();
    void refusedMemberIdChangesNothing();
};

void tst_frmModify::modifyRewritesTheDetailsOnly()
{
    TestStore s;
    frmModify &w = open(s);

    // A retired member with fees owing: both stay as they were.
    lookUp(w, w.txtMemb, u"4"_s);
    typeInto(*w.txtBPhone, QString());
    typeInto(*w.txtCity, u"Shelbyville"_s);
    typeInto(*w.txtDLNum, u"D-44"_s);
    clickOn(*w.cmdModify);
    QVERIFY(s.ws().boxes().isEmpty());
    QCOMPARE(column(s, 4, "BusPhone"), QString()); // emptied, not NULL
    QVERIFY(!s.value(u"SELECT BusPhone FROM tblMembers WHERE CustomerNumber = 4"_s).isNull());
    QCOMPARE(column(s, 4, "City") + column(s, 4, "DriverLicence") + column(s, 4, "Deleted"), u"ShelbyvilleD-441"_s);
    QCOMPARE(column(s, 4, "FeesOwing"), QString::number(Money::parse(u"7.50"_s)->units()));
    QCOMPARE(column(s, 1, "City"), u"Springfield"_s);
    QCOMPARE(w.focusWidget(), w.txtLast);
}

void tst_frmModify::clearAllThenModifyEmptiesTwelveColumns()
{
    TestStore s;
    frmModify &w = open(s);
    lookUp(w, w.txtMemb, u"1"_s);
    clickOn(*w.cmdClearAll);
    QCOMPARE(w.txtMemb->text(), u"1"_s);
    QCOMPARE(w.focusWidget(), w.txtMemb);
    clickOn(*w.cmdModify);
    QCOMPARE(s.value(u"SELECT LastName||FirstName||Address||City||PostalCode||HomePhone||CellPhone||BusPhone||"
                     "DriverLicence||OtherNames1||OtherNames2||OtherNames3||'|'||CustomerNumber||'|'||Deleted "
                     "FROM tblMembers WHERE CustomerNumber = 1"_s)
                 .toString(),
             u"|1|0"_s);
}

void tst_frmModify::refusedMemberIdChangesNothing_data()
{
    QTest::addColumn<QString>("memberId");
    QTest::addColumn<QString>("prompt");
    QTest::newRow("no such member") << "99" << "There is no member with the number 99, so nothing was changed.";
    QTest::newRow("empty") << "" << "Enter the member ID as a whole number from 0 to 2147483647.";
    QTest::newRow("not a whole number")
        << "1 OR 1=1" << "\"1 OR 1=1\" is not a valid member ID. Enter a whole number from 0 to 2147483647.";
}

void tst_frmModify::refusedMemberIdChangesNothing()
{
    QFETCH(QString, memberId);
    QFETCH(QString, prompt);
    TestStore s;
    frmModify &w = open(s);
    lookUp(w, w.txtMemb, u"1"_s);
    typeInto(*w.txtLast, u"Changed"_s);
    typeInto(*w.txtMemb, memberId);
    const QString before = membersSnapshot(s);
    clickOn(*w.cmdModify);
    QCOMPARE(s.ws().last().prompt, prompt);
    QCOMPARE(s.ws().last().icon, Icon::Exclamation);
    QCOMPARE(membersSnapshot(s), before);
}

QTEST_MAIN(tst_frmModify)
#include "tst_frmModify.moc"
