#include "frmMain.h"

#include "app/WindowRegistry.h"
#include "app/frmSecur.h"
#include "circulation/frmHolds.h"
#include "circulation/frmTapesOut.h"
#include "counter/frmCheckout.h"
#include "returns/frmPayment.h"
#include "returns/frmReturn.h"
#include "ui/Form.h"
#include "ui/Pictures.h"
#include "ui/WindowPlace.h"
#include "ui/WindowSystem.h"

#include <QAction>
#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolBar>

frmMain::frmMain(WindowRegistry &windows)
    : m_windows(windows)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Main Menu"));
    buildMenus();
    buildToolbar();
    buildButtons();
    WindowPlace::keep(*this);
}

const QStringList &frmMain::toolbarKeys()
{
    static const QStringList keys = {
        QStringLiteral("Videos"), QStringLiteral("Inventory"), QStringLiteral("Checkout"),
        QStringLiteral("Return"), QStringLiteral("Payment"),   QStringLiteral("Movies"),
        QStringLiteral("Sales"),  QStringLiteral("Customer"),  QStringLiteral("Remove")};
    return keys;
}

QAction *frmMain::toolbarAction(const QString &key) const
{
    return Toolbar1->findChild<QAction *>(QStringLiteral("Toolbar1_") + key);
}

void frmMain::buildMenus()
{
    auto item = [this](QMenu *menu, QAction *&action, const char *name, const char *caption,
                       void (frmMain::*open)()) {
        action = menu->addAction(QString::fromLatin1(caption));
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, open);
    };
    auto menu = [this](QMenu *&m, const char *name, const char *caption) {
        m = menuBar()->addMenu(QString::fromLatin1(caption));
        m->setObjectName(QString::fromLatin1(name));
    };

    // Alt letters: the menus' differ from the buttons', each item's from the
    // rest of its menu.
    menu(mnuMStock, "mnuMStock", "Stoc&k Management");
    item(mnuMStock, mnuVid, "mnuVid", "&Videos", &frmMain::OpenVideoManagement);
    item(mnuMStock, mnuInv, "mnuInv", "&Inventory", &frmMain::OpenInventory);
    menu(mnuMRent, "mnuMRent", "Ren&tals");
    item(mnuMRent, mnuCheck, "mnuCheck", "&Checkout", &frmMain::OpenCheckout);
    item(mnuMRent, mnuRetVid, "mnuRetVid", "&Return", &frmMain::OpenReturns);
    item(mnuMRent, mnuPay, "mnuPay", "Late &Payment", &frmMain::OpenPayments);
    mnuMRent->addSeparator();
    item(mnuMRent, mnuTapesOut, "mnuTapesOut", "&Tapes Out", &frmMain::OpenTapesOut);
    item(mnuMRent, mnuHolds, "mnuHolds", "&Holds", &frmMain::OpenHolds);
    menu(mnuMRep, "mnuMRep", "Rep&orts");
    item(mnuMRep, mnuMov, "mnuMov", "List all &Movies", &frmMain::OpenAllMovies);
    item(mnuMRep, mnuSel, "mnuSel", "List &selected type", &frmMain::OpenMoviesByType);
    item(mnuMRep, mnuCustR, "mnuCustR", "&Customer list", &frmMain::OpenCustomerList);
    item(mnuMRep, mnuCDate, "mnuCDate", "Customer by &Date", &frmMain::OpenCustomersByDate);
    item(mnuMRep, mnuAllSales, "mnuAllSales", "Sales &all", &frmMain::OpenAllSales);
    item(mnuMRep, mnuRentRep, "mnuRentRep", "&Rental Revenue", &frmMain::OpenRentalRevenue);
    mnuMRep->addSeparator();
    item(mnuMRep, mnuDayEnd, "mnuDayEnd", "Day &End", &frmMain::OpenDayEnd);
    item(mnuMRep, mnuTaxes, "mnuTaxes", "Ta&xes", &frmMain::OpenTaxes);
    item(mnuMRep, mnuCashUp, "mnuCashUp", "Cash &Up", &frmMain::OpenCashUp);
    menu(MnuMCust, "MnuMCust", "C&ustomers");
    item(MnuMCust, mnuAddC, "mnuAddC", "&Add", &frmMain::OpenAddCustomer);
    item(MnuMCust, mnuModC, "mnuModC", "&Modify", &frmMain::OpenModifyCustomer);
    item(MnuMCust, mnuDelC, "mnuDelC", "&Delete", &frmMain::OpenDeleteCustomer);
    menu(mnuMManager, "mnuMManager", "Mana&ger");
    item(mnuMManager, mnuCode, "mnuCode", "Change manager &code...", &frmMain::OpenManagerCode);
    item(mnuMManager, mnuPrices, "mnuPrices", "&Prices and taxes...", &frmMain::OpenPrices);
    item(mnuMManager, mnuStoreDetails, "mnuStoreDetails", "&Store details...", &frmMain::OpenStoreDetails);

    mnuExit = menuBar()->addAction(QStringLiteral("E&xit"));
    mnuExit->setObjectName(QStringLiteral("mnuExit"));
    connect(mnuExit, &QAction::triggered, this, &frmMain::mnuExit_Click);
}

void frmMain::buildToolbar()
{
    Toolbar1 = addToolBar(QStringLiteral("Toolbar1"));
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1->setMovable(false);
    Toolbar1->setFloatable(false);
    Toolbar1->setIconSize(QSize(32, 32));
    Toolbar1->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    Toolbar1->toggleViewAction()->setEnabled(false);
    for (const QString &key : toolbarKeys()) {
        QAction *action = Toolbar1->addAction(QIcon(Pictures::toolbarPicture(key)), key);
        action->setObjectName(QStringLiteral("Toolbar1_") + key);
        action->setData(key);
        connect(action, &QAction::triggered, this, [this, key] { Toolbar1_ButtonClick(key); });
    }
}

