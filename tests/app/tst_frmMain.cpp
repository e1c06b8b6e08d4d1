#include "TestSupport.h"

#include "app/frmMain.h"
#include "app/frmSecur.h"
#include "data/Language.h"
#include "reports/frmCashUp.h"
#include "reports/frmCustomersByDate.h"
#include "reports/frmDayEnd.h"
#include "reports/frmMovieByType.h"
#include "returns/frmPayment.h"
#include "returns/frmReturn.h"
#include "stock/frmInvent.h"
#include "stock/frmPrices.h"
#include "stock/frmVidMn.h"
#include "ui/FlexGrid.h"
#include "ui/MemberChooser.h"

#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

namespace {

// Every task the main menu opens, in tab order: its button, the menu item and
// toolbar key that do the same, and the gate destination or the window it opens.
struct Task { const char *button, *menuItem, *toolbarKey; int destination; const char *window; };
const Task tasks[] = {
    {"cmdVidMn", "Videos", "Videos", 1, "frmSecur"},
    {"cmdInvnt", "Inventory", "Inventory", 2, "frmSecur"},
    {"cmdCheckout", "Checkout", "Checkout", 0, "frmCheckout"},
    {"cmdReturns", "Return", "Return", 0, "frmReturn"},
    {"cmdPayments", "Late Payment", "Payment", 0, "frmPayment"},
    {"cmdLstAllMov", "List all Movies", nullptr, 5, "frmSecur"},
    {"cmdListSelMov", "List selected type", nullptr, 6, "frmSecur"},
    {"cmdCustLst", "Customer list", nullptr, 7, "frmSecur"},
    {"cmdCustDate", "Customer by Date", nullptr, 8, "frmSecur"},
    {"cmdAllSales", "Sales all", "Sales", 9, "frmSecur"},
    {"cmdSalesDate", "Rental Revenue", nullptr, 10, "frmSecur"},
    {"cmdAddCust", "Add", nullptr, 0, "frmadd"},
    {"cmdModCust", "Modify", nullptr, 3, "frmSecur"},
    {"cmdDelCust", "Delete", "Remove", 4, "frmSecur"}};

// Every window hidden, no boxes recorded, the main menu alone on screen.
frmMain &freshMenu(TestStore &store)
{
    for (QWidget *w : QApplication::topLevelWidgets())
        w->hide();
    store.ws().clear();
    store.windows().main().show();
    return store.windows().main();
}

void chooseFromMenu(frmMain &menu, const QString &caption)
{
    for (QAction *top : menu.menuBar()->actions())
        for (QAction *item : top->menu() ? top->menu()->actions() : QList<QAction *>{top})
            if (QString(item->text()).remove(u'&') == caption)
                return item->trigger();
    QFAIL(qPrintable(QStringLiteral("no menu item ") + caption));
}

// Two captions of `window` itself (not of the dialogs it owns) that take
// one Alt key, or nothing.
QString altClash(QWidget &window)
{
    QStringList captions;
    for (QWidget *w : window.findChildren<QWidget *>()) {
        if (w->window() != &window)
            continue;
        if (auto *b = qobject_cast<QAbstractButton *>(w))
            captions << b->text();
        else if (auto *l = qobject_cast<QLabel *>(w); l && l->buddy())
            captions << l->text();
        else if (auto *tabs = qobject_cast<QTabBar *>(w))
            for (int i = 0; i < tabs->count(); ++i)
                captions << tabs->tabText(i);
    }
    if (auto *main = qobject_cast<QMainWindow *>(&window))
        for (QAction *menu : main->menuBar()->actions())
            captions << menu->text();
    QHash<QKeySequence, QString> taken;
    for (const QString &caption : std::as_const(captions)) {
        const QKeySequence key = QKeySequence::mnemonic(caption);
        if (!key.isEmpty() && taken.contains(key))
            return QStringLiteral("%1: %2 and %3").arg(window.objectName(), taken.value(key), caption);
        taken.insert(key, caption);
    }
    return {};
}

// The first grid heading of `window` that its column is too narrow to show whole.
QString cutHeading(QWidget &window)
{
    for (const FlexGrid *grid : window.findChildren<FlexGrid *>())
        for (int c = 0; c < grid->cols(); ++c)
            if (grid->fontMetrics().horizontalAdvance(grid->text(0, c))
                    + 2 * (grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1)
                > grid->columnWidth(c))
                return grid->objectName() + QStringLiteral(": ") + grid->text(0, c);
    return {};
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
    // The buttons in tab order.
    void tabOrder()
    {
        TestStore store;
        frmMain &menu = freshMenu(store);
        QVERIFY(QTest::qWaitForWindowActive(&menu));
        child<QPushButton>(menu, tasks[0].button)->setFocus();
        for (const Task &task : tasks) {
            QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(task.button));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        keepScreenshot(menu, QStringLiteral("frmMain.png"));
    }

    void open_data()
    {
        QTest::addColumn<int>("task");
        for (int i = 0; i < int(std::size(tasks)); ++i)
            QTest::newRow(tasks[i].button) << i;
    }
    void open()
    {
        QFETCH(int, task);
        const Task &t = tasks[task];
        TestStore store;
        frmMain &menu = store.windows().main();
        for (const char *way : {"button", "menu", "toolbar"}) {
            freshMenu(store);
            if (way[0] == 'b')
                clickOn(*child<QPushButton>(menu, t.button));
            else if (way[0] == 'm')
                chooseFromMenu(menu, QString::fromLatin1(t.menuItem));
            else if (t.toolbarKey)
                clickTool(menu, QString::fromLatin1(t.toolbarKey));
            else
                continue;
            QCOMPARE(shownWindows(), QStringList{t.window}); // the main menu is hidden
            QCOMPARE(store.windows().secur().destination, t.destination);
        }
    }

    // Every window but the counter: Esc goes back as its Return does, with
    // the one question where there is one; the menu's buttons take Enter
    // and Alt keys. In every window and the dialogs it owns, no two controls
    // share an Alt letter and Tab passes by the boxes nobody types in; the
    // menus have Alt letters too.
    void escIsReturnAndTheKeyboardIsSureEverywhere()
    {
        TestStore store;
        WindowRegistry &w = store.windows();
        const QString sure = QStringLiteral("Are you sure you want to return to the main menu?");
        const struct { QWidget *window; bool asks; } cases[] = {
            {&w.returns(), true}, {&w.secur(), true},         {&w.payment(), false}, {&w.addCustomer(), false},
            {&w.modify(), false}, {&w.deleteCustomer(), false}, {&w.vidMn(), false},  {&w.invent(), false},
            {&w.cashUp(), false}, {&w.prices(), false},       {&w.dayEnd(), false},  {&w.customersByDate(), false},
            {&w.movieByType(), false}};
        // Every window made, the dialogs each owns among them.
        (void)w.main(), (void)w.checkout(), (void)w.taxes(), (void)w.storeDetails(), (void)w.tapesOut(), (void)w.holds();
        for (QWidget *window : QApplication::topLevelWidgets()) {
            QCOMPARE(altClash(*window), QString());
            for (const QLineEdit *box : window->findChildren<QLineEdit *>())
                QVERIFY2(!box->isReadOnly() || !(box->focusPolicy() & Qt::TabFocus), qPrintable(box->objectName()));
        }
        for (QAction *menu : w.main().menuBar()->actions())
            QVERIFY2(!QKeySequence::mnemonic(menu->text()).isEmpty(), qPrintable(menu->text()));
        for (const auto &c : cases) {
            freshMenu(store).hide();
            c.window->show();
            c.window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(c.window));
            if (c.asks)
                store.ws().answer(Answer::Yes);
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : c.window, Qt::Key_Escape);
            QVERIFY2(shownWindows().contains(QStringLiteral("frmMain")), qPrintable(c.window->objectName()));
            QCOMPARE(store.ws().prompts(), c.asks ? QStringList{sure} : QStringList());
        }

