#include "frmCustomersByDate.h"

#include "data/StoreDate.h"
#include "ui/Controls.h"
#include "ui/LineFeed.h"
#include "ui/Pictures.h"
#include "ui/WindowContext.h"
#include "ui/WindowSystem.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

frmCustomersByDate::frmCustomersByDate(WindowContext &windows, ReportId report)
    : m_windows(windows)
    , m_report(report)
{
    const bool taxes = report == ReportId::Taxes;
    setObjectName(taxes ? QStringLiteral("frmTaxes") : QStringLiteral("frmCustomersByDate"));
    setWindowTitle(taxes ? tr("Taxes") : tr("Customers By Date"));

    Image1 = Pictures::makeImage1(this);
    Label1 = Controls::heading(this, "Label1", taxes ? tr("Taxes Collected") : tr("Customers By Date"));
    Label4 = Controls::label(this, "Label4", taxes ? tr("Period:") : tr("Search Dates:"));
    QFont bold = Label4->font();
    bold.setBold(true);
    Label4->setFont(bold);
    Label2 = Controls::label(this, "Label2",
                             taxes ? tr("Enter the first day:") : tr("Enter Beginning Date (Sales Date):"));
    Label3 = Controls::label(this, "Label3",
                             taxes ? tr("Enter the last day:") : tr("Enter Ending Date (Sales Date):"));
    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text2 = new QLineEdit(this);
    Text2->setObjectName(QStringLiteral("Text2"));
    for (QLineEdit *t : {Text1, Text2}) {
        LineFeed::endsLikeReturn(t);
        //: The form of a date: year, month, day.
        t->setPlaceholderText(tr("yyyy-mm-dd"));
        t->setFixedWidth(120);
    }
    Label2->setBuddy(Text1);
    Label3->setBuddy(Text2);
    Command1 = Controls::button(this, "Command1", tr("&Show Report"));
    Command1->setEnabled(false);
    cmdReturn = Controls::button(this, "cmdReturn", tr("Return"));
    Controls::commandSize({Command1, cmdReturn});

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(16, 16, 16, 16);
    grid->setVerticalSpacing(10);
    grid->addWidget(Image1, 0, 0, 1, 2, Qt::AlignLeft);
    grid->addWidget(Label1, 1, 0, 1, 2);
    grid->addWidget(Label4, 2, 0, 1, 2);
    grid->addWidget(Label2, 3, 0);
    grid->addWidget(Text1, 3, 1);
    grid->addWidget(Label3, 4, 0);
    grid->addWidget(Text2, 4, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdReturn);
    buttons->addWidget(Command1);
    grid->addLayout(buttons, 5, 0, 1, 2);
    // Wider where the captions need it (in French).
    setFixedWidth(std::max(420, minimumSizeHint().width()));

    setTabOrder(Text1, Text2);
    setTabOrder(Text2, Command1);
    setTabOrder(Command1, cmdReturn);
    setDefaultButton(Command1);
    setCancelButton(cmdReturn);
    connect(Text2, &QLineEdit::textChanged, this, &frmCustomersByDate::Text2_Change);
    connect(Command1, &QPushButton::clicked, this, &frmCustomersByDate::Command1_Click);
    connect(cmdReturn, &QPushButton::clicked, this, &frmCustomersByDate::cmdReturn_Click);
}

QString frmCustomersByDate::rangeMessage()
{
    return tr("The beginning date is after the ending date. Enter a beginning date on or before the ending date.");
}

void frmCustomersByDate::Text2_Change()
{
    Command1->setEnabled(true);
}

void frmCustomersByDate::Command1_Click()
{
    if (Text1->text().isEmpty() || Text2->text().isEmpty())
        return;
    auto refuse = [this](QLineEdit *box, const QString &message) {
        m_windows.ws().msgBox(message, Buttons::Ok, Icon::Exclamation, windowTitle());
        box->setFocus();
        box->selectAll();
    };
    const auto start = StoreDate::parse(Text1->text());
    if (!start)
        return refuse(Text1, StoreDate::invalidMessage(Text1->text()));
    const auto end = StoreDate::parse(Text2->text());
    if (!end)
        return refuse(Text2, StoreDate::invalidMessage(Text2->text()));
    if (*start > *end)
        return refuse(Text1, rangeMessage());
    emit reportWanted(m_report, {StoreDate::toText(*start), StoreDate::toText(*end)});
}

void frmCustomersByDate::cmdReturn_Click()
{
    hide();
    m_windows.showMainMenu();
}
