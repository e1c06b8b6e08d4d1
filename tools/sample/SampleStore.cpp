#include "SampleStore.h"

#include "SampleWords.h"

#include "counter/CheckoutMoney.h"
#include "data/Database.h"
#include "data/Money.h"
#include "data/Pricing.h"
#include "data/StoreDate.h"
#include "data/StoreFile.h"

#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>
#include <initializer_list>
#include <vector>

namespace SampleStore {

Counts fullCounts()
{
    Counts c;
    c.members = 50000;
    c.titles = 20000;
    c.tapes = 100000;
    c.checkouts = 300000;
    c.rentals = 1000000;
    c.receipts = 200000;
    c.itemLines = 400000;
    c.tapeSales = 50000;
    c.stockItems = 1000;
    c.days = 3650;
    return c;
}

namespace {

using namespace SampleWords;

constexpr int Never = 1 << 29;
// The latest a returned tape comes back after its rental day: four days'
// loan and a month late. Retirements wait for such tapes.
constexpr int LongestLoan = 4 + 30;

// splitmix64: the same sequence on every platform and Qt version, which
// QRandomGenerator's bounded() does not promise.
class Random
{
public:
    explicit Random(quint64 seed) : m_state(seed) {}
    quint64 next()
    {
        quint64 z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int below(qint64 n) { return n <= 0 ? 0 : int(next() % quint64(n)); }
    int between(int lo, int hi) { return lo + below(qint64(hi) - lo + 1); }
    bool percent(int p) { return below(100) < p; }
    QString word(Words words) { return QString::fromLatin1(words[below(qint64(words.size()))]); }

private:
    quint64 m_state;
};

// One slot's share of what is left, jittered around the mean but never so
// far that the remaining slots cannot take the rest.
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

// Arrival day of the i-th of n things when `head` percent are there at the
// start and the rest come evenly, in number order.
int arrival(int i, int n, int head, int days)
{
    const qint64 atStart = qint64(n) * head / 100;
    if (i < atStart || n <= atStart)
        return 0;
    return int((i - atStart) * qint64(days) / (n - atStart));
}

// 792 exchanges from 200 to 999, leaving out the service codes 211 to 911.
constexpr int PhoneSlots = 792 * 10000;

QString phone(int exchange, int line)
{
    return QStringLiteral("%1-%2").arg(exchange).arg(line, 4, 10, QLatin1Char('0'));
}

QString phone(int slot)
{
    const int block = slot / 10000 / 99, inBlock = slot / 10000 % 99;
    return phone((2 + block) * 100 + inBlock + (inBlock >= 11 ? 1 : 0), slot % 10000);
}

// A number that passes the card check-digit rule, so the counter's own
// checks, if any, accept it.
QString cardNumber(Random &rng, const QString &prefix, int length)
{
    QString digits = prefix;
    while (digits.size() < length - 1)
        digits += QChar(u'0' + rng.below(10));
    int sum = 0;
    bool twice = true;
    for (qsizetype i = digits.size() - 1; i >= 0; --i, twice = !twice) {
        int v = digits.at(i).digitValue() * (twice ? 2 : 1);
        sum += v > 9 ? v - 9 : v;
    }
    return digits + QChar(u'0' + (10 - sum % 10) % 10);
}

qint64 cents(int c)
{
    return Money::fromCents(c).units();
}

struct Member
{
    QString last, first, address, city, postal, home, cell, bus, licence;
    QString others[3];
    QString visa, visaExp, masterCard, mcExp, sears, searsExp;
    qint64 fees = 0;
    int joinDay = 0;
    int retireDay = Never;
    bool household = false;
};

struct Title
{
    QString name, actor, actress, rating;
    int genre = 1;
    int priceClass = 2;
    int addedDay = 0;
    int retireDay = Never;
};

struct Tape
{
    int title = 0; // index into titles
    int copy = 1;
    bool forRent = true;
    bool forSale = false;
    qint64 price = 0;
    int addedDay = 0;
    int retireDay = Never;
    int backDay = 0; // first day it stands on the shelf again
    int soldDay = Never;
};

struct Item
{
    QString name;
    qint64 price = 0;
    int quantity = 0;
    int retireDay = Never;
};

struct Rental
{
    int id, member, tape, day, due;
    bool open;
};

struct Receipt
{
    int id, day, customer;
};

struct Line
{
    int receipt, item, quantity;
};

struct Sale
{
    int receipt, tape;
};

struct Shape
{
    Counts counts;
    bool demo = false;
    int joinedAtStart = 100; // percent of members and titles there on the first day
    int forSalePercent = 30;
    int cardPercent = 35;
    int feesPercent = 12;
};

Shape demoShape()
{
    Shape s;
    s.demo = true;
    s.counts.members = 40;
    s.counts.titles = int(std::size(DemoTitles));
    s.counts.checkouts = 150;
    s.counts.rentals = 330;
    s.counts.receipts = 90;
    s.counts.itemLines = 150;
    s.counts.tapeSales = 15;
    s.counts.stockItems = int(std::size(DemoItems));
    s.counts.days = 28;
    s.cardPercent = 40;
    s.feesPercent = 15;
    return s;
}

Shape fullShape(const Counts &counts)
{
    Shape s;
    s.counts = counts;
    s.joinedAtStart = 20;
    // Half the tapes are sold over the years, so most are offered for sale.
    s.forSalePercent = 70;
    return s;
}

class History
{
public:
    explicit History(const Shape &shape)
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

