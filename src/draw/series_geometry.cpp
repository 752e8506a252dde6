// Where a value lands in the chart's group, and the line primitive.
#include <cmath>

#include "draw/painters.h"
#include "draw/pixel_mapping.h"

namespace qp {

int XMapping::extended(int i) const {
    const long double x = static_cast<long double>(i) * step_ + middle_;
    // The rounded position is a whole number, exact as a double.
    return truncate_to_int(static_cast<double>(std::round(x)) + origin_);
}

int YMapping::extended(float v) const {
    const long double row = (static_cast<long double>(max_) - v) *
                            (static_cast<long double>(height_) / (static_cast<long double>(max_) - min_));
    return truncate_to_int(static_cast<double>(std::round(row)) + static_cast<double>(top_));
}

int map_x(const Layout& lay, int i) { return XMapping(lay)(i); }

int map_y(const Layout& lay, const Scale& scale, float v) { return YMapping(lay, scale)(v); }

}  // namespace qp
