// The days of the sample history: members and tapes arriving, checkouts,
// returns and sales, each day's count spread over the week.

#include "SampleHistory.h"

#include "data/Pricing.h"
#include "data/StoreDate.h"

#include <algorithm>

namespace SampleStore {

int share(Random &rng, qint64 left, qint64 places, int lo, int hi)
{
    if (places <= 0 || left <= 0)
        return lo;
    qint64 n = left / places + (rng.below(places) < left % places ? 1 : 0);
    const int spread = int(std::max<qint64>(1, n / 2));
    n += rng.between(-spread, spread);
    n = std::min(n, left - qint64(lo) * (places - 1));
    n = std::max(n, left - qint64(hi) * (places - 1));
    return int(std::clamp<qint64>(n, lo, hi));
}

int arrival(int i, int n, int head, int days)
{
    const qint64 atStart = qint64(n) * head / 100;
    if (i < atStart || n <= atStart)
        return 0;
    return int((i - atStart) * qint64(days) / (n - atStart));
}

History::History(const Shape &shape)
    : m_shape(shape)
    , m_days(std::max(1, shape.counts.days))
    , m_today(m_days - 1)
    , m_first(QDate::currentDate().addDays(-m_today))
    , m_rng(shape.demo ? 19870612 : 19960401)
{
    for (int d = 0; d <= m_days + LongestLoan; ++d)
        m_dayText.append(StoreDate::toText(m_first.addDays(d)));
    makeMembers();
    makeTitles();
    makeTapes();
    makeItems();
    simulate();
}

std::vector<int> History::distinct(int n, int k)
{
    QSet<int> picked;
    k = std::min(k, n);
    while (picked.size() < k)
        picked.insert(m_rng.below(n));
    std::vector<int> out(picked.begin(), picked.end());
    std::sort(out.begin(), out.end());
    return out;
}

// `total` events over the days, busier at the weekend, adding up exactly.
std::vector<int> History::spread(int total) const
{
    static constexpr int weight[] = {0, 3, 3, 3, 4, 6, 7, 4}; // by ISO weekday
    std::vector<qint64> upTo(m_days + 1, 0);
    for (int d = 0; d < m_days; ++d)
        upTo[d + 1] = upTo[d] + weight[m_first.addDays(d).dayOfWeek()];
    std::vector<int> out(m_days);
    for (int d = 0; d < m_days; ++d)
        out[d] = int(total * upTo[d + 1] / upTo[m_days] - total * upTo[d] / upTo[m_days]);
    return out;
}

std::vector<int> History::knownBy(const std::vector<int> &arrivals) const
{
    std::vector<int> out(m_days, 0);
    for (int day : arrivals)
        ++out[std::min(day, m_days - 1)];
    for (int d = 1; d < m_days; ++d)
        out[d] += out[d - 1];
    return out;
}

int History::pickMember(int day, int mustStayPast)
{
    const int known = m_membersBy[day];
    for (int tries = 0; tries < 20 && known > 0; ++tries) {
        const int m = 1 + m_rng.below(known);
        if (m_members[m].retireDay > mustStayPast)
            return m;
    }
    return 0;
}

int History::pickRentalTape(int day, const std::vector<int> &chosen)
{
    const int known = m_tapesBy[day];
    const int recent = m_tapesBy[std::max(0, day - 120)];
    for (int tries = 0; tries < 30 && known > 0; ++tries) {
        // Recent arrivals rent far more than the back catalogue.
        const int t = recent < known && m_rng.percent(40) ? recent + m_rng.below(known - recent) : m_rng.below(known);
        const Tape &tape = m_tapes[t];
        if (tape.forRent && tape.soldDay == Never && tape.backDay <= day && tape.retireDay > day + LongestLoan
            && std::find(chosen.begin(), chosen.end(), t) == chosen.end())
            return t;
    }
    return -1;
}

int History::pickSaleTape(int day)
{
    for (int tries = 0; tries < 30 && !m_salePool.empty(); ++tries) {
        const int at = m_rng.below(qint64(m_salePool.size()));
        Tape &tape = m_tapes[m_salePool[at]];
        if (tape.addedDay <= day && tape.backDay <= day && tape.retireDay > day) {
            const int t = m_salePool[at];
            m_salePool[at] = m_salePool.back();
            m_salePool.pop_back();
            tape.soldDay = day;
            return t;
        }
    }
    return -1;
}

int History::returnDay(int day, int due, int priceClass, bool mayBeLost)
{
    // One tape in a thousand never comes back.
    const int roll = m_rng.below(1000);
    if (roll < 1 && mayBeLost)
        return Never;
    if (roll < 200)
        return std::max(day, due - m_rng.between(1, priceClass + 1));
    if (roll < 780)
        return due;
    if (roll < 950)
        return due + m_rng.between(1, 5);
    return due + m_rng.between(6, LongestLoan - 4);
}

int History::checkout(int day, int tapes)
{
    const int member = pickMember(day, day + LongestLoan);
    if (member == 0)
        return 0;
    std::vector<int> chosen;
    for (int k = 0; k < tapes; ++k) {
        const int t = pickRentalTape(day, chosen);
        if (t < 0)
            break;
        chosen.push_back(t);
    }
    if (chosen.empty())
        return 0;
    const int id = ++m_checkouts;
    for (int t : chosen) {
        Tape &tape = m_tapes[t];
        const int priceClass = m_titles[tape.title].priceClass;
        const int due = day + Pricing::starting().classes[priceClass - 1].days;
        tape.backDay = returnDay(day, due, priceClass, m_members[member].retireDay == Never && tape.retireDay == Never);
        m_rentals.push_back({id, member, t, day, due, tape.backDay > m_today});
    }
    return int(chosen.size());
}

bool History::sell(int day, bool withTape, int lines)
{
    const int id = int(m_receipts.size()) + 1;
    const int tape = withTape ? pickSaleTape(day) : -1;
    if (tape >= 0)
        m_sales.push_back({id, tape});
    else
        lines = std::max(lines, 1);
    std::vector<int> items;
    for (int tries = 0; int(items.size()) < lines && tries < 4 * lines && !m_items.empty(); ++tries) {
        const int i = m_rng.below(qint64(m_items.size()));
        if (m_items[i].retireDay > day && std::find(items.begin(), items.end(), i) == items.end())
            items.push_back(i);
    }
    if (tape < 0 && items.empty())
        return false;
    for (int i : items) {
        const int roll = m_rng.below(100);
        m_lines.push_back({id, i, roll < 70 ? 1 : roll < 90 ? 2 : m_rng.between(3, 6)});
    }
    const int customer = m_rng.percent(35) ? 0 : pickMember(day, day);
    m_receipts.push_back({id, day, customer});
    return true;
}

void History::simulate()
{
    const Counts &c = m_shape.counts;
    const std::vector<int> checkoutsOn = spread(c.checkouts);
    const std::vector<int> receiptsOn = spread(c.receipts);
    qint64 rentalsLeft = c.rentals, checkoutsLeft = c.checkouts;
    qint64 linesLeft = c.itemLines, salesLeft = c.tapeSales, receiptsLeft = c.receipts;
    m_rentals.reserve(c.rentals);
    m_receipts.reserve(c.receipts);
    m_lines.reserve(c.itemLines + c.receipts);
    for (int day = 0; day < m_days; ++day) {
        for (int k = 0; k < checkoutsOn[day]; ++k)
            rentalsLeft -= checkout(day, share(m_rng, rentalsLeft, checkoutsLeft--, 1, 8));
        for (int k = 0; k < receiptsOn[day]; ++k) {
            const bool withTape = m_rng.below(receiptsLeft) < salesLeft;
            const int lines = share(m_rng, linesLeft, receiptsLeft, withTape ? 0 : 1, 6);
            const qsizetype linesBefore = m_lines.size(), salesBefore = m_sales.size();
            --receiptsLeft;
            if (!sell(day, withTape, lines))
                continue;
            linesLeft -= qint64(m_lines.size() - linesBefore);
            salesLeft -= qint64(m_sales.size() - salesBefore);
        }
    }
}

void History::summarise(Summary &s) const
{
    s.written = m_shape.counts;
    s.written.tapes = int(m_tapes.size());
    s.written.checkouts = m_checkouts;
    s.written.rentals = int(m_rentals.size());
    s.written.receipts = int(m_receipts.size());
    s.written.itemLines = int(m_lines.size());
    s.written.tapeSales = int(m_sales.size());
    s.openRentals = s.overdueRentals = 0;
    for (const Rental &r : m_rentals) {
        s.openRentals += r.open;
        s.overdueRentals += r.open && r.due < m_today;
    }
}

} // namespace SampleStore
