// The chart's positioned block and group, its background and border, the
// plot rectangle, and the adjustments later painters rely on: the area
// moved to the group origin and inset by a wide border, margins that fit,
// and a scale step for every scale that has none.
#include <cctype>
#include <string>

#include "draw/painters.h"
#include "draw/plot_geometry.h"
#include "page/vml_writer.h"

namespace qp {

namespace {

void write_block(ChartState& st, VmlWriter& out) {
    const std::string id = st.Aid.empty() ? std::string() : " " + VmlWriter::id_attr(st.Aid);
    if (st.Atop == -1) {
        out.block_relative(st.Aleft, id);
    } else {
        out.block_absolute(st.Atop, st.Aleft, id);
    }
}

bool lowercase_is_transparent(std::string& color) {
    for (char& c : color) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return color == "transparent";
}

void write_background(ChartState& st, VmlWriter& out) {
    const bool transparent = lowercase_is_transparent(st.Abgcolor);
    const long long left = st.Aleft;
    const long long top = st.Atop;
    const long long width = st.Awidth;
    const long long height = st.Aheight;
    if (st.B == 1 && !transparent) {
        const long long h = st.Bwidth / 2;
        out.background_roundrect(st.Bround == 1 ? "arcsize='0.05'" : "arcsize='0'",
                                 st.Abgcolor, st.Bcolor, st.Bwidth,
                                 clamp_to_int(h + top), clamp_to_int(h + left),
                                 clamp_to_int(width - st.Bwidth),
                                 clamp_to_int(height - st.Bwidth), st.Bshadow == 1);
    } else if (st.B == 1) {
        // A transparent area gets its border as four edge lines.
        const long long h = st.Bwidth / 2;
        const int l = clamp_to_int(left);
        const int t = clamp_to_int(top);
        const int r = clamp_to_int(left + width);
        const int b = clamp_to_int(top + height);
        draw_line(out, l, r, clamp_to_int(top + h), clamp_to_int(top + h), st.Bwidth,
                  st.Bcolor, "", "", "");
        draw_line(out, clamp_to_int(left + width - h), clamp_to_int(left + width - h), t, b,
                  st.Bwidth, st.Bcolor, "", "", "");
        draw_line(out, r, l, clamp_to_int(top + height - h), clamp_to_int(top + height - h),
                  st.Bwidth, st.Bcolor, "", "", "");
        draw_line(out, clamp_to_int(left + h), clamp_to_int(left + h), b, t, st.Bwidth,
                  st.Bcolor, "", "", "");
    } else if (!transparent) {
        out.filled_rect(st.Abgcolor, st.Abgcolor, st.Atop, st.Aleft, st.Awidth, st.Aheight);
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

void paint_frame(ChartState& st, VmlWriter& out) {
    write_block(st, out);

    // From here on every coordinate is relative to the group.
    st.Aleft0 = st.Aleft;
    st.Atop0 = st.Atop;
    st.Aleft = 0;
    st.Atop = 0;
    out.group_open(st.Awidth, st.Aheight);

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
        out.filled_rect(st.Ccolor, st.Ccolor, plot_top(st), plot_left(st),
                        clamp_to_int(static_cast<long long>(st.Awidth) - st.Cleft - st.Cright),
                        plot_height(st));
    }
}

}  // namespace qp
