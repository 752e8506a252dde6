// Reals of the painters are single precision: a product or quotient is
// formed in double and rounded once to float, and sums of floats stay float.
#pragma once

#include <cfloat>
#include <cmath>

namespace qp {

// `x` rounded to single precision; beyond the float range it becomes an
// infinity of its sign (as the hardware does), never an undefined cast.
inline float single(double x) {
    if (x > FLT_MAX) return HUGE_VALF;
    if (x < -FLT_MAX) return -HUGE_VALF;
    return static_cast<float>(x);
}

}  // namespace qp
