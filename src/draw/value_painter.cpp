// The value painter and the value label primitive.
#include <cmath>

#include "model/pixel_math.h"
#include "draw/painters.h"
#include "draw/pixel_mapping.h"
#include "model/series_values.h"
#include "layout/text_metrics.h"

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

void draw_value_label(Canvas& out, const Scale& scale, const ValueLabel& label) {
    const int x = label.at.x;
    const int row = label.at.y;
    const int size = label.size;
    const float value = label.value;
    const int height = round_to_int(size * kLineHeight);
    // Above a point on or over the X axis, below a point under it.
    const long long top = row > label.base_row ? static_cast<long long>(row) + 5
                                          : static_cast<long long>(row) - 5 - height;
    const int decimals = static_cast<int>(scale.sstep.size());
    const int digits = integer_digits(value);
    const int chars = decimals == 0 ? digits : digits + 1 + decimals;
    long long width = round_to_int(static_cast<double>(chars) * size * kCharWidth);
    if (value < 0) width += round_to_int(size * kSignWidth);   // room for the sign
    const int box_width = clamp_to_int(width);
    const int left = round_to_int(static_cast<double>(x) - box_width * 0.5);

    const TextStyle style{scale.italic, scale.bold, size, scale.font, label.color, label.background};
    out.value_label(Rect{left, clamp_to_int(top), box_width, height}, style,
                    Number{value, decimals, digits + 1 + decimals}, label.tags);
}

void paint_value_series(const ChartState& st, const Layout& lay, Canvas& out, int axis, int s) {
    const SeriesTable& table = st.table(axis);
    if (!series_in_range(table, s)) return;
    const Scale& scale = st.scale(axis);
    const int base_row = lay.y(axis).xrow;
    const SeriesRecord& rec = table.rec[s];
    const int last = last_position(rec);
    const XMapping x_of(lay);
    const int offset = lay.bars(axis).value_offset(s);
    const YMapping y_of(lay, scale);
    for (int k = 0; k <= last; ++k) {
        if (!value_present(table, s, k)) continue;
        const float v = table.val[s][k];
        draw_value_label(out, scale,
                         ValueLabel{{px_sum(x_of(k), offset), y_of(v)}, base_row, rec.width, rec.color1, rec.color2, v,
                                    Tags{rec.id, rec.url, rec.text}});
    }
}

}  // namespace qp
