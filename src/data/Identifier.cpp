#include "Identifier.h"

#include <QCoreApplication>

namespace Identifier {

std::optional<qint32> parse(QStringView text)
{
    const QStringView s = text.trimmed();
    if (s.isEmpty())
        return std::nullopt;
    // Read by value: leading zeros are allowed in any number.
    qint64 value = 0;
    for (const QChar c : s) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
        if (value > Max)
            return std::nullopt;
    }
    return static_cast<qint32>(value);
}

QString invalidMessage(QStringView what, QStringView text)
{
    if (text.trimmed().isEmpty())
        return QCoreApplication::translate("Identifier", "Enter the %1 as a whole number from 0 to %2.")
            .arg(what.toString()).arg(Max);
    return QCoreApplication::translate("Identifier", "\"%1\" is not a valid %2. Enter a whole number from 0 to %3.")
        .arg(text.toString(), what.toString())
        .arg(Max);
}

} // namespace Identifier
