#pragma once

#include "Money.h"

#include <QDate>
#include <QString>

// The money rules that follow from a title's price class and the two taxes.
namespace Pricing {

Money rentalFee(int priceClass);       // 4.99 - class
int rentalDays(int priceClass);        // class + 1
Money lateFeePerDay(int priceClass);   // 3.99 - class
QDate dueDate(QDate rented, int priceClass);

// Each tax rounded on its own, half-to-even, to cents. The total is the
// subtotal (rounded to cents) plus the two taxes as rounded, so every
// receipt adds up to the cent.
Money gst(Money subtotal);    // 7 %
Money pst(Money subtotal);    // 8 %
Money total(Money subtotal);

} // namespace Pricing
