#pragma once

#include "data/Chain.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>

#include <optional>

class Database;

// A day's seal, as Day End prints it for the manager to keep: a hash over
// the ledger, the gate log and the price changes up to the day's end, each
// the link of the last row written up to then (the day's last, or, on a day
// without any, the last before it), which stands for every row before it
// too, with how many rows of each the day holds. Whoever rewrites those rows
// and every link after them still cannot make the seal come out again; a
// row of the day added later, or one of them taken away, is told by the
// counts printed with it.
namespace Seal {

// What a seal covers of one chained table: the day's rows, and the link of
// the last of them, or of the last row before the day when it has none
// (empty when the table has no rows up to then).
struct Cover
{
    qint64 count = 0;
    QByteArray link;
};

// What the seal of `day` covers of `table`, as `db` now holds it.
std::optional<Cover> cover(Database &db, const Chain::Table &table, QDate day);
// The seal of `day` over `covers` (one for each of Chain::tables(), in
// order): 16 hex digits in groups of four.
QString value(QDate day, const QList<Cover> &covers);
// "E5B4 A627 AAC6 73F3 — 12 ledger entries, 5 gate entries, 0 price changes"
QString line(QDate day, const QList<Cover> &covers);

// A seal as typed: 16 hex digits in any case, with or without blanks or
// dashes between groups, then the counts Day End printed with it (the
// words, in whatever language, may be left out); nullopt when it is not one.
struct Typed
{
    QString seal; // in groups of four, in capitals
    QList<qint64> counts; // none for a seal printed before seals had counts
};
std::optional<Typed> read(const QString &typed);

struct Check
{
    bool holds = false;
    QString message; // one line
};
// Whether the store at `location` still gives `typed` for `day`: every link
// up to what it covers worked out afresh, and nothing of the day added
// after it. A seal without counts covers the ledger alone, as Day End
// printed it before.
Check verify(const QString &location, QDate day, const Typed &typed);

} // namespace Seal
