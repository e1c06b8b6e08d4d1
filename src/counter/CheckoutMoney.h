#pragma once

#include "data/Ledger.h"
#include "data/Money.h"
#include "data/Pricing.h"

#include <QList>
#include <QStringList>

#include <array>

// The money of one checkout as its payment page shows it. The page's four
// boxes, the cash check, the change, the ledger's record of the checkout
// and the amounts kept on each rental and sale row all take their figures
// from here, so what is recorded is what was shown.
//
// Taxes are worked out once per checkout, on its subtotal, as the bill
// shows them; each line then keeps its share of each tax: the tax times the
// line's part of the subtotal, rounded down to the cent, the cents left over
// going one each to the lines with the largest remainders (the earlier line
// on a tie). The shares of one checkout add up exactly to its taxes, so a
// report that sums the lines' kept taxes over any days holds, to the cent,
// the ledger's taxes of the same checkouts, less the share of fees paid with
// a checkout (a fee line is taxed on the bill but kept in no rental or sale
// row).
struct CheckoutMoney
{
    // The four boxes: subtotal, the first and second tax, and TOTAL.
    Money subtotal, gst, pst, total;
    // The taxes in force on the checkout's day, which the bill was worked
    // out with.
    std::array<Tax, Pricing::Taxes> taxes;
    // The payment type: 1 VISA, 2 MasterCard, 3 American Express, 4 Sears,
    // 5 debit, 6 cash.
    int method = 0;
    // Cash handed over and the change given back; for a card, the total
    // charged and no change.
    Money tendered, change;
    // What the bill's lines come to, by kind.
    int rentals = 0, tapesSold = 0, itemsSold = 0;
    Money rentalsAmount, tapesSoldAmount, itemsSoldAmount, feesPaid;

    // The boxes for a bill whose lines come to `subtotal`, taxed at `taxes`.
    static CheckoutMoney forSubtotal(Money subtotal, const std::array<Tax, Pricing::Taxes> &taxes);
    // Whether a bill of `subtotal` and its taxes stay within what the
    // program takes.
    static bool fits(Money subtotal, const std::array<Tax, Pricing::Taxes> &taxes);
    // Cash that covers the total; the change is what is over it, to the cent.
    void payCash(Money cash);
    void payByCard(int paymentType);
    // The ledger's entry of this checkout, its figures those shown here.
    LedgerEntry entry(QDate day, std::optional<qint32> member, std::optional<qint32> rentalId,
                      std::optional<qint32> receiptId) const;
    // Adds up the bill's lines (the texts of the bill list) by kind; lines
    // the checkout passes over count for nothing.
    void countLines(const QStringList &bill);

    struct Share
    {
        Money gst, pst;
    };
    // Each line's share of the two taxes, for the bill's lines' amounts in
    // bill order (which add up to the subtotal).
    QList<Share> shares(const QList<Money> &lineAmounts) const;
};
