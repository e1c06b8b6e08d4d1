#pragma once

#include "data/Destination.h"

#include <QMainWindow>

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QToolBar;
class WindowRegistry;

// The main menu: every task of the store is reached from here. It reads and
// writes no data and keeps no state of its own.
class frmMain final : public QMainWindow
{
    Q_OBJECT

public:
    explicit frmMain(WindowRegistry &windows);
    Q_DISABLE_COPY_MOVE(frmMain)

    QToolBar *Toolbar1;
    QLabel *Image1;
    QPushButton *cmdVidMn, *cmdInvnt, *cmdCheckout, *cmdReturns, *cmdPayments, *cmdLstAllMov, *cmdListSelMov,
        *cmdCustLst, *cmdCustDate, *cmdAllSales, *cmdSalesDate, *cmdAddCust, *cmdModCust, *cmdDelCust;
    QMenu *mnuMStock, *mnuMRent, *mnuMRep, *MnuMCust, *mnuMManager;
    QAction *mnuVid, *mnuInv, *mnuCheck, *mnuRetVid, *mnuPay, *mnuMov, *mnuSel, *mnuCustR, *mnuCDate,
        *mnuAllSales, *mnuRentRep, *mnuAddC, *mnuModC, *mnuDelC, *mnuCode, *mnuPrices, *mnuStoreDetails, *mnuExit;
    // Shows the language in use, and says how to choose another.
    QAction *mnuLanguage;
    // What is out and who has it; holds on titles. No manager code: the
    // counter needs them.
    QAction *mnuTapesOut, *mnuHolds;
    // The day's money, behind the gate like every report.
    QAction *mnuDayEnd, *mnuTaxes, *mnuCashUp;

    // The toolbar's keys, left to right.
    static const QStringList &toolbarKeys();
    // The toolbar's button for `key`.
    QAction *toolbarAction(const QString &key) const;

    void Toolbar1_ButtonClick(const QString &key);
    // Told by the counter whether its bill has lines, so Exit asks first.
    void setOpenBill(bool open) { m_openBill = open; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void OpenVideoManagement() { openSecured(DestVideoManagement); }
    void OpenInventory() { openSecured(DestInventory); }
    void OpenModifyCustomer() { openSecured(DestModifyCustomer); }
    void OpenDeleteCustomer() { openSecured(DestDeleteCustomer); }
    void OpenAllMovies() { openSecured(DestAllMovies); }
    void OpenMoviesByType() { openSecured(DestMoviesByType); }
    void OpenCustomerList() { openSecured(DestCustomerList); }
    void OpenCustomersByDate() { openSecured(DestCustomersByDate); }
    void OpenAllSales() { openSecured(DestAllSales); }
    void OpenRentalRevenue() { openSecured(DestRentalRevenue); }
    void OpenManagerCode() { openSecured(DestManagerCode); }
    void OpenDayEnd() { openSecured(DestDayEnd); }
    void OpenTaxes() { openSecured(DestTaxes); }
    void OpenCashUp() { openSecured(DestCashUp); }
    void OpenPrices() { openSecured(DestPrices); }
    void OpenStoreDetails() { openSecured(DestStoreDetails); }
    void OpenCheckout();
    void OpenReturns();
    void OpenPayments();
    void OpenAddCustomer();
    void OpenTapesOut();
    void OpenHolds();
    void mnuLanguage_Click();
    void mnuExit_Click();

    void openSecured(int destination);
    void buildMenus();
    void buildToolbar();
    void buildButtons();

    WindowRegistry &m_windows;
    bool m_openBill = false;
};
