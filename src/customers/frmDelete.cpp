#include "frmDelete.h"

#include "ui/Controls.h"
#include "ui/Messages.h"
#include "ui/WindowContext.h"
#include "ui/WindowSystem.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

frmDelete::frmDelete(WindowContext &windows)
    : CustomerLookupForm(windows, "frmDelete", tr("Delete Customers"), "cmdDisplay")
    , cmdDisplay(displayButton())
{
    Label12 = Controls::label(this, "Label12", tr("Balance Owing"));
    txtbal = Controls::edit(this, "txtbal");
    Controls::labelAbove(detailGrid(), 8, 1, Label12, txtbal);

    cmdDelete = Controls::button(this, "cmdDelete", tr("Delete"));
    cmdClearAll = Controls::button(this, "cmdClearAll", tr("Cancel"));
    frmReturn = Controls::button(this, "frmReturn", tr("Return"));
    for (QPushButton *b : {cmdDelete, cmdClearAll, frmReturn})
        commandRow()->addWidget(b);
    Controls::tabOrder({txtOther3, txtbal, cmdDelete, cmdClearAll, frmReturn});
    enableCommands(false);

    connect(cmdDelete, &QPushButton::clicked, this, &frmDelete::cmdDelete_Click);
    connect(cmdClearAll, &QPushButton::clicked, this, &frmDelete::cmdClearAll_Click);
    // Enter looks up; deleting takes a click.
    setDefaultButton(cmdDisplay);
    setCancelButton(frmReturn);
    connect(frmReturn, &QPushButton::clicked, this, &frmDelete::frmReturn_Click);
}

void frmDelete::memberShown(const MemberRow &row)
{
    txtbal->setText(row.feesOwing.toPlainCents());
    enableCommands(true);
}

void frmDelete::enableCommands(bool enabled)
{
    cmdDelete->setEnabled(enabled);
    cmdClearAll->setEnabled(enabled);
}

void frmDelete::refuseOwing()
{
    m_windows.ws().msgBox(
        tr("Customer Cannot be deleted from database until  Balance owing is paid in full"), Buttons::Ok,
        Icon::Exclamation);
}

void frmDelete::cmdDelete_Click()
{
    WindowSystem &ws = m_windows.ws();
    const auto number = typedMemberNumber();
    if (!number)
        return;
    const auto balance = Money::parse(txtbal->text());
    if (!balance) {
        ws.msgBox(Money::parseProblem(txtbal->text()) + QLatin1Char(' ')
                      + tr("Display the member again to show the balance owing."),
                  Buttons::Ok, Icon::Exclamation, tr("Invalid amount"));
        return;
    }
    if (*balance > Money())
        return refuseOwing();

    // The store decides too: the box may have been typed over, or fees added
    // since the member was shown.
    int tapesOut = 0;
    switch (m_store.retireMember(*number, tapesOut, m_windows.today())) {
    case CustomerStore::Outcome::Done:
        showRetired(ws, txtLast->text());
        enableCommands(false);
        break;
    case CustomerStore::Outcome::Refused:
        refuseOwing();
        break;
    case CustomerStore::Outcome::TapesOut:
        // The late return would charge a member nobody can collect from.
        ws.msgBox(tapesOut == 1 ? tr("Customer Cannot be deleted from database while tapes are out: 1 tape rented by "
                                     "member %1 has not been returned.")
                                      .arg(*number)
                                : tr("Customer Cannot be deleted from database while tapes are out: %1 tapes rented "
                                     "by member %2 have not been returned.")
                                      .arg(tapesOut)
                                      .arg(*number),
                  Buttons::Ok, Icon::Exclamation);
        break;
    case CustomerStore::Outcome::WalkIn:
        ws.msgBox(tr("Member 0 is the walk-in customer that every sale to a non-member is booked to. It cannot be "
                     "deleted."),
                  Buttons::Ok, Icon::Exclamation);
        break;
    case CustomerStore::Outcome::NotFound:
        refuseUnknownMember(*number);
        break;
    case CustomerStore::Outcome::Failed:
        showDbError(ws, m_store.lastError());
        break;
    }
}

void frmDelete::cmdClearAll_Click()
{
    clearDetails();
    enableCommands(false);
}

void frmDelete::frmReturn_Click()
{
    showReturn();
}
