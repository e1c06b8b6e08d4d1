#pragma once

#include <QStringList>

// The store file's tables, seed rows and indexes. Money columns hold
// ten-thousandths of a dollar, yes/no columns 0 or 1, dates ISO text.
namespace Schema {

// The version a store made now carries in PRAGMA user_version; one more
// than the last step of upgrades().
inline constexpr int Version = 1;

// Every table, in an order that creates a complete store.
const QStringList &tables();
// Table names a file must hold to be taken for a store.
const QStringList &tableNames();
// The five genres and walk-in member 0.
const QStringList &seedRows();
// CREATE INDEX IF NOT EXISTS for every lookup the windows make; safe to run
// on any store, new or old.
const QStringList &indexes();
// What brings an older store up to date: step i turns version i into i + 1.
// A new step goes at the end, with Version raised by one.
const QList<QStringList> &upgrades();

} // namespace Schema
