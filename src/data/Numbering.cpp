#include "Numbering.h"

#include "Database.h"
#include "Identifier.h"

#include <QCoreApplication>

namespace Numbering {

std::optional<qint32> freeNumber(Database &db, const QString &action, QLatin1String table, QLatin1String column,
                                 qint64 proposed)
{
    if (proposed >= 0 && proposed <= Identifier::Max) {
        const auto taken = db.scalar(action, QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2 = ?").arg(table, column),
                                     {qint32(proposed)});
        if (!taken)
            return std::nullopt;
        if (taken->toLongLong() == 0)
            return qint32(proposed);
    }
    const auto highest = db.scalar(action, QStringLiteral("SELECT MAX(%2) FROM %1").arg(table, column));
    if (!highest)
        return std::nullopt;
    const qint64 next = highest->isNull() ? 1 : highest->toLongLong() + 1;
    if (next > Identifier::Max) {
        db.fail(action, QCoreApplication::translate("Numbering", "Every number up to %1 is taken.")
            .arg(Identifier::Max));
        return std::nullopt;
    }
    return qint32(next);
}

} // namespace Numbering
