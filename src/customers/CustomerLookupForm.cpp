#include "CustomerLookupForm.h"

#include "data/Identifier.h"
#include "ui/Controls.h"
#include "ui/MemberChooser.h"
#include "ui/Messages.h"
#include "ui/Pictures.h"
#include "ui/WindowContext.h"
#include "ui/WindowSystem.h"

#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using Controls::edit;
using Controls::label;
using Controls::labelAbove;

CustomerLookupForm::CustomerLookupForm(WindowContext &windows, const char *objectName, const QString &caption,
                                       const char *displayName)
    : m_windows(windows)
    , m_store(windows.storePath())
{
    setObjectName(QString::fromLatin1(objectName));
    setWindowTitle(caption);

    auto *layout = new QVBoxLayout(this);
    Image1 = Pictures::makeImage1(this);
    layout->addWidget(Image1);

    auto *keys = new QGridLayout;
    Label1 = label(this, "Label1", tr("Member ID"));
    txtMemb = edit(this, "txtMemb");
    Label2 = label(this, "Label2", tr("Home Phone Number"));
    txtHphone = edit(this, "txtHphone");
    Label3 = label(this, "Label3", tr("Drivers Licence Number"));
    txtDLNum = edit(this, "txtDLNum");
    m_display = Controls::button(this, displayName, tr("Display Member"));
    labelAbove(keys, 0, 0, Label1, txtMemb);
    labelAbove(keys, 0, 1, Label2, txtHphone);
    labelAbove(keys, 0, 2, Label3, txtDLNum);
    keys->addWidget(m_display, 1, 3);
    cmdCard = Controls::button(this, "cmdCard", tr("Print &card..."));
    keys->addWidget(cmdCard, 1, 4);
    layout->addLayout(keys);

    auto *line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    layout->addWidget(line);

    m_details = new QGridLayout;
    Label4 = label(this, "Label4", tr("Last Name"));
    txtLast = edit(this, "txtLast");
    Label5 = label(this, "Label5", tr("First Name"));
    txtFirst = edit(this, "txtFirst");
    Label6 = label(this, "Label6", tr("Address"));
    txtAddr = edit(this, "txtAddr");
    Label7 = label(this, "Label7", tr("City"));
    txtCity = edit(this, "txtCity");
    Label8 = label(this, "Label8", tr("Postal Code"));
    txtPostal = edit(this, "txtPostal");
    Label9 = label(this, "Label9", tr("Cell Phone Number"));
    txtCell = edit(this, "txtCell");
    Label10 = label(this, "Label10", tr("Business Phone Number"));
    txtBPhone = edit(this, "txtBPhone");
    Label11 = label(this, "Label11", tr("Other Names"));
    txtOther1 = edit(this, "txtOther1");
    txtOther2 = edit(this, "txtOther2");
    txtOther3 = edit(this, "txtOther3");
    labelAbove(m_details, 0, 0, Label4, txtLast);
    labelAbove(m_details, 0, 1, Label5, txtFirst);
    labelAbove(m_details, 2, 0, Label6, txtAddr);
    labelAbove(m_details, 2, 1, Label7, txtCity);
    labelAbove(m_details, 4, 0, Label8, txtPostal);
    labelAbove(m_details, 6, 0, Label9, txtCell);
    labelAbove(m_details, 6, 1, Label10, txtBPhone);
    labelAbove(m_details, 8, 0, Label11, txtOther1);
    m_details->addWidget(txtOther2, 10, 0);
    m_details->addWidget(txtOther3, 11, 0);
    m_details->setColumnStretch(0, 1);
    m_details->setColumnStretch(1, 1);
    layout->addLayout(m_details);
    layout->addStretch();

    m_commands = new QHBoxLayout;
    m_commands->addStretch();
    layout->addLayout(m_commands);

    Controls::tabOrder({txtMemb, txtHphone, txtDLNum, m_display, cmdCard, txtLast, txtFirst, txtAddr, txtCity, txtPostal,
                        txtCell, txtBPhone, txtOther1, txtOther2, txtOther3});

    // Any change moves the key, typed or put there by the window itself.
    connect(txtMemb, &QLineEdit::textChanged, this, [this] { searchKey = 1; });
    connect(txtHphone, &QLineEdit::textChanged, this, [this] { searchKey = 2; });
    connect(txtDLNum, &QLineEdit::textChanged, this, [this] { searchKey = 3; });
    connect(m_display, &QPushButton::clicked, this, &CustomerLookupForm::DisplayMember);
    connect(cmdCard, &QPushButton::clicked, this, &CustomerLookupForm::cmdCard_Click);
    // Enter in a key box looks up, and goes no further to the window's own default button.
    for (QLineEdit *box : {txtMemb, txtHphone, txtDLNum})
        box->installEventFilter(this);
    resize(620, 470);
}

