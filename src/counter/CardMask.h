#pragma once

#include <QString>

// A card number as the counter may show and print it: at most its last four
// digits, behind a mask ("•••• •••• •••• 4242"). Masking a masked number
// gives it back unchanged.
namespace CardMask {

QString masked(const QString &number);
// The number's last four digits (fewer when it has fewer).
QString lastFour(const QString &number);

} // namespace CardMask
