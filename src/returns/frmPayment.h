#pragma once

#include "data/Money.h"
#include "returns/ReturnsStore.h"
#include "ui/Form.h"

#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
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

    WindowContext &m_windows;
    // Reopened at each visit.
    std::optional<ReturnsStore> m_store;
    // The member the pay buttons act on, found by a lookup in this visit.
    std::optional<MemberRow> m_member;
    Money m_amountOwing;
};
