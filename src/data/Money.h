#pragma once

#include <QString>
#include <QStringView>
#include <QtGlobal>

#include <compare>
#include <optional>
#include <stdexcept>

// Thrown by Money's operators when the exact result does not fit; callers
// that handle amounts typed or totalled at a counter use the checked forms
// (plus, minus, times) and refuse the line instead.
class MoneyOverflow final : public std::overflow_error
{
public:
    MoneyOverflow() : std::overflow_error("amount of money out of range") {}
};

// An exact amount of dollars in ten-thousandths, as the store keeps every
// price, fee and balance. Never converted through floating point.
class Money final
{
public:
    static constexpr qint64 Scale = 10000;
    // The largest amount the program takes from a user: $100,000,000.
    static constexpr qint64 LimitDollars = 100000000;

    constexpr Money() = default;
    static constexpr Money fromUnits(qint64 units) { return Money(units); }
    static constexpr Money fromCents(qint64 cents) { return orThrow(Money(cents).times(100)); }
    static constexpr Money limit() { return Money(LimitDollars * Scale); }

    // Accepts "12", "12.5", "-3.98", "$1,234.56", up to the limit either way;
    // in French also "3,99", "1 234,56" and "3,99 $", but no comma between
    // thousands.
    // At most two decimals: every amount typed or put on a bill is in whole
    // cents, so what is written is what the clerk was told.
    static std::optional<Money> parse(QStringView text);
    // Why parse() refuses `text`, in a clerk's words; empty when it does not.
    static QString parseProblem(QStringView text);
    // Whether `text` is an amount refused only for being past the limit.
    static bool overLimit(QStringView text);
    // Whether `text` is an amount refused for having more than two decimals.
    static bool finerThanCents(QStringView text);

    constexpr qint64 units() const { return m_units; }

    // This amount times num/den, rounded half-to-even to whole cents.
    Money timesRateRounded(qint64 num, qint64 den) const;
    Money roundedToCents() const { return timesRateRounded(1, 1); }
    std::optional<Money> checkedTimesRateRounded(qint64 num, qint64 den) const;

    // The exact result, or nullopt when it does not fit.
    constexpr std::optional<Money> plus(Money o) const
    {
        qint64 r = 0;
        if (__builtin_add_overflow(m_units, o.m_units, &r))
            return std::nullopt;
        return Money(r);
    }
    constexpr std::optional<Money> minus(Money o) const
    {
        qint64 r = 0;
        if (__builtin_sub_overflow(m_units, o.m_units, &r))
            return std::nullopt;
        return Money(r);
    }
    constexpr std::optional<Money> times(qint64 n) const
    {
        qint64 r = 0;
        if (__builtin_mul_overflow(m_units, n, &r))
            return std::nullopt;
        return Money(r);
    }

    // Whom a text of an amount is for: a person, in the language shown
    // (Language::current()), or a file, a log or a program, which always
    // get the one untranslated form, so nothing kept changes with the
    // language.
    enum Form { Shown, Untranslated };

    // "$1,234.56", "-$3.98"; in French "1 234,56 $" (no-break blanks);
    // rounded half-to-even to cents.
    QString toCurrency(Form form = Shown) const;
    // The amount with no symbol and no trailing zeros: "2.99", "0", "4.5",
    // "25"; in French "2,99", "4,5".
    QString toPlain(Form form = Shown) const;
    // The amount with no symbol and two decimals, rounded half-to-even to
    // cents: "2.99", "0.00", "4.50", "1234.56"; in French "2,99".
    QString toPlainCents(Form form = Shown) const;

    constexpr Money operator+(Money o) const { return orThrow(plus(o)); }
    constexpr Money operator-(Money o) const { return orThrow(minus(o)); }
    constexpr Money operator-() const { return orThrow(Money().minus(*this)); }
    constexpr Money operator*(qint64 n) const { return orThrow(times(n)); }
    constexpr Money &operator+=(Money o) { return *this = *this + o; }
    constexpr Money &operator-=(Money o) { return *this = *this - o; }
    constexpr auto operator<=>(const Money &) const = default;

private:
    constexpr explicit Money(qint64 units) : m_units(units) {}
    static constexpr Money orThrow(std::optional<Money> m)
    {
        if (!m)
            throw MoneyOverflow();
        return *m;
    }
    qint64 m_units = 0;
};

// n / d rounded to the nearest integer, an exact half to the even one.
qint64 divideHalfEven(qint64 n, qint64 d);
