#include "Money.h"

#include <limits>

qint64 divideHalfEven(qint64 n, qint64 d)
{
    if (d < 0) {
        n = -n;
        d = -d;
    }
    qint64 q = n / d;
    const qint64 r = n % d; // takes the sign of n
    const qint64 twice = 2 * (r < 0 ? -r : r);
    if (twice > d || (twice == d && (q % 2 != 0)))
        q += (n < 0) ? -1 : 1;
    return q;
}

std::optional<Money> Money::parse(QStringView text)
{
    QStringView s = text.trimmed();
    bool negative = false;
    if (s.startsWith(u'-')) {
        negative = true;
        s = s.mid(1);
    }
    if (s.startsWith(u'$'))
        s = s.mid(1);
    if (s.isEmpty())
        return std::nullopt;

    const qsizetype dot = s.indexOf(u'.');
    const QStringView whole = dot < 0 ? s : s.left(dot);
    const QStringView fraction = dot < 0 ? QStringView() : s.mid(dot + 1);
    if (fraction.size() > 4 || (whole.isEmpty() && fraction.isEmpty()))
        return std::nullopt;

    // Thousands separators are allowed only in their proper places.
    const bool grouped = whole.contains(u',');
    constexpr qint64 limit = std::numeric_limits<qint64>::max() / 100;
    qint64 units = 0;
    int digitsSinceComma = 0;
    bool seenComma = false;
    for (qsizetype i = 0; i < whole.size(); ++i) {
        const QChar c = whole[i];
        if (c == u',') {
            if (i == 0 || (seenComma && digitsSinceComma != 3) || (!seenComma && digitsSinceComma > 3))
                return std::nullopt;
            seenComma = true;
            digitsSinceComma = 0;
            continue;
        }
        if (c < u'0' || c > u'9')
            return std::nullopt;
        units = units * 10 + (c.unicode() - u'0');
        if (units > limit)
            return std::nullopt;
        ++digitsSinceComma;
    }
    if (grouped && digitsSinceComma != 3)
        return std::nullopt;
    units *= Scale;
    qint64 place = Scale / 10;
    for (const QChar c : fraction) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        units += (c.unicode() - u'0') * place;
        place /= 10;
    }
    return Money(negative ? -units : units);
}

Money Money::timesRateRounded(qint64 num, qint64 den) const
{
    // Cents are hundredths of a dollar: units * num / den / 100.
    return fromCents(divideHalfEven(m_units * num, den * (Scale / 100)));
}

QString Money::toCurrency() const
{
    const qint64 cents = roundedToCents().units() / 100;
    const qint64 abs = cents < 0 ? -cents : cents;
    QString whole = QString::number(abs / 100);
    for (qsizetype i = whole.size() - 3; i > 0; i -= 3)
        whole.insert(i, u',');
    const QString text = QStringLiteral("$%1.%2").arg(whole).arg(abs % 100, 2, 10, QLatin1Char('0'));
    return cents < 0 ? u'-' + text : text;
}

QString Money::toPlain() const
{
    const qint64 abs = m_units < 0 ? -m_units : m_units;
    QString text = QString::number(abs / Scale);
    qint64 fraction = abs % Scale;
    if (fraction != 0) {
        QString digits = QStringLiteral("%1").arg(fraction, 4, 10, QLatin1Char('0'));
        while (digits.endsWith(u'0'))
            digits.chop(1);
        text += u'.' + digits;
    }
    return m_units < 0 ? u'-' + text : text;
}
