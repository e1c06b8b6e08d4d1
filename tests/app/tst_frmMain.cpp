#include "TestSupport.h"

#include "app/frmMain.h"
#include "app/frmSecur.h"
#include "counter/frmCheckout.h"
#include "ui/Form.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>

#include <functional>

namespace {

QList<QWidget *> shownWindows()
{
    QList<QWidget *> shown;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible())
            shown << w;
    return shown;
}

// Every window hidden, no boxes recorded, the main menu alone on screen.
frmMain &freshMenu(TestStore &store)
{
    for (QWidget *w : shownWindows())
        w->hide();
    store.ws().clear();
    store.windows().main().show();
    return store.windows().main();
}

QWidget *directWindow(TestStore &store, const QString &which)
{
    if (which == QLatin1String("checkout"))
        return &store.windows().checkout();
    if (which == QLatin1String("returns"))
        return &store.windows().returns();
    if (which == QLatin1String("payment"))
        return &store.windows().payment();
    return &store.windows().addCustomer();
}

void clickTool(frmMain &menu, const QString &key)
{
    auto *tool = qobject_cast<QToolButton *>(menu.Toolbar1->widgetForAction(menu.toolbarAction(key)));
    QVERIFY2(tool, qPrintable(key));
    clickOn(*tool);
}

} // namespace

class tst_frmMain : public QObject
{
    Q_OBJECT

private slots:
    void buttonsInTabOrder()
    {
        TestStore store;
        frmMain &menu = freshMenu(store);
        QVERIFY(QTest::qWaitForWindowActive(&menu));
        QCOMPARE(menu.windowTitle(), QStringLiteral("Main Menu"));
        QCOMPARE(menu.Image1->pixmap().size(), QSize(150, 50));
        QCOMPARE(menu.Image1->size(), QSize(150, 50));

        const QList<std::pair<const char *, const char *>> buttons = {
            {"cmdVidMn", "Video Management"}, {"cmdInvnt", "Inventory"},
            {"cmdCheckout", "Checkout"},      {"cmdReturns", "Returns"},
            {"cmdPayments", "Payments"},      {"cmdLstAllMov", "List All Movies"},
            {"cmdListSelMov", "List selected Movies"}, {"cmdCustLst", "Customer List"},
            {"cmdCustDate", "Customer by Date"}, {"cmdAllSales", "List All Sales"},
            {"cmdSalesDate", "Rental Revenue"}, {"cmdAddCust", "Add Customer"},
            {"cmdModCust", "Modify Customer"}, {"cmdDelCust", "Delete Customer"}};
        QPushButton *previous = nullptr;
        for (const auto &[name, caption] : buttons) {
            QPushButton *button = child<QPushButton>(menu, name);
            QCOMPARE(button->text(), QString::fromLatin1(caption));
            QVERIFY2(button->isVisible(), name);
            if (previous)
                QTest::keyClick(previous, Qt::Key_Tab);
            else
                button->setFocus();
            QCOMPARE(QApplication::focusWidget(), button);
            previous = button;
        }
    }

    void menus()
    {
        TestStore store;
        frmMain &menu = store.windows().main();
        // Each line: the menu, then its items, as name=caption.
        const QList<QStringList> expected = {
            {"mnuMStock=Stock Management", "mnuVid=Videos", "mnuInv=Inventory"},
            {"mnuMRent=Rentals", "mnuCheck=Checkout", "mnuRetVid=Return", "mnuPay=Late Payment"},
            {"mnuMRep=Reports", "mnuMov=List all Movies", "mnuSel=List selected type", "mnuCustR=Customer list",
             "mnuCDate=Customer by Date", "mnuAllSales=Sales all", "mnuRentRep=Rental Revenue"},
            {"MnuMCust=Customers", "mnuAddC=Add", "mnuModC=Modify", "mnuDelC=Delete"},
            {"mnuExit=Exit"}};
        QList<QStringList> actual;
        for (QAction *top : menu.menuBar()->actions()) {
            QMenu *m = top->menu();
            QStringList line = {(m ? m->objectName() : top->objectName()) + u'=' + top->text()};
            for (QAction *item : m ? m->actions() : QList<QAction *>())
                line << item->objectName() + u'=' + item->text();
            actual << line;
        }
        QCOMPARE(actual, expected);
    }

