#pragma once

#include "data/Database.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <optional>

// The settings a manager changes, kept in tblSettings a row a value: the
// manager code, the store's details and how long holds are kept. They are
// changed only through the program, which records each change in the gate
// log, in the same transaction, with a digest of what it wrote; a setting
// found otherwise (changed with a database tool) is named by the store's
// check, and so is a value the program cannot use.
namespace Settings {

inline constexpr auto ManagerCode = "ManagerCode";
inline constexpr auto HoldDays = "HoldDays";
// The store details, in the order of StoreDetails' fields.
const QStringList &storeDetails();

inline constexpr int DefaultHoldDays = 3;
inline constexpr int LongestHold = 365;
// The days `text` gives, when it is a whole number from 1 to LongestHold.
std::optional<int> holdDays(const QString &text);

// Settings changed together, and the outcome their gate-log entry records
// ("store details changed"); a change of the hold days records the values
// ("hold days 3 → 5"), so its outcome is matched by its start.
struct Group
{
    const char *changed; // "the store details were changed", untranslated
    QStringList names;
    QString outcome;
    bool outcomeStarts = false;
};
const Group &codeGroup();
const Group &detailsGroup();
const Group &holdDaysGroup();

// The values of `names` on `db`; a missing row is not in the result.
std::optional<QHash<QString, QString>> read(Database &db, const QString &action, const QStringList &names);
// Writes each of `values`, its row updated or added.
bool write(Database &db, const QString &action, const QHash<QString, QString> &values);
// Records the change of `group` just written, in the caller's transaction:
// a gate-log entry with `outcome`, made at `destination`, and the digest
// of the group's values as the store now holds them.
bool recordChange(Database &db, const QString &action, const Group &group, const QString &outcome, int destination,
                  const QDateTime &when);

// What the check finds of the settings on `db`: a value out of range, and
// each group not as its last recorded change wrote it (the code's group
// left out when `codeTold`, its absence being told already).
QStringList problems(const QSqlDatabase &db, bool codeTold);

} // namespace Settings