void frmMain::buildButtons()
{
    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("centralWidget"));
    auto *grid = new QGridLayout(central);
    grid->setContentsMargins(12, 12, 12, 12);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(10);

    Image1 = Pictures::makeImage1(central);
    grid->addWidget(Image1, 0, 0, 1, 2, Qt::AlignLeft | Qt::AlignTop);

    auto button = [&](QPushButton *&b, const char *name, const char *caption, int row, int column,
                      void (frmMain::*open)()) {
        b = new QPushButton(QString::fromLatin1(caption), central);
        b->setObjectName(QString::fromLatin1(name));
        b->setMinimumSize(150, 40);
        // Enter presses the button that has the focus; each has an Alt key.
        b->setAutoDefault(true);
        grid->addWidget(b, row, column);
        connect(b, &QPushButton::clicked, this, open);
    };
    // Stock and counter stand under the logo; the two report columns and the
    // customer column start at the top.
    button(cmdVidMn, "cmdVidMn", "&Video Management", 1, 0, &frmMain::OpenVideoManagement);
    button(cmdInvnt, "cmdInvnt", "&Inventory", 2, 0, &frmMain::OpenInventory);
    button(cmdCheckout, "cmdCheckout", "&Checkout", 1, 1, &frmMain::OpenCheckout);
    button(cmdReturns, "cmdReturns", "&Returns", 2, 1, &frmMain::OpenReturns);
    button(cmdPayments, "cmdPayments", "&Payments", 3, 1, &frmMain::OpenPayments);
    button(cmdLstAllMov, "cmdLstAllMov", "List All &Movies", 0, 2, &frmMain::OpenAllMovies);
    button(cmdListSelMov, "cmdListSelMov", "List &selected Movies", 1, 2, &frmMain::OpenMoviesByType);
    button(cmdCustLst, "cmdCustLst", "Customer &List", 2, 2, &frmMain::OpenCustomerList);
    button(cmdCustDate, "cmdCustDate", "Customer &by Date", 0, 3, &frmMain::OpenCustomersByDate);
    button(cmdAllSales, "cmdAllSales", "List All Sal&es", 1, 3, &frmMain::OpenAllSales);
    button(cmdSalesDate, "cmdSalesDate", "Re&ntal Revenue", 2, 3, &frmMain::OpenRentalRevenue);
    button(cmdAddCust, "cmdAddCust", "&Add Customer", 0, 4, &frmMain::OpenAddCustomer);
    button(cmdModCust, "cmdModCust", "Modi&fy Customer", 1, 4, &frmMain::OpenModifyCustomer);
    button(cmdDelCust, "cmdDelCust", "&Delete Customer", 2, 4, &frmMain::OpenDeleteCustomer);
    grid->setRowStretch(4, 1);

    const QList<QPushButton *> order = {cmdVidMn,    cmdInvnt,     cmdCheckout,  cmdReturns, cmdPayments,
                                        cmdLstAllMov, cmdListSelMov, cmdCustLst,  cmdCustDate, cmdAllSales,
                                        cmdSalesDate, cmdAddCust,   cmdModCust,   cmdDelCust};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    setCentralWidget(central);
}

void frmMain::Toolbar1_ButtonClick(const QString &key)
{
    if (key == QLatin1String("Videos")) {
        OpenVideoManagement();
    } else if (key == QLatin1String("Inventory")) {
        OpenInventory();
    } else if (key == QLatin1String("Checkout")) {
        OpenCheckout();
    } else if (key == QLatin1String("Return")) {
        OpenReturns();
    } else if (key == QLatin1String("Payment")) {
        OpenPayments();
    } else if (key == QLatin1String("Movies")) {
        if (m_windows.ws().msgBox(QStringLiteral("Select a genre?"), Buttons::YesNo, Icon::Question,
                                  QStringLiteral("Movie reports")) == Answer::Yes)
            OpenMoviesByType();
        else
            OpenAllMovies();
    } else if (key == QLatin1String("Sales")) {
        OpenAllSales();
    } else if (key == QLatin1String("Customer")) {
        if (m_windows.ws().msgBox(QStringLiteral("New customer?"), Buttons::YesNo, Icon::Question,
                                  QStringLiteral("New customer or modify existing")) == Answer::Yes)
            OpenAddCustomer();
        else
            OpenModifyCustomer();
    } else if (key == QLatin1String("Remove")) {
        OpenDeleteCustomer();
    }
}

void frmMain::openSecured(int destination)
{
    frmSecur &gate = m_windows.secur();
    gate.destination = destination;
    hide();
    gate.show();
}

void frmMain::OpenCheckout()
{
    m_windows.checkout().show();
    hide();
}

void frmMain::OpenReturns()
{
    m_windows.returns().show();
    hide();
}

void frmMain::OpenPayments()
{
    m_windows.payment().show();
    hide();
}

void frmMain::OpenTapesOut()
{
    m_windows.tapesOut().show();
    hide();
}

void frmMain::OpenHolds()
{
    m_windows.holds().show();
    hide();
}

void frmMain::OpenAddCustomer()
{
    hide();
    m_windows.addCustomer().show();
}

void frmMain::mnuExit_Click()
{
    if (m_openBill
        && m_windows.ws().msgBox(tr("A bill is open at the counter. Close the program and drop it?"), Buttons::YesNo,
                                 Icon::Question, tr("Exit"), Answer::No)
               != Answer::Yes)
        return;
    m_windows.exitProgram();
}

void frmMain::closeEvent(QCloseEvent *event)
{
    // Closing the main menu is leaving the program, as Exit is.
    event->ignore();
    mnuExit_Click();
}
