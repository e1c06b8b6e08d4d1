#pragma once

#include <QString>
#include <QStringView>
#include <QtGlobal>

#include <optional>

// Member, tape, movie, item, rental and receipt numbers: whole numbers from
// 0 to 2147483647, the width of their columns.
namespace Identifier {

inline constexpr qint32 Max = 2147483647;

std::optional<qint32> parse(QStringView text);
// The clerk-facing refusal for a typed number; `what` names the field, e.g. "video ID".
QString invalidMessage(QStringView what, QStringView text);

} // namespace Identifier
