#include "WindowRegistry.h"

#include "app/frmMain.h"
#include "app/frmSecur.h"
#include "circulation/frmHolds.h"
#include "circulation/frmTapesOut.h"
#include "counter/frmCheckout.h"
#include "reports/ReportPreview.h"
#include "reports/frmCashUp.h"
#include "reports/frmCustomersByDate.h"
#include "reports/frmDayEnd.h"
#include "reports/frmMovieByType.h"
#include "customers/frmDelete.h"
#include "customers/frmModify.h"
#include "customers/frmadd.h"
#include "returns/frmPayment.h"
#include "returns/frmReturn.h"
#include "data/StoreDate.h"
#include "data/StoreLocation.h"
#include "labels/frmCard.h"
#include "ui/MemberChooser.h"
#include "ui/Messages.h"
#include "ui/WindowSystem.h"
#include "stock/frmInvent.h"
#include "stock/frmPrices.h"
#include "counter/frmStoreDetails.h"
#include "stock/frmVidMn.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

// The reports a report window asks for open in the registry's preview windows.
template <typename ReportWindow>
void showsReports(WindowRegistry &registry, ReportWindow &window)
{
    QObject::connect(&window, &ReportWindow::reportWanted, &window,
                     [&registry, &window](ReportId id, const QVariantList &parameters) {
                         registry.openReport(id, parameters, &window);
                     });
}

} // namespace

WindowRegistry::WindowRegistry(QString storePath, WindowSystem &ws)
    : m_storePath(std::move(storePath))
    , m_ws(ws)
    , m_quit([] { QCoreApplication::quit(); })
{
    // Receipts kept as PDF files stay with the store they belong to.
    m_ws.setReceiptFolder(QDir(StoreLocation::localFolder(m_storePath)).filePath(QStringLiteral("receipts")));
    m_ws.setStorePath(m_storePath);
    showServerWaits(&m_ws);
}

WindowRegistry::~WindowRegistry()
{
    showServerWaits(nullptr);
}

frmMain &WindowRegistry::main()
{
    if (!m_main)
        m_main = std::make_unique<frmMain>(*this);
    return *m_main;
}

frmSecur &WindowRegistry::secur()
{
    if (!m_secur)
        m_secur = std::make_unique<frmSecur>(*this);
    return *m_secur;
}

frmCheckout &WindowRegistry::checkout()
{
    if (!m_checkout) {
        m_checkout = std::make_unique<frmCheckout>(*this);
        QObject::connect(m_checkout.get(), &frmCheckout::billOpenChanged, &main(), &frmMain::setOpenBill);
    }
    return *m_checkout;
}

Form &WindowRegistry::addCustomer()
{
    if (!m_add)
        m_add = std::make_unique<frmadd>(*this);
    return *m_add;
}

Form &WindowRegistry::modify()
{
    if (!m_modify)
        m_modify = std::make_unique<frmModify>(*this);
    return *m_modify;
}

Form &WindowRegistry::deleteCustomer()
{
    if (!m_delete)
        m_delete = std::make_unique<frmDelete>(*this);
    return *m_delete;
}

frmChooseMember &WindowRegistry::memberChooser()
{
    if (!m_chooser)
        m_chooser = std::make_unique<frmChooseMember>();
    return *m_chooser;
}

frmCard &WindowRegistry::card()
{
    if (!m_card)
        m_card = std::make_unique<frmCard>(*this);
    return *m_card;
}

void WindowRegistry::offerCard(qint32 member)
{
    card().offer(member);
}

frmReturn &WindowRegistry::returns()
{
    if (!m_returns)
        m_returns = std::make_unique<frmReturn>(*this);
    return *m_returns;
}

frmPayment &WindowRegistry::payment()
{
    if (!m_payment)
        m_payment = std::make_unique<frmPayment>(*this);
    return *m_payment;
}

frmVidMn &WindowRegistry::vidMn()
{
    if (!m_vidMn)
        m_vidMn = std::make_unique<frmVidMn>(*this);
    return *m_vidMn;
}

frmInvent &WindowRegistry::invent()
{
    if (!m_invent)
        m_invent = std::make_unique<frmInvent>(*this);
    return *m_invent;
}

frmMovieByType &WindowRegistry::movieByType()
{
    if (!m_movieByType) {
        m_movieByType = std::make_unique<frmMovieByType>(*this);
        showsReports(*this, *m_movieByType);
    }
    return *m_movieByType;
}

