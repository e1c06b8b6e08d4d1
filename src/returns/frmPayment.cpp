#include "frmPayment.h"

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
    setWindowTitle(QStringLiteral("Customer Late fee payment"));

    Image1 = Pictures::makeImage1(this);
    Label1 = label(this, "Label1", "Customer Late fee Payment");
    QFont heading(QStringLiteral("Tahoma"));
    heading.setBold(true);
    heading.setPointSize(16);
    Label1->setFont(heading);
    Label2 = label(this, "Label2", "Enter the customer Number:");
    txtNum = edit(this, "txtNum");
    Label2->setBuddy(txtNum);
    lblMessage = label(this, "lblMessage", "");
    lblMessage->setWordWrap(true);
    lblMessage->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblMessage->setMinimumHeight(lblMessage->fontMetrics().lineSpacing() * 4);
    lblMessage->setFrameShape(QFrame::StyledPanel);
    lblMessage->setMargin(6);

    lblMethod = label(this, "lblMethod", "Method of payment:");
    m_methods = new QButtonGroup(this);
    auto *methods = new QGridLayout;
    auto option = [&](QRadioButton *&o, const char *name, int method, int row, int column) {
        o = named(new QRadioButton(Ledger::methodName(method), this), name);
        m_methods->addButton(o, method);
        methods->addWidget(o, row, column);
    };
    option(optCash, "optCash", 6, 0, 0);
    option(OptVisa, "OptVisa", 1, 0, 1);
    option(optMC, "optMC", 2, 0, 2);
    option(optAmEx, "optAmEx", 3, 1, 0);
    option(optSears, "optSears", 4, 1, 1);
    option(optDebit, "optDebit", 5, 1, 2);
    optCash->setChecked(true);
    lblCardNum = label(this, "lblCardNum", "Card number:");
    txtCardNum = edit(this, "txtCardNum");
    lblCardNum->setBuddy(txtCardNum);
    methods->addWidget(lblCardNum, 2, 0);
    methods->addWidget(txtCardNum, 2, 1, 1, 2);

    cmdEnter = button(this, "cmdEnter", "Enter");
    cmdPayFull = button(this, "cmdPayFull", "Pay in Full");
    cmdPayPart = button(this, "cmdPayPart", "Pay partial");
    cmdReturn = button(this, "cmdReturn", "Return");
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

    tabOrder({txtNum, cmdEnter, optCash, OptVisa, optMC, optAmEx, optSears, optDebit, txtCardNum, cmdPayFull,
              cmdPayPart, cmdReturn});
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
    lblCardNum->setEnabled(card);
    txtCardNum->setEnabled(card);
    if (!card)
        txtCardNum->clear();
}

void frmPayment::maskCard()
{
    if (!txtCardNum->text().trimmed().isEmpty())
        txtCardNum->setText(CardMask::masked(txtCardNum->text()));
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
    lblMessage->setText(memberName() + QStringLiteral(" has fees owing of ") + m_amountOwing.toCurrency());
}

void frmPayment::showBalance(const QString &noneOwingHint)
{
    const bool owing = m_amountOwing > Money();
    if (owing)
        showOwing();
    else
        lblMessage->setText(memberName() + QStringLiteral(" has no fees owing. No payments are necessary.")
                            + noneOwingHint);
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
        return showInvalidNumber(ws, QStringLiteral("customer number"), txtNum->text());
    }
    const Fetched<MemberRow> found = m_store->member(*number);
    if (found.failed) {
        forgetMember({});
        return showDbError(ws, m_store->lastError());
    }
    if (!found.row)
        return forgetMember(QStringLiteral("Invalid customer."));
    if (found.row->deleted)
        return forgetMember(QStringLiteral("That customer has been deleted."));

    m_member = found.row;
    m_amountOwing = found.row->feesOwing;
    showBalance(QStringLiteral("\n(If customer is returning overdue videos at this time, enter the returns and then "
                               "return to payment.)"));
}

void frmPayment::cmdPayFull_Click()
{
    if (!m_member)
        return;
    WindowSystem &ws = m_windows.ws();
    if (ws.msgBox(QStringLiteral("Does the customer wish to do additional business at this time?"), Buttons::YesNo,
                  Icon::Question, QStringLiteral("Additional Transactions"))
        == Answer::Yes) {
        // The counter takes the fee off when its checkout completes, and
        // leaves it owing if the checkout is abandoned.
        m_windows.handFeesToCounter(m_member->number, m_amountOwing, *this);
        return;
    }

    const auto balance = m_store->payFees(m_member->number, m_amountOwing, m_windows.today(), method());
    if (!balance)
        return showDbError(ws, m_store->lastError());
    ws.msgBox(QStringLiteral("Overdue fees paid in the amount of ") + m_amountOwing.toCurrency(), Buttons::Ok,
              Icon::Information, QStringLiteral("Fees paid"));
    // A fee charged since the lookup is still owing, and still payable.
    m_amountOwing = *balance;
    showBalance({});
}

void frmPayment::cmdPayPart_Click()
{
    if (!m_member)
        return;
    WindowSystem &ws = m_windows.ws();
    const QString typed = ws.inputBox(QStringLiteral("%1 owes %2. Amount paid now:")
                                          .arg(memberName(), m_amountOwing.toCurrency()),
                                      QStringLiteral("Partial Payment"), QStringLiteral("0"));
    // Empty is also what a cancelled box gives: nothing is paid.
    if (typed.trimmed().isEmpty())
        return;
    const auto amount = Money::parse(typed.trimmed());
    if (!amount) {
        ws.msgBox(Money::finerThanCents(typed.trimmed()) || Money::overLimit(typed.trimmed())
                      ? Money::parseProblem(typed.trimmed()) + QStringLiteral(" Nothing has been paid.")
                      : QStringLiteral("\"%1\" is not an amount. Enter the amount paid, for example 2 or 2.50.")
                            .arg(typed),
                  Buttons::Ok, Icon::Exclamation, QStringLiteral("Partial Payment"));
        return;
    }
    if (*amount <= Money()) {
        ws.msgBox(QStringLiteral("The amount paid must be more than $0.00. Nothing has been paid."), Buttons::Ok,
                  Icon::Exclamation, QStringLiteral("Partial Payment"));
        return;
    }

    const auto balance = m_store->payFees(m_member->number, *amount, m_windows.today(), method());
    if (!balance)
        return showDbError(ws, m_store->lastError());
    m_amountOwing = *balance;
    ws.msgBox(QStringLiteral("Payment made of ") + amount->toCurrency() + QStringLiteral("\r\n")
                  + m_amountOwing.toCurrency() + QStringLiteral(" still owing on account."),
              Buttons::Ok, Icon::Information, QStringLiteral("Fees paid"));
    showOwing();
}

void frmPayment::cmdReturn_Click()
{
    hide();
    m_windows.showMainMenu();
}
