#include "frmadd.h"

#include "data/Identifier.h"
#include "ui/Controls.h"
#include "ui/Messages.h"
#include "ui/Pictures.h"
#include "ui/WindowContext.h"
#include "ui/WindowSystem.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using Controls::edit;
using Controls::label;
using Controls::labelAbove;

frmadd::frmadd(WindowContext &windows)
    : m_windows(windows)
    , m_store(windows.storePath())
{
    setObjectName(QStringLiteral("frmadd"));
    setWindowTitle(tr("Add Customers"));

    auto *layout = new QVBoxLayout(this);
    Image1 = Pictures::makeImage1(this);
    layout->addWidget(Image1);

    auto *grid = new QGridLayout;
    Label1 = label(this, "Label1", tr("Member ID"));
    txtMemb = edit(this, "txtMemb");
    txtMemb->setEnabled(false);
    Label2 = label(this, "Label2", tr("Last Name"));
    txtLast = edit(this, "txtLast");
    Label3 = label(this, "Label3", tr("First Name"));
    txtFirst = edit(this, "txtFirst");
    Label4 = label(this, "Label4", tr("Address"));
    txtAddr = edit(this, "txtAddr");
    Label5 = label(this, "Label5", tr("City"));
    txtCity = edit(this, "txtCity");
    Label6 = label(this, "Label6", tr("Postal Code"));
    txtPostal = edit(this, "txtPostal");
    Label7 = label(this, "Label7", tr("Home Phone Number"));
    txtHphone = edit(this, "txtHphone");
    Label8 = label(this, "Label8", tr("Business Phone Number"));
    txtBPhone = edit(this, "txtBPhone");
    Label9 = label(this, "Label9", tr("Cell Phone Number"));
    txtCell = edit(this, "txtCell");
    Label10 = label(this, "Label10", tr("Drivers Licence Number"));
    txtDLNum = edit(this, "txtDLNum");
    Label11 = label(this, "Label11", tr("Other Names"));
    txtOtherName = edit(this, "txtOtherName");
    txtON2 = edit(this, "txtON2");
    txtON3 = edit(this, "txtON3");
    labelAbove(grid, 0, 0, Label1, txtMemb);
    labelAbove(grid, 2, 0, Label2, txtLast);
    labelAbove(grid, 2, 1, Label3, txtFirst);
    labelAbove(grid, 4, 0, Label4, txtAddr);
    labelAbove(grid, 4, 1, Label5, txtCity);
    labelAbove(grid, 6, 0, Label6, txtPostal);
    labelAbove(grid, 6, 1, Label7, txtHphone);
    labelAbove(grid, 8, 0, Label8, txtBPhone);
    labelAbove(grid, 8, 1, Label9, txtCell);
    labelAbove(grid, 10, 0, Label10, txtDLNum);
    labelAbove(grid, 12, 0, Label11, txtOtherName);
    grid->addWidget(txtON2, 13, 1);
    grid->addWidget(txtON3, 14, 0);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    layout->addLayout(grid);
    lblAdded = label(this, "lblAdded", "");
    lblAdded->setWordWrap(true);
    layout->addWidget(lblAdded);
    layout->addStretch();

    cmdAdd = Controls::button(this, "cmdAdd", tr("ADD Member"));
    cmdClearAll = Controls::button(this, "cmdClearAll", tr("Clear All"));
    cmdReturn = Controls::button(this, "cmdReturn", tr("Return"));
    cmdCard = Controls::button(this, "cmdCard", tr("Print &card..."));
    cmdCard->setEnabled(false);
    auto *commands = new QHBoxLayout;
    commands->addWidget(cmdCard);
    commands->addStretch();
    for (QPushButton *b : {cmdAdd, cmdClearAll, cmdReturn})
        commands->addWidget(b);
    layout->addLayout(commands);
    resize(560, 500);
    setDefaultButton(cmdAdd);
    setCancelButton(cmdReturn);

    Controls::tabOrder({txtLast, txtFirst, txtAddr, txtCity, txtPostal, txtHphone, txtBPhone, txtCell, txtDLNum,
                        txtOtherName, txtON2, txtON3, cmdAdd, cmdClearAll, cmdReturn, cmdCard});

    connect(cmdAdd, &QPushButton::clicked, this, &frmadd::cmdAdd_Click);
    connect(cmdClearAll, &QPushButton::clicked, this, &frmadd::cmdClearAll_Click);
    connect(cmdReturn, &QPushButton::clicked, this, &frmadd::cmdReturn_Click);
    connect(cmdCard, &QPushButton::clicked, this, &frmadd::cmdCard_Click);
}

void frmadd::Form_Activate()
{
    if (!m_loaded) {
        m_loaded = true;
        Form_Load();
    } else if (m_added) {
        // A later visit may register the next member.
        m_added = false;
        cmdAdd->setEnabled(true);
    }
    txtLast->setFocus();
}

