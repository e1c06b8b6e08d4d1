#pragma once

#include "data/Money.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <optional>

// One line of the counter's bill, as text in its list boxes. The checkout
// reads the lines back, so the forms here are the contract between the bags,
// the late-fee window and the checkout.
namespace BillLine {

enum class Kind { Rent, Buy, BuyVideo, Pay };

// A title fitted to exactly 20 characters: cut, or padded with spaces.
QString fitTitle(const QString &title);

// Amounts are written with two decimals, in the one untranslated form
// whatever the language; a line's amount is in cents.
// "Rent 1234  <20-character title>\t3.99"
QString rent(qint32 videoId, const QString &title20, Money fee);
// "Buy 7 3  Popcorn\t7.50"
QString buy(qint32 inventoryId, qint32 quantity, const QString &itemName, Money amount);
// "BuyV 1234  Title\t24.99" with the tape number as the clerk typed it.
QString buyVideo(const QString &typedVideoId, const QString &title, Money salePrice);
// "Pay  overdue fees \t5.98"
QString pay(Money amount);

// The amount after the line's first tab.
std::optional<Money> amount(const QString &line);

struct Parsed
{
    Kind kind;
    qint32 id = 0;       // tape or item number; unused for Pay
    qint32 quantity = 0; // Buy only
    Money amount = {};   // what the line charges, as shown; for Pay the fees paid
};

// What the checkout does with a line, read by its leading word; nullopt for
// a line it passes over.
std::optional<Parsed> parse(const QString &line);

// What a bill's lines come to: the rentals with any fees handed on (as the
// late-fee window hands them on), and the sales. A line the checkout passes
// over is not charged.
struct Totals
{
    Money rentals, sales;
    Money subtotal() const { return rentals + sales; }
};
Totals totals(const QStringList &lines);

// A line as the bill's columns show it, in the language shown: what kind
// of line ("Rent", "Item", "Tape" sold, "Fees"), the number, the
// description, the quantity and the amount. nullopt for a line the checkout
// passes over.
struct Columns
{
    QString kind, number, description, quantity, amount;
};
std::optional<Columns> columns(const QString &line);
// The kinds' names as the bill's first column shows them.
QStringList kindNames();

// Whether tape `videoId` stands on the bill, to rent or to buy.
bool holdsTape(const QStringList &lines, qint32 videoId);

} // namespace BillLine
