#include "CheckoutMoney.h"

#include "counter/BillLine.h"
#include "data/Pricing.h"

CheckoutMoney CheckoutMoney::forSubtotal(Money subtotal)
{
    CheckoutMoney m;
    m.subtotal = subtotal.roundedToCents();
    m.gst = Pricing::gst(subtotal);
    m.pst = Pricing::pst(subtotal);
    m.total = Pricing::total(subtotal);
    return m;
}

void CheckoutMoney::payCash(Money cash)
{
    method = 6;
    tendered = cash;
    change = (cash - total).roundedToCents();
}

void CheckoutMoney::payByCard(int paymentType)
{
    method = paymentType;
    tendered = total;
    change = Money();
}

void CheckoutMoney::countLines(const QStringList &bill)
{
    rentals = tapesSold = itemsSold = 0;
    rentalsAmount = tapesSoldAmount = itemsSoldAmount = feesPaid = Money();
    for (const QString &text : bill) {
        const auto line = BillLine::parse(text);
        if (!line)
            continue;
        const Money amount = BillLine::amount(text).value_or(Money());
        switch (line->kind) {
        case BillLine::Kind::Rent:
            ++rentals;
            rentalsAmount += amount;
            break;
        case BillLine::Kind::BuyVideo:
            ++tapesSold;
            tapesSoldAmount += amount;
            break;
        case BillLine::Kind::Buy:
            itemsSold += line->quantity;
            itemsSoldAmount += amount;
            break;
        case BillLine::Kind::Pay:
            feesPaid += line->amount;
            break;
        }
    }
}
