// The payment page: the bill's totals, the way of paying, and the checkout
// that writes the bill.

#include "frmCheckout.h"

#include "counter/CardCheck.h"
#include "counter/CardMask.h"
#include "data/Identifier.h"
#include "data/StoreDate.h"
#include "ui/Messages.h"
#include "ui/OutcomeList.h"
#include "ui/WindowContext.h"
#include "ui/WindowSystem.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace {

const QString Crlf = QStringLiteral("\r\n");
constexpr int Debit = 5;
constexpr int Cash = 6;

// The box the payment chosen needs next takes the keyboard (arrow keys
// walking the options take it back).
void focusAfterChoosing(QLineEdit *box)
{
    box->setFocus();
    box->selectAll();
}

} // namespace

void frmCheckout::SSTab1_Click(int page)
{
    // One page's notices are not the next page's business.
    lstOutcome->clear();
    showDefaultButton(page);
    if (page == PaymentPage)
        showPaymentTotals();
}

void frmCheckout::showPaymentTotals()
{
    // The boxes follow the taxes of the bill's day; one at 0 % is left off.
    const std::array<Tax, Pricing::Taxes> &taxes = rates().taxes;
    Label29->setText(taxes[0].label());
    Label30->setText(taxes[1].label());
    Label30->setVisible(taxes[1].charged());
    txtPST->setVisible(taxes[1].charged());
    m_money = CheckoutMoney::forSubtotal(m_bill.totals().subtotal(), taxes);
    txtSubTotal->setText(m_money.subtotal.toPlainCents());
    txtGST->setText(m_money.gst.toPlainCents());
    txtPST->setText(m_money.pst.toPlainCents());
    txtTotal1->setText(m_money.total.toPlainCents());
}

void frmCheckout::openPaymentBoxes(bool card, bool expiry, bool cash)
{
    txtCardNum->setEnabled(card);
    txtExDate->setEnabled(expiry);
    txtCash->setEnabled(cash);
    txtCardNum->clear();
    txtExDate->clear();
    m_cardOnFile = {};
    m_cardTyped.clear();
    // Choosing cash again keeps the amount already typed.
    if (!cash)
        txtCash->clear();
}

void frmCheckout::selectCard(int type, Card card)
{
    openPaymentBoxes(true, true, false);
    // With no member there is no card on file to offer.
    if (const auto member = Identifier::parse(txtMemID2->text())) {
        const Fetched<CardOnFile> onFile = m_store.card(*member, card);
        if (onFile.failed)
            showDbError(m_windows.ws(), m_store.lastError());
        else if (onFile.row) {
            txtCardNum->setText(onFile.row->number);
            txtExDate->setText(onFile.row->expiry);
        }
    }
    // The card on file, as filled, is charged as it is.
    m_cardOnFile = {txtCardNum->text(), txtExDate->text()};
    focusAfterChoosing(txtCardNum);
    m_paymentType = type;
}

void frmCheckout::optAmEx_Click()
{
    openPaymentBoxes(true, true, false);
    focusAfterChoosing(txtCardNum);
    m_paymentType = 3;
}

void frmCheckout::optDebit_Click()
{
    openPaymentBoxes(true, false, false);
    focusAfterChoosing(txtCardNum);
    m_paymentType = 5;
}

void frmCheckout::optCash_Click()
{
    openPaymentBoxes(false, false, true);
    focusAfterChoosing(txtCash);
    m_paymentType = Cash;
}

bool frmCheckout::cardAccepted()
{
    const bool onFile = !m_cardOnFile.number.isEmpty() && txtCardNum->text() == m_cardOnFile.number
                        && txtExDate->text() == m_cardOnFile.expiry;
    if (onFile)
        return true;
    // Masked for the verification, the number typed is still the one checked.
    const QString number = txtCardNum->text() == CardMask::masked(m_cardTyped) ? m_cardTyped : txtCardNum->text();
    const auto problem = CardCheck::card(number, txtExDate->text(), m_paymentType != Debit, m_windows.today());
    if (!problem)
        return true;
    m_windows.ws().msgBox(problem->text, Buttons::Ok, Icon::Exclamation, problem->title);
    focusAfterChoosing(problem->box == CardProblem::Box::Number ? txtCardNum : txtExDate);
    return false;
}

bool frmCheckout::planCheckout(CheckoutPlan &plan)
{
    WindowSystem &ws = m_windows.ws();
    const auto date = StoreDate::parse(txtDate->text());
    if (!date) {
        ws.msgBox(StoreDate::invalidMessage(txtDate->text()), Buttons::Ok, Icon::Exclamation, tr("Invalid date"));
        txtDate->setFocus();
        return false;
    }
    plan.date = *date;
    plan.member = Identifier::parse(txtMemID2->text());
    // Totalled with the taxes of the day in the Date box as it stands now.
    showPaymentTotals();
    const QStringList bill = m_bill.lines();
    for (const QString &text : bill)
        if (const auto line = BillLine::parse(text))
            plan.lines.append(*line);
    m_money.countLines(bill);
    if (plan.lines.isEmpty()) {
        ws.msgBox(tr("There is nothing on the bill to check out. Add a tape or an item first."), Buttons::Ok,
                  Icon::Exclamation, tr("Empty bill"));
        return false;
    }
    return true;
}

