// The receipt: a layout of its own, drawn from the checkout as it was
// written, never from the window, so a reprint is the same.

#include "frmCheckout.h"

#include "ui/Messages.h"
#include "ui/WindowContext.h"
#include "ui/WindowSystem.h"

void frmCheckout::cmdPrintRec_Click()
{
    WindowSystem &ws = m_windows.ws();
    // A receipt shows the checkout as written, so it follows the checkout.
    if (ws.msgBox(tr("Does the customer want to check out now? (No cancels transaction.)"), Buttons::YesNo,
                  Icon::Question, tr("Check-out"))
        != Answer::Yes) {
        ResetCheckout();
        return;
    }
    m_receiptWanted = true;
    cmdCheckOut_Click();
    m_receiptWanted = false;
}

void frmCheckout::offerReceipt()
{
    WindowSystem &ws = m_windows.ws();
    if (!m_receiptWanted
        && ws.msgBox(tr("Do you want to print out a receipt?"), Buttons::YesNo, Icon::Question, tr("Receipt option"))
               != Answer::Yes)
        return;
    printReceipt(m_store.lastCheckout());
}

bool frmCheckout::printReceipt(qint64 seq)
{
    WindowSystem &ws = m_windows.ws();
    std::optional<ReceiptRecord> record = m_receipts.read(seq);
    if (!record) {
        showDbError(ws, m_receipts.lastError());
        return false;
    }
    const std::optional<StoreDetails> store = m_storeDetails.load();
    if (!store) {
        showDbError(ws, m_storeDetails.lastError());
        return false;
    }
    record->cardLastFour = m_cardLastFour;
    QStringList lines;
    {
        // Made in the store's language for receipts; what the printing says stays in the clerk's.
        const Language::Scope receiptLanguage(store->documentLanguage());
        lines = Receipt::lines(*record, *store, Receipt::widthOf(store->paper));
    }
    ws.printPages(Receipt::pages(lines, store->paper), record->receiptId.value_or(0));
    return true;
}
