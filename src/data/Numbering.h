#pragma once

#include <QLatin1String>
#include <QString>
#include <QtGlobal>

#include <optional>

class Database;

namespace Numbering {

// `proposed` when no row of `table`, retired or not, holds it in the key
// `column`; otherwise one more than the highest key there. nullopt when the
// statement fails or no number is left below the limit (a failure is
// recorded in `db`). Table and column are the program's own names.
std::optional<qint32> freeNumber(Database &db, const QString &action, QLatin1String table, QLatin1String column,
                                 qint64 proposed);

} // namespace Numbering
