#pragma once

#include <QString>
#include <QStringView>
#include <QtGlobal>

#include <compare>
#include <optional>

// An exact amount of dollars in ten-thousandths, as the store keeps every
// price, fee and balance. Never converted through floating point.
class Money final
{
public:
    static constexpr qint64 Scale = 10000;

    constexpr Money() = default;
    static constexpr Money fromUnits(qint64 units) { return Money(units); }
    static constexpr Money fromCents(qint64 cents) { return Money(cents * 100); }

    // Accepts "12", "12.5", "-3.98", "$1,234.56" (at most four decimals).
    static std::optional<Money> parse(QStringView text);

    constexpr qint64 units() const { return m_units; }

    // This amount times num/den, rounded half-to-even to whole cents.
    Money timesRateRounded(qint64 num, qint64 den) const;
    Money roundedToCents() const { return timesRateRounded(1, 1); }

    // "$1,234.56", "-$3.98"; rounded half-to-even to cents.
    QString toCurrency() const;
    // The amount with no symbol and no trailing zeros: "2.99", "0", "4.5", "25".
    QString toPlain() const;

    constexpr Money operator+(Money o) const { return Money(m_units + o.m_units); }
    constexpr Money operator-(Money o) const { return Money(m_units - o.m_units); }
    constexpr Money operator-() const { return Money(-m_units); }
    constexpr Money operator*(qint64 n) const { return Money(m_units * n); }
    constexpr Money &operator+=(Money o) { m_units += o.m_units; return *this; }
    constexpr Money &operator-=(Money o) { m_units -= o.m_units; return *this; }
    constexpr auto operator<=>(const Money &) const = default;

private:
    constexpr explicit Money(qint64 units) : m_units(units) {}
    qint64 m_units = 0;
};

// n / d rounded to the nearest integer, an exact half to the even one.
qint64 divideHalfEven(qint64 n, qint64 d);
