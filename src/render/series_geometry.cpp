// Where a value lands in the chart's group, and the line primitive.
#include <cmath>

#include "render/painters.h"
#include "render/pixel_mapping.h"
#include "render/plot_geometry.h"
#include "vml_writer.h"

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

int map_x(const ChartState& st, int i) { return XMapping(st)(i); }

int map_y(const ChartState& st, const YAxis& axis, float v) { return YMapping(st, axis)(v); }

void draw_line(VmlWriter& out, int x1, int x2, int y1, int y2, int weight,
               std::string_view color, std::string_view title,
               std::string_view link, std::string_view id_attr) {
    out.series_line(VmlWriter::formed(id_attr), x1, y1, x2, y2, weight, color,
                    VmlWriter::link(link), VmlWriter::title(title));
}

}  // namespace qp