    QString writeTo(const QSqlDatabase &db) const;
    void summarise(Summary &s) const;

private:
    std::vector<int> distinct(int n, int k);
    std::vector<int> spread(int total) const;
    std::vector<int> knownBy(const std::vector<int> &arrivals) const;
    void makeMembers();
    void makeCards(Member &m);
    QString titleName(int genre, QSet<QString> &used);
    void makeTitles();
    void makeTapes();
    void makeItems();
    void simulate();
    int pickMember(int day, int mustStayPast);
    int pickRentalTape(int day, const std::vector<int> &chosen);
    int pickSaleTape(int day);
    int returnDay(int day, int due, int priceClass, bool mayBeLost);
    int checkout(int day, int tapes);
    bool sell(int day, bool withTape, int lines);

    Shape m_shape;
    int m_days;
    int m_today;
    QDate m_first;
    Random m_rng;
    QStringList m_dayText;

    std::vector<Member> m_members; // index = member number; 0 is the walk-in the schema writes
    std::vector<Title> m_titles;
    std::vector<Tape> m_tapes;
    std::vector<Item> m_items;
    std::vector<Rental> m_rentals;
    std::vector<Receipt> m_receipts;
    std::vector<Line> m_lines;
    std::vector<Sale> m_sales;
    std::vector<int> m_membersBy, m_tapesBy; // how many have arrived by each day
    std::vector<int> m_salePool;
    int m_checkouts = 0;
};

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

void History::makeMembers()
{
    const int n = m_shape.counts.members;
    m_members.resize(n + 1);
    std::vector<int> joins;
    int homes = 0;
    for (int i = 1; i <= n; ++i) {
        Member &m = m_members[i];
        Member &prev = m_members[i - 1];
        const bool female = m_rng.percent(50);
        m.first = m_rng.word(female ? Words(FemaleNames) : Words(MaleNames));
        // A second member of the household before: same name, address and home phone.
        if (i > 1 && !prev.household && m_rng.percent(8)) {
            m.household = prev.household = true;
            m.last = prev.last;
            m.address = prev.address;
            m.city = prev.city;
            m.postal = prev.postal;
            m.home = prev.home;
        } else {
            m.last = m_rng.word(LastNames);
            m.address = QStringLiteral("%1 %2 %3")
                            .arg(m_rng.between(1, 2999))
                            .arg(m_rng.word(Streets), m_rng.word(StreetKinds));
            const int city = m_rng.percent(60) ? 0 : m_rng.below(std::size(Cities));
            m.city = QString::fromLatin1(Cities[city]);
            auto letter = [&] { return QChar::fromLatin1(PostalLetters[m_rng.below(18)]); };
            m.postal = QStringLiteral("%1%2%3 %4%5%6")
                           .arg(QChar::fromLatin1("KLMNPR"[city]))
                           .arg(m_rng.below(10))
                           .arg(letter())
                           .arg(m_rng.below(10))
                           .arg(letter())
                           .arg(m_rng.below(10));
            // A multiplier prime to the number range keeps every household's number its own.
            if (m_shape.demo) {
                m.home = phone(555, 100 + (homes * 37 + 11) % 100);
            } else {
                m.home = phone(int((qint64(homes) * 7919 + 1234567) % PhoneSlots));
            }
            ++homes;
        }
        m.cell = m_rng.percent(45) ? phone(m_rng.below(PhoneSlots)) : QStringLiteral("N/A");
        m.bus = m_rng.percent(30) ? phone(m_rng.below(PhoneSlots)) : QStringLiteral("N/A");
        const qint64 serial = (qint64(i) * 2654435761LL + 1234567891LL) % 10000000000LL;
        m.licence = QStringLiteral("%1%2-%3-%4")
                        .arg(m.last.at(0))
                        .arg(m_rng.below(10000), 4, 10, QLatin1Char('0'))
                        .arg(serial / 100000, 5, 10, QLatin1Char('0'))
                        .arg(serial % 100000, 5, 10, QLatin1Char('0'));
        const int roll = m_rng.below(100);
        const int otherCount = roll < 45 ? 0 : roll < 75 ? 1 : roll < 93 ? 2 : 3;
        for (int k = 0; k < 3; ++k) {
            m.others[k] = k < otherCount ? m_rng.word(m_rng.percent(50) ? Words(FemaleNames) : Words(MaleNames))
                                               + QLatin1Char(' ') + m.last
                                         : QStringLiteral("N/A");
        }
        if (m_rng.percent(m_shape.feesPercent)) {
            const int priceClass = m_rng.between(1, 3);
            m.fees = (Pricing::starting().classes[priceClass - 1].lateFee * m_rng.between(1, 6)).units();
        }
        if (m_rng.percent(m_shape.cardPercent))
            makeCards(m);
        m.joinDay = arrival(i - 1, n, m_shape.joinedAtStart, m_days);
        joins.push_back(m.joinDay);
    }
    for (int i : distinct(n, std::max(1, n / 50)))
        m_members[i + 1].retireDay = m_rng.between(m_members[i + 1].joinDay, m_today);
    m_membersBy = knownBy(joins);
}

void History::makeCards(Member &m)
{
    auto expiry = [&] {
        return QStringLiteral("%1-%2")
            .arg(QDate::currentDate().year() + m_rng.between(-1, 4))
            .arg(m_rng.between(1, 12), 2, 10, QLatin1Char('0'));
    };
    const bool visa = m_rng.percent(70);
    const bool mc = m_rng.percent(45);
    const bool sears = m_rng.percent(20) || (!visa && !mc);
    m.visa = visa ? cardNumber(m_rng, QStringLiteral("4"), 16) : QStringLiteral("0");
    m.visaExp = visa ? expiry() : QString();
    m.masterCard = mc ? cardNumber(m_rng, QStringLiteral("5%1").arg(m_rng.between(1, 5)), 16) : QStringLiteral("0");
    m.mcExp = mc ? expiry() : QString();
    m.sears = sears ? cardNumber(m_rng, QStringLiteral("6035"), 16) : QStringLiteral("0");
    m.searsExp = sears ? expiry() : QString();
}

QString History::titleName(int genre, QSet<QString> &used)
{
    const GenreWords &g = Genres[genre - 1];
    QString name;
    for (int attempt = 0; attempt < 3 && (name.isEmpty() || used.contains(name)); ++attempt) {
        const QString a = m_rng.word(g.adjectives), n = m_rng.word(g.nouns), p = m_rng.word(Places);
        switch (m_rng.below(9)) {
        case 0: name = QStringLiteral("The %1 %2").arg(a, n); break;
        case 1: name = QStringLiteral("%1 %2").arg(a, n); break;
        case 2: name = QStringLiteral("%1 of %2").arg(n, p); break;
        case 3: name = QStringLiteral("The %1 of %2").arg(n, p); break;
        case 4: name = QStringLiteral("The %1 from %2").arg(n, p); break;
        case 5: name = QStringLiteral("%1 in %2").arg(n, p); break;
        case 6: name = QStringLiteral("%1 %2 in %3").arg(a, n, p); break;
        case 7: name = QStringLiteral("The %1 %2 of %3").arg(a, n, p); break;
        default: name = QStringLiteral("%1 %2").arg(p, n); break;
        }
        name[0] = name.at(0).toUpper();
    }
    // A name already in the catalogue becomes its sequel.
    const QString first = name;
    for (int k = 0; used.contains(name); ++k)
        name = k < int(std::size(Sequels)) ? first + QLatin1String(Sequels[k]) : QStringLiteral("%1 %2").arg(first).arg(k);
    used.insert(name);
    return name;
}

void History::makeTitles()
{
    static constexpr int ratingWeights[5][5] = {
        {0, 5, 40, 50, 5}, {5, 25, 45, 25, 0}, {5, 30, 35, 30, 0}, {15, 35, 35, 15, 0}, {0, 0, 30, 60, 10}};
    static constexpr const char *ratings[] = {"G", "PG", "PG-13", "R", "NC-17"};
    const int n = m_shape.counts.titles;
    QSet<QString> used;
    m_titles.resize(n);
    for (int i = 0; i < n; ++i) {
        Title &t = m_titles[i];
        t.actor = m_rng.word(MaleNames) + QLatin1Char(' ') + m_rng.word(LastNames);
        t.actress = m_rng.word(FemaleNames) + QLatin1Char(' ') + m_rng.word(LastNames);
        if (m_shape.demo) {
            const DemoTitle &d = DemoTitles[i % std::size(DemoTitles)];
            t.name = QString::fromLatin1(d.name);
            t.genre = d.genre;
            t.rating = QString::fromLatin1(d.rating);
            t.priceClass = d.priceClass;
            continue;
        }
        t.genre = 1 + i % 5;
        t.name = titleName(t.genre, used);
        int roll = m_rng.below(100);
        int r = 0;
        while (roll >= ratingWeights[t.genre - 1][r])
            roll -= ratingWeights[t.genre - 1][r++];
        t.rating = QString::fromLatin1(ratings[r]);
        t.addedDay = arrival(i, n, m_shape.joinedAtStart, m_days);
        // New releases are the last three months' titles; discount ones are mostly old.
        if (t.addedDay > m_today - 90)
            t.priceClass = 1;
        else
            t.priceClass = m_rng.percent(t.addedDay < m_days / 2 ? 40 : 20) ? 3 : 2;
    }
    for (int i : distinct(n, std::max(2, n / 100)))
        m_titles[i].retireDay = m_rng.between(m_titles[i].addedDay, m_today);
}

void History::makeTapes()
{
    const int titles = int(m_titles.size());
    std::vector<int> arrivals;
    qint64 left = m_shape.counts.tapes;
    for (int t = 0; t < titles; ++t) {
        const Title &title = m_titles[t];
        const int copies = m_shape.demo ? m_rng.between(3, 5) : share(m_rng, left, titles - t, 1, 12);
        left -= copies;
        for (int c = 1; c <= copies; ++c) {
            Tape tape;
            tape.title = t;
            tape.copy = c;
            tape.forRent = m_rng.percent(95);
            tape.forSale = !tape.forRent || m_rng.percent(m_shape.forSalePercent);
            static constexpr int prices[3][2] = {{2499, 2499}, {1499, 1299}, {999, 699}};
            tape.price = cents(tape.forRent ? prices[title.priceClass - 1][m_rng.below(2)] : 1999);
            tape.addedDay = title.addedDay;
            tape.retireDay = title.retireDay;
            tape.backDay = tape.addedDay;
            m_tapes.push_back(tape);
            arrivals.push_back(tape.addedDay);
        }
    }
    for (int i : distinct(int(m_tapes.size()), std::max(3, int(m_tapes.size()) * 3 / 100)))
        m_tapes[i].retireDay = std::min(m_tapes[i].retireDay, m_rng.between(m_tapes[i].addedDay, m_today));
    for (int i = 0; i < int(m_tapes.size()); ++i)
        if (m_tapes[i].forSale)
            m_salePool.push_back(i);
    m_tapesBy = knownBy(arrivals);
}

void History::makeItems()
{
    const int n = m_shape.counts.stockItems;
    for (int i = 0; i < n; ++i) {
        Item item;
        if (m_shape.demo) {
            const Product &p = DemoItems[i % std::size(DemoItems)];
            item.name = QString::fromLatin1(p.name);
            item.price = cents(p.cents);
            item.quantity = m_rng.between(5, 60);
        } else {
            // Each brand, product and size together once.
            const Product &p = Products[i % std::size(Products)];
            const int brand = (i / int(std::size(Products))) % int(std::size(Brands));
            const SampleWords::Size &size = Sizes[(i / int(std::size(Products) * std::size(Brands))) % std::size(Sizes)];
            item.name = QStringLiteral("%1 %2%3").arg(QLatin1String(Brands[brand]), QLatin1String(p.name),
                                                      QLatin1String(size.suffix));
            // Priced to end in 9 cents, as shelf prices do.
            item.price = cents(std::max(49, (p.cents * size.percent / 100) / 10 * 10 + 9));
            item.quantity = m_rng.percent(5) ? 0 : m_rng.between(1, 150);
        }
        m_items.push_back(item);
    }
    if (m_shape.demo && n > 0)
        m_items.back().retireDay = m_today / 2; // the Beta tapes, long past their day
    else
        for (int i : distinct(n, n * 3 / 100))
            m_items[i].retireDay = m_rng.between(0, m_today);
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

// One prepared INSERT run once per row, every value bound.
class Insert
{
public:
    Insert(const QSqlDatabase &db, const QString &sql, QString &error)
        : m_query(db)
        , m_error(error)
    {
        if (!m_query.prepare(sql) && m_error.isEmpty())
            m_error = m_query.lastError().text();
    }
    bool operator()(std::initializer_list<QVariant> values)
    {
        if (!m_error.isEmpty())
            return false;
        for (const QVariant &v : values)
            m_query.addBindValue(v);
        if (m_query.exec())
            return true;
        m_error = m_query.lastError().text();
        return false;
    }

private:
    QSqlQuery m_query;
    QString &m_error;
};

QString History::writeTo(const QSqlDatabase &connection) const
{
    QSqlDatabase db = connection;
    QString error;
    auto inTransaction = [&](auto body) {
        if (!error.isEmpty())
            return;
        if (!db.transaction()) {
            error = db.lastError().text();
            return;
        }
        body();
        if (error.isEmpty() && !db.commit())
            error = db.lastError().text();
        if (!error.isEmpty())
            db.rollback();
    };
    const int today = m_today;

    inTransaction([&] {
        Insert member(db, QStringLiteral(
                              "INSERT INTO tblMembers (CustomerNumber, LastName, FirstName, Address, City, "
                              "PostalCode, HomePhone, CellPhone, BusPhone, DriverLicence, OtherNames1, OtherNames2, "
                              "OtherNames3, FeesOwing, Deleted) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                      error);
        Insert card(db, QStringLiteral("INSERT INTO tblCreditInfo (CustomersNumber, Visa, VisaExp, MasterCard, MCExp, "
                                       "Sears, SearsExp) VALUES (?, ?, ?, ?, ?, ?, ?)"),
                    error);
        for (int i = 1; i < int(m_members.size()); ++i) {
            const Member &m = m_members[i];
            if (!member({i, m.last, m.first, m.address, m.city, m.postal, m.home, m.cell, m.bus, m.licence,
                         m.others[0], m.others[1], m.others[2], m.fees, m.retireDay <= today ? 1 : 0}))
                return;
            if (!m.visa.isEmpty() && !card({i, m.visa, m.visaExp, m.masterCard, m.mcExp, m.sears, m.searsExp}))
                return;
        }
    });
    inTransaction([&] {
        Insert movie(db, QStringLiteral("INSERT INTO tblMovies (MovieNum, Name, CategoryID, Actor, Actress, Rating, "
                                        "PriceClass, Deleted) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
                     error);
        Insert video(db, QStringLiteral("INSERT INTO tblVideos (VideoID, MovieNum, CopyNumber, ForRent, ForSale, "
                                        "InStore, SalePrice, Deleted) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
                     error);
        for (int i = 0; i < int(m_titles.size()); ++i) {
            const Title &t = m_titles[i];
            if (!movie({i + 1, t.name, t.genre, t.actor, t.actress, t.rating, t.priceClass,
                        t.retireDay <= today ? 1 : 0}))
                return;
        }
        for (int i = 0; i < int(m_tapes.size()); ++i) {
            const Tape &t = m_tapes[i];
            const bool sold = t.soldDay != Never;
            const bool titleRetired = m_titles[t.title].retireDay <= today;
            // Retiring a title retires its tapes, sold or not; a sold tape is not for rent any more.
            const bool retired = titleRetired || (t.retireDay <= today && !sold);
            const bool inStore = !sold && t.backDay <= today;
            if (!video({i + 1, t.title + 1, t.copy, t.forRent && !sold ? 1 : 0, t.forSale ? 1 : 0, inStore ? 1 : 0,
                        t.price, retired ? 1 : 0}))
                return;
        }
    });
    // Each checkout's rows keep what the counter would have charged: the
    // starting prices, and the bill's taxes shared over its lines.
    const Rates &rates = Pricing::starting();
    auto sharesOf = [&](const QList<Money> &amounts) {
        Money subtotal;
        for (Money m : amounts)
            subtotal += m;
        return CheckoutMoney::forSubtotal(subtotal, rates.taxes).shares(amounts);
    };
    auto units = [](Money m) { return QVariant::fromValue(m.units()); };
    inTransaction([&] {
        Insert rental(db, QStringLiteral("INSERT INTO tblRentals (RentalID, CustomerNumber, VideoID, RentalDate, "
                                         "DueDate, Returned, RentalFee, RentalDays, LateFee, GSTRate, PSTRate, GST, "
                                         "PST) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                      error);
        for (std::size_t first = 0, next = 0; first < m_rentals.size(); first = next) {
            QList<Money> fees;
            for (next = first; next < m_rentals.size() && m_rentals[next].id == m_rentals[first].id; ++next)
                fees << rates.classes[m_titles[m_tapes[m_rentals[next].tape].title].priceClass - 1].fee;
            const QList<CheckoutMoney::Share> shares = sharesOf(fees);
            for (std::size_t i = first; i < next; ++i) {
                const Rental &r = m_rentals[i];
                const PriceClass &c = rates.classes[m_titles[m_tapes[r.tape].title].priceClass - 1];
                const CheckoutMoney::Share &s = shares[qsizetype(i - first)];
                if (!rental({r.id, r.member, r.tape + 1, m_dayText[r.day], m_dayText[r.due], r.open ? 0 : 1,
                             units(c.fee), c.days, units(c.lateFee), rates.taxes[0].rate, rates.taxes[1].rate,
                             units(s.gst), units(s.pst)}))
                    return;
            }
        }
    });
    inTransaction([&] {
        Insert item(db, QStringLiteral("INSERT INTO tblInventory (InventoryID, ItemName, Price, Quantity, Deleted) "
                                       "VALUES (?, ?, ?, ?, ?)"),
                    error);
        Insert receipt(db, QStringLiteral("INSERT INTO tblReceipts (SaleID, DateOfSale, CustomerID) VALUES (?, ?, ?)"),
                       error);
        Insert line(db, QStringLiteral("INSERT INTO tblSalesDetails (ReceiptID, InventoryID, QuantityPurchased, "
                                       "Price, Amount, GSTRate, PSTRate, GST, PST) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                    error);
        Insert sold(db, QStringLiteral("INSERT INTO tblVideosSold (ReceiptID, VideoID, Price, Amount, GSTRate, "
                                       "PSTRate, GST, PST) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
                    error);
        for (int i = 0; i < int(m_items.size()); ++i) {
            const Item &it = m_items[i];
            if (!item({i + 1, it.name, it.price, it.quantity, it.retireDay <= today ? 1 : 0}))
                return;
        }
        for (const Receipt &r : m_receipts)
            if (!receipt({r.id, m_dayText[r.day], r.customer}))
                return;
        // A receipt's item lines, then its tape, as one bill.
        std::size_t l = 0, t = 0;
        for (const Receipt &r : m_receipts) {
            const std::size_t firstLine = l;
            QList<Money> amounts;
            for (; l < m_lines.size() && m_lines[l].receipt == r.id; ++l)
                amounts << (Money::fromUnits(m_items[m_lines[l].item].price) * m_lines[l].quantity).roundedToCents();
            const bool tape = t < m_sales.size() && m_sales[t].receipt == r.id;
            if (tape)
                amounts << Money::fromUnits(m_tapes[m_sales[t].tape].price).roundedToCents();
            const QList<CheckoutMoney::Share> shares = sharesOf(amounts);
            for (std::size_t i = firstLine; i < l; ++i) {
                const Line &x = m_lines[i];
                const qsizetype at = qsizetype(i - firstLine);
                if (!line({x.receipt, x.item + 1, x.quantity, QVariant::fromValue(m_items[x.item].price),
                           units(amounts[at]), rates.taxes[0].rate, rates.taxes[1].rate, units(shares[at].gst),
                           units(shares[at].pst)}))
                    return;
            }
            if (tape) {
                const Sale &s = m_sales[t++];
                if (!sold({s.receipt, s.tape + 1, QVariant::fromValue(m_tapes[s.tape].price), units(amounts.last()),
                           rates.taxes[0].rate, rates.taxes[1].rate, units(shares.last().gst),
                           units(shares.last().pst)}))
                    return;
            }
        }
    });
    return error;
}

QStringList sideFiles(const QString &path)
{
    return {path + QStringLiteral("-wal"), path + QStringLiteral("-shm"), path + QStringLiteral("-journal")};
}

// A store as the program makes it on its first start, with nothing in it
// yet besides walk-in member 0: replacing it loses nothing. A -wal beside it
// means it is in use or holds writes not yet folded in, so it does not count.
bool holdsNothing(const QString &path)
{
    if (QFileInfo::exists(path + QStringLiteral("-wal")) || !StoreFile::inspect(path).problem.isEmpty())
        return false;
    const QString name = QStringLiteral("videostore-sample-peek");
    bool empty = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        QSqlQuery q(db.open() ? db : QSqlDatabase());
        empty = q.exec(QStringLiteral("SELECT (SELECT COUNT(*) FROM tblMembers WHERE CustomerNumber <> 0) + "
                                      "(SELECT COUNT(*) FROM tblMovies) + (SELECT COUNT(*) FROM tblVideos) + "
                                      "(SELECT COUNT(*) FROM tblRentals) + (SELECT COUNT(*) FROM tblReceipts) + "
                                      "(SELECT COUNT(*) FROM tblInventory)"))
                && q.next() && q.value(0).toLongLong() == 0;
        q = QSqlQuery();
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return empty;
}

void removeWithSideFiles(const QString &path)
{
    QFile::remove(path);
    for (const QString &side : sideFiles(path))
        QFile::remove(side);
}

QString run(const QString &connection, const QStringList &statements)
{
    QSqlQuery q(QSqlDatabase::database(connection, false));
    for (const QString &sql : statements)
        if (!q.exec(sql))
            return q.lastError().text();
    return {};
}

// Fills the new file at `building`; an empty string or what went wrong.
QString build(const QString &building, const History &history)
{
    const QString name = QStringLiteral("videostore-sample");
    QString error;
    {
        QSqlDatabase db = Database::openConnection(name, building, true, &error);
        if (error.isEmpty())
            error = StoreFile::createSchema(name);
        // The file is built aside and thrown away on failure, so it needs no
        // crash safety until it is finished.
        if (error.isEmpty())
            error = run(name, {QStringLiteral("PRAGMA synchronous=OFF"), QStringLiteral("PRAGMA journal_mode=MEMORY"),
                               QStringLiteral("PRAGMA cache_size=-65536")});
        if (error.isEmpty())
            error = history.writeTo(db);
        if (error.isEmpty())
            error = run(name, {QStringLiteral("PRAGMA journal_mode=WAL")});
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return error;
}

} // namespace

bool write(const QString &path, Size size, bool force, const Counts *fullShapeCounts, Summary *summary,
           QString *error)
{
    QElapsedTimer timer;
    timer.start();
    auto fail = [&](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    const QString target = QFileInfo(path).absoluteFilePath();
    const bool occupied = QFileInfo::exists(target) || QFileInfo::exists(target + QStringLiteral("-wal"))
                          || QFileInfo::exists(target + QStringLiteral("-journal"));
    if (occupied && !force && holdsNothing(target))
        force = true;
    if (occupied && !force)
        return fail(QStringLiteral("%1 already exists and was left as it is.").arg(QDir::toNativeSeparators(target)));
    if (!QDir().mkpath(QFileInfo(target).absolutePath()))
        return fail(QStringLiteral("The folder of %1 cannot be created.").arg(QDir::toNativeSeparators(target)));

    const Shape shape = size == Size::Demo ? demoShape() : fullShape(fullShapeCounts ? *fullShapeCounts : fullCounts());
    const History history(shape);

    const QString building = target + QStringLiteral(".new");
    removeWithSideFiles(building);
    QString why = build(building, history);
    if (why.isEmpty() && force) {
        removeWithSideFiles(target);
        if (QFileInfo::exists(target))
            why = QStringLiteral("%1 cannot be removed.").arg(QDir::toNativeSeparators(target));
    }
    if (why.isEmpty() && !QFile::rename(building, target))
        why = QStringLiteral("The new file could not be moved to %1.").arg(QDir::toNativeSeparators(target));
    if (!why.isEmpty()) {
        removeWithSideFiles(building);
        return fail(why);
    }
    if (summary) {
        history.summarise(*summary);
        summary->seconds = double(timer.elapsed()) / 1000.0;
    }
    return true;
}

} // namespace SampleStore
