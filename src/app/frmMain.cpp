#include "frmMain.h"

#include "app/WindowRegistry.h"
#include "app/frmSecur.h"
#include "circulation/frmHolds.h"
#include "circulation/frmTapesOut.h"
#include "counter/frmCheckout.h"
#include "data/Language.h"
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
    setWindowTitle(tr("Main Menu"));
    buildMenus();
    buildToolbar();
    buildButtons();
    WindowPlace::keep(*this);
}

namespace {

// The toolbar's keys, which are also its captions, translated where shown.
const char *const ToolbarKeys[] = {QT_TRANSLATE_NOOP("frmMain", "Videos"),   QT_TRANSLATE_NOOP("frmMain", "Inventory"),
                                   QT_TRANSLATE_NOOP("frmMain", "Checkout"), QT_TRANSLATE_NOOP("frmMain", "Return"),
                                   QT_TRANSLATE_NOOP("frmMain", "Payment"),  QT_TRANSLATE_NOOP("frmMain", "Movies"),
                                   QT_TRANSLATE_NOOP("frmMain", "Sales"),    QT_TRANSLATE_NOOP("frmMain", "Customer"),
                                   QT_TRANSLATE_NOOP("frmMain", "Remove")};

} // namespace

const QStringList &frmMain::toolbarKeys()
{
    static const QStringList keys = [] {
        QStringList out;
        for (const char *key : ToolbarKeys)
            out << QString::fromLatin1(key);
        return out;
    }();
    return keys;
}

QAction *frmMain::toolbarAction(const QString &key) const
{
    return Toolbar1->findChild<QAction *>(QStringLiteral("Toolbar1_") + key);
}