void frmCheckout::cmdCheckOut_Click()
{
    WindowSystem &ws = m_windows.ws();
    if (m_paymentType == 0) {
        ws.msgBox(tr("Must select a payment type!"), Buttons::Ok, Icon::Exclamation, tr("Payment error."));
        return;
    }
    // The bill and its date are checked before the customer is asked to pay.
    CheckoutPlan plan;
    if (!planCheckout(plan))
        return;

    Answer answer;
    if (m_paymentType == Cash) {
        const auto cash = Money::parse(txtCash->text());
        if (!cash || *cash < Money()) {
            ws.msgBox(Money::overLimit(txtCash->text()) || Money::finerThanCents(txtCash->text())
                          ? Money::parseProblem(txtCash->text())
                          : tr("\"%1\" is not an amount of cash. Enter the cash handed over, for example 20 or 20.00.")
                                .arg(txtCash->text()),
                      Buttons::Ok, Icon::Exclamation, tr("Payment error"));
            txtCash->setFocus();
            return;
        }
        if (*cash < m_money.total) {
            ws.msgBox(tr("Must provide sufficient cash to cover this purchase or remove items."), Buttons::Ok,
                      Icon::Exclamation, tr("Payment error"));
            return;
        }
        m_money.payCash(*cash);
        m_cardLastFour.clear();
        txtChange->setText(m_money.change.toPlainCents());
        answer = ws.msgBox(tr("Verify that the customer has provided $%1\r\nin cash and been returned $%2 in change.")
                                   .arg(cash->toPlainCents(), txtChange->text())
                               + Crlf + tr("(No to change payment type, Cancel stops this checkout.)"),
                           Buttons::YesNoCancel, Icon::Question, tr("Payment verification."));
    } else {
        if (!cardAccepted())
            return;
        m_money.payByCard(m_paymentType);
        m_cardLastFour = CardMask::lastFour(txtCardNum->text());
        // From here on the window (and so the receipt) shows the number masked.
        if (txtCardNum->text() != CardMask::masked(m_cardTyped))
            m_cardTyped = txtCardNum->text();
        txtCardNum->setText(CardMask::masked(txtCardNum->text()));
        // %1 the card number as shown, %2 its expiry date, %3 the total.
        static const char *const verify[] = {
            QT_TR_NOOP("Verify that the VISA credit charge transaction has gone through under the following "
                       "information: \r\n%1 %2 Total: %3"),
            QT_TR_NOOP("Verify that the MasterCard credit charge transaction has gone through under the following "
                       "information: \r\n%1 %2 Total: %3"),
            QT_TR_NOOP("Verify that the American express credit charge transaction has gone through under the "
                       "following information: \r\n%1 %2 Total: %3"),
            QT_TR_NOOP("Verify that the Sears store charge transaction has gone through under the following "
                       "information: \r\n%1 %2 Total: %3"),
            QT_TR_NOOP("Verify that the Interac debit card transaction has gone through under the following "
                       "information: \r\n%1 %2 Total: %3")};
        answer = ws.msgBox(tr(verify[m_paymentType - 1]).arg(txtCardNum->text(), txtExDate->text(), txtTotal1->text())
                               + Crlf + tr("(No to change payment type, Cancel stops this checkout.)"),
                           Buttons::YesNoCancel, Icon::Question, tr("Payment verification."));
    }

    if (answer == Answer::Cancel) {
        m_windows.showMainMenu();
        hide();
        return;
    }
    if (answer != Answer::Yes)
        return;
    // All of it or none of it: a failure leaves the bill on screen to try again.
    plan.money = m_money;
    if (!m_store.recordCheckout(plan)) {
        const DbError error = m_store.lastError();
        // Fees paid elsewhere meanwhile: the bill charges what is still owed.
        if (const auto owed = m_store.feesOwed(); owed && m_feesMember) {
            if (*owed > Money())
                addFeesPaid(*m_feesMember, *owed);
            else
                takeFeesLine();
        }
        // Prices may have changed meanwhile: the totals are read afresh,
        // unless the server is away and would only be waited for again.
        if (error.kind != DbError::Kind::Unreachable && error.kind != DbError::Kind::Restarting)
            m_ratesDay = {};
        billChanged();
        return showDbError(ws, error, tr("The checkout was not saved"));
    }

    offerReceipt();
    ResetCheckout();
}
