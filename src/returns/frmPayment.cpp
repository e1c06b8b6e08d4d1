#include "frmPayment.h"

#include "counter/CardCheck.h"
#include "counter/CardMask.h"
#include "data/Identifier.h"
#include "data/Ledger.h"
#include "ui/Controls.h"
#include "ui/Messages.h"
#include "ui/Pictures.h"
#include "ui/WindowContext.h"
#include "ui/WindowSystem.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

using namespace Controls;

frmPayment::frmPayment(WindowContext &windows)
    : m_windows(windows)
{
    setObjectName(QStringLiteral("frmPayment"));
    setWindowTitle(tr("Customer Late fee payment"));

    Image1 = Pictures::makeImage1(this);
    Label1 = label(this, "Label1", tr("Customer Late fee Payment"));
    QFont heading(QStringLiteral("Tahoma"));
    heading.setBold(true);
    heading.setPointSize(16);
    Label1->setFont(heading);
    Label2 = label(this, "Label2", tr("Enter the customer Number:"));
    txtNum = edit(this, "txtNum");
    Label2->setBuddy(txtNum);
    lblMessage = label(this, "lblMessage", "");
    lblMessage->setWordWrap(true);
    lblMessage->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblMessage->setMinimumHeight(lblMessage->fontMetrics().lineSpacing() * 4);
    lblMessage->setFrameShape(QFrame::StyledPanel);
    lblMessage->setMargin(6);

    lblMethod = label(this, "lblMethod", tr("Method of payment:"));
    m_methods = new QButtonGroup(this);
    auto *methods = new QGridLayout;
    auto option = [&](QRadioButton *&o, const char *name, const QString &caption, int method, int row, int column) {
        o = named(new QRadioButton(caption, this), name);
        m_methods->addButton(o, method);
        methods->addWidget(o, row, column);
    };
    option(optCash, "optCash", tr("&Cash"), 6, 0, 0);
    option(OptVisa, "OptVisa", tr("&VISA"), 1, 0, 1);
    option(optMC, "optMC", tr("&MasterCard"), 2, 0, 2);
    option(optAmEx, "optAmEx", tr("&American Express"), 3, 1, 0);
    option(optSears, "optSears", tr("Sea&rs card"), 4, 1, 1);
    option(optDebit, "optDebit", tr("&Debit"), 5, 1, 2);
    optCash->setChecked(true);
    arrowsChoose(m_methods);
    lblCardNum = label(this, "lblCardNum", tr("Card number:"));
    txtCardNum = edit(this, "txtCardNum");
    lblCardNum->setBuddy(txtCardNum);
    methods->addWidget(lblCardNum, 2, 0);
    methods->addWidget(txtCardNum, 2, 1, 1, 2);
    lblExDate = label(this, "lblExDate", tr("Exp. Date"));
    txtExDate = edit(this, "txtExDate");
    txtExDate->setPlaceholderText(tr("MM/YY"));
    lblExDate->setBuddy(txtExDate);
    methods->addWidget(lblExDate, 3, 0);
    methods->addWidget(txtExDate, 3, 1);

    cmdEnter = button(this, "cmdEnter", tr("Enter"));
    cmdPayFull = button(this, "cmdPayFull", tr("Pay in Full"));
    cmdPayPart = button(this, "cmdPayPart", tr("Pay partial"));
    cmdReturn = button(this, "cmdReturn", tr("Return"));
    commandSize({cmdEnter, cmdPayFull, cmdPayPart, cmdReturn});
    cmdPayFull->setEnabled(false);
    cmdPayPart->setEnabled(false);

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(16, 16, 16, 16);
    grid->setVerticalSpacing(10);
    grid->addWidget(Image1, 0, 0, Qt::AlignLeft);
    grid->addWidget(Label1, 0, 1, 1, 2, Qt::AlignLeft | Qt::AlignVCenter);
    grid->addWidget(Label2, 1, 0);
    grid->addWidget(txtNum, 1, 1);
    grid->addWidget(cmdEnter, 1, 2);
    grid->addWidget(lblMessage, 2, 0, 1, 3);
    grid->addWidget(lblMethod, 3, 0, Qt::AlignLeft | Qt::AlignTop);
    grid->addLayout(methods, 3, 1, 1, 2);
    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(10);
    buttons->addWidget(cmdPayFull);
    buttons->addWidget(cmdPayPart);
    buttons->addStretch();
    buttons->addWidget(cmdReturn);
    grid->addLayout(buttons, 4, 0, 1, 3);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(2, 1);
    resize(560, 360);

    tabOrder({txtNum, cmdEnter, optCash, OptVisa, optMC, optAmEx, optSears, optDebit, txtCardNum, txtExDate,
              cmdPayFull, cmdPayPart, cmdReturn});
    setDefaultButton(cmdEnter);
    setCancelButton(cmdReturn);
    methodChanged();

    connect(cmdEnter, &QPushButton::clicked, this, &frmPayment::cmdEnter_Click);
    connect(cmdPayFull, &QPushButton::clicked, this, &frmPayment::cmdPayFull_Click);
    connect(cmdPayPart, &QPushButton::clicked, this, &frmPayment::cmdPayPart_Click);
    connect(cmdReturn, &QPushButton::clicked, this, &frmPayment::cmdReturn_Click);
    connect(m_methods, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on)
            methodChanged();
    });
    // A card chosen takes its number next; arrow keys walking the options
    // take the focus back.
    connect(m_methods, &QButtonGroup::idClicked, this, [this](int) {
        if (txtCardNum->isEnabled()) {
            txtCardNum->setFocus();
            txtCardNum->selectAll();
        }
    });
    connect(txtCardNum, &QLineEdit::editingFinished, this, &frmPayment::maskCard);
    // A number being typed again is looked up before anything is paid.
    connect(txtNum, &QLineEdit::textEdited, this, [this] { enterPays(false); });
}

