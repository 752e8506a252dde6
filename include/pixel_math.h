// Conversions between reals and pixel quantities under the house rules:
// round() takes halves away from zero, truncation drops the fraction, and
// every result is clamped into the int range (NaN gives 0), so that no
// conversion of a hostile value is ever undefined.
#pragma once

#include <cfloat>
#include <climits>
#include <cmath>
#include <limits>

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

// A double stored in single precision; values beyond the float range
// become infinities (as the hardware would give them), never undefined.
inline float as_single(double x) {
    if (x > static_cast<double>(FLT_MAX)) return std::numeric_limits<float>::infinity();
    if (x < -static_cast<double>(FLT_MAX)) return -std::numeric_limits<float>::infinity();
    return static_cast<float>(x);
}

// The same for doubles, without widening (the common, quicker case).
inline int truncate_to_int(double x) {
    if (std::isnan(x)) return 0;
    if (x >= static_cast<double>(INT_MAX)) return INT_MAX;
    if (x <= static_cast<double>(INT_MIN)) return INT_MIN;
    return static_cast<int>(x);
}

inline int round_to_int(double x) { return truncate_to_int(std::round(x)); }

inline int round_to_int(long double x) {
    if (std::isnan(x)) return 0;
    return truncate_to_int(std::round(x));
}

}  // namespace qp
