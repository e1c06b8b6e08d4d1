#include "frmSecur.h"

#include "app/Destination.h"
#include "app/WindowRegistry.h"
#include "app/frmMain.h"
#include "reports/frmCashUp.h"
#include "reports/frmCustomersByDate.h"
#include "reports/frmDayEnd.h"
#include "reports/frmMovieByType.h"
#include "stock/frmInvent.h"
#include "stock/frmVidMn.h"
#include "ui/Controls.h"
#include "ui/Pictures.h"
#include "ui/WindowSystem.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProxyStyle>
#include <QPushButton>

namespace {

constexpr int Shift = 5;
constexpr int StartOffset = 3;
constexpr int Divisor = 7;

// The authorization code, scrambled; the code itself is kept nowhere.
const QString &storedCode()
{
    static const QString code = QStringLiteral("Xxvnyyu7<B@=");
    return code;
}

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

} // namespace

std::optional<QString> frmSecur::ScrambleCode(const QString &text)
{
    QString out;
    out.reserve(text.size());
    int offset = StartOffset;
    for (const QChar c : text) {
        const int code = c.unicode() + Shift + offset;
        if (c.unicode() > 255 || code > 255)
            return std::nullopt;
        out.append(QChar(code));
        offset = code % Divisor;
    }
    return out;
}

frmSecur::frmSecur(WindowRegistry &windows)
    : m_windows(windows)
{
    setObjectName(QStringLiteral("frmSecur"));
    setWindowTitle(QStringLiteral("Security authorization"));

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(16, 16, 16, 16);
    grid->setVerticalSpacing(10);

    Image1 = Pictures::makeImage1(this);
    Label1 = Controls::label(this, "Label1",
                             "You have requested a secured feature. Please enter the security authorization code "
                             "to access:");
    Label1->setWordWrap(true);
    lblDest = Controls::label(this, "lblDest", "");
    QFont bold = lblDest->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    lblDest->setFont(bold);
    lblDest->setAlignment(Qt::AlignCenter);
    Label2 = Controls::label(this, "Label2", "Authorization Code:");
    txtCode = Controls::edit(this, "txtCode");
    auto *mask = new PercentMaskStyle;
    mask->setParent(txtCode);
    txtCode->setStyle(mask);
    txtCode->setEchoMode(QLineEdit::Password);
    Label2->setBuddy(txtCode);
    cmdSubmit = Controls::button(this, "cmdSubmit", "Submit Authorization");
    cmdRMM = Controls::button(this, "cmdRMM", "Return to Main Menu");

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
    const std::optional<QString> typed = ScrambleCode(txtCode->text());
    if (typed && *typed == storedCode()) {
        ws.msgBox(QStringLiteral("Authorization granted"), Buttons::Ok, Icon::Information,
                  QStringLiteral("Security clearance"));
        openDestination();
        txtCode->clear();
        lblDest->clear();
        destination = 0;
        hide();
        return;
    }
    if (ws.msgBox(QStringLiteral("Authorization failed - retry?"), Buttons::RetryCancel, Icon::Exclamation,
                  QStringLiteral("Code incorrect")) == Answer::Retry) {
        txtCode->clear();
        txtCode->setFocus();
        return;
    }
    txtCode->clear();
    lblDest->clear();
    destination = 0;
    m_windows.showMainMenu();
    hide();
}

void frmSecur::cmdRMM_Click()
{
    if (m_windows.ws().msgBox(QStringLiteral("Are you sure you want to go back to the main menu?"), Buttons::YesNo,
                              Icon::Question, QStringLiteral("Return to main menu")) != Answer::Yes)
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
    case DestRentalRevenue:
        m_windows.showMainMenu();
        m_windows.showReport(Report::RentalRevenue);
        break;
    default:
        // Never left with no window shown.
        m_windows.showMainMenu();
        break;
    }
}
