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

// Sum of pixel quantities, clamped.
inline int px_sum(long long a, long long b) { return clamp_to_int(a + b); }

// round(x) of a position formed in double precision, given only when the
// same position formed in extended precision rounds to the same whole
// number: x is moderate (the two differ by far less than kHalfMargin) and
// lies further than that from every half.
inline bool round_clear_of_halves(double x, double* whole) {
    constexpr double kLimit = 1e9;
    constexpr double kHalfMargin = 1e-6;
    if (!(std::fabs(x) < kLimit)) return false;   // also NaN
    const double t = static_cast<double>(static_cast<long long>(x));
    const double frac = std::fabs(x - t);
    if (std::fabs(frac - 0.5) <= kHalfMargin) return false;
    *whole = frac < 0.5 ? t : (x < 0 ? t - 1 : t + 1);
    return true;
}


}  // namespace qp
