#pragma once

#include "data/Schema.h"

// What the program works out for the rows a store already holds when a
// schema step comes to it (see Schema::work).
namespace UpgradeWork {

// To version 4: the ledger and gate-log rows written before the chain are
// linked in order, and each card number on file is cut to its last four
// digits (card type and expiry kept).
QSqlError chainAndShortenCards(const QSqlDatabase &db, Schema::Engine engine);

// What a store keeps of a card number: its last four digits; a text with
// four digits or fewer (none on file, "0") as it is.
QString lastFour(const QString &number);

} // namespace UpgradeWork
