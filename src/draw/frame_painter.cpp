// The chart's positioned block and group, its background and border, and
// the plot rectangle.
#include "draw/painters.h"

namespace qp {

namespace {

void begin_chart_block(const ChartState& st, const FrameLayout& f, Canvas& out) {
    out.begin_block(Block{.in_flow = f.in_flow, .left = f.page_left, .top = f.page_top,
                          .id = st.area.Aid, .width = f.group_width, .height = f.group_height});
}

// The background and border cover the whole group.
void write_background(const ChartState& st, const FrameLayout& f, Canvas& out) {
    const Border& border = st.border;
    const long long left = 0;
    const long long top = 0;
    const long long width = f.group_width;
    const long long height = f.group_height;
    if (border.B == 1 && !f.transparent) {
        const long long h = border.Bwidth / 2;
        const Rect box{clamp_to_int(h + left), clamp_to_int(h + top),
                       clamp_to_int(width - border.Bwidth), clamp_to_int(height - border.Bwidth)};
        out.frame_box(FrameBox{box, f.background, border.Bcolor, border.Bwidth,
                               border.Bround == 1 ? Corners::Round : Corners::Square,
                               border.Bshadow == 1});
    } else if (border.B == 1) {
        // A transparent area gets its border as four edge lines.
        const long long h = border.Bwidth / 2;
        const int l = clamp_to_int(left);
        const int t = clamp_to_int(top);
        const int r = clamp_to_int(left + width);
        const int b = clamp_to_int(top + height);
        const auto edge = [&](Point from, Point to) {
            out.line(from, to, border.Bwidth, border.Bcolor, {});
        };
        edge({l, clamp_to_int(top + h)}, {r, clamp_to_int(top + h)});
        edge({clamp_to_int(left + width - h), t}, {clamp_to_int(left + width - h), b});
        edge({r, clamp_to_int(top + height - h)}, {l, clamp_to_int(top + height - h)});
        edge({clamp_to_int(left + h), b}, {clamp_to_int(left + h), t});
    } else if (!f.transparent) {
        out.fill_rect(Rect{0, 0, f.group_width, f.group_height}, f.background);
    }
}

}  // namespace

void paint_frame(const ChartState& st, const Layout& lay, Canvas& out) {
    const FrameLayout& f = lay.frame;
    begin_chart_block(st, f, out);
    write_background(st, f, out);
    if (!st.plot.Ccolor.empty()) {
        out.fill_rect(Rect{lay.plot.left, lay.plot.top,
                           clamp_to_int(static_cast<long long>(f.area.width) - f.Cleft - f.Cright),
                           lay.plot.height},
                      st.plot.Ccolor);
    }
}

}  // namespace qp
