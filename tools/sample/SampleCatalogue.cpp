// The sample catalogue: titles, their tape copies, and the stock items.

#include "SampleHistory.h"

#include "data/Money.h"

#include <algorithm>

namespace SampleStore {

using namespace SampleWords;

namespace {

qint64 cents(int c)
{
    return Money::fromCents(c).units();
}

} // namespace

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

} // namespace SampleStore
