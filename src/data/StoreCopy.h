#pragma once

#include <QString>
#include <QtGlobal>

#include <functional>

// Moving a store between engines: a store file into an empty PostgreSQL
// database when a shop outgrows one counter, or a server store back into a
// new file. Every table is copied in one transaction on the target, from one
// moment of the source, and checked by row counts and money sums per table
// before it is committed.
namespace StoreCopy {

struct Outcome
{
    bool ok = false;
    QString message; // one line: what was copied, or why nothing was
};

// Told now and then how far the copy of `table` has come.
using Progress = std::function<void(const QString &table, qint64 done, qint64 total)>;

// Copies the store at `source` to `target`: a file that does not exist yet,
// or a postgresql:// address of an empty database. The source is only read.
Outcome copy(const QString &source, const QString &target, const Progress &progress = {});

} // namespace StoreCopy
