#include "frmModify.h"

#include "ui/Controls.h"
#include "ui/Messages.h"
#include "ui/WindowContext.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

frmModify::frmModify(WindowContext &windows)
    : CustomerLookupForm(windows, "frmModify", tr("Modify Customers"), "cmdDispaly")
    , cmdDispaly(displayButton())
{
    cmdModify = Controls::button(this, "cmdModify", tr("Modify"));
    cmdClearAll = Controls::button(this, "cmdClearAll", tr("Clear All"));
    cmdReturn = Controls::button(this, "cmdReturn", tr("Return"));
    for (QPushButton *b : {cmdModify, cmdClearAll, cmdReturn})
        commandRow()->addWidget(b);
    Controls::tabOrder({txtOther3, cmdModify, cmdClearAll, cmdReturn});

    connect(cmdModify, &QPushButton::clicked, this, &frmModify::cmdModify_Click);
    connect(cmdClearAll, &QPushButton::clicked, this, &frmModify::cmdClearAll_Click);
    setDefaultButton(cmdModify);
    setCancelButton(cmdReturn);
    connect(cmdReturn, &QPushButton::clicked, this, &frmModify::cmdReturn_Click);
}

void frmModify::cmdModify_Click()
{
    // Member ID only chooses the row; the number itself is never rewritten.
    const auto number = typedMemberNumber();
    if (!number)
        return;
    switch (m_store.modifyMember(*number, details())) {
    case CustomerStore::Outcome::Done:
        txtLast->setFocus();
        break;
    case CustomerStore::Outcome::NotFound:
    case CustomerStore::Outcome::Refused:
        refuseUnknownMember(*number);
        break;
    case CustomerStore::Outcome::Failed:
    case CustomerStore::Outcome::TapesOut:
    case CustomerStore::Outcome::WalkIn:
        showDbError(m_windows.ws(), m_store.lastError());
        break;
    }
}

void frmModify::cmdClearAll_Click()
{
    clearDetails();
}

void frmModify::cmdReturn_Click()
{
    showReturn();
}
