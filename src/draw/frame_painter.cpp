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
    out.begin_block(Block{.in_flow = st.Atop == -1, .left = st.Aleft, .top = st.Atop,
                          .id = st.Aid, .width = st.Awidth, .height = st.Aheight});
}

bool lowercase_is_transparent(std::string& color) {
    for (char& c : color) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return color == "transparent";
}

void write_background(ChartState& st, Canvas& out) {
    const bool transparent = lowercase_is_transparent(st.Abgcolor);
    const long long left = st.Aleft;
    const long long top = st.Atop;
    const long long width = st.Awidth;
    const long long height = st.Aheight;
    if (st.B == 1 && !transparent) {
        const long long h = st.Bwidth / 2;
        const Rect box{clamp_to_int(h + left), clamp_to_int(h + top),
                       clamp_to_int(width - st.Bwidth), clamp_to_int(height - st.Bwidth)};
        out.frame_box(FrameBox{box, st.Abgcolor, st.Bcolor, st.Bwidth,
                               st.Bround == 1 ? Corners::Round : Corners::Square,
                               st.Bshadow == 1});
    } else if (st.B == 1) {
        // A transparent area gets its border as four edge lines.
        const long long h = st.Bwidth / 2;
        const int l = clamp_to_int(left);
        const int t = clamp_to_int(top);
        const int r = clamp_to_int(left + width);
        const int b = clamp_to_int(top + height);
        const auto edge = [&](Point from, Point to) {
            out.line(from, to, st.Bwidth, st.Bcolor, {});
        };
        edge({l, clamp_to_int(top + h)}, {r, clamp_to_int(top + h)});
        edge({clamp_to_int(left + width - h), t}, {clamp_to_int(left + width - h), b});
        edge({r, clamp_to_int(top + height - h)}, {l, clamp_to_int(top + height - h)});
        edge({clamp_to_int(left + h), b}, {clamp_to_int(left + h), t});
    } else if (!transparent) {
        out.fill_rect(Rect{st.Aleft, st.Atop, st.Awidth, st.Aheight}, st.Abgcolor);
    }
}

// Margins that leave less than 10 pixels between them give way to 10 % of
// the area on both sides.
void fit_margins(ChartState& st) {
    if (static_cast<long long>(st.Cleft) + st.Cright + 10 > st.Awidth) {
        st.Cleft = st.Cright = round_to_int(st.Awidth * 0.1);
    }
    if (static_cast<long long>(st.Ctop) + st.Cbottom + 10 > st.Aheight) {
        st.Ctop = st.Cbottom = round_to_int(st.Aheight * 0.1);
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
    st.Aleft0 = st.Aleft;
    st.Atop0 = st.Atop;
    st.Aleft = 0;
    st.Atop = 0;

    write_background(st, out);

    if (st.B == 1 && st.Bwidth > 1) {
        st.Aleft = st.Bwidth;
        st.Atop = st.Bwidth;
        st.Awidth = clamp_to_int(static_cast<long long>(st.Awidth) - 2LL * st.Bwidth);
        st.Aheight = clamp_to_int(static_cast<long long>(st.Aheight) - 2LL * st.Bwidth);
    }

    fit_margins(st);
    fill_in_step(st, y_axis(st, 1));
    fill_in_step(st, y_axis(st, 2));

    if (!st.Ccolor.empty()) {
        out.fill_rect(Rect{plot_left(st), plot_top(st),
                           clamp_to_int(static_cast<long long>(st.Awidth) - st.Cleft - st.Cright),
                           plot_height(st)},
                      st.Ccolor);
    }
}

}  // namespace qp
