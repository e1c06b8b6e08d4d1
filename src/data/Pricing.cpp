#include "Pricing.h"

namespace Pricing {

Money rentalFee(int priceClass)
{
    return Money::fromCents(499) - Money::fromCents(100) * priceClass;
}

int rentalDays(int priceClass)
{
    return priceClass + 1;
}

Money lateFeePerDay(int priceClass)
{
    return Money::fromCents(399) - Money::fromCents(100) * priceClass;
}

QDate dueDate(QDate rented, int priceClass)
{
    return rented.addDays(rentalDays(priceClass));
}

Money gst(Money subtotal)
{
    return subtotal.timesRateRounded(7, 100);
}

Money pst(Money subtotal)
{
    return subtotal.timesRateRounded(8, 100);
}

Money total(Money subtotal)
{
    return subtotal.roundedToCents() + gst(subtotal) + pst(subtotal);
}

} // namespace Pricing
