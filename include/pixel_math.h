// Conversions from real to pixel quantities under the house rules:
// round() takes halves away from zero, truncation drops the fraction, and
// every result is clamped into the int range (NaN gives 0), so that no
// conversion of a hostile value is ever undefined.
#pragma once

#include <climits>
#include <cmath>

namespace qp {

inline int clamp_to_int(long long x) {
    if (x > INT_MAX) return INT_MAX;
    if (x < INT_MIN) return INT_MIN;
    return static_cast<int>(x);
}

inline int truncate_to_int(long double x) {
    if (std::isnan(x)) return 0;
    if (x >= static_cast<long double>(INT_MAX)) return INT_MAX;
    if (x <= static_cast<long double>(INT_MIN)) return INT_MIN;
    return static_cast<int>(x);
}

inline int round_to_int(long double x) {
    if (std::isnan(x)) return 0;
    return truncate_to_int(std::round(x));
}

}  // namespace qp
