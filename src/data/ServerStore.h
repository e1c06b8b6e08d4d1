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
// (a postgresql:// address) and runs `settings` on it (statements separated
// by ";", in one round trip). On failure the connection is closed and
// `error` says why.
QSqlDatabase openConnection(const QString &connectionName, const QString &location, QSqlError *error,
                            const QString &settings = QStringLiteral("SET lock_timeout = '10s'"));
// Opens `db`, made by openConnection(), once more: a new session on the same
// address, with `settings` run on it.
bool reopen(QSqlDatabase &db, const QString &settings, QSqlError *error);

// How many connections the server at `location` allows, as last seen by a
// connection of this program; 0 when none has seen it.
int allowedConnections(const QString &location);
void noteAllowedConnections(const QString &location, int count);

// Every statement that makes the tables of a store in an empty database
// (Schema::creation()), and the version table: for a store copied in.
QStringList creation();

// Sorts a server error into what a clerk can act on.
DbError::Kind classify(const QSqlError &error);
// Whether `error` says the server is shutting down, starting, recovering,
// or ended the session as it went down: a server worth waiting for.
bool isComingBack(const QSqlError &error);
// The server's own words in `error`, without its level and statement echo.
QString serverText(const QSqlError &error);
// Whether the transaction that met `error` may simply be run again: another
// counter's transaction made it fail (a serialization failure or deadlock),
// or kept the lock it waited for past the lock timeout.
bool isRetryable(const QSqlError &error);
// A write sent with others and its transaction's COMMIT must fail on the
// server when it does not change its one row, so that nothing is kept:
// `sql` (an INSERT, UPDATE or DELETE) as a statement that does, with the
// SQLSTATE it fails with.
QString changingOne(const QString &sql);
inline constexpr auto UnmetState = "22012";
// The smallest transaction that writes to the server's log, whose COMMIT so
// waits for the log's flush to disk, and with it for every earlier COMMIT's.
inline constexpr auto FlushMark = "SELECT pg_logical_emit_message(true, 'videostore', '')";
// The database named in a refusal by the server's pg_hba.conf, or the one
// `location` names.
QString refusedDatabase(const QSqlError &error, const QString &location);

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
