#include "CardMask.h"

namespace CardMask {

QString lastFour(const QString &number)
{
    QString digits;
    for (qsizetype i = number.size() - 1; i >= 0 && digits.size() < 4; --i)
        if (number.at(i).isDigit())
            digits.prepend(number.at(i));
    return digits;
}

QString masked(const QString &number)
{
    const QString last = lastFour(number);
    const QString mask = QStringLiteral("•••• •••• ••••");
    return last.isEmpty() ? mask : mask + u' ' + last;
}

} // namespace CardMask
