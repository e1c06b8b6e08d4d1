#include "frmSecur.h"

#include "app/ChainWatch.h"
#include "data/Destination.h"
#include "app/WindowRegistry.h"
#include "app/ManagerCode.h"
#include "app/frmMain.h"
#include "counter/frmStoreDetails.h"
#include "reports/frmCashUp.h"
#include "reports/frmCustomersByDate.h"
#include "reports/frmDayEnd.h"
#include "reports/frmMovieByType.h"
#include "stock/frmInvent.h"
#include "stock/frmPrices.h"
#include "stock/frmVidMn.h"
#include "ui/Controls.h"
#include "ui/Messages.h"
#include "ui/Pictures.h"
#include "ui/WindowSystem.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProxyStyle>
#include <QPushButton>


namespace {

// Shows every typed character of the code box as "%".
class PercentMaskStyle final : public QProxyStyle
{
public:
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == QStyle::SH_LineEdit_PasswordCharacter)
            return '%';
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

const QString Crlf = QStringLiteral("\r\n");

QString seconds(int n)
{
    return n == 1 ? QCoreApplication::translate("frmSecur", "1 second")
                  : QCoreApplication::translate("frmSecur", "%1 seconds").arg(n);
}

// The slow hash keeps the program busy for a moment.
class BusyCursor final
{
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    Q_DISABLE_COPY_MOVE(BusyCursor)
};

} // namespace

int frmSecur::waitAfter(int wrongInARow)
{
    return GateStore::waitAfter(wrongInARow);
}

frmSecur::frmSecur(WindowRegistry &windows)
    : m_windows(windows)
    , m_store(windows.storePath())
{
    setObjectName(QStringLiteral("frmSecur"));
    setWindowTitle(tr("Security authorization"));

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(16, 16, 16, 16);
    grid->setVerticalSpacing(10);

    Image1 = Pictures::makeImage1(this);
    Label1 = Controls::label(this, "Label1",
                             tr("You have requested a secured feature. Please enter the security authorization code "
                                "to access:"));
    Label1->setWordWrap(true);
    lblDest = Controls::label(this, "lblDest", "");
    QFont bold = lblDest->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    lblDest->setFont(bold);
    lblDest->setAlignment(Qt::AlignCenter);
    Label2 = Controls::label(this, "Label2", tr("Authorization Code:"));
    txtCode = Controls::edit(this, "txtCode");
    auto *mask = new PercentMaskStyle;
    mask->setParent(txtCode);
    txtCode->setStyle(mask);
    txtCode->setEchoMode(QLineEdit::Password);
    Label2->setBuddy(txtCode);
    cmdSubmit = Controls::button(this, "cmdSubmit", tr("Submit Authorization"));
    cmdRMM = Controls::button(this, "cmdRMM", tr("Return to Main Menu"));

    grid->addWidget(Image1, 0, 0, 1, 2, Qt::AlignLeft);
    grid->addWidget(Label1, 1, 0, 1, 2);
    grid->addWidget(lblDest, 2, 0, 1, 2);
    grid->addWidget(Label2, 3, 0);
    grid->addWidget(txtCode, 3, 1);
    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(10);
    Controls::commandSize({cmdSubmit, cmdRMM});
    buttons->addStretch();
    buttons->addWidget(cmdSubmit);
    buttons->addWidget(cmdRMM);
    grid->addLayout(buttons, 4, 0, 1, 2);
    setFixedWidth(440);

    Controls::tabOrder({txtCode, cmdSubmit, cmdRMM});
    setDefaultButton(cmdSubmit);
    setCancelButton(cmdRMM);

    connect(cmdSubmit, &QPushButton::clicked, this, &frmSecur::cmdSubmit_Click);
    connect(cmdRMM, &QPushButton::clicked, this, &frmSecur::cmdRMM_Click);
}

void frmSecur::Form_Activate()
{
    if (destination >= FirstDestination && destination <= LastDestination)
        lblDest->setText(destinationCaption(destination));
    txtCode->clear();
    txtCode->setFocus();
}