    void toolbarPictures()
    {
        TestStore store;
        frmMain &menu = store.windows().main();
        const QStringList keys = {"Videos", "Inventory", "Checkout", "Return", "Payment",
                                  "Movies", "Sales",     "Customer", "Remove"};
        QCOMPARE(menu.Toolbar1->actions().size(), keys.size());
        QList<QImage> seen;
        for (qsizetype i = 0; i < keys.size(); ++i) {
            QAction *action = menu.toolbarAction(keys[i]);
            QCOMPARE(menu.Toolbar1->actions().value(i), action);
            QVERIFY2(!action->icon().isNull(), qPrintable(keys[i]));
            const QImage image = action->icon().pixmap(QSize(32, 32)).toImage();
            QCOMPARE(image.size(), QSize(32, 32));
            bool drawn = false;
            for (int p = 0; p < 32 * 32 && !drawn; ++p)
                drawn = qAlpha(image.pixel(p % 32, p / 32)) > 0;
            QVERIFY2(drawn, qPrintable(keys[i] + " is blank"));
            QVERIFY2(!seen.contains(image), qPrintable(keys[i] + " looks like another button"));
            seen << image;
        }
    }

    void open_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("menuItem");
        QTest::addColumn<QString>("toolbarKey");
        QTest::addColumn<int>("destination"); // 0: opened without the gate
        QTest::addColumn<QString>("window");
        QTest::newRow("video management") << "cmdVidMn" << "mnuVid" << "Videos" << 1 << "";
        QTest::newRow("inventory") << "cmdInvnt" << "mnuInv" << "Inventory" << 2 << "";
        QTest::newRow("modify customer") << "cmdModCust" << "mnuModC" << "" << 3 << "";
        QTest::newRow("delete customer") << "cmdDelCust" << "mnuDelC" << "Remove" << 4 << "";
        QTest::newRow("all movies") << "cmdLstAllMov" << "mnuMov" << "" << 5 << "";
        QTest::newRow("movies by type") << "cmdListSelMov" << "mnuSel" << "" << 6 << "";
        QTest::newRow("customer list") << "cmdCustLst" << "mnuCustR" << "" << 7 << "";
        QTest::newRow("customers by date") << "cmdCustDate" << "mnuCDate" << "" << 8 << "";
        QTest::newRow("all sales") << "cmdAllSales" << "mnuAllSales" << "Sales" << 9 << "";
        QTest::newRow("rental revenue") << "cmdSalesDate" << "mnuRentRep" << "" << 10 << "";
        QTest::newRow("checkout") << "cmdCheckout" << "mnuCheck" << "Checkout" << 0 << "checkout";
        QTest::newRow("returns") << "cmdReturns" << "mnuRetVid" << "Return" << 0 << "returns";
        QTest::newRow("payments") << "cmdPayments" << "mnuPay" << "Payment" << 0 << "payment";
        QTest::newRow("add customer") << "cmdAddCust" << "mnuAddC" << "" << 0 << "add";
    }
    void open()
    {
        QFETCH(QString, button);
        QFETCH(QString, menuItem);
        QFETCH(QString, toolbarKey);
        QFETCH(int, destination);
        QFETCH(QString, window);
        TestStore store;
        frmMain &menu = store.windows().main();
        QList<std::pair<const char *, std::function<void()>>> ways = {
            {"button", [&] { clickOn(*child<QPushButton>(menu, qPrintable(button))); }},
            {"menu", [&] { child<QAction>(menu, qPrintable(menuItem))->trigger(); }}};
        if (!toolbarKey.isEmpty())
            ways.append({"toolbar", [&] { clickTool(menu, toolbarKey); }});

        for (const auto &[way, act] : ways) {
            freshMenu(store);
            act();
            QWidget *expected = destination ? &store.windows().secur() : directWindow(store, window);
            QCOMPARE(shownWindows(), QList<QWidget *>{expected}); // the main menu is hidden
            QVERIFY2(store.ws().boxes().isEmpty(), way);
            if (destination)
                QCOMPARE(store.windows().secur().destination, destination);
        }
    }

    void toolbarQuestion_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<int>("destination"); // 0: adding a customer, no gate
        QTest::newRow("movies, pick a genre") << "Movies" << "Select a genre?" << true << 6;
        QTest::newRow("movies, all of them") << "Movies" << "Select a genre?" << false << 5;
        QTest::newRow("customer, a new one") << "Customer" << "New customer?" << true << 0;
        QTest::newRow("customer, an existing one") << "Customer" << "New customer?" << false << 3;
    }
    void toolbarQuestion()
    {
        QFETCH(QString, key);
        QFETCH(QString, prompt);
        QFETCH(bool, yes);
        QFETCH(int, destination);
        TestStore store;
        frmMain &menu = freshMenu(store);
        store.ws().answer(yes ? Answer::Yes : Answer::No);
        clickTool(menu, key);

        QCOMPARE(store.ws().prompts(), QStringList{prompt});
        QCOMPARE(store.ws().last().buttons, Buttons::YesNo);
        QCOMPARE(store.ws().last().icon, Icon::Question);
        if (key == QLatin1String("Customer"))
            QCOMPARE(store.ws().last().title, QStringLiteral("New customer or modify existing"));
        QWidget *expected = destination ? static_cast<QWidget *>(&store.windows().secur())
                                        : &store.windows().addCustomer();
        QCOMPARE(shownWindows(), QList<QWidget *>{expected});
        if (destination)
            QCOMPARE(store.windows().secur().destination, destination);
    }

    void exitHidesEverything_data()
    {
        QTest::addColumn<bool>("byMenu");
        QTest::newRow("Exit menu") << true;
        QTest::newRow("close box") << false;
    }
    void exitHidesEverything()
    {
        QFETCH(bool, byMenu);
        TestStore store;
        frmMain &menu = freshMenu(store);
        store.windows().returns().show(); // windows left open elsewhere go too
        store.windows().showReport(Report::AllSales);
        QCOMPARE(shownWindows().size(), 3);
        if (byMenu)
            menu.mnuExit->trigger();
        else
            menu.close();
        QVERIFY(store.quitCalled());
        QVERIFY(store.ws().boxes().isEmpty());
        QCOMPARE(shownWindows(), QList<QWidget *>());
    }

    void taskCloseBoxReturns_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("window");
        QTest::newRow("checkout") << "cmdCheckout" << "checkout";
        QTest::newRow("returns") << "cmdReturns" << "returns";
        QTest::newRow("payments") << "cmdPayments" << "payment";
        QTest::newRow("add customer") << "cmdAddCust" << "add";
    }
    void taskCloseBoxReturns()
    {
        QFETCH(QString, button);
        QFETCH(QString, window);
        TestStore store;
        frmMain &menu = freshMenu(store);
        clickOn(*child<QPushButton>(menu, qPrintable(button)));
        QWidget *task = directWindow(store, window);
        QVERIFY(task->isVisible());
        task->close();
        QCOMPARE(shownWindows(), QList<QWidget *>{&menu});
        QVERIFY(!store.quitCalled());
    }

    void screenshot()
    {
        TestStore store;
        frmMain &menu = freshMenu(store);
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        const QPixmap shot = menu.grab();
        QCOMPARE(shot.deviceIndependentSize().toSize(), menu.size());
        const QString folder = qEnvironmentVariable("VIDEOSTORE_SCREENSHOTS");
        if (!folder.isEmpty() && QDir().mkpath(folder))
            shot.save(QDir(folder).filePath(QStringLiteral("frmMain.png")));
    }
};

QTEST_MAIN(tst_frmMain)
#include "tst_frmMain.moc"
