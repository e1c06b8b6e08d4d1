// The receipt: the checkout just written, or the counter's window as it
// stands, printed with no more of a card number than its last four digits.

#include "frmCheckout.h"

#include "counter/CardMask.h"
#include "ui/WindowContext.h"
#include "ui/WindowSystem.h"

#include <QLineEdit>

void frmCheckout::cmdPrintRec_Click()
{
    WindowSystem &ws = m_windows.ws();
    if (ws.msgBox(QStringLiteral("Do you wish to print this form out now as a receipt?"), Buttons::YesNo,
                  Icon::Question, QStringLiteral("Print Receipt"))
        == Answer::Yes) {
        // The receipt carries no more of a card number than its last four digits.
        if (!txtCardNum->text().trimmed().isEmpty())
            txtCardNum->setText(CardMask::masked(txtCardNum->text()));
        ws.printWindow(*this);
    }
    if (ws.msgBox(QStringLiteral("Does the customer want to check out now? (No cancels transaction.)"),
                  Buttons::YesNo, Icon::Question, QStringLiteral("Check-out"))
        == Answer::Yes)
        cmdCheckOut_Click();
    else
        ResetCheckout();
}

void frmCheckout::offerReceipt()
{
    WindowSystem &ws = m_windows.ws();
    if (ws.msgBox(QStringLiteral("Do you want to print out a receipt?"), Buttons::YesNo, Icon::Question,
                  QStringLiteral("Receipt option"))
        == Answer::Yes)
        ws.printWindow(*this, m_store.lastReceipt());
}
