// The line painter: an L series as straight segments (variant 1), segments
// with drop lines to the X axis (variant 2) or a filled area under the
// segments (variant 3).  A segment joins two neighbouring positions and is
// drawn only when both values are present, so an empty value breaks the
// line.
#include "draw/painters.h"
#include "draw/pixel_mapping.h"
#include "model/series_values.h"

namespace qp {

namespace {

// Thick lines get round joints from this width on.
constexpr int kJointMinWidth = 5;

struct LineContext {
    const ChartState& st;
    Canvas& out;
    int xrow;   // the crossing row of the series' scale
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
            draw_marker(c.out, Marker{{c.x(i), c.y(i)}, c.rec.width - 2, MarkerShape::Circle, c.rec.color1,
                                      c.rec.color1, Tags{c.rec.id, c.rec.url, {}, true}});
        }
        previous = drawn;
    }
}

void paint_segments(const LineContext& c, int last, bool drop_lines) {
    const SeriesRecord& rec = c.rec;
    const Tags tags{rec.id, rec.url, rec.text};
    const int xrow = c.xrow;
    // With positions on the slot boundaries the outermost drop lines would
    // lie on the Y axis lines, so they are left out where a scale is drawn.
    const bool on_boundaries = c.st.x.XYcross != -1;
    for_each_segment(c, last, [&](int i, Point from, Point to) {
        c.out.line(from, to, rec.width, rec.color1, tags);
        if (!drop_lines) return;
        if (!(on_boundaries && i == 0 && c.st.y1.p == 1)) {
            c.out.line(from, {from.x, xrow}, rec.width, rec.color1, tags);
        }
        if (!(on_boundaries && i + 1 == last && c.st.y2.p == 1)) {
            c.out.line(to, {to.x, xrow}, rec.width, rec.color1, tags);
        }
    });
}

void paint_area(const LineContext& c, int last) {
    const SeriesRecord& rec = c.rec;
    const int xrow = c.xrow;
    const Paint paint{rec.color2, rec.color1, {}};
    const Tags tags{rec.id, rec.url, rec.text};
    for_each_segment(c, last, [&](int, Point from, Point to) {
        c.out.area_segment({Point{from.x, xrow}, from, to, Point{to.x, xrow}}, paint, tags);
    });
}

}  // namespace

void paint_line_series(const ChartState& st, const Layout& lay, Canvas& out, int axis, int s) {
    const SeriesTable& table = st.table(axis);
    if (!series_in_range(table, s)) return;
    const SeriesRecord& rec = table.rec[s];
    const int last = last_position(rec);
    const LineContext c{st, out, lay.y(axis).xrow, rec, XMapping(lay), YMapping(lay, st.scale(axis)),
                        table.val[static_cast<std::size_t>(s)], last};

    if (rec.width >= kJointMinWidth) paint_joints(c, last);

    switch (line_style(rec)) {
        case LineStyle::Plain:
            paint_segments(c, last, false);
            break;
        case LineStyle::DropLines:
            paint_segments(c, last, true);
            break;
        case LineStyle::Filled:
            paint_area(c, last);
            paint_segments(c, last, false);
            break;
        default:
            break;
    }
}

}  // namespace qp