void frmadd::Form_Load()
{
    // The proposal is the row count, retired members included.
    const auto rows = m_store.memberCount();
    if (!rows)
        return showDbError(m_windows.ws(), m_store.lastError());
    txtMemb->setText(QString::number(*rows));
}

bool frmadd::requiredDetailsGiven()
{
    const std::pair<QLineEdit *, QString> required[] = {{txtLast, tr("Enter the member's last name.")},
                                                        {txtFirst, tr("Enter the member's first name.")},
                                                        {txtHphone, tr("Enter the member's home phone number.")}};
    for (const auto &[box, prompt] : required) {
        if (box->text().trimmed().isEmpty()) {
            m_windows.ws().msgBox(prompt, Buttons::Ok, Icon::Exclamation, tr("Member details missing"));
            box->setFocus();
            return false;
        }
    }
    return true;
}

void frmadd::fillPlaceholders()
{
    for (QLineEdit *box : {txtBPhone, txtCell, txtON2, txtON3, txtOtherName})
        if (box->text().isEmpty())
            box->setText(QStringLiteral("N/A"));
}

void frmadd::cmdAdd_Click()
{
    WindowSystem &ws = m_windows.ws();
    // No proposal when the store could not be read at load: try again now.
    if (!Identifier::parse(txtMemb->text()))
        Form_Load();
    const auto number = Identifier::parse(txtMemb->text());
    if (!number)
        return;
    if (!requiredDetailsGiven())
        return;
    fillPlaceholders();

    MemberRow m;
    m.number = *number;
    m.lastName = txtLast->text();
    m.firstName = txtFirst->text();
    m.address = txtAddr->text();
    m.city = txtCity->text();
    m.postalCode = txtPostal->text();
    m.homePhone = txtHphone->text();
    m.cellPhone = txtCell->text();
    m.busPhone = txtBPhone->text();
    m.licence = txtDLNum->text();
    m.otherNames[0] = txtOtherName->text();
    m.otherNames[1] = txtON2->text();
    m.otherNames[2] = txtON3->text();
    switch (m_store.addMember(m)) {
    case CustomerStore::Outcome::Done:
        confirmAdded(m);
        txtLast->setFocus();
        // One click, one member: the button stays off until the next one.
        cmdAdd->setEnabled(false);
        m_added = true;
        m_addedNumber = m.number;
        cmdCard->setEnabled(true);
        break;
    case CustomerStore::Outcome::Refused:
    case CustomerStore::Outcome::NotFound:
        proposeFreeNumber(*number);
        break;
    case CustomerStore::Outcome::Failed:
    case CustomerStore::Outcome::TapesOut:
    case CustomerStore::Outcome::WalkIn:
        showDbError(ws, m_store.lastError());
        break;
    }
}

void frmadd::confirmAdded(const MemberRow &m)
{
    QString text = tr("Member %1 added.").arg(m.number);
    // A household may share a phone; a second card for one person is worth a look.
    const auto sharing = m_store.sharingHomePhone(m.homePhone, m.number);
    if (sharing && !sharing->isEmpty()) {
        QStringList who;
        for (const MemberRow &other : *sharing)
            who << tr("member %1 %2 %3").arg(other.number).arg(other.firstName, other.lastName);
        text += QLatin1Char(' ') + tr("Home phone %1 is also that of %2.").arg(m.homePhone, who.join(QStringLiteral(", ")));
    }
    lblAdded->setText(text);
}

void frmadd::proposeFreeNumber(qint32 taken)
{
    WindowSystem &ws = m_windows.ws();
    const auto next = m_store.nextFreeNumber();
    if (!next)
        return showDbError(ws, m_store.lastError());
    txtMemb->setText(QString::number(*next));
    ws.msgBox(tr("Member ID %1 is already taken, so the member was not added.\r\n"
                 "The next free number, %2, is now proposed: press ADD Member again to add the member.")
                  .arg(taken)
                  .arg(*next),
              Buttons::Ok, Icon::Exclamation, tr("Member ID taken"));
}

void frmadd::cmdClearAll_Click()
{
    for (QLineEdit *box : {txtLast, txtFirst, txtAddr, txtCity, txtPostal, txtHphone, txtCell, txtBPhone, txtDLNum,
                           txtOtherName, txtON2, txtON3})
        box->clear();
    txtLast->setFocus();
    lblAdded->clear();
    if (const auto number = Identifier::parse(txtMemb->text()); number && *number < Identifier::Max)
        txtMemb->setText(QString::number(*number + 1));
    cmdAdd->setEnabled(true);
    m_added = false;
    cmdCard->setEnabled(false);
}

void frmadd::cmdCard_Click()
{
    m_windows.offerCard(m_addedNumber);
}

void frmadd::cmdReturn_Click()
{
    m_windows.showMainMenu();
    hide();
}
