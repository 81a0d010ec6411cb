#pragma once

#include <QString>

#include <cmath>

namespace Posting {

/** A quantity as a whole number of portions, as dockets and invoices print
 *  it: rounded to the nearest whole, a half going to the even neighbour, so
 *  that half a portion shows as none and 2.7 kg as 3. */
inline double wholeQuantity(double quantity)
{
    return std::nearbyint(quantity) + 0.0;
}

/** wholeQuantity as text; empty when it is 0. */
inline QString wholeQuantityText(double quantity)
{
    const double whole = wholeQuantity(quantity);
    return whole == 0 ? QString() : QString::number(whole, 'f', 0);
}

} // namespace Posting
