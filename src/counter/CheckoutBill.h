#pragma once

#include "counter/BillLine.h"
#include "data/Money.h"
#include "data/Pricing.h"

#include <QLatin1String>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

class QListWidget;

// The counter's bill: one line of text per tape rented, tape or item bought
// and fee handed on, kept in the payment page's list, each rental and sale
// also in its bag's list. What it comes to is worked out from its lines, so
// what the clerk sees is what the checkout writes.
class CheckoutBill final
{
public:
    explicit CheckoutBill(QListWidget *lines = nullptr)
        : m_lines(lines)
    {
    }

    QStringList lines() const;
    BillLine::Totals totals() const { return BillLine::totals(lines()); }

    // Whether a line of `amount` keeps the bill's taxed total within what
    // the program takes; nullopt is an amount too large to work out.
    bool fits(std::optional<Money> amount, const std::array<Tax, Pricing::Taxes> &taxes) const;
    // Why a line that does not fit is refused.
    static QString tooLarge();

    // Puts `line` in `bag`, when given, and on the bill.
    void add(const QString &line, QListWidget *bag = nullptr);
    // Takes the selected line out of `bag` and the first equal line off the
    // bill; the line's amount, or nullopt when nothing is selected.
    std::optional<Money> takeSelected(QListWidget &bag);
    // Takes every line that starts with `leading` off the bill; what they
    // came to.
    Money remove(QLatin1String leading);

private:
    QListWidget *m_lines;
};
