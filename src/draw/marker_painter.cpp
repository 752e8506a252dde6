// The marker painter: one marker at every present value of an M series.
#include <string_view>

#include "draw/painters.h"
#include "draw/pixel_mapping.h"
#include "model/series_values.h"

namespace qp {

void paint_marker_series(const ChartState& st, const Layout& lay, Canvas& out, int axis, int s) {
    const SeriesTable& table = st.table(axis);
    if (!series_in_range(table, s)) return;
    const SeriesRecord& rec = table.rec[s];

    // A text that starts with '^' hands the markers to the line drawn just
    // before: they take that line's title and id.  Without such a line they
    // have no title and keep their own id.
    std::string_view title = rec.text;
    std::string_view id = rec.id;
    if (!rec.text.empty() && rec.text[0] == '^') {
        title = {};
        if (s > 0) {
            const SeriesRecord& prev = table.rec[s - 1];
            if (is_open_line(prev)) {
                title = prev.text;
                id = prev.id;
            }
        }
    }

    const MarkerShape shape = marker_shape(rec);
    const int last = last_position(rec);
    const XMapping x_of(lay);
    const YMapping y_of(lay, st.scale(axis));
    for (int k = 0; k <= last; ++k) {
        if (!value_present(table, s, k)) continue;
        draw_marker(out, Marker{{x_of(k), y_of(table.val[s][k])}, rec.width, shape, rec.color1,
                                rec.color2, Tags{id, rec.url, title}});
    }
}

}  // namespace qp
