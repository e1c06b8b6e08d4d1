#pragma once

#include <QByteArray>
#include <QString>

// The manager code: what a new store accepts, what a store's own code must
// be, and its slow one-way hash (Argon2id), the only form a store keeps.
namespace ManagerCode {

// Opens the gate of a store that has no code of its own yet.
QString defaultCode();

inline constexpr int MinimumLength = 8;

// Why `code` cannot become a store's code (for the user), or empty.
QString problemWith(const QString &code);

// The hash to store, with its salt and cost; empty when the machine lacks
// the memory the hash needs.
QByteArray hash(const QString &code);

// Whether `typed` is exactly the code `hash` was made from (same length,
// same characters, case-sensitive). Takes as long as hash() on purpose.
bool matches(const QByteArray &hash, const QString &typed);

} // namespace ManagerCode
