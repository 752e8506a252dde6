// The layout of a completed chart, worked out in the order the drawing
// relies on: the frame (the area inset by a wide border), margins that
// fit, the legend, the scale steps (from the fitted plot height), the
// pies, the plot edges and crossing rows, the category pitch and the bar
// widths.  The tidy rules (layout/tidy_layout.h) take part where the
// policy asks for them.
#include "layout/layout.h"

#include <cctype>
#include <cmath>

#include "layout/tidy_layout.h"
#include "model/pixel_math.h"

namespace qp {

namespace {

// A colour in lower case (hex digits too), and whether it is transparent.
std::string lowered(const std::string& color, bool* transparent) {
    std::string low = color;
    for (char& c : low) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    *transparent = low == "transparent";
    return low;
}

// Margins that leave less than 10 pixels between them give way to 10 % of
// the area on both sides.
void fit_margins(FrameLayout& f) {
    if (static_cast<long long>(f.Cleft) + f.Cright + 10 > f.area.width) {
        f.Cleft = f.Cright = round_to_int(f.area.width * 0.1);
    }
    if (static_cast<long long>(f.Ctop) + f.Cbottom + 10 > f.area.height) {
        f.Ctop = f.Cbottom = round_to_int(f.area.height * 0.1);
    }
}

FrameLayout lay_out_frame(const ChartState& st) {
    FrameLayout f;
    f.in_flow = st.area.Atop == -1;
    f.page_left = st.area.Aleft;
    f.page_top = st.area.Atop;
    f.group_width = st.area.Awidth;
    f.group_height = st.area.Aheight;
    f.background = lowered(st.area.Abgcolor, &f.transparent);
    // Every coordinate from here on is relative to the group.
    f.area = Box{0, 0, st.area.Awidth, st.area.Aheight};
    if (st.border.B == 1 && st.border.Bwidth > 1) {
        const long long b = st.border.Bwidth;
        f.area = Box{st.border.Bwidth, st.border.Bwidth, clamp_to_int(st.area.Awidth - 2LL * b),
                     clamp_to_int(st.area.Aheight - 2LL * b)};
    }
    f.Cleft = st.plot.Cleft;
    f.Cright = st.plot.Cright;
    f.Ctop = st.plot.Ctop;
    f.Cbottom = st.plot.Cbottom;
    fit_margins(f);
    return f;
}

// Pixel sums are formed in 64 bits and clamped, so that hostile sizes
// never overflow.
PlotLayout plot_edges(const FrameLayout& f) {
    const long long left = f.area.left;
    const long long top = f.area.top;
    return PlotLayout{clamp_to_int(left + f.Cleft), clamp_to_int(left + f.area.width - f.Cright),
                      clamp_to_int(top + f.Ctop), clamp_to_int(top + f.area.height - f.Cbottom),
                      clamp_to_int(static_cast<long long>(f.area.height) - f.Ctop - f.Cbottom)};
}

// A scale without a step (or with a step of 0) gets one that takes about
// 40 pixels, whole when it is above 1.  Plots of 40 pixels or less keep
// their scales without a step.
ScaleLayout scale_step(const Scale& scale, int h) {
    ScaleLayout s;
    s.pstep = scale.pstep;
    s.step = scale.step;
    s.decimals = static_cast<int>(scale.sstep.size());
    if (!(scale.pstep == -1 || (scale.pstep == 1 && scale.step == 0)) || h <= 40) return s;
    // The step is held in single precision; it is formed in double.
    const double range = static_cast<double>(scale.max) - static_cast<double>(scale.min);
    float step = as_single(range / (h / 40.0));
    if (step > 1.0f) step = as_single(std::round(static_cast<double>(step)));
    s.step = step;
    s.pstep = 1;
    return s;
}

// The row at which the X axis crosses a scale: the plot top or bottom when
// the crossing is at an end of the scale (or the scale has no width),
// else the crossing value's row.
int crossing_row(const FrameLayout& f, const PlotLayout& plot, const Scale& scale) {
    const long long top = static_cast<long long>(f.Ctop) + f.area.top;
    if (scale.max == scale.xlocate || scale.max == scale.min) return clamp_to_int(top);
    if (scale.min == scale.xlocate) return plot.bottom;
    // Formed in double and held in single precision before it is rounded.
    const double above = std::fabs(static_cast<double>(scale.max) - scale.xlocate);
    const double range = std::fabs(static_cast<double>(scale.max) - scale.min);
    const float offset = as_single(above * (plot.height / range));
    return clamp_to_int(static_cast<long long>(round_to_int(offset)) + top);
}

// The category pitch.  A pitch without a finite value (no categories, or
// one category on the grid positions) is the whole plot width.
CategoryLayout categories(const ChartState& st, const PlotLayout& plot) {
    const long long width = static_cast<long long>(plot.right) - plot.left;
    const long long cells = st.x.XYcross == 1 ? static_cast<long long>(st.x.Xi) - 1 : st.x.Xi;
    const double pitch = cells > 0 ? static_cast<double>(width) / static_cast<double>(cells)
                                   : static_cast<double>(width);
    CategoryLayout c;
    c.Xstepr = as_single(pitch);
    c.Xstepm = c.Xstepr;
    c.dXstepm = st.x.XYcross == 1 ? 0.0f : as_single(c.Xstepm / 2.0);
    return c;
}

// The bar width of an axis with bars, from the pitch, the bar count and
// the bar interval in percent.
BarLayout bars(const SeriesTable& table, const CategoryLayout& x) {
    if (table.kolR1 == 0) return {};
    const double share = table.intR1 / 100.0 + table.kolR1;
    if (share == 0) return {};
    BarLayout b;
    b.Rwidth = truncate_to_int(static_cast<double>(x.Xstepr) / share);
    return b;
}

// The pie survey: the first P series fixes the start angle and the
// arrangement; the longest one gives the number of pies.
PieLayout lay_out_pie_series(const ChartState& st, const FrameLayout& frame, LayoutPolicy policy) {
    PieLayout pies;
    int count = 0;
    for (int number = 1; number <= 2; ++number) {
        const SeriesTable& table = st.table(number);
        const int last = std::min(table.num, static_cast<int>(table.rec.size()) - 1);
        for (int s = 0; s <= last; ++s) {
            const SeriesRecord& rec = table.rec[static_cast<std::size_t>(s)];
            if (kind(rec) != SeriesKind::Pie) continue;
            if (pies.series == 0) {
                pies.start_angle = rec.width;
                // Whole turns above 360 are dropped; 360 itself stays.
                if (pies.start_angle > 360) pies.start_angle = (pies.start_angle - 1) % 360 + 1;
                pies.arrangement = pie_arrangement(rec);
            }
            ++pies.series;
            count = std::max(count, last_position(rec) + 1);
        }
    }
    if (pies.series == 0) return pies;
    pies.boxes = policy == LayoutPolicy::Tidy ? tidy_pie_grid(st, frame, count, pies.arrangement)
                                              : lay_out_pies(st, frame, count, pies.arrangement);
    return pies;
}

}  // namespace

bool category_axis_drawn(const ChartState& st, const Layout& layout) {
    if (st.legend.Lonly == 1 || layout.pies_only) return false;
    // The Y2 painter draws it when the Y1 painter will not.
    if (st.y2.p == 1) return layout.y2.pstep == 1 || (st.y1.p == 1 && layout.y1.pstep == 1);
    return layout.y1.pstep == 1;
}

Layout lay_out(const ChartState& st, LayoutPolicy policy) {
    const bool tidy = policy == LayoutPolicy::Tidy;
    Layout lay;
    lay.frame = lay_out_frame(st);
    lay.legend = lay_out_legend(st, policy);
    if (tidy) {
        room_for_captions(st, lay.frame);
        place_legend_inside(st, lay.frame, lay.legend);
    }
    lay.plot = plot_edges(lay.frame);
    const int h = lay.plot.height;
    lay.y1 = tidy ? tidy_scale_step(st.y1, h) : scale_step(st.y1, h);
    lay.y2 = tidy ? tidy_scale_step(st.y2, h) : scale_step(st.y2, h);
    lay.pies = lay_out_pie_series(st, lay.frame, policy);
    lay.pies_only = lay.pies.series == st.koldata;
    lay.y1.xrow = crossing_row(lay.frame, lay.plot, st.y1);
    lay.y2.xrow = crossing_row(lay.frame, lay.plot, st.y2);
    if (tidy) {
        start_walks_on_steps(st.y1, lay.y1);
        start_walks_on_steps(st.y2, lay.y2);
    }
    if (category_axis_drawn(st, lay)) {
        lay.x = categories(st, lay.plot);
        lay.bars1 = bars(st.d1, lay.x);
        lay.bars2 = bars(st.d2, lay.x);
        if (tidy) {
            lay.x.label_every = category_label_every(st, lay.x);
            lay.bars1.value_offsets = value_offsets_over_bars(st.d1, lay.bars1);
            lay.bars2.value_offsets = value_offsets_over_bars(st.d2, lay.bars2);
        }
    }
    return lay;
}

}  // namespace qp
