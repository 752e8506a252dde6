// The marker painter: one marker at every present value of an M series.
#include <string_view>

#include "draw/painters.h"
#include "draw/pixel_mapping.h"
#include "model/series_values.h"

namespace qp {

void paint_marker_series(ChartState& st, Canvas& out, DataAxis axis, int s) {
    if (!series_in_range(axis, s)) return;
    const SeriesRecord& rec = axis.rec[s];

    // A text that starts with '^' hands the markers to the line drawn just
    // before: they take that line's title and id.  Without such a line they
    // have no title and keep their own id.
    std::string_view title = rec.text;
    std::string_view id = rec.id;
    if (!rec.text.empty() && rec.text[0] == '^') {
        title = {};
        if (s > 0) {
            const SeriesRecord& prev = axis.rec[s - 1];
            if (prev.tip == "L1" || prev.tip == "L2") {
                title = prev.text;
                id = prev.id;
            }
        }
    }

    const char shape = series_variant(rec);
    const int last = last_position(rec);
    const XMapping x_of(st);
    const YMapping y_of(st, axis.y);
    for (int k = 0; k <= last; ++k) {
        if (!value_present(axis, s, k)) continue;
        draw_marker(out, Marker{{x_of(k), y_of(axis.val[s][k])}, rec.width, shape, rec.color1,
                                rec.color2, Tags{id, rec.url, title}});
    }
}

}  // namespace qp
