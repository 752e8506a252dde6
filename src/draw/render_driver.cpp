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
#include "layout/layout.h"
#include "model/series_values.h"
#include "log/diagnostics.h"
#include "log/html_text.h"
#include "platform/build_limits.h"

namespace qp {

namespace {

// Writes the standard heading or copies the heading file.  False when the
// heading file cannot be read (logged, file error set).
bool write_heading(const ChartState& st, RunContext& run, Canvas& out) {
    if (st.area.Afile_header.empty()) {
        if (st.file.numAREA <= 1) {
            out.heading(PageHeading{false, st.file.ONE_file == -1 && !st.title.Ttext.empty(), st.title.Ttext});
        } else if (st.file.ONE_file != 1) {
            out.heading(PageHeading{false, !st.title.Ttext.empty(), st.title.Ttext});
        }
        // A later chart of a shared page continues a page that has its heading.
        return true;
    }
    // Copied in pieces; one too large to copy counts as not found.
    if (!run.fs.copy_text(st.area.Afile_header, kMaxCopiedFileBytes,
                          [&out](std::string_view piece) { out.verbatim(piece); })) {
        run.log << kRed << run.cat(Msg::File) << " " << as_text(st.area.Afile_header) << " "
                << run.cat(Msg::DoesNotFound) << kEnd << "<br>\n";
        tell_terminal_about_file(run, st.area.Afile_header, builtin_text(Msg::DoesNotFound));
        run.file_error = 1;
        return false;
    }
    run.log << run.cat(Msg::HeadingFileIs) << " " << as_text(st.area.Afile_header) << "<br>\n";
    return true;
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

void paint_series(const ChartState& st, const Layout& lay, Canvas& out) {
    const std::vector<SeriesRef> order = drawing_order(st);
    const auto type_of = [&](const SeriesRef& r, SeriesKind type, char variant) {
        const SeriesRecord& rec = record(st, r);
        return kind(rec) == type && (variant == 0 || series_variant(rec) == variant);
    };
    const auto line_of = [&](const SeriesRef& r, LineStyle style) {
        return type_of(r, SeriesKind::Line, static_cast<char>(style));
    };

    // Filled lines lie under everything else.
    for (const SeriesRef& r : order) {
        if (line_of(r, LineStyle::Filled)) paint_line_series(st, lay, out, r.axis, r.index);
    }
    // Bars, all of an axis at once.
    for (int axis = 1; axis <= 2; ++axis) {
        if (st.table(axis).kolR1 != 0) paint_bars(st, lay, out, axis);
    }
    // Lines and markers over them, value labels on top.
    for (const SeriesRef& r : order) {
        if (line_of(r, LineStyle::Plain) || line_of(r, LineStyle::DropLines)) {
            paint_line_series(st, lay, out, r.axis, r.index);
        }
        if (type_of(r, SeriesKind::Marker, 0)) paint_marker_series(st, lay, out, r.axis, r.index);
    }
    for (const SeriesRef& r : order) {
        if (type_of(r, SeriesKind::Value, 0)) paint_value_series(st, lay, out, r.axis, r.index);
    }
}

// The scales, the category axis and the series, drawn after the pies.
void paint_plot(const ChartState& st, const Layout& lay, Canvas& out) {
    if (st.y2.p == 1) {
        paint_y_axis(st, lay, out, 2);
        if (st.y1.p == 1) paint_y_axis(st, lay, out, 1);
    } else {
        // Draws the category axis also when the chart has no scale.
        paint_y_axis(st, lay, out, 1);
    }

    paint_series(st, lay, out);

    if (st.y2.p == 1) {
        paint_y_axis_line(st, lay, out, 2);
        if (st.y1.p == 1) paint_y_axis_line(st, lay, out, 1);
    } else {
        paint_y_axis_line(st, lay, out, 1);
    }
    if (st.x.X1p == 1) {
        const int row = st.y1.p == 1 ? lay.y1.xrow : st.y2.p == 1 ? lay.y2.xrow : lay.plot.bottom;
        paint_x_axis_line(st, out, {lay.plot.left, row}, {lay.plot.right, row});
    }
}

}  // namespace

void draw_chart(const ChartState& st, const Layout& lay, Canvas& out) {
    if (st.legend.Lonly == 1) {
        paint_legend(st, lay, out);
        return;
    }

    paint_frame(st, lay, out);
    if (!st.title.Ttext.empty()) paint_title(st, lay, out);

    paint_pies(st, lay, out);
    // Pies only: no scales and no other series.
    if (!lay.pies_only) paint_plot(st, lay, out);

    out.end_block();
    paint_legend(st, lay, out);
}

void render_chart(const ChartState& st, RunContext& run, Canvas& out, LayoutPolicy policy) {
    if (!write_heading(st, run, out)) return;
    out.describe(summarize_chart(st));
    draw_chart(st, lay_out(st, policy), out);
}

}  // namespace qp