        const struct { const char *button; Qt::Key key; Qt::KeyboardModifiers modifiers; const char *window; } keys[] = {
            {"cmdReturns", Qt::Key_Return, Qt::NoModifier, "frmReturn"},
            {"cmdVidMn", Qt::Key_P, Qt::AltModifier, "frmPayment"},
            {"cmdVidMn", Qt::Key_A, Qt::AltModifier, "frmadd"},
        };
        for (const auto &k : keys) {
            frmMain &menu = freshMenu(store);
            menu.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&menu));
            child<QPushButton>(menu, k.button)->setFocus();
            QTest::keyClick(QApplication::focusWidget(), k.key, k.modifiers);
            QTRY_COMPARE(shownWindows(), QStringList{QString::fromLatin1(k.window)}); // an Alt key clicks a moment later
        }
    }

    void toolbarQuestion()
    {
        const struct { const char *key, *prompt; bool yes; int destination; } cases[] = {
            {"Movies", "Select a genre?", true, 6},
            {"Movies", "Select a genre?", false, 5},
            {"Customer", "New customer?", true, 0}, // no gate to add one
            {"Customer", "New customer?", false, 3}};
        for (const auto &c : cases) {
            TestStore store;
            frmMain &menu = freshMenu(store);
            store.ws().answer(c.yes ? Answer::Yes : Answer::No);
            clickTool(menu, QString::fromLatin1(c.key));
            QCOMPARE(store.ws().prompts(), QStringList{c.prompt});
            QCOMPARE(shownWindows(), QStringList{c.destination ? "frmSecur" : "frmadd"});
            QCOMPARE(store.windows().secur().destination, c.destination);
        }
    }

    void exitHidesEverything()
    {
        for (const bool byMenu : {true, false}) {
            TestStore store;
            frmMain &menu = freshMenu(store);
            store.windows().returns().show(); // windows left open elsewhere go too
            store.windows().showReport(Report::AllSales);
            if (byMenu)
                chooseFromMenu(menu, QStringLiteral("Exit"));
            else
                menu.close();
            QVERIFY(store.quitCalled());
            QVERIFY(store.ws().boxes().isEmpty());
            QCOMPARE(shownWindows(), QStringList());
        }
    }

    // Started in French: the menu, amounts and Qt's own buttons are French,
    // and the Manager menu says which language is in use.
    void inFrench()
    {
        struct BackInEnglish
        {
            ~BackInEnglish() { Language::setProgram(Language::English); }
        } back;
        Language::setProgram(Language::French);
        Language::install();
        TestStore store;
        frmMain &menu = store.windows().main();
        QCOMPARE(menu.mnuMManager->title(), QStringLiteral("Géran&t"));
        QCOMPARE(menu.cmdCheckout->text(), QStringLiteral("&Caisse"));
        QCOMPARE(menu.mnuLanguage->text(), QStringLiteral("&Langue\u00a0: français"));
        WindowRegistry &w = store.windows();
        (void)w.checkout(), (void)w.returns(), (void)w.payment(), (void)w.addCustomer(), (void)w.modify(),
            (void)w.deleteCustomer(), (void)w.vidMn(), (void)w.invent(), (void)w.cashUp(), (void)w.prices(),
            (void)w.dayEnd(), (void)w.customersByDate(), (void)w.movieByType(), (void)w.taxes(),
            (void)w.storeDetails(), (void)w.tapesOut(), (void)w.holds(), (void)w.vidMn().saleDialog(),
            (void)w.vidMn().rangeDialog();
        for (QWidget *window : QApplication::topLevelWidgets()) {
            QCOMPARE(altClash(*window), QString());
            QCOMPARE(cutHeading(*window), QString());
        }
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Oui"));
        MemberRow owing, other;
        owing.number = 1;
        owing.feesOwing = Money::fromCents(123456);
        other.number = 2;
        QString fees;
        store.ws().dialog([&](QDialog &chooser) { fees = child<FlexGrid>(chooser, "fgMembers")->text(1, 3); });
        store.windows().memberChooser().choose(store.ws(), {owing, other});
        QCOMPARE(fees, QStringLiteral("1\u00a0234,56\u00a0$"));
    }
};

QTEST_MAIN(tst_frmMain)
#include "tst_frmMain.moc"
