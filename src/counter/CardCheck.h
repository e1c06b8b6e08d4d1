#pragma once

#include <QDate>
#include <QString>

#include <optional>

// A card as the clerk types it, checked before anything is charged to it:
// what is wrong, in the clerk's words, and in which box.
struct CardProblem
{
    enum class Box { Number, Expiry };
    Box box = Box::Number;
    QString text;
    QString title;
};

namespace CardCheck {

// A number has 13 to 19 digits, blanks and dashes allowed between them, and
// passes the Luhn check.
std::optional<CardProblem> number(const QString &typed);
// An expiry is MM/YY and not before the month of `today`.
std::optional<CardProblem> expiry(const QString &typed, QDate today);
// The number, then the expiry when the card has one (a debit card has none).
std::optional<CardProblem> card(const QString &number, const QString &expiry, bool hasExpiry, QDate today);

} // namespace CardCheck
