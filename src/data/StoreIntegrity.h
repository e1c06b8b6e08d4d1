#pragma once

#include "data/Schema.h"

#include <QByteArray>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>

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
    qint64 priceChanges = 0;
    bool cancelled = false;
    // "the ledger's 12 entries, the gate log's 3 tries and the prices' 5
    // changes are as they were written"
    QString summary() const;
};

// Checks a store of the current version on `db`, an open connection: the
// guards, the chains, the manager code and the settings (Settings.h).
Report check(const QSqlDatabase &db, Schema::Engine engine, const std::atomic<bool> *cancel = nullptr);
// How a file is opened to be read: by a command, as inspect() reads it,
// leaving nothing beside it; or beside a running program that goes on
// writing, through an ordinary connection.
enum class Reading { Command, BesideProgram };
// Opens the store at `location` on a connection of its own and checks it in
// one snapshot; a walk `cancel` cuts short is marked so.
Report check(const QString &location, Reading reading = Reading::Command, const std::atomic<bool> *cancel = nullptr);
// Runs `work` on a connection to the store at `location` that sees one
// moment of it and writes nothing; why it could not be opened, or empty.
QString inSnapshot(const QString &location, Reading reading,
                   const std::function<void(const QSqlDatabase &db, Schema::Engine)> &work);

// Makes every guard that is missing or not as made again, on `db` in the
// caller's transaction; a note for each, or the error.
QStringList restoreGuards(const QSqlDatabase &db, Schema::Engine engine, QSqlError *error);

// Whether `hash` is a manager code's hash the gate can check a code against.
bool codeHashReadable(const QByteArray &hash);

} // namespace StoreIntegrity
