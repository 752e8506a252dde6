// The line painter: an L series as straight segments (variant 1), segments
// with drop lines to the X axis (variant 2) or a filled area under the
// segments (variant 3).  A segment joins two neighbouring positions and is
// drawn only when both values are present, so an empty value breaks the
// line.
#include <string>

#include "draw/painters.h"
#include "draw/pixel_mapping.h"
#include "model/series_values.h"
#include "page/vml_writer.h"

namespace qp {

namespace {

// Thick lines get round joints from this width on.
constexpr int kJointMinWidth = 5;

struct LineContext {
    ChartState& st;
    VmlWriter& out;
    const DataAxis& axis;
    int s;
    const SeriesRecord& rec;
    XMapping x_of;
    YMapping y_of;
    const ValueRow& row;   // the series' values
    int last;              // its last position

    bool present(int i) const {
        return i >= 0 && i <= last && is_present(row[static_cast<std::size_t>(i)]);
    }
    bool segment(int i) const { return present(i) && present(i + 1); }
    int x(int i) const { return x_of(i); }
    int y(int i) const { return y_of(row[static_cast<std::size_t>(i)]); }
};

struct Point {
    int x, y;
};

// Calls draw(i, from, to) for the segment from every position i to i + 1
// where both values are present.  Each position is mapped once, also where
// it ends one segment and starts the next.
template <typename Draw>
void for_each_segment(const LineContext& c, int last, Draw draw) {
    bool present = c.present(0);
    bool from_mapped = false;
    Point from{0, 0};
    for (int i = 0; i < last; ++i) {
        const bool next = c.present(i + 1);
        if (present && next) {
            if (!from_mapped) from = Point{c.x(i), c.y(i)};
            const Point to{c.x(i + 1), c.y(i + 1)};
            draw(i, from, to);
            from = to;
        }
        from_mapped = present && next;
        present = next;
    }
}

// Circles at the inner positions of each run of segments, so that the bends
// of thick lines are rounded; the ends of a run get none.
void paint_joints(const LineContext& c, int last) {
    bool previous = false;
    for (int i = 0; i < last; ++i) {
        const bool drawn = c.segment(i);
        if (drawn && previous) {
            draw_marker(c.out, c.x(i), c.y(i), c.rec.width - 2, c.rec.color1, {},
                        c.rec.color1, '4', c.rec.url, c.rec.id);
        }
        previous = drawn;
    }
}

void paint_segments(const LineContext& c, int last, std::string_view id_text,
                    bool drop_lines) {
    const SeriesRecord& rec = c.rec;
    const int xrow = c.axis.y.xrow;
    // With positions on the slot boundaries the outermost drop lines would
    // lie on the Y axis lines, so they are left out where a scale is drawn.
    const bool on_boundaries = c.st.XYcross != -1;
    for_each_segment(c, last, [&](int i, Point from, Point to) {
        draw_line(c.out, from.x, to.x, from.y, to.y, rec.width, rec.color1, rec.text, rec.url,
                  id_text);
        if (!drop_lines) return;
        if (!(on_boundaries && i == 0 && c.st.Y1p == 1)) {
            draw_line(c.out, from.x, from.x, from.y, xrow, rec.width, rec.color1, rec.text,
                      rec.url, id_text);
        }
        if (!(on_boundaries && i + 1 == last && c.st.Y2p == 1)) {
            draw_line(c.out, to.x, to.x, to.y, xrow, rec.width, rec.color1, rec.text, rec.url,
                      id_text);
        }
    });
}

void paint_area(const LineContext& c, int last, std::string_view id_text) {
    const SeriesRecord& rec = c.rec;
    const int xrow = c.axis.y.xrow;
    for_each_segment(c, last, [&](int, Point from, Point to) {
        c.out.area_polyline(VmlWriter::formed(id_text), rec.color2, rec.color1, {from.x, xrow},
                            {from.x, from.y}, {to.x, to.y}, {to.x, xrow},
                            VmlWriter::link(rec.url), VmlWriter::title(rec.text));
    });
}

}  // namespace

void paint_line_series(ChartState& st, VmlWriter& out, DataAxis axis, int s) {
    if (!series_in_range(axis, s)) return;
    const SeriesRecord& rec = axis.rec[s];
    const int last = last_position(rec);
    const LineContext c{st, out, axis, s, rec, XMapping(st), YMapping(st, axis.y),
                        axis.val[static_cast<std::size_t>(s)], last};

    if (rec.width >= kJointMinWidth) paint_joints(c, last);

    const std::string id_text = VmlWriter::id_attr(rec.id);
    switch (series_variant(rec)) {
        case '1':
            paint_segments(c, last, id_text, false);
            break;
        case '2':
            paint_segments(c, last, id_text, true);
            break;
        case '3':
            paint_area(c, last, id_text);
            paint_segments(c, last, id_text, false);
            break;
        default:
            break;
    }
}

}  // namespace qp