int frmPayment::method() const
{
    return m_methods->checkedId();
}

void frmPayment::methodChanged()
{
    const bool card = !optCash->isChecked();
    const bool expiry = card && !optDebit->isChecked();
    lblCardNum->setEnabled(card);
    txtCardNum->setEnabled(card);
    lblExDate->setEnabled(expiry);
    txtExDate->setEnabled(expiry);
    if (!card)
        txtCardNum->clear();
    if (!expiry)
        txtExDate->clear();
}

void frmPayment::maskCard()
{
    const QString typed = txtCardNum->text();
    // A number that does not check out stays in view to be put right.
    if (typed == CardMask::masked(m_cardNumber) || CardCheck::number(typed))
        return;
    m_cardNumber = typed;
    txtCardNum->setText(CardMask::masked(typed));
}

bool frmPayment::cardAccepted()
{
    if (optCash->isChecked())
        return true;
    const QString typed = txtCardNum->text();
    const QString number = typed == CardMask::masked(m_cardNumber) ? m_cardNumber : typed;
    const auto problem = CardCheck::card(number, txtExDate->text(), !optDebit->isChecked(), m_windows.today());
    if (!problem)
        return true;
    m_windows.ws().msgBox(problem->text, Buttons::Ok, Icon::Exclamation, problem->title);
    QLineEdit *box = problem->box == CardProblem::Box::Number ? txtCardNum : txtExDate;
    box->setFocus();
    box->selectAll();
    return false;
}

bool frmPayment::confirmTaking(Money amount)
{
    return m_windows.ws().msgBox(tr("Take %1 from %2 by %3?")
                                     .arg(amount.toCurrency(), memberName(), Ledger::methodShown(method())),
                                 Buttons::YesNo, Icon::Question, tr("Fee payment"), Answer::No)
           == Answer::Yes;
}

void frmPayment::readyForNext()
{
    // The card paid with is not the next payment's.
    txtCardNum->clear();
    txtExDate->clear();
    m_cardNumber.clear();
    txtNum->clear();
    txtNum->setFocus();
    enterPays(false);
}

void frmPayment::enterPays(bool pays)
{
    cmdEnter->setDefault(!pays);
    cmdPayFull->setDefault(pays);
    if (pays)
        cmdPayFull->setFocus();
}

void frmPayment::Form_Activate()
{
    m_store.reset();
    m_store.emplace(m_windows.storePath());
    txtNum->clear();
    txtNum->setFocus();
    optCash->setChecked(true);
    // A member looked up on an earlier visit is not paid for on this one.
    forgetMember({});
}

void frmPayment::forgetMember(const QString &message)
{
    m_member.reset();
    m_amountOwing = Money();
    lblMessage->setText(message);
    cmdPayFull->setEnabled(false);
    cmdPayPart->setEnabled(false);
    enterPays(false);
}

QString frmPayment::memberName() const
{
    return m_member->firstName + u' ' + m_member->lastName;
}

void frmPayment::showOwing()
{
    lblMessage->setText(tr("%1 has fees owing of %2").arg(memberName(), m_amountOwing.toCurrency()));
}

