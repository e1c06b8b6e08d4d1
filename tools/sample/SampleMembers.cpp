// The sample members: names, addresses, phones, licences and cards on file.

#include "SampleHistory.h"

#include "data/Pricing.h"

namespace SampleStore {

using namespace SampleWords;

namespace {

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

} // namespace

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
    // A store keeps only a card's last four digits.
    m.visa = visa ? cardNumber(m_rng, QStringLiteral("4"), 16).right(4) : QStringLiteral("0");
    m.visaExp = visa ? expiry() : QString();
    m.masterCard = mc ? cardNumber(m_rng, QStringLiteral("5%1").arg(m_rng.between(1, 5)), 16).right(4)
                      : QStringLiteral("0");
    m.mcExp = mc ? expiry() : QString();
    m.sears = sears ? cardNumber(m_rng, QStringLiteral("6035"), 16).right(4) : QStringLiteral("0");
    m.searsExp = sears ? expiry() : QString();
}

} // namespace SampleStore