void frmMain::buildMenus()
{
    auto item = [this](QMenu *menu, QAction *&action, const char *name, const QString &caption,
                       void (frmMain::*open)()) {
        action = menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, open);
    };
    auto menu = [this](QMenu *&m, const char *name, const QString &caption) {
        m = menuBar()->addMenu(caption);
        m->setObjectName(QString::fromLatin1(name));
    };

    // Alt letters: the menus' differ from the buttons', each item's from the
    // rest of its menu.
    menu(mnuMStock, "mnuMStock", tr("Stoc&k Management"));
    item(mnuMStock, mnuVid, "mnuVid", tr("&Videos"), &frmMain::OpenVideoManagement);
    item(mnuMStock, mnuInv, "mnuInv", tr("&Inventory"), &frmMain::OpenInventory);
    menu(mnuMRent, "mnuMRent", tr("Ren&tals"));
    item(mnuMRent, mnuCheck, "mnuCheck", tr("&Checkout"), &frmMain::OpenCheckout);
    item(mnuMRent, mnuRetVid, "mnuRetVid", tr("&Return"), &frmMain::OpenReturns);
    item(mnuMRent, mnuPay, "mnuPay", tr("Late &Payment"), &frmMain::OpenPayments);
    mnuMRent->addSeparator();
    item(mnuMRent, mnuTapesOut, "mnuTapesOut", tr("&Tapes Out"), &frmMain::OpenTapesOut);
    item(mnuMRent, mnuHolds, "mnuHolds", tr("&Holds"), &frmMain::OpenHolds);
    menu(mnuMRep, "mnuMRep", tr("Rep&orts"));
    item(mnuMRep, mnuMov, "mnuMov", tr("List all &Movies"), &frmMain::OpenAllMovies);
    item(mnuMRep, mnuSel, "mnuSel", tr("List &selected type"), &frmMain::OpenMoviesByType);
    item(mnuMRep, mnuCustR, "mnuCustR", tr("&Customer list"), &frmMain::OpenCustomerList);
    item(mnuMRep, mnuCDate, "mnuCDate", tr("Customer by &Date"), &frmMain::OpenCustomersByDate);
    item(mnuMRep, mnuAllSales, "mnuAllSales", tr("Sales &all"), &frmMain::OpenAllSales);
    item(mnuMRep, mnuRentRep, "mnuRentRep", tr("&Rental Revenue"), &frmMain::OpenRentalRevenue);
    mnuMRep->addSeparator();
    item(mnuMRep, mnuDayEnd, "mnuDayEnd", tr("Day &End"), &frmMain::OpenDayEnd);
    item(mnuMRep, mnuTaxes, "mnuTaxes", tr("Ta&xes"), &frmMain::OpenTaxes);
    item(mnuMRep, mnuCashUp, "mnuCashUp", tr("Cash &Up"), &frmMain::OpenCashUp);
    menu(MnuMCust, "MnuMCust", tr("C&ustomers"));
    item(MnuMCust, mnuAddC, "mnuAddC", tr("&Add"), &frmMain::OpenAddCustomer);
    item(MnuMCust, mnuModC, "mnuModC", tr("&Modify"), &frmMain::OpenModifyCustomer);
    item(MnuMCust, mnuDelC, "mnuDelC", tr("&Delete"), &frmMain::OpenDeleteCustomer);
    menu(mnuMManager, "mnuMManager", tr("Mana&ger"));
    item(mnuMManager, mnuCode, "mnuCode", tr("Change manager &code..."), &frmMain::OpenManagerCode);
    item(mnuMManager, mnuPrices, "mnuPrices", tr("&Prices and taxes..."), &frmMain::OpenPrices);
    item(mnuMManager, mnuStoreDetails, "mnuStoreDetails", tr("&Store details..."), &frmMain::OpenStoreDetails);

    mnuMManager->addSeparator();
    mnuLanguage = mnuMManager->addAction(tr("&Language: %1").arg(Language::name(Language::program())));
    mnuLanguage->setObjectName(QStringLiteral("mnuLanguage"));
    connect(mnuLanguage, &QAction::triggered, this, &frmMain::mnuLanguage_Click);

    mnuExit = menuBar()->addAction(tr("E&xit"));
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
        QAction *action = Toolbar1->addAction(QIcon(Pictures::toolbarPicture(key)), tr(key.toLatin1().constData()));
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

    auto button = [&](QPushButton *&b, const char *name, const QString &caption, int row, int column,
                      void (frmMain::*open)()) {
        b = new QPushButton(caption, central);
        b->setObjectName(QString::fromLatin1(name));
        b->setMinimumSize(150, 40);
        // Enter presses the button that has the focus; each has an Alt key.
        b->setAutoDefault(true);
        grid->addWidget(b, row, column);
        connect(b, &QPushButton::clicked, this, open);
    };
    // Stock and counter stand under the logo; the two report columns and the
    // customer column start at the top.
    button(cmdVidMn, "cmdVidMn", tr("&Video Management"), 1, 0, &frmMain::OpenVideoManagement);
    button(cmdInvnt, "cmdInvnt", tr("&Inventory"), 2, 0, &frmMain::OpenInventory);
    button(cmdCheckout, "cmdCheckout", tr("&Checkout"), 1, 1, &frmMain::OpenCheckout);
    button(cmdReturns, "cmdReturns", tr("&Returns"), 2, 1, &frmMain::OpenReturns);
    button(cmdPayments, "cmdPayments", tr("&Payments"), 3, 1, &frmMain::OpenPayments);
    button(cmdLstAllMov, "cmdLstAllMov", tr("List All &Movies"), 0, 2, &frmMain::OpenAllMovies);
    button(cmdListSelMov, "cmdListSelMov", tr("List &selected Movies"), 1, 2, &frmMain::OpenMoviesByType);
    button(cmdCustLst, "cmdCustLst", tr("Customer &List"), 2, 2, &frmMain::OpenCustomerList);
    button(cmdCustDate, "cmdCustDate", tr("Customer &by Date"), 0, 3, &frmMain::OpenCustomersByDate);
    button(cmdAllSales, "cmdAllSales", tr("List All Sal&es"), 1, 3, &frmMain::OpenAllSales);
    button(cmdSalesDate, "cmdSalesDate", tr("Re&ntal Revenue"), 2, 3, &frmMain::OpenRentalRevenue);
    button(cmdAddCust, "cmdAddCust", tr("&Add Customer"), 0, 4, &frmMain::OpenAddCustomer);
    button(cmdModCust, "cmdModCust", tr("Modi&fy Customer"), 1, 4, &frmMain::OpenModifyCustomer);
    button(cmdDelCust, "cmdDelCust", tr("&Delete Customer"), 2, 4, &frmMain::OpenDeleteCustomer);
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
        if (m_windows.ws().msgBox(tr("Select a genre?"), Buttons::YesNo, Icon::Question, tr("Movie reports"))
            == Answer::Yes)
            OpenMoviesByType();
        else
            OpenAllMovies();
    } else if (key == QLatin1String("Sales")) {
        OpenAllSales();
    } else if (key == QLatin1String("Customer")) {
        if (m_windows.ws().msgBox(tr("New customer?"), Buttons::YesNo, Icon::Question,
                                  tr("New customer or modify existing"))
            == Answer::Yes)
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

void frmMain::mnuLanguage_Click()
{
    m_windows.ws().msgBox(
        tr("Video Store is in %1.").arg(Language::name(Language::program())) + QStringLiteral("\r\n\r\n")
            + tr("It starts in the system's language (French when LANG is fr_CA.UTF-8), or in the one its command "
                 "line gives: videostore --language fr, or videostore --language en.")
            + QStringLiteral("\r\n\r\n")
            + tr("Receipts and letters are printed in the language chosen in Manager, \"Store details...\"."),
        Buttons::Ok, Icon::Information, tr("Language"));
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
