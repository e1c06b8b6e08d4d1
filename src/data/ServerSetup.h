#pragma once

#include <QString>

// A store on a PostgreSQL server set up for its counters, by the database's
// owner, once (and again after each new version of the program, or a
// restore). The owner alone changes the schema, owns the guards and brings
// the store up to date; the counters log in as a role of their own, which
// may read the store, add ledger, gate-log and price rows and change what
// daily work changes, but may not update, delete or truncate the ledger,
// the gate log or the prices, drop or switch off a trigger, or alter a
// table: the server itself refuses it, whatever SQL a counter sends.
namespace ServerSetup {

// The role the counters of `database` log in as: "video_counter" for "video".
QString counterRole(const QString &database);

struct Outcome
{
    bool ok = false;
    QString message; // one line, or a few for what to do
};
// Run with the owner's address: makes the store in an empty database or
// brings it up to date, puts its guards back, makes the counters' role when
// the owner may make roles (otherwise says how), and gives it its rights,
// every other right on the store's tables taken from it and from PUBLIC.
Outcome run(const QString &location);

} // namespace ServerSetup