frmCustomersByDate &WindowRegistry::customersByDate()
{
    if (!m_customersByDate) {
        m_customersByDate = std::make_unique<frmCustomersByDate>(*this);
        showsReports(*this, *m_customersByDate);
    }
    return *m_customersByDate;
}

frmCustomersByDate &WindowRegistry::taxes()
{
    if (!m_taxes) {
        m_taxes = std::make_unique<frmCustomersByDate>(*this, ReportId::Taxes);
        showsReports(*this, *m_taxes);
    }
    return *m_taxes;
}

frmDayEnd &WindowRegistry::dayEnd()
{
    if (!m_dayEnd) {
        m_dayEnd = std::make_unique<frmDayEnd>(*this);
        showsReports(*this, *m_dayEnd);
    }
    return *m_dayEnd;
}

frmCashUp &WindowRegistry::cashUp()
{
    if (!m_cashUp)
        m_cashUp = std::make_unique<frmCashUp>(*this);
    return *m_cashUp;
}

frmPrices &WindowRegistry::prices()
{
    if (!m_prices)
        m_prices = std::make_unique<frmPrices>(*this);
    return *m_prices;
}

frmStoreDetails &WindowRegistry::storeDetails()
{
    if (!m_storeDetails)
        m_storeDetails = std::make_unique<frmStoreDetails>(*this);
    return *m_storeDetails;
}

frmTapesOut &WindowRegistry::tapesOut()
{
    if (!m_tapesOut) {
        m_tapesOut = std::make_unique<frmTapesOut>(*this);
        // Members' phones and addresses: behind the gate.
        auto gate = [this](int destination) {
            return [this, destination](QDate day) {
                m_overdueDay = day;
                secur().destination = destination;
                m_tapesOut->hide();
                secur().show();
            };
        };
        QObject::connect(m_tapesOut.get(), &frmTapesOut::callListWanted, m_tapesOut.get(), gate(DestCallList));
        QObject::connect(m_tapesOut.get(), &frmTapesOut::lettersWanted, m_tapesOut.get(), gate(DestLetters));
    }
    return *m_tapesOut;
}

void WindowRegistry::showOverdue(bool letters)
{
    tapesOut().showKeepingDay();
    if (letters)
        tapesOut().writeLetters(m_overdueDay);
    else
        openReport(ReportId::Overdue, {StoreDate::toText(m_overdueDay)}, &tapesOut());
}

frmHolds &WindowRegistry::holds()
{
    if (!m_holds)
        m_holds = std::make_unique<frmHolds>(*this);
    return *m_holds;
}

void WindowRegistry::showReport(Report report)
{
    static const ReportId ids[] = {ReportId::AllMovies, ReportId::CustomerList, ReportId::SalesReport,
                                   ReportId::RentalRevenue};
    openReport(ids[static_cast<int>(report)], {}, &main());
}

ReportPreview &WindowRegistry::reportPreview(ReportId id)
{
    auto &slot = m_reports[static_cast<int>(id)];
    if (!slot)
        slot = std::make_unique<ReportPreview>(m_ws);
    return *slot;
}

bool WindowRegistry::openReport(ReportId id, const QVariantList &parameters, QWidget *opener)
{
    ReportPreview &preview = reportPreview(id);
    if (!preview.load(id, m_storePath, parameters))
        return false;
    preview.setOpener(opener);
    preview.show();
    preview.raise();
    preview.activateWindow();
    return true;
}

void WindowRegistry::showMainMenu()
{
    main().show();
}

void WindowRegistry::showCounter()
{
    checkout().show();
}

void WindowRegistry::handFeesToCounter(qint32 member, Money amount, QWidget &from)
{
    checkout().takeFees(member, amount, from);
}

void WindowRegistry::exitProgram()
{
    for (QWidget *w : std::initializer_list<QWidget *>{m_main.get(), m_secur.get(), m_checkout.get(), m_vidMn.get(),
                                                        m_invent.get(), m_modify.get(), m_delete.get(),
                                                        m_movieByType.get(), m_customersByDate.get(), m_taxes.get(),
                                                        m_returns.get(), m_payment.get(), m_add.get(),
                                                        m_chooser.get(), m_dayEnd.get(), m_cashUp.get(),
                                                        m_prices.get(), m_storeDetails.get(), m_tapesOut.get(),
                                                        m_holds.get()})
        if (w)
            w->hide();
    for (auto &r : m_reports)
        if (r)
            r->hide();
    if (m_quit)
        m_quit();
}
