#pragma once

#include "data/Money.h"

#include <QStringList>

// The money of one checkout as its payment page shows it. The page's four
// boxes, the cash check, the change and the ledger's record of the checkout
// all take their figures from here, so what is recorded is what was shown.
struct CheckoutMoney
{
    // The four boxes: subtotal, GST, PST and TOTAL.
    Money subtotal, gst, pst, total;
    // The payment type: 1 VISA, 2 MasterCard, 3 American Express, 4 Sears,
    // 5 debit, 6 cash.
    int method = 0;
    // Cash handed over and the change given back; for a card, the total
    // charged and no change.
    Money tendered, change;
    // What the bill's lines come to, by kind.
    int rentals = 0, tapesSold = 0, itemsSold = 0;
    Money rentalsAmount, tapesSoldAmount, itemsSoldAmount, feesPaid;

    // The boxes for a bill whose lines come to `subtotal`.
    static CheckoutMoney forSubtotal(Money subtotal);
    // Cash that covers the total; the change is what is over it, to the cent.
    void payCash(Money cash);
    void payByCard(int paymentType);
    // Adds up the bill's lines (the texts of the bill list) by kind; lines
    // the checkout passes over count for nothing.
    void countLines(const QStringList &bill);
};