bool CustomerLookupForm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter)
            && (watched == txtMemb || watched == txtHphone || watched == txtDLNum)) {
            DisplayMember();
            return true;
        }
    }
    return Form::eventFilter(watched, event);
}

void CustomerLookupForm::DisplayMember()
{
    QLineEdit *const boxes[] = {txtMemb, txtHphone, txtDLNum};
    const QString typed = searchKey >= 1 && searchKey <= 3 ? boxes[searchKey - 1]->text() : QString();
    const MemberLookup::Typed found = m_store.findTyped(searchKey, typed);
    if (!membersFound(m_windows.ws(), found, typed, m_store.lastError()))
        return;
    // Members sharing a phone or a licence: the clerk picks which one.
    const std::optional<MemberRow> chosen = m_windows.memberChooser().choose(m_windows.ws(), found.rows);
    if (!chosen)
        return;
    fill(*chosen);
    memberShown(*chosen);
}

void CustomerLookupForm::cmdCard_Click()
{
    if (const auto number = typedMemberNumber())
        m_windows.offerCard(*number);
}

void CustomerLookupForm::fill(const MemberRow &row)
{
    txtMemb->setText(QString::number(row.number));
    txtHphone->setText(row.homePhone);
    txtDLNum->setText(row.licence);
    txtFirst->setText(row.firstName);
    txtLast->setText(row.lastName);
    txtAddr->setText(row.address);
    txtCity->setText(row.city);
    txtPostal->setText(row.postalCode);
    txtCell->setText(row.cellPhone);
    txtBPhone->setText(row.busPhone);
    txtOther1->setText(row.otherNames[0]);
    txtOther2->setText(row.otherNames[1]);
    txtOther3->setText(row.otherNames[2]);
}

void CustomerLookupForm::clearDetails()
{
    for (QLineEdit *box : {txtLast, txtFirst, txtAddr, txtCity, txtPostal, txtHphone, txtCell, txtBPhone, txtDLNum,
                           txtOther1, txtOther2, txtOther3})
        box->clear();
    txtMemb->setFocus();
}

MemberRow CustomerLookupForm::details() const
{
    MemberRow d;
    d.lastName = txtLast->text();
    d.firstName = txtFirst->text();
    d.address = txtAddr->text();
    d.city = txtCity->text();
    d.postalCode = txtPostal->text();
    d.homePhone = txtHphone->text();
    d.cellPhone = txtCell->text();
    d.busPhone = txtBPhone->text();
    d.licence = txtDLNum->text();
    d.otherNames[0] = txtOther1->text();
    d.otherNames[1] = txtOther2->text();
    d.otherNames[2] = txtOther3->text();
    return d;
}

std::optional<qint32> CustomerLookupForm::typedMemberNumber()
{
    const auto number = Identifier::parse(txtMemb->text());
    if (!number)
        showInvalidNumber(m_windows.ws(), tr("member ID"), txtMemb->text());
    return number;
}

void CustomerLookupForm::refuseUnknownMember(qint32 number)
{
    m_windows.ws().msgBox(tr("There is no member with the number %1, so nothing was changed.").arg(number),
                          Buttons::Ok, Icon::Exclamation, tr("Customer not found"));
}

void CustomerLookupForm::showReturn()
{
    m_windows.showMainMenu();
    hide();
}
