// Where a value lands in the chart's group, and the line primitive.
#include <cmath>

#include "render/painters.h"
#include "render/plot_geometry.h"
#include "vml_writer.h"

namespace qp {

int map_x(const ChartState& st, int i) {
    // Positions are formed in extended precision and rounded once; double
    // precision gives the same whole number for all but the positions that
    // lie right at a half.  (The product of an index and a float is exact
    // in both.)
    double whole;
    if (round_clear_of_halves(i * static_cast<double>(st.Xstepm) + st.dXstepm, &whole)) {
        return truncate_to_int(whole + st.Cleft + st.Aleft);
    }
    const long double x = static_cast<long double>(i) * st.Xstepm + st.dXstepm;
    // The rounded position is a whole number, exact as a double.
    return truncate_to_int(static_cast<double>(std::round(x)) + st.Cleft + st.Aleft);
}

int map_y(const ChartState& st, const YAxis& axis, float v) {
    const long long top = static_cast<long long>(st.Ctop) + st.Atop;
    // A scale of zero width has no pixels per unit: every value sits on
    // its crossing row, which is the plot top for such a scale.
    if (axis.max == axis.min) return clamp_to_int(top);
    // As for map_x: double precision where it rounds as extended does.
    const double max = axis.max;
    const double min = axis.min;
    const double h = plot_height(st);
    double whole;
    if (round_clear_of_halves((max - v) * (h / (max - min)), &whole)) {
        return truncate_to_int(whole + static_cast<double>(top));
    }
    const long double row = (static_cast<long double>(max) - v) *
                            (static_cast<long double>(h) / (static_cast<long double>(max) - min));
    return truncate_to_int(static_cast<double>(std::round(row)) + static_cast<double>(top));
}

void draw_line(VmlWriter& out, int x1, int x2, int y1, int y2, int weight,
               std::string_view color, std::string_view title,
               std::string_view link, std::string_view id_attr) {
    out.series_line(VmlWriter::formed(id_attr), x1, y1, x2, y2, weight, color,
                    VmlWriter::link(link), VmlWriter::title(title));
}

}  // namespace qp
