#pragma once

// Rounding for counts worked out from tonnages. Tonnages are sums of percentages
// of the hull, so a figure that is a whole number on paper can come out a hair
// above it in binary (35.000000000000007 tons); rounding that up would hire an
// extra engineer. Anything within a millionth of a whole number counts as it.

#include <cmath>

namespace velmora::ships {

inline double roundedUp(double value) {
    const double nearest = std::round(value);
    if (std::fabs(value - nearest) < 1e-6)
        return nearest;
    return std::ceil(value);
}

// ceil(numerator / denominator) for counts that are never negative.
inline long long ceilDivide(long long numerator, long long denominator) {
    if (numerator <= 0)
        return 0;
    return (numerator + denominator - 1) / denominator;
}

} // namespace velmora::ships
