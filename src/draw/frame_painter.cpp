// The chart's positioned block and group, its background and border, the
// plot rectangle, and the adjustments later painters rely on: the area
// moved to the group origin and inset by a wide border, margins that fit,
// and a scale step for every scale that has none.
#include <cctype>
#include <string>

#include "draw/painters.h"
#include "draw/plot_geometry.h"

namespace qp {

namespace {

void begin_chart_block(const ChartState& st, Canvas& out) {
    out.begin_block(Block{.in_flow = st.area.Atop == -1, .left = st.area.Aleft, .top = st.area.Atop,
                          .id = st.area.Aid, .width = st.area.Awidth, .height = st.area.Aheight});
}

bool lowercase_is_transparent(std::string& color) {
    for (char& c : color) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return color == "transparent";
}

void write_background(ChartState& st, Canvas& out) {
    const bool transparent = lowercase_is_transparent(st.area.Abgcolor);
    const long long left = st.area.Aleft;
    const long long top = st.area.Atop;
    const long long width = st.area.Awidth;
    const long long height = st.area.Aheight;
    if (st.border.B == 1 && !transparent) {
        const long long h = st.border.Bwidth / 2;
        const Rect box{clamp_to_int(h + left), clamp_to_int(h + top),
                       clamp_to_int(width - st.border.Bwidth), clamp_to_int(height - st.border.Bwidth)};
        out.frame_box(FrameBox{box, st.area.Abgcolor, st.border.Bcolor, st.border.Bwidth,
                               st.border.Bround == 1 ? Corners::Round : Corners::Square,
                               st.border.Bshadow == 1});
    } else if (st.border.B == 1) {
        // A transparent area gets its border as four edge lines.
        const long long h = st.border.Bwidth / 2;
        const int l = clamp_to_int(left);
        const int t = clamp_to_int(top);
        const int r = clamp_to_int(left + width);
        const int b = clamp_to_int(top + height);
        const auto edge = [&](Point from, Point to) {
            out.line(from, to, st.border.Bwidth, st.border.Bcolor, {});
        };
        edge({l, clamp_to_int(top + h)}, {r, clamp_to_int(top + h)});
        edge({clamp_to_int(left + width - h), t}, {clamp_to_int(left + width - h), b});
        edge({r, clamp_to_int(top + height - h)}, {l, clamp_to_int(top + height - h)});
        edge({clamp_to_int(left + h), b}, {clamp_to_int(left + h), t});
    } else if (!transparent) {
        out.fill_rect(Rect{st.area.Aleft, st.area.Atop, st.area.Awidth, st.area.Aheight}, st.area.Abgcolor);
    }
}

// Margins that leave less than 10 pixels between them give way to 10 % of
// the area on both sides.
void fit_margins(ChartState& st) {
    if (static_cast<long long>(st.plot.Cleft) + st.plot.Cright + 10 > st.area.Awidth) {
        st.plot.Cleft = st.plot.Cright = round_to_int(st.area.Awidth * 0.1);
    }
    if (static_cast<long long>(st.plot.Ctop) + st.plot.Cbottom + 10 > st.area.Aheight) {
        st.plot.Ctop = st.plot.Cbottom = round_to_int(st.area.Aheight * 0.1);
    }
}

// A scale without a step (or with a step of 0) gets one that takes about
// 40 pixels, whole when it is above 1.  Plots of 40 pixels or less keep
// their scales without a step.
void fill_in_step(const ChartState& st, YAxis axis) {
    const int h = plot_height(st);
    if (!(axis.pstep == -1 || (axis.pstep == 1 && axis.step == 0)) || h <= 40) return;
    // The step is held in single precision; it is formed in double.
    const double range = static_cast<double>(axis.max) - static_cast<double>(axis.min);
    float step = as_single(range / (h / 40.0));
    if (step > 1.0f) step = as_single(std::round(static_cast<double>(step)));
    axis.step = step;
    axis.pstep = 1;
}

}  // namespace

void paint_frame(ChartState& st, Canvas& out) {
    begin_chart_block(st, out);

    // From here on every coordinate is relative to the group.
    st.drawing.Aleft0 = st.area.Aleft;
    st.drawing.Atop0 = st.area.Atop;
    st.area.Aleft = 0;
    st.area.Atop = 0;

    write_background(st, out);

    if (st.border.B == 1 && st.border.Bwidth > 1) {
        st.area.Aleft = st.border.Bwidth;
        st.area.Atop = st.border.Bwidth;
        st.area.Awidth = clamp_to_int(static_cast<long long>(st.area.Awidth) - 2LL * st.border.Bwidth);
        st.area.Aheight = clamp_to_int(static_cast<long long>(st.area.Aheight) - 2LL * st.border.Bwidth);
    }

    fit_margins(st);
    fill_in_step(st, y_axis(st, 1));
    fill_in_step(st, y_axis(st, 2));

    if (!st.plot.Ccolor.empty()) {
        out.fill_rect(Rect{plot_left(st), plot_top(st),
                           clamp_to_int(static_cast<long long>(st.area.Awidth) - st.plot.Cleft - st.plot.Cright),
                           plot_height(st)},
                      st.plot.Ccolor);
    }
}

}  // namespace qp
