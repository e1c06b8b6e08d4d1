#include "TestSupport.h"

#include "stock/frmInvent.h"
#include "ui/FlexGrid.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolBar>

using namespace Qt::StringLiterals;

namespace {

frmInvent &open(TestStore &s)
{
    s.addItem(1, u"Popcorn"_s, u"2.50"_s, 5);
    s.addItem(2, u"Licorice"_s, u"1.25"_s, 2);
    s.addItem(3, u"Old stock"_s, u"1.00"_s, 9, true);
    s.addItem(4, u"Cola"_s, u"1"_s, 12);
    frmInvent &w = s.windows().invent();
    w.show();
    return w;
}

void toolbar(frmInvent &w, const QString &text)
{
    for (QAction *a : w.Toolbar1->actions())
        if (a->text() == text) {
            a->trigger();
            return;
        }
    QFAIL(qPrintable(u"no toolbar button "_s + text));
}

QStringList enabled(const frmInvent &w)
{
    return enabledNames({w.cmdAdd, w.cmdEdit, w.cmdDelete, w.cmdSave, w.cmdClear, w.txtIName, w.fg1});
}

QString item(TestStore &s, int id)
{
    return s.value(u"SELECT ItemName||','||Price||','||Quantity||','||Deleted FROM tblInventory "
                   u"WHERE InventoryID = ?"_s,
                   {id})
        .toString();
}

void fill(frmInvent &w, const QString &name, const QString &price, const QString &quantity)
{
    typeInto(*w.txtIName, name);
    typeInto(*w.txtPrice, price);
    typeInto(*w.txtQuan, quantity);
}

} // namespace

class tst_frmInvent : public QObject
{
    Q_OBJECT

private slots:
    void listsLiveItemsAddsPastEveryNumberAndToolbar();
    void editStoresTheChangeAndKeepsCounterSalesThenDeleteAsks();
    void refusedFieldsKeepTheEditOpen();
};

void tst_frmInvent::listsLiveItemsAddsPastEveryNumberAndToolbar()
{
    TestStore s;
    frmInvent &w = open(s);
    QCOMPARE(w.windowTitle(), u"Inventory"_s);
    QCOMPARE(gridLines(*w.fg1), QStringList({"Inventory ID|Item Name|Price|Quantity on hand", "1|Popcorn|2.50|5",
                                             "2|Licorice|1.25|2", "4|Cola|1.00|12"}));
    QCOMPARE(enabled(w), QStringList({"cmdAdd*", "fg1"}));
    toolbar(w, u"Edit"_s);
    QCOMPARE(s.ws().last().prompt, u"Cannot edit without a selected entry"_s);

    clickOn(*w.cmdAdd);
    QCOMPARE(w.lblID->text(), u"5"_s);
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    fill(w, u"Gum"_s, u"3"_s, u"40"_s);
    QCOMPARE(w.txtPrice->text(), u"3.00"_s); // an amount shown with its cents once its box is left
    QTest::keyClick(w.txtQuan, Qt::Key_Return); // Enter presses Save
    QCOMPARE(item(s, 5), u"Gum,30000,40,0"_s);
    QCOMPARE(gridLines(*w.fg1).last(), u"5|Gum|3.00|40"_s);

    // A retired item holding the next number pushes the new one past the highest.
    s.addItem(6, u"Retired"_s, u"1"_s, 1, true);
    s.addItem(9, u"Retired too"_s, u"1"_s, 1, true);
    w.hide();
    w.show();
    toolbar(w, u"Add new"_s);
    QCOMPARE(w.lblID->text(), u"10"_s);
    toolbar(w, u"Add new"_s);
    QCOMPARE(s.ws().last().prompt, u"Cannot add while entering data. Save or clear changes"_s);

    // Clear Changes stores nothing.
    fill(w, u"Mints"_s, u"1"_s, u"1"_s);
    clickOn(*w.cmdClear);
    QCOMPARE(s.count(u"tblInventory"_s), 7);
    toolbar(w, u"Checkout"_s);
    QCOMPARE(shownWindows(), QStringList({"frmCheckout"}));
}

