// The value painter and the value label primitive.
#include "draw/value_label.h"

#include <cmath>
#include <string>

#include "model/pixel_math.h"
#include "draw/painters.h"
#include "draw/pixel_mapping.h"
#include "model/series_values.h"
#include "page/vml_writer.h"

namespace qp {

int integer_digits(float value) {
    // The quotient by 10, 100, ... drops below 1 after at most 39 steps for
    // a finite float; an infinite value stops when the divisor overflows too.
    const double magnitude = std::fabs(static_cast<double>(value));
    int n = 1;
    for (double divisor = 10.0; std::floor(magnitude / divisor) >= 1.0; divisor *= 10.0) {
        ++n;
    }
    return n;
}

void draw_value_label(VmlWriter& out, const YAxis& axis, int x, int row, int size,
                      std::string_view color, std::string_view title,
                      std::string_view background, float value, std::string_view link,
                      std::string_view id) {
    const int height = round_to_int(size * 1.15);
    // Above a point on or over the X axis, below a point under it.
    const long long top = row > axis.xrow ? static_cast<long long>(row) + 5
                                          : static_cast<long long>(row) - 5 - height;
    const int decimals = static_cast<int>(axis.sstep.size());
    const int digits = integer_digits(value);
    const int chars = decimals == 0 ? digits : digits + 1 + decimals;
    long long width = round_to_int(static_cast<double>(chars) * size * 0.7);
    if (value < 0) width += round_to_int(size * 0.35);   // room for the sign
    const int box_width = clamp_to_int(width);
    const int left = round_to_int(static_cast<double>(x) - box_width * 0.5);

    const TextStyle style{axis.italic, axis.bold, size, axis.font, color, background};
    out.series_value_open(VmlWriter::id(id), clamp_to_int(top), left, height, box_width,
                          style, VmlWriter::link(link), VmlWriter::title(title));
    if (decimals == 0) {
        out.value_line_rounded(value);
    } else {
        out.value_line_fixed(value, digits + 1 + decimals, decimals);
    }
    out.shape_end();
}

void paint_value_series(ChartState& st, VmlWriter& out, DataAxis axis, int s) {
    if (!series_in_range(axis, s)) return;
    const SeriesRecord& rec = axis.rec[s];
    const int last = last_position(rec);
    const XMapping x_of(st);
    const YMapping y_of(st, axis.y);
    for (int k = 0; k <= last; ++k) {
        if (!value_present(axis, s, k)) continue;
        const float v = axis.val[s][k];
        draw_value_label(out, axis.y, x_of(k), y_of(v), rec.width,
                         rec.color1, rec.text, rec.color2, v, rec.url, rec.id);
    }
}

}  // namespace qp
