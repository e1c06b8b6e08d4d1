#pragma once

#include "data/Money.h"
#include "returns/ReturnsStore.h"
#include "ui/Form.h"

#include <optional>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class WindowContext;

// Collects a member's fees owing for late returns, in full or in part, or
// hands them on to the counter with the rest of the customer's business.
class frmPayment final : public Form
{
    Q_OBJECT

public:
    explicit frmPayment(WindowContext &windows);
    Q_DISABLE_COPY_MOVE(frmPayment)

    QLabel *Image1, *Label1, *Label2, *lblMessage;
    QLineEdit *txtNum;
    QPushButton *cmdEnter, *cmdPayFull, *cmdPayPart, *cmdReturn;
    // How the fee is paid: the counter's six ways, Cash first.
    QLabel *lblMethod, *lblCardNum, *lblExDate;
    QRadioButton *optCash, *OptVisa, *optMC, *optAmEx, *optSears, *optDebit;
    QLineEdit *txtCardNum, *txtExDate;

    // The payment type chosen, as the ledger numbers them.
    int method() const;

    void cmdEnter_Click();
    void cmdPayFull_Click();
    void cmdPayPart_Click();
    void cmdReturn_Click();

protected:
    void Form_Activate() override;
    void closeBox() override { cmdReturn_Click(); }

private:
    // Forgets the member: no payment without a new lookup.
    void forgetMember(const QString &message);
    void showOwing();
    // The amount owing in the label; the pay buttons only while some is owed.
    void showBalance(const QString &noneOwingHint);
    QString memberName() const;
    // Enter looks up a member while the number is being typed, and pays in
    // full once a member owing fees is shown.
    void enterPays(bool pays);
    void methodChanged();
    // The card's number as it may be shown: never whole once typed right.
    void maskCard();
    // The card as typed, checked; false when the clerk has been told which
    // box is wrong. Cash needs no check.
    bool cardAccepted();
    // Asks the clerk to take `amount` by the method chosen; true on Yes.
    bool confirmTaking(Money amount);
    // After a payment: the next member's number goes in the box.
    void readyForNext();

    WindowContext &m_windows;
    // Reopened at each visit.
    std::optional<ReturnsStore> m_store;
    // The member the pay buttons act on, found by a lookup in this visit.
    std::optional<MemberRow> m_member;
    Money m_amountOwing;
    QButtonGroup *m_methods = nullptr;
    // The card number as typed, behind the masked one in the box.
    QString m_cardNumber;
};
