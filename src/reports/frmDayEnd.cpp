#include "frmDayEnd.h"

#include "data/StoreDate.h"
#include "ui/Controls.h"
#include "ui/Pictures.h"
#include "ui/WindowContext.h"
#include "ui/WindowSystem.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

frmDayEnd::frmDayEnd(WindowContext &windows)
    : m_windows(windows)
{
    setObjectName(QStringLiteral("frmDayEnd"));
    setWindowTitle(tr("Day End"));

    Image1 = Pictures::makeImage1(this);
    Label1 = Controls::heading(this, "Label1", tr("Day End"));
    Label2 = Controls::label(this, "Label2", tr("&Day:"));
    txtDate = Controls::edit(this, "txtDate");
    //: The form of a date: year, month, day.
    txtDate->setPlaceholderText(tr("yyyy-mm-dd"));
    txtDate->setFixedWidth(120);
    Command1 = Controls::button(this, "Command1", tr("&Show Report"));
    cmdReturn = Controls::button(this, "cmdReturn", tr("Return"));
    Controls::commandSize({Command1, cmdReturn});

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(16, 16, 16, 16);
    grid->setVerticalSpacing(10);
    grid->addWidget(Image1, 0, 0, 1, 2, Qt::AlignLeft);
    grid->addWidget(Label1, 1, 0, 1, 2);
    Controls::addRow(grid, 2, Label2, txtDate);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdReturn);
    buttons->addWidget(Command1);
    grid->addLayout(buttons, 3, 0, 1, 2);
    setFixedWidth(360);

    Controls::tabOrder({txtDate, Command1, cmdReturn});
    setDefaultButton(Command1);
    setCancelButton(cmdReturn);
    connect(Command1, &QPushButton::clicked, this, &frmDayEnd::Command1_Click);
    connect(cmdReturn, &QPushButton::clicked, this, &frmDayEnd::cmdReturn_Click);
}

void frmDayEnd::Form_Activate()
{
    txtDate->setText(StoreDate::toText(m_windows.today()));
    txtDate->setFocus();
    txtDate->selectAll();
}

void frmDayEnd::Command1_Click()
{
    const auto day = StoreDate::parse(txtDate->text());
    if (!day) {
        m_windows.ws().msgBox(StoreDate::invalidMessage(txtDate->text()), Buttons::Ok, Icon::Exclamation,
                              tr("Day End"));
        txtDate->setFocus();
        txtDate->selectAll();
        return;
    }
    emit reportWanted(ReportId::DayEnd, {StoreDate::toText(*day)});
}

void frmDayEnd::cmdReturn_Click()
{
    hide();
    m_windows.showMainMenu();
}
