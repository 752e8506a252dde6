// Where value positions and values land in the chart's group:
//   x(i) = round(i * Xstepm + dXstepm) + Cleft + Aleft
//   y(v) = round((max - v) * (H / (max - min))) + Ctop + Atop
// formed in extended precision and rounded once.  Double precision gives
// the same whole number for every position that does not lie right at a
// half, so the mappings work in double and take the extended way only
// there.  A series painter builds the mappings once and maps every value
// through them.
#pragma once

#include "layout/layout.h"
#include "model/chart_state.h"
#include "model/pixel_math.h"

namespace qp {

class XMapping {
public:
    explicit XMapping(const Layout& lay)
        : step_(lay.x.Xstepm),
          middle_(lay.x.dXstepm),
          origin_(static_cast<double>(lay.frame.Cleft) + lay.frame.area.left) {}

    int operator()(int i) const {
        // The product of an index (below 2^29) and a float is exact in double.
        double whole;
        if (round_clear_of_halves(i * step_ + middle_, &whole)) return truncate_to_int(whole + origin_);
        return extended(i);
    }

private:
    int extended(int i) const;

    double step_;
    double middle_;
    double origin_;
};

class YMapping {
public:
    YMapping(const Layout& lay, const Scale& scale)
        : max_(scale.max),
          min_(scale.min),
          height_(lay.plot.height),
          top_(static_cast<long long>(lay.frame.Ctop) + lay.frame.area.top),
          flat_(scale.max == scale.min),
          scale_(flat_ ? 0.0 : height_ / (max_ - min_)) {}

    int operator()(float v) const {
        // A scale of zero width has no pixels per unit: every value sits
        // on its crossing row, which is the plot top for such a scale.
        if (flat_) return clamp_to_int(top_);
        double whole;
        if (round_clear_of_halves((max_ - v) * scale_, &whole)) {
            return truncate_to_int(whole + static_cast<double>(top_));
        }
        return extended(v);
    }

private:
    int extended(float v) const;

    double max_;
    double min_;
    double height_;
    long long top_;
    bool flat_;
    double scale_;
};

}  // namespace qp
