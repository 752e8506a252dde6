// The render driver: the page heading, then the chart drawn in its fixed
// order: frame, title, pies, scales and grid, the series by their drawing
// passes, the axis lines, and the legend in a block of its own.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "draw/render_driver.h"
#include "draw/chart_summary.h"
#include "draw/painters.h"
#include "draw/plot_geometry.h"

namespace qp {

namespace {

// Writes the standard heading or copies the heading file.  False when the
// heading file cannot be read (logged, file error set).
bool write_heading(ChartState& st, RunContext& run, Canvas& out) {
    if (st.area.Afile_header.empty()) {
        if (st.file.numAREA <= 1) {
            out.heading(PageHeading{false, st.file.ONE_file == -1 && !st.title.Ttext.empty(), st.title.Ttext});
        } else if (st.file.ONE_file != 1) {
            out.heading(PageHeading{false, !st.title.Ttext.empty(), st.title.Ttext});
        }
        // A later chart of a shared page continues a page that has its heading.
        return true;
    }
    std::string contents;
    if (!run.fs.read_text(st.area.Afile_header, &contents)) {
        run.log << kRed << run.cat(Msg::File) << " " << st.area.Afile_header << " "
                << run.cat(Msg::DoesNotFound) << kEnd << "<br>\n";
        run.file_error = 1;
        return false;
    }
    run.log << run.cat(Msg::HeadingFileIs) << " " << st.area.Afile_header << "<br>\n";
    out.verbatim(contents);
    return true;
}

// The row at which the X axis crosses a scale: the plot top or bottom when
// the crossing is at an end of the scale (or the scale has no width),
// else the crossing value's row.
int crossing_row(const ChartState& st, const YAxis& axis) {
    const long long top = static_cast<long long>(st.plot.Ctop) + st.area.Atop;
    if (axis.max == axis.xlocate || axis.max == axis.min) return clamp_to_int(top);
    if (axis.min == axis.xlocate) return plot_bottom(st);
    // Formed in double and held in single precision before it is rounded.
    const double above = std::fabs(static_cast<double>(axis.max) - axis.xlocate);
    const double range = std::fabs(static_cast<double>(axis.max) - axis.min);
    const float offset = as_single(above * (plot_height(st) / range));
    return clamp_to_int(static_cast<long long>(round_to_int(offset)) + top);
}

// The bar width of an axis, from the pitch, the bar count and the bar
// interval in percent.
int bar_width(float pitch, int interval, int bars) {
    const double share = interval / 100.0 + bars;
    if (share == 0) return 0;
    return truncate_to_int(static_cast<double>(pitch) / share);
}

struct SeriesRef {
    int axis;    // 1 or 2
    int index;   // in the axis's table
    int pornum;
};

// The series in drawing order: by ordinal, D1 before D2 within an
// ordinal, each table in record order.  Series whose ordinal is outside
// 1..koldata are never drawn.
std::vector<SeriesRef> drawing_order(const ChartState& st) {
    std::vector<SeriesRef> refs;
    for (int axis = 1; axis <= 2; ++axis) {
        const auto& rec = axis == 1 ? st.d1.rec : st.d2.rec;
        const int num = std::min(axis == 1 ? st.d1.num : st.d2.num,
                                 static_cast<int>(rec.size()) - 1);
        for (int s = 0; s <= num; ++s) {
            const int k = rec[static_cast<std::size_t>(s)].pornum;
            if (k >= 1 && k <= st.koldata) refs.push_back({axis, s, k});
        }
    }
    std::stable_sort(refs.begin(), refs.end(), [](const SeriesRef& a, const SeriesRef& b) {
        return a.pornum < b.pornum;
    });
    return refs;
}

const SeriesRecord& record(const ChartState& st, const SeriesRef& r) {
    return (r.axis == 1 ? st.d1.rec : st.d2.rec)[static_cast<std::size_t>(r.index)];
}

void paint_series(ChartState& st, Canvas& out) {
    const std::vector<SeriesRef> order = drawing_order(st);
    const auto type_of = [&](const SeriesRef& r, char type, char variant) {
        const std::string& tip = record(st, r).tip;
        return !tip.empty() && tip[0] == type && (variant == 0 || (tip.size() > 1 && tip[1] == variant));
    };

    // Filled lines lie under everything else.
    for (const SeriesRef& r : order) {
        if (type_of(r, 'L', '3')) paint_line_series(st, out, data_axis(st, r.axis), r.index);
    }
    // Bars, all of an axis at once.
    for (int axis = 1; axis <= 2; ++axis) {
        DataAxis d = data_axis(st, axis);
        if (d.kolR1 == 0) continue;
        d.Rwidth = bar_width(st.drawing.Xstepr, d.intR1, d.kolR1);
        paint_bars(st, out, d);
    }
    // Lines and markers over them, value labels on top.
    for (const SeriesRef& r : order) {
        if (type_of(r, 'L', '1') || type_of(r, 'L', '2')) {
            paint_line_series(st, out, data_axis(st, r.axis), r.index);
        }
        if (type_of(r, 'M', 0)) paint_marker_series(st, out, data_axis(st, r.axis), r.index);
    }
    for (const SeriesRef& r : order) {
        if (type_of(r, 'V', 0)) paint_value_series(st, out, data_axis(st, r.axis), r.index);
    }
}

}  // namespace

void render_chart(ChartState& st, RunContext& run, Canvas& out) {
    if (!write_heading(st, run, out)) return;
    out.describe(summarize_chart(st));

    if (st.legend.Lonly == 1) {
        paint_legend(st, out);
        return;
    }

    paint_frame(st, out);
    if (!st.title.Ttext.empty()) paint_title(st, out);

    st.drawing.kolP = 0;
    paint_pies(st, out);
    if (st.drawing.kolP == st.koldata) {
        // Pies only: no scales and no other series.
        out.end_block();
        paint_legend(st, out);
        return;
    }

    // The plot edges and crossing rows are fixed before the scales are
    // drawn, so that the scale painters and the series share them.
    st.drawing.Cx1 = plot_left(st);
    st.drawing.Cx2 = plot_right(st);
    st.drawing.Y1xrow = crossing_row(st, y_axis(st, 1));
    st.drawing.Y2xrow = crossing_row(st, y_axis(st, 2));

    if (st.y2.p == 1) {
        paint_y_axis(st, out, y_axis(st, 2));
        if (st.y1.p == 1) paint_y_axis(st, out, y_axis(st, 1));
    } else {
        // Draws the category axis also when the chart has no scale.
        paint_y_axis(st, out, y_axis(st, 1));
    }

    paint_series(st, out);

    if (st.y2.p == 1) {
        paint_y_axis_line(st, out, y_axis(st, 2));
        if (st.y1.p == 1) paint_y_axis_line(st, out, y_axis(st, 1));
    } else {
        paint_y_axis_line(st, out, y_axis(st, 1));
    }
    if (st.x.X1p == 1) {
        const int row = st.y1.p == 1 ? st.drawing.Y1xrow : st.y2.p == 1 ? st.drawing.Y2xrow : plot_bottom(st);
        paint_x_axis_line(st, out, {st.drawing.Cx1, row}, {st.drawing.Cx2, row});
    }

    out.end_block();
    paint_legend(st, out);
}

}  // namespace qp
