#include "CardMask.h"

namespace CardMask {

QString masked(const QString &number)
{
    QString lastFour;
    for (qsizetype i = number.size() - 1; i >= 0 && lastFour.size() < 4; --i)
        if (number.at(i).isDigit())
            lastFour.prepend(number.at(i));
    const QString mask = QStringLiteral("•••• •••• ••••");
    return lastFour.isEmpty() ? mask : mask + u' ' + lastFour;
}

} // namespace CardMask
