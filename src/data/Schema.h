#pragma once

#include <QStringList>

// The store file's tables, seed rows and indexes. Money columns hold
// ten-thousandths of a dollar, yes/no columns 0 or 1, dates ISO text.
namespace Schema {

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

} // namespace Schema
