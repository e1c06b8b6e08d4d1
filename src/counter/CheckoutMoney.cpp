#include "CheckoutMoney.h"

#include "counter/BillLine.h"

#include <algorithm>
#include <numeric>

namespace {

// `tax` (whole cents) parted over `amounts` by largest remainder; nothing
// when the amounts come to nothing.
QList<Money> share(Money tax, const QList<Money> &amounts)
{
    QList<Money> out(amounts.size());
    const __int128 whole = std::accumulate(amounts.cbegin(), amounts.cend(), __int128(0),
                                           [](__int128 sum, Money m) { return sum + m.units(); });
    if (whole <= 0)
        return out;
    const qint64 cents = divideHalfEven(tax.units(), Money::Scale / 100);
    QList<__int128> remainders(amounts.size());
    qint64 given = 0;
    for (qsizetype i = 0; i < amounts.size(); ++i) {
        const __int128 part = __int128(cents) * amounts[i].units();
        const qint64 floor = qint64(part / whole);
        remainders[i] = part % whole;
        out[i] = Money::fromCents(floor);
        given += floor;
    }
    QList<qsizetype> order(amounts.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](qsizetype a, qsizetype b) { return remainders[a] > remainders[b]; });
    for (qsizetype k = 0; k < order.size() && given < cents; ++k, ++given)
        out[order[k]] += Money::fromCents(1);
    return out;
}

} // namespace

CheckoutMoney CheckoutMoney::forSubtotal(Money subtotal, const std::array<Tax, Pricing::Taxes> &taxes)
{
    CheckoutMoney m;
    m.taxes = taxes;
    m.subtotal = subtotal.roundedToCents();
    m.gst = taxes[0].on(subtotal);
    m.pst = taxes[1].on(subtotal);
    m.total = m.subtotal + m.gst + m.pst;
    return m;
}

bool CheckoutMoney::fits(Money subtotal, const std::array<Tax, Pricing::Taxes> &taxes)
{
    if (subtotal > Money::limit())
        return false;
    const auto first = taxes[0].checkedOn(subtotal), second = taxes[1].checkedOn(subtotal);
    return first && second && subtotal.roundedToCents() + *first + *second <= Money::limit();
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
        switch (line->kind) {
        case BillLine::Kind::Rent:
            ++rentals;
            rentalsAmount += line->amount;
            break;
        case BillLine::Kind::BuyVideo:
            ++tapesSold;
            tapesSoldAmount += line->amount;
            break;
        case BillLine::Kind::Buy:
            itemsSold += line->quantity;
            itemsSoldAmount += line->amount;
            break;
        case BillLine::Kind::Pay:
            feesPaid += line->amount;
            break;
        }
    }
}

QList<CheckoutMoney::Share> CheckoutMoney::shares(const QList<Money> &lineAmounts) const
{
    const QList<Money> first = share(gst, lineAmounts), second = share(pst, lineAmounts);
    QList<Share> out;
    out.reserve(lineAmounts.size());
    for (qsizetype i = 0; i < lineAmounts.size(); ++i)
        out.append(Share{first[i], second[i]});
    return out;
}

LedgerEntry CheckoutMoney::entry(QDate day, std::optional<qint32> member, std::optional<qint32> rentalId,
                                 std::optional<qint32> receiptId) const
{
    LedgerEntry e;
    e.kind = LedgerEntry::Kind::Checkout;
    e.day = day;
    e.member = member;
    e.rentalId = rentalId;
    e.receiptId = receiptId;
    e.method = method;
    e.subtotal = subtotal;
    e.gst = gst;
    e.pst = pst;
    e.total = total;
    e.tendered = tendered;
    e.change = change;
    e.feesPaid = feesPaid;
    e.rentals = rentals;
    e.rentalsAmount = rentalsAmount;
    e.tapesSold = tapesSold;
    e.tapesSoldAmount = tapesSoldAmount;
    e.itemsSold = itemsSold;
    e.itemsSoldAmount = itemsSoldAmount;
    e.amount = total;
    return e;
}
