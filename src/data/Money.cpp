#include "Money.h"

#include "data/Language.h"

#include <QCoreApplication>

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

namespace {

enum class Reading { Ok, NotAnAmount, OverLimit, FinerThanCents };

Reading readEnglish(QStringView text, qint64 *out)
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
        return Reading::NotAnAmount;

    const qsizetype dot = s.indexOf(u'.');
    const QStringView whole = dot < 0 ? s : s.left(dot);
    const QStringView fraction = dot < 0 ? QStringView() : s.mid(dot + 1);
    if (whole.isEmpty() && fraction.isEmpty())
        return Reading::NotAnAmount;

    // Thousands separators are allowed only in their proper places.
    const bool grouped = whole.contains(u',');
    // Digits past the limit are still read, so that a long number is
    // refused as too large rather than as not a number.
    bool over = false;
    qint64 units = 0;
    int digitsSinceComma = 0;
    bool seenComma = false;
    for (qsizetype i = 0; i < whole.size(); ++i) {
        const QChar c = whole[i];
        if (c == u',') {
            if (i == 0 || (seenComma && digitsSinceComma != 3) || (!seenComma && digitsSinceComma > 3))
                return Reading::NotAnAmount;
            seenComma = true;
            digitsSinceComma = 0;
            continue;
        }
        if (c < u'0' || c > u'9')
            return Reading::NotAnAmount;
        if (!over)
            units = units * 10 + (c.unicode() - u'0');
        over = over || units > Money::LimitDollars;
        ++digitsSinceComma;
    }
    if (grouped && digitsSinceComma != 3)
        return Reading::NotAnAmount;
    units *= Money::Scale;
    qint64 place = Money::Scale / 10;
    for (const QChar c : fraction) {
        if (c < u'0' || c > u'9')
            return Reading::NotAnAmount;
        units += (c.unicode() - u'0') * place;
        place /= 10;
    }
    if (fraction.size() > 2)
        return Reading::FinerThanCents;
    if (over || units > Money::limit().units())
        return Reading::OverLimit;
    *out = negative ? -units : units;
    return Reading::Ok;
}

bool isBlank(QChar c)
{
    // What a French clerk puts between thousands: a blank, or the no-break
    // blanks amounts are shown with and a copy may bring.
    return c == u' ' || c == QChar(0x00A0) || c == QChar(0x202F);
}

// A French clerk's "1 234,56 $", "3.99" or "-3,98" in the form readEnglish()
// takes ("1,234.56"); nullopt when it holds both a comma and a point,
// which no French amount does.
std::optional<QString> fromFrench(QStringView text)
{
    QStringView s = text.trimmed();
    if (s.endsWith(u'$'))
        s = s.chopped(1).trimmed();
    if (s.contains(u',') && s.contains(u'.'))
        return std::nullopt;
    QString english = s.toString();
    for (QChar &c : english) {
        if (c == u',')
            c = u'.';
        else if (isBlank(c))
            c = u',';
    }
    return english;
}

Reading read(QStringView text, qint64 *out)
{
    if (Language::current() != Language::French)
        return readEnglish(text, out);
    const std::optional<QString> english = fromFrench(text);
    return english ? readEnglish(*english, out) : Reading::NotAnAmount;
}

bool shownInFrench(Money::Form form)
{
    return form == Money::Shown && Language::current() == Language::French;
}

} // namespace

std::optional<Money> Money::parse(QStringView text)
{
    qint64 units = 0;
    if (read(text, &units) != Reading::Ok)
        return std::nullopt;
    return Money(units);
}

bool Money::overLimit(QStringView text)
{
    qint64 units = 0;
    return read(text, &units) == Reading::OverLimit;
}

bool Money::finerThanCents(QStringView text)
{
    qint64 units = 0;
    return read(text, &units) == Reading::FinerThanCents;
}

QString Money::parseProblem(QStringView text)
{
    qint64 units = 0;
    switch (read(text, &units)) {
    case Reading::Ok:
        return {};
    case Reading::OverLimit:
        return QCoreApplication::translate("Money", "\"%1\" is more than %2, the largest amount the program takes.")
            .arg(text.toString(), limit().toCurrency());
    case Reading::FinerThanCents:
        return QCoreApplication::translate("Money", "\"%1\" has more than two decimals. Amounts are in dollars and "
                                                    "cents, such as 24.99.")
            .arg(text.toString());
    case Reading::NotAnAmount:
        break;
    }
    return QCoreApplication::translate("Money", "\"%1\" is not an amount of money.").arg(text.toString());
}

std::optional<Money> Money::checkedTimesRateRounded(qint64 num, qint64 den) const
{
    // Cents are hundredths of a dollar: units * num / den / 100, worked in
    // 128 bits so only a result that does not fit is refused.
    __int128 n = static_cast<__int128>(m_units) * num;
    __int128 d = static_cast<__int128>(den) * (Scale / 100);
    if (d < 0) {
        n = -n;
        d = -d;
    }
    __int128 q = n / d;
    const __int128 r = n % d;
    const __int128 twice = 2 * (r < 0 ? -r : r);
    if (twice > d || (twice == d && (q % 2 != 0)))
        q += (n < 0) ? -1 : 1;
    const __int128 units = q * 100;
    if (units > std::numeric_limits<qint64>::max() || units < std::numeric_limits<qint64>::min())
        return std::nullopt;
    return Money(static_cast<qint64>(units));
}

Money Money::timesRateRounded(qint64 num, qint64 den) const
{
    return orThrow(checkedTimesRateRounded(num, den));
}

QString Money::toCurrency(Form form) const
{
    const bool french = shownInFrench(form);
    const qint64 cents = divideHalfEven(m_units, Scale / 100);
    const qint64 abs = cents < 0 ? -cents : cents;
    QString whole = QString::number(abs / 100);
    // No-break blanks, so an amount is never split over two lines.
    for (qsizetype i = whole.size() - 3; i > 0; i -= 3)
        whole.insert(i, french ? QChar(0x00A0) : QChar(u','));
    const QString text = (french ? QStringLiteral("%1,%2\u00a0$") : QStringLiteral("$%1.%2"))
                             .arg(whole)
                             .arg(abs % 100, 2, 10, QLatin1Char('0'));
    return cents < 0 ? u'-' + text : text;
}

QString Money::toPlainCents(Form form) const
{
    const qint64 cents = divideHalfEven(m_units, Scale / 100);
    const quint64 abs = cents < 0 ? 0 - quint64(cents) : quint64(cents);
    const QString text = (shownInFrench(form) ? QStringLiteral("%1,%2") : QStringLiteral("%1.%2"))
                             .arg(abs / 100)
                             .arg(abs % 100, 2, 10, QLatin1Char('0'));
    return cents < 0 ? u'-' + text : text;
}

QString Money::toPlain(Form form) const
{
    const quint64 abs = m_units < 0 ? 0 - quint64(m_units) : quint64(m_units);
    QString text = QString::number(abs / Scale);
    const quint64 fraction = abs % Scale;
    if (fraction != 0) {
        QString digits = QStringLiteral("%1").arg(fraction, 4, 10, QLatin1Char('0'));
        while (digits.endsWith(u'0'))
            digits.chop(1);
        text += (shownInFrench(form) ? u',' : u'.') + digits;
    }
    return m_units < 0 ? u'-' + text : text;
}