void tst_frmInvent::editStoresTheChangeAndKeepsCounterSalesThenDeleteAsks()
{
    TestStore s;
    frmInvent &w = open(s);
    clickRow(*w.fg1, 2);
    QCOMPARE(enabled(w), QStringList({"cmdAdd", "cmdEdit*", "cmdDelete", "fg1"}));
    QTest::keyClick(w.fg1, Qt::Key_Return); // Enter presses Edit
    keepScreenshot(w, u"inventory.png"_s);

    // Two sold at the counter while the manager counts 7 on the shelf
    // where 2 were shown: the 5 more are added to what is left.
    s.exec(u"UPDATE tblInventory SET Quantity = Quantity - 2 WHERE InventoryID = 2"_s);
    fill(w, u"Red licorice"_s, u"1.5"_s, u"7"_s);
    clickOn(*w.cmdSave);
    QCOMPARE(item(s, 2), u"Red licorice,15000,5,0"_s);
    // After an edit, Edit and Delete wait for a row to be clicked again.
    QCOMPARE(enabled(w), QStringList({"cmdAdd*", "fg1"}));

    // An edit left open by the toolbar is found open on the next visit.
    clickRow(*w.fg1, 1);
    toolbar(w, u"Edit"_s);
    toolbar(w, u"Return"_s);
    s.windows().invent().show();
    QCOMPARE(enabled(w), QStringList({"cmdSave*", "cmdClear", "txtIName"}));
    // The row shows the price as every row does, not as typed.
    typeInto(*w.txtPrice, u"$2.50"_s);
    clickOn(*w.cmdSave);
    QCOMPARE(item(s, 1), u"Popcorn,25000,5,0"_s);
    QCOMPARE(gridLines(*w.fg1).at(1), u"1|Popcorn|2.50|5"_s);

    // Delete asks by name and reports by number.
    clickRow(*w.fg1, 3);
    s.ws().answer(Answer::No);
    clickOn(*w.cmdDelete);
    QCOMPARE(s.ws().last().prompt, u"Are you sure you want to entirely delete \r\n the inventory item 'Cola'?"_s);
    QCOMPARE(item(s, 4), u"Cola,10000,12,0"_s);

    s.ws().answer(Answer::Yes);
    clickOn(*w.cmdDelete);
    QVERIFY(s.ws().last().prompt.startsWith(u"4 has been marked as deleted."_s));
    QCOMPARE(item(s, 4), u"Cola,10000,12,1"_s);
    QCOMPARE(w.fg1->rows(), 3);
}

void tst_frmInvent::refusedFieldsKeepTheEditOpen()
{
    TestStore s;
    frmInvent &w = open(s);
    const struct { QString name, price, quantity, message; } cases[] = {
        {u" "_s, u"1"_s, u"1"_s, u"Type the item's name in the Item Name box."_s},
        {u"Gum"_s, u"two"_s, u"1"_s, u"\"two\" is not a valid price"_s},
        {u"Gum"_s, u"1"_s, u"2.5"_s, u"\"2.5\" is not a valid quantity on hand"_s},
        {u"Gum"_s, u"1"_s, u"-3"_s, u"\"-3\" is not a valid quantity on hand"_s}};
    // An edit checks its fields as an addition does.
    for (const auto &c : cases) {
        clickRow(*w.fg1, 1);
        clickOn(*w.cmdEdit);
        fill(w, c.name, c.price, c.quantity);
        clickOn(*w.cmdSave);
        QVERIFY2(s.ws().last().prompt.startsWith(c.message), qPrintable(s.ws().last().prompt));
        QVERIFY(w.cmdSave->isEnabled());
        QCOMPARE(item(s, 1), u"Popcorn,25000,5,0"_s);
        clickOn(*w.cmdClear);
    }
}

QTEST_MAIN(tst_frmInvent)
#include "tst_frmInvent.moc"
