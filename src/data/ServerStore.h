#pragma once

#include "data/Database.h"
#include "data/StoreFile.h"

#include <QSqlDatabase>
#include <QString>

// A store in a PostgreSQL database, shared by a shop's counters: the
// connection, making the store in an empty database, checking and upgrading
// it, and sorting the server's errors. The schema version is kept in the
// table tblVersion, which also serves as the lock write transactions take.
namespace ServerStore {

inline constexpr auto VersionTable = "tblVersion";

// Opens a connection named `connectionName` to the database at `location`
// (a postgresql:// address). On failure the connection is closed and
// `error` says why.
QSqlDatabase openConnection(const QString &connectionName, const QString &location, QSqlError *error);

// Every statement that makes a complete new store in an empty database:
// the tables, seed rows and steps, and the version table.
QStringList creation();

// Sorts a server error into what a clerk can act on.
DbError::Kind classify(const QSqlError &error);
// Whether the transaction that met `error` may simply be run again: another
// counter's transaction made it fail (a serialization failure or deadlock).
bool isRetryable(const QSqlError &error);

// Makes the whole store in an empty database; an existing store is checked
// as inspect() does and brought up to date in one transaction. A database
// holding anything else is refused untouched.
StoreFile::Outcome prepare(const QString &location);

// Reads the database without writing to it: a store with every table and
// column of its version, from this program or an older one. An empty
// database is reported as a problem, since it holds no store yet.
StoreFile::Inspection inspect(const QString &location);

// The start-up refusal: the address, the reason, and that the program closes.
QString failureMessage(const QString &location, const QString &reason);

// What a manager runs to back the store up: copies of a server store are
// pg_dump's job.
QString backupCommand(const QString &location);

} // namespace ServerStore
