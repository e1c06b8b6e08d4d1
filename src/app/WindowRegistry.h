#pragma once

#include "reports/ReportLayout.h"
#include "ui/WindowContext.h"

#include <QDate>
#include <QString>
#include <QVariantList>

#include <functional>
#include <memory>

class Form;
class WindowSystem;
class frmMain;
class frmSecur;
class frmCheckout;
class frmMovieByType;
class frmCustomersByDate;
class frmDayEnd;
class frmCashUp;
class frmPrices;
class frmStoreDetails;
class ReportPreview;
class frmadd;
class frmModify;
class frmDelete;
class frmReturn;
class frmPayment;
class frmVidMn;
class frmInvent;
class frmChooseMember;
class frmTapesOut;
class frmHolds;
class frmCard;

// The reports the gate opens over the main menu.
enum class Report { AllMovies, CustomerList, AllSales, RentalRevenue };

// Owns the program's single window instances, each made at its first use and
// kept until the end, and is the one place that knows them all: every window
// is handed this registry as its WindowContext only. A test builds its own
// registry over its own store.
class WindowRegistry final : public WindowContext
{
public:
    WindowRegistry(QString storePath, WindowSystem &ws);
    ~WindowRegistry();
    Q_DISABLE_COPY_MOVE(WindowRegistry)

    const QString &storePath() const override { return m_storePath; }
    WindowSystem &ws() const override { return m_ws; }

    QDate today() const override { return m_today ? m_today() : QDate::currentDate(); }
    void setToday(std::function<QDate()> today) { m_today = std::move(today); }
    // What ends the program; the application's quit unless replaced.
    void setQuit(std::function<void()> quit) { m_quit = std::move(quit); }

    frmMain &main();
    frmSecur &secur();
    frmCheckout &checkout();

    frmVidMn &vidMn();
    frmInvent &invent();
    Form &modify();
    Form &deleteCustomer();
    frmMovieByType &movieByType();
    frmCustomersByDate &customersByDate();
    // The same window, asking for the Taxes report's period.
    frmCustomersByDate &taxes();
    frmDayEnd &dayEnd();
    frmCashUp &cashUp();
    frmPrices &prices();
    frmStoreDetails &storeDetails();
    frmReturn &returns();
    frmTapesOut &tapesOut();
    frmHolds &holds();
    frmPayment &payment();
    Form &addCustomer();
    // Picks one of several members found by one phone or licence.
    frmChooseMember &memberChooser() override;

    // Opens a report's preview window; the caller does not wait for it.
    void showReport(Report report);
    // Runs a report afresh with its parameters and shows it in its preview
    // window, which hands the keyboard back to `opener` when it closes;
    // false (the user told why) when the store fails.
    bool openReport(ReportId id, const QVariantList &parameters = {}, QWidget *opener = nullptr);
    // The report's preview window, made at its first use.
    ReportPreview &reportPreview(ReportId id);
    // Back in Tapes Out past the gate: the call list or the letters of the
    // day it asked for.
    void showOverdue(bool letters);
    // Shows the main menu as it was left.
    void showMainMenu() override;
    void showCounter() override;
    void handFeesToCounter(qint32 member, Money amount, QWidget &from) override;
    // The membership card window, made at its first use.
    frmCard &card();
    void offerCard(qint32 member) override;
    // Ends the run at once: every window goes, whatever it holds.
    void exitProgram();

private:
    QString m_storePath;
    WindowSystem &m_ws;
    std::function<QDate()> m_today;
    std::function<void()> m_quit;

    std::unique_ptr<frmMain> m_main;
    std::unique_ptr<frmSecur> m_secur;
    std::unique_ptr<frmCheckout> m_checkout;
    std::unique_ptr<frmReturn> m_returns;
    std::unique_ptr<frmPayment> m_payment;
    std::unique_ptr<frmVidMn> m_vidMn;
    std::unique_ptr<frmInvent> m_invent;
    std::unique_ptr<frmadd> m_add;
    std::unique_ptr<frmModify> m_modify;
    std::unique_ptr<frmDelete> m_delete;
    std::unique_ptr<frmMovieByType> m_movieByType;
    std::unique_ptr<frmCustomersByDate> m_customersByDate, m_taxes;
    std::unique_ptr<frmChooseMember> m_chooser;
    std::unique_ptr<frmDayEnd> m_dayEnd;
    std::unique_ptr<frmCashUp> m_cashUp;
    std::unique_ptr<frmPrices> m_prices;
    std::unique_ptr<frmStoreDetails> m_storeDetails;
    std::unique_ptr<frmTapesOut> m_tapesOut;
    std::unique_ptr<frmHolds> m_holds;
    std::unique_ptr<frmCard> m_card;
    QDate m_overdueDay;
    std::unique_ptr<ReportPreview> m_reports[ReportCount];
};