void frmPayment::showBalance(const QString &noneOwingHint)
{
    const bool owing = m_amountOwing > Money();
    if (owing)
        showOwing();
    else
        lblMessage->setText(tr("%1 has no fees owing. No payments are necessary.").arg(memberName()) + noneOwingHint);
    cmdPayFull->setEnabled(owing);
    cmdPayPart->setEnabled(owing);
    enterPays(owing);
}

void frmPayment::cmdEnter_Click()
{
    WindowSystem &ws = m_windows.ws();
    if (txtNum->text().trimmed().isEmpty())
        return;
    const auto number = Identifier::parse(txtNum->text());
    if (!number) {
        forgetMember({});
        ws.msgBox(notANumber(Numbered::Member, txtNum->text()), Buttons::Ok, Icon::Exclamation, tr("Invalid number"));
        return;
    }
    const Fetched<MemberRow> found = m_store->member(*number);
    if (found.failed) {
        forgetMember({});
        return showDbError(ws, m_store->lastError());
    }
    if (!found.row)
        return forgetMember(tr("There is no member %1.").arg(*number));
    if (found.row->deleted)
        return forgetMember(tr("That customer has been deleted."));

    m_member = found.row;
    m_amountOwing = found.row->feesOwing;
    showBalance(u'\n'
                + tr("(If customer is returning overdue videos at this time, enter the returns and then return to "
                     "payment.)"));
}

void frmPayment::cmdPayFull_Click()
{
    if (!m_member)
        return;
    WindowSystem &ws = m_windows.ws();
    if (ws.msgBox(tr("Does the customer wish to do additional business at this time?"), Buttons::YesNo,
                  Icon::Question, tr("Additional Transactions"), Answer::No)
        == Answer::Yes) {
        // The counter takes the fee off when its checkout completes, and
        // leaves it owing if the checkout is abandoned.
        m_windows.handFeesToCounter(m_member->number, m_amountOwing, *this);
        return;
    }
    if (!cardAccepted() || !confirmTaking(m_amountOwing))
        return;

    const auto balance = m_store->payFees(m_member->number, m_amountOwing, m_windows.today(), method());
    if (!balance)
        return showDbError(ws, m_store->lastError());
    ws.msgBox(tr("Overdue fees paid in the amount of %1 by %2.")
                  .arg(m_amountOwing.toCurrency(), Ledger::methodShown(method())),
              Buttons::Ok, Icon::Information, tr("Fees paid"));
    // A fee charged since the lookup is still owing, and still payable.
    m_amountOwing = *balance;
    showBalance({});
    readyForNext();
}

void frmPayment::cmdPayPart_Click()
{
    if (!m_member || !cardAccepted())
        return;
    WindowSystem &ws = m_windows.ws();
    const QString title = tr("Partial Payment");
    const QString typed =
        ws.inputBox(tr("%1 owes %2. Amount paid now:").arg(memberName(), m_amountOwing.toCurrency()), title,
                    QStringLiteral("0"));
    // Empty is also what a cancelled box gives: nothing is paid.
    if (typed.trimmed().isEmpty())
        return;
    const auto amount = Money::parse(typed.trimmed());
    if (!amount) {
        ws.msgBox(Money::finerThanCents(typed.trimmed()) || Money::overLimit(typed.trimmed())
                      //: %1 says why the amount typed is refused.
                      ? tr("%1 Nothing has been paid.").arg(Money::parseProblem(typed.trimmed()))
                      : tr("\"%1\" is not an amount. Enter the amount paid, for example 2 or 2.50.").arg(typed),
                  Buttons::Ok, Icon::Exclamation, title);
        return;
    }
    if (*amount <= Money()) {
        ws.msgBox(tr("The amount paid must be more than $0.00. Nothing has been paid."), Buttons::Ok,
                  Icon::Exclamation, title);
        return;
    }
    if (!confirmTaking(*amount))
        return;

    const auto balance = m_store->payFees(m_member->number, *amount, m_windows.today(), method());
    if (!balance)
        return showDbError(ws, m_store->lastError());
    m_amountOwing = *balance;
    ws.msgBox(tr("Payment made of %1 by %2").arg(amount->toCurrency(), Ledger::methodShown(method()))
                  + QStringLiteral("\r\n") + tr("%1 still owing on account.").arg(m_amountOwing.toCurrency()),
              Buttons::Ok, Icon::Information, tr("Fees paid"));
    showOwing();
    readyForNext();
}

void frmPayment::cmdReturn_Click()
{
    hide();
    m_windows.showMainMenu();
}
