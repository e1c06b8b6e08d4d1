#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QStringList>

// The store's tables, seed rows and indexes, one text for both engines where
// they agree. Money columns (BIGINT) hold ten-thousandths of a dollar, yes/no
// columns 0 or 1, dates ISO text.
namespace Schema {

// The database engines a store can live in. Where their statements differ,
// a step says so; everything else is one text for both.
enum class Engine { SQLite, PostgreSQL };

// The version a store made now carries; one more than the last step of
// upgrade().
inline constexpr int Version = 8;

// The tables of a store before any step (version 0), in an order that
// creates them.
const QStringList &tables();
// The tables a store of the current version holds; a step that adds a
// table adds its name here too.
const QStringList &tableNames();
// The five genres and walk-in member 0.
const QStringList &seedRows();
// CREATE INDEX IF NOT EXISTS for every lookup the windows make; safe to run
// on any store, new or old.
const QStringList &indexes();
// What turns a store of version `from` into version `from + 1` on `engine`.
// A new step is one more case, with Version raised by one; a new store is
// made by the same steps, so a step is written once.
QStringList upgrade(int from, Engine engine);
// What the step from `from` did that the store's owner should hear of,
// said once when it runs; empty for most steps.
QString upgradeNote(int from);
// Every statement that makes the tables of a store of the current version:
// the tables, the seed rows, then every step, without the steps' work, so
// the seed rows of a chained table are left unlinked: for a store whose
// rows are all copied in afterwards.
QStringList creation(Engine engine);
// Makes a complete new store of the current version on `db`, in the
// caller's transaction: the tables, the seed rows, then every step with its
// work.
QSqlError create(const QSqlDatabase &db, Engine engine);

// What a step needs beyond its statements: values the program works out
// (hashes, say) for the rows a store already holds, written on the same
// connection in the same transaction, after the step's statements. A new
// store is made by the same steps, work and all (see create()): the seed
// rows of a step get their links too.
using StepWork = QSqlError (*)(const QSqlDatabase &db, Engine engine);
// The work of the step from `from`; null when its statements are all.
StepWork work(int from);
// Every step from `from` up to Version on `db`, each one's statements and
// then its work, in the caller's transaction; the first error, if any.
QSqlError runSteps(const QSqlDatabase &db, int from, Engine engine);

// A trigger that keeps a table's rows from being changed with plain SQL.
struct Guard
{
    QString name;  // trLedgerNoUpdate
    QString table; // tblLedger
    QString owner; // "the ledger", as a finding names it
    QStringList create; // on a server, its function first
    QString drop;
    // How the engine keeps it when it is as made: the whole CREATE TRIGGER
    // text in a file; on a server the function's name and body, and its
    // timing and events as pg_trigger.tgtype holds them.
    QString definition;
    QString function;
    int events = 0;
};
// Every guard a store of the current version has.
const QList<Guard> &guards(Engine engine);

} // namespace Schema
