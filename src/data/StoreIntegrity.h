#pragma once

#include "data/Schema.h"

#include <QByteArray>
#include <QDate>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <atomic>

// Whether a store's records are still as the program wrote them: the guards
// against plain SQL in place and as made, both chains (see Chain.h) whole
// from their start, and a manager code the gate can check. Read only; a
// start puts missing guards back.
namespace StoreIntegrity {

// The tblSettings row holding the manager code's hash.
inline constexpr auto CodeSetting = "ManagerCode";

struct Report
{
    // Each finding in a manager's words; empty when the store is sound.
    QStringList problems;
    qint64 ledgerEntries = 0; // the rows whose links matched
    qint64 gateTries = 0;
    bool cancelled = false;
    // "the ledger's 12 entries and the gate log's 3 tries are as written"
    QString summary() const;
};

// Checks a store of the current version on `db`, an open connection.
Report check(const QSqlDatabase &db, Schema::Engine engine, const std::atomic<bool> *cancel = nullptr);
// Opens the store at `location` on a connection of its own (a file is only
// read, and nothing is left beside it) and checks it in one snapshot.
Report check(const QString &location, const std::atomic<bool> *cancel = nullptr);

// Makes every guard that is missing or not as made again, on `db` in the
// caller's transaction; a note for each, or the error.
QStringList restoreGuards(const QSqlDatabase &db, Schema::Engine engine, QSqlError *error);

// Whether `hash` is a manager code's hash the gate can check a code against.
bool codeHashReadable(const QByteArray &hash);

struct SealCheck
{
    bool holds = false;
    QString message; // one line
};
// Whether the store's ledger entries of `day` still give `seal` (as
// Chain::readSeal gives it): every link up to them worked out afresh.
SealCheck verifySeal(const QString &location, QDate day, const QString &seal);

} // namespace StoreIntegrity
