// The money ledger of the sample history: one checkout entry for each
// rental and each sale, written by the program's own ledger code so the
// chain holds.

#include "SampleHistory.h"

#include "counter/CheckoutMoney.h"
#include "data/Database.h"
#include "data/Ledger.h"
#include "data/Pricing.h"

#include <QTime>

#include <algorithm>

namespace SampleStore {

namespace {

struct Event
{
    int day = 0;
    std::optional<qint32> member, rentalId, receiptId;
    int rentals = 0, tapesSold = 0, itemsSold = 0;
    Money rentalsAmount, tapesSoldAmount, itemsSoldAmount;
};

} // namespace

QString History::writeLedger(const QString &path) const
{
    const Rates &rates = Pricing::starting();
    std::vector<Event> events;
    events.reserve(std::size_t(m_checkouts) + m_receipts.size());
    for (std::size_t first = 0, next = 0; first < m_rentals.size(); first = next) {
        const Rental &r = m_rentals[first];
        Event e;
        e.day = r.day;
        e.member = r.member;
        e.rentalId = r.id;
        for (next = first; next < m_rentals.size() && m_rentals[next].id == r.id; ++next) {
            ++e.rentals;
            e.rentalsAmount += rates.classes[m_titles[m_tapes[m_rentals[next].tape].title].priceClass - 1].fee;
        }
        events.push_back(e);
    }
    std::size_t l = 0, t = 0;
    for (const Receipt &r : m_receipts) {
        Event e;
        e.day = r.day;
        e.member = r.customer > 0 ? std::optional<qint32>(r.customer) : std::nullopt;
        e.receiptId = r.id;
        for (; l < m_lines.size() && m_lines[l].receipt == r.id; ++l) {
            e.itemsSold += m_lines[l].quantity;
            e.itemsSoldAmount +=
                (Money::fromUnits(m_items[m_lines[l].item].price) * m_lines[l].quantity).roundedToCents();
        }
        if (t < m_sales.size() && m_sales[t].receipt == r.id) {
            e.tapesSold = 1;
            e.tapesSoldAmount = Money::fromUnits(m_tapes[m_sales[t++].tape].price).roundedToCents();
        }
        events.push_back(e);
    }
    // Rentals and sales of a day by turns, spread over the opening hours.
    std::stable_sort(events.begin(), events.end(), [](const Event &a, const Event &b) { return a.day < b.day; });

    // Apart from the history's own generator, so the history stays as it was.
    Random rng(m_shape.demo ? 20261207 : 20261208);
    Database db(path);
    const bool done = db.transaction(QStringLiteral("write the sample ledger"), [&] {
        for (std::size_t i = 0, dayStart = 0; i < events.size(); ++i) {
            const Event &ev = events[i];
            if (i == 0 || events[i - 1].day != ev.day)
                dayStart = i;
            std::size_t dayEnd = dayStart;
            while (dayEnd < events.size() && events[dayEnd].day == ev.day)
                ++dayEnd;
            const int second = 10 * 3600 + int(qint64(i - dayStart) * 11 * 3600 / qint64(dayEnd - dayStart));

            CheckoutMoney money = CheckoutMoney::forSubtotal(
                ev.rentalsAmount + ev.tapesSoldAmount + ev.itemsSoldAmount, rates.taxes);
            const int roll = rng.below(100);
            if (roll < 45) {
                // Exact, or the next five or twenty dollars up.
                const qint64 cents = money.total.roundedToCents().units() / 100;
                const qint64 step = roll < 15 ? 1 : roll < 35 ? 500 : 2000;
                money.payCash(Money::fromCents((cents + step - 1) / step * step));
            } else {
                money.payByCard(roll < 65 ? 1 : roll < 80 ? 2 : roll < 85 ? 3 : roll < 90 ? 4 : 5);
            }
            money.rentals = ev.rentals;
            money.rentalsAmount = ev.rentalsAmount;
            money.tapesSold = ev.tapesSold;
            money.tapesSoldAmount = ev.tapesSoldAmount;
            money.itemsSold = ev.itemsSold;
            money.itemsSoldAmount = ev.itemsSoldAmount;
            LedgerEntry entry = money.entry(m_first.addDays(ev.day), ev.member, ev.rentalId, ev.receiptId);
            entry.time = entry.day.startOfDay().addSecs(second).toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
            if (!Ledger::append(db, entry))
                return false;
        }
        return true;
    });
    return done ? QString() : db.lastError().clerkText();
}

} // namespace SampleStore