void frmSecur::cmdSubmit_Click()
{
    WindowSystem &ws = m_windows.ws();
    auto stayAsking = [this] {
        txtCode->clear();
        txtCode->setFocus();
    };
    const QDateTime at = now();
    const Fetched<GateStore::State> state = m_store.state();
    if (state.failed) {
        showDbError(ws, m_store.lastError());
        return stayAsking();
    }
    // The waits are worked out from the log, so that another program, or
    // this one started again, keeps to them.
    if (const int wait = state.row->secondsToWait(at)) {
        // Not checked at all: a guesser gains nothing by trying sooner.
        if (!m_store.record(at, destination, GateOutcome::TooSoon))
            showDbError(ws, m_store.lastError());
        else
            ws.msgBox(tr("Too many wrong codes in a row. Wait %1 more before the next try.").arg(seconds(wait)),
                      Buttons::Ok, Icon::Exclamation, tr("Code incorrect"));
        return stayAsking();
    }

    // The default opens only a store that never had a code of its own: one
    // whose code went missing opens nothing.
    const bool byDefault = !state.row->hash && !state.row->unreadable && !state.row->codeChanged;
    if (!state.row->hash && !byDefault) {
        if (!m_store.record(at, destination, GateOutcome::NoCode))
            showDbError(ws, m_store.lastError());
        else
            ws.msgBox(tr("This store has no manager code the gate can check, so it opens nothing: set one with "
                         "videostore --set-manager-code."),
                      Buttons::Ok, Icon::Exclamation, tr("No manager code"));
        return stayAsking();
    }
    bool granted = false;
    {
        const BusyCursor busy;
        granted = byDefault ? txtCode->text() == ManagerCode::defaultCode()
                            : ManagerCode::matches(*state.row->hash, txtCode->text());
    }
    const int wrongInARow = granted ? 0 : state.row->wrongInARow + 1;
    // A try that cannot be recorded opens nothing.
    if (!m_store.record(at, destination, granted ? GateOutcome::Granted : GateOutcome::Refused)) {
        showDbError(ws, m_store.lastError());
        return stayAsking();
    }

    if (granted) {
        ws.msgBox(tr("Authorization granted"), Buttons::Ok, Icon::Information, tr("Security clearance"));
        const int opened = destination;
        openDestination();
        txtCode->clear();
        lblDest->clear();
        destination = 0;
        hide();
        if (opened == DestManagerCode) {
            changeManagerCode();
        } else if (byDefault && !m_defaultNoticeGiven) {
            m_defaultNoticeGiven = true;
            ws.notice(tr("This store still opens with the default manager code, which is printed in the program's "
                         "instructions.")
                          + Crlf
                          + tr("Give the store its own code: \"Change manager code...\" in the main menu's Manager "
                               "menu, or videostore --set-manager-code."),
                      tr("Default manager code"));
        }
        // What the start found in the store's records, told to the manager once.
        if (const QString found = ChainWatch::takeNotice(m_windows.storePath()); !found.isEmpty())
            ws.notice(found, tr("Store records"));
        return;
    }
    QString failed = tr("Authorization failed - retry?");
    if (const int wait = waitAfter(wrongInARow))
        failed += Crlf
                  + tr("After %1 wrong codes in a row, the next try must wait %2.").arg(wrongInARow).arg(seconds(wait));
    if (ws.msgBox(failed, Buttons::RetryCancel, Icon::Exclamation, tr("Code incorrect"))
        == Answer::Retry)
        return stayAsking();
    txtCode->clear();
    lblDest->clear();
    destination = 0;
    m_windows.showMainMenu();
    hide();
}

void frmSecur::changeManagerCode()
{
    WindowSystem &ws = m_windows.ws();
    const QString title = tr("Change manager code");
    const QString unchanged = tr("The manager code was not changed.");
    const QString code = ws.passwordBox(
        tr("Type the store's new manager code (at least %1 characters; capitals count):")
            .arg(ManagerCode::MinimumLength),
        title);
    if (code.isEmpty())
        return;
    if (const QString problem = ManagerCode::problemWith(code); !problem.isEmpty()) {
        ws.msgBox(problem + Crlf + unchanged, Buttons::Ok, Icon::Exclamation, title);
        return;
    }
    const QString again = ws.passwordBox(tr("Type the new manager code again:"), title);
    if (again.isEmpty())
        return;
    if (again != code) {
        ws.msgBox(tr("The two codes differ.") + Crlf + unchanged, Buttons::Ok, Icon::Exclamation, title);
        return;
    }
    QByteArray hash;
    {
        const BusyCursor busy;
        hash = ManagerCode::hash(code);
    }
    if (hash.isEmpty()) {
        ws.msgBox(tr("The computer lacks the memory to keep the new code safely.") + Crlf + unchanged,
                  Buttons::Ok, Icon::Exclamation, title);
        return;
    }
    if (!m_store.setCode(hash, now(), DestManagerCode))
        return showDbError(ws, m_store.lastError());
    ws.msgBox(tr("The manager code has been changed. From now on only the new code opens the manager's windows."),
              Buttons::Ok, Icon::Information, title);
}

void frmSecur::cmdRMM_Click()
{
    if (!confirmReturnToMenu(m_windows.ws()))
        return;
    lblDest->clear();
    txtCode->clear();
    hide();
    m_windows.showMainMenu();
}

void frmSecur::openDestination()
{
    switch (destination) {
    case DestVideoManagement: m_windows.vidMn().show(); break;
    case DestInventory: m_windows.invent().show(); break;
    case DestModifyCustomer: m_windows.modify().show(); break;
    case DestDeleteCustomer: m_windows.deleteCustomer().show(); break;
    case DestAllMovies:
        m_windows.showMainMenu();
        m_windows.showReport(Report::AllMovies);
        break;
    case DestMoviesByType: m_windows.movieByType().show(); break;
    case DestCustomerList:
        m_windows.showMainMenu();
        m_windows.showReport(Report::CustomerList);
        break;
    case DestCustomersByDate: m_windows.customersByDate().show(); break;
    case DestAllSales:
        m_windows.showMainMenu();
        m_windows.showReport(Report::AllSales);
        break;
    case DestDayEnd: m_windows.dayEnd().show(); break;
    case DestCashUp: m_windows.cashUp().show(); break;
    case DestPrices: m_windows.prices().show(); break;
    case DestStoreDetails: m_windows.storeDetails().show(); break;
    case DestCallList: m_windows.showOverdue(false); break;
    case DestLetters: m_windows.showOverdue(true); break;
    case DestTaxes: m_windows.taxes().show(); break;
    case DestRentalRevenue:
        m_windows.showMainMenu();
        m_windows.showReport(Report::RentalRevenue);
        break;
    case DestManagerCode:
        // The new code is asked for over the main menu once the gate is gone.
        m_windows.showMainMenu();
        break;
    default:
        // Never left with no window shown.
        m_windows.showMainMenu();
        break;
    }
}
