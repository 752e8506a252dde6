// The legend painter: a block of its own holding the legend box and a grid
// of equal cells, filled row by row in the order of the series records.
// Each cell shows a small sample of its series (a line, a marker, a line
// with its marker, or a bar) and the series' label.
#include <algorithm>
#include <string>
#include <string_view>

#include "draw/painters.h"
#include "layout/text_metrics.h"
#include "model/series_values.h"

namespace qp {

namespace {

// The legend box: a (rounded) bordered rectangle, four edge lines when the
// background is transparent, or a plain filled rectangle without a border.
void paint_box(const ChartState& st, const LegendLayout& l, Canvas& out) {
    const Legend& legend = st.legend;
    const long long left = 0, top = 0, w = l.width, h = l.height;
    if (legend.Lborder == 1 && !l.transparent) {
        const long long half = legend.Lbwidth / 2;
        const Rect box{clamp_to_int(half + left), clamp_to_int(half + top),
                       clamp_to_int(w - legend.Lbwidth), clamp_to_int(h - legend.Lbwidth)};
        out.frame_box(FrameBox{box, l.background, legend.Lbcolor, legend.Lbwidth,
                               legend.Lround == 1 ? Corners::Round : Corners::Square,
                               legend.Lshadow == 1});
    } else if (legend.Lborder == 1) {
        // The edge lines sit half their width inside the box, halves
        // rounded up.
        const long long e = round_to_int(legend.Lbwidth / 2.0);
        const auto edge = [&](long long x1, long long x2, long long y1, long long y2) {
            out.line({clamp_to_int(x1), clamp_to_int(y1)}, {clamp_to_int(x2), clamp_to_int(y2)},
                     legend.Lbwidth, legend.Lbcolor, {});
        };
        edge(left, left + w, top + e, top + e);
        edge(left + w - e, left + w - e, top, top + h);
        edge(left + w, left, top + h - e, top + h - e);
        edge(left + e, left + e, top + h, top);
    } else if (!l.transparent) {
        out.fill_rect(Rect{0, 0, l.width, l.height}, l.background);
    }
}

// One legend cell: the entry's series, the cell's left edge and middle row,
// and the title its sample carries.
struct Cell {
    const SeriesTable& table;
    int s;
    Point at;   // the left edge and the middle row
    std::string_view title;
};

// The sample of one entry, drawn in its cell around the middle row.
void paint_sample(const ChartState& st, Canvas& out, const Cell& cell) {
    const int xc = cell.at.x, ym = cell.at.y;
    const SeriesRecord& rec = cell.table.rec[cell.s];
    const int size = std::min(rec.width, st.legend.Lfsize);   // samples stay within the text height
    const int x1 = px_sum(xc, 5), x2 = px_sum(xc, 25), xm = px_sum(xc, 15);
    const SeriesKind type = kind(rec);
    const Tags tags{rec.id, rec.url, cell.title};
    if (is_open_line(rec)) {
        out.line({x1, ym}, {x2, ym}, size, rec.color1, tags);
        // A '^' marker series right after the line is drawn on its sample.
        const int s = cell.s;
        if (s + 1 <= cell.table.num && s + 1 < static_cast<int>(cell.table.rec.size())) {
            const SeriesRecord& next = cell.table.rec[s + 1];
            if (kind(next) == SeriesKind::Marker && !next.text.empty() && next.text[0] == '^') {
                draw_marker(out, Marker{{xm, ym}, std::min(next.width, st.legend.Lfsize),
                                        marker_shape(next), next.color1, next.color2,
                                        Tags{rec.id, next.url, cell.title}});
            }
        }
    } else if (is_filled_line(rec) || type == SeriesKind::Bar || type == SeriesKind::Pie) {
        // A bar 6 pixels high around the middle row.
        draw_bar(out, Bar{x1, x2, px_sum(ym, -3), px_sum(ym, 3), 1, rec.color1, rec.color2, tags});
    } else if (type == SeriesKind::Marker) {
        draw_marker(out, Marker{{xm, ym}, size, marker_shape(rec), rec.color1, rec.color2, tags});
    }
}

// Separator lines between the rows and between the columns of cells.
void paint_separators(const ChartState& st, const LegendLayout& l, Canvas& out) {
    const Box& cells = l.cells;
    const long long left = cells.left, top = cells.top;
    const int right = clamp_to_int(left + cells.width);
    const int bottom = clamp_to_int(top + cells.height);
    int budget = kMaxWalkElements;
    for (int r = 1; r < l.rows && budget > 0; ++r, --budget) {
        const int y = round_to_int(cells.top + static_cast<double>(r) * l.ch);
        out.line({cells.left, y}, {right, y}, 1, st.legend.Lbcolor, {});
    }
    for (int c = 1; c < l.cols && budget > 0; ++c, --budget) {
        const int x = round_to_int(cells.left + static_cast<double>(c) * l.cw);
        out.line({x, cells.top}, {x, bottom}, 1, st.legend.Lbcolor, {});
    }
}

// The sample and label of entry n.
void paint_entry(const ChartState& st, const LegendLayout& l, Canvas& out, std::size_t n) {
    const Legend& legend = st.legend;
    const long long c = static_cast<long long>(n) % l.cols;
    const long long r = static_cast<long long>(n) / l.cols;
    const double cell_top = static_cast<double>(r) * l.ch;
    const int xc = px_sum(round_to_int(static_cast<double>(c) * l.cw), l.cells.left);
    const int ym = px_sum(round_to_int(cell_top + l.ch / 2.0), l.cells.top);

    const LegendEntry& entry = l.entries[n];
    const SeriesTable& table = st.table(entry.axis);
    const SeriesRecord& rec = table.rec[entry.index];
    // The text before the first apostrophe is the label; the part after
    // it is the samples' title.
    const std::string_view text = rec.text;
    const std::size_t apostrophe = text.find('\'');
    const std::string_view label = text.substr(0, apostrophe);
    const std::string_view title =
        apostrophe == std::string_view::npos ? std::string_view() : text.substr(apostrophe + 1);

    paint_sample(st, out, Cell{table, entry.index, {xc, ym}, title});
    const int text_height = round_to_int(legend.Lfsize * kLineHeight);
    const int text_width = clamp_to_int(static_cast<long long>(round_to_int(l.cw)) - 30);
    const int text_top =
        round_to_int(cell_top + l.cells.top + l.ch / 2.0 - legend.Lfsize * kLineHeight / 2.0);
    const TextStyle style{legend.Litalic, legend.Lbold, legend.Lfsize, legend.Lfont, legend.Lfcolor, {}};
    out.text_box(TextRole::LegendLabel, Rect{px_sum(xc, 30), text_top, text_width, text_height},
                 Align::Left, style, label);
}

}  // namespace

void paint_legend(const ChartState& st, const Layout& lay, Canvas& out) {
    const LegendLayout& l = lay.legend;
    if (!l.shown) return;

    const std::string id = st.area.Aid.empty() ? std::string() : st.area.Aid + "_legend";
    out.begin_block(Block{.in_flow = l.in_flow, .left = l.page_left, .top = l.page_top, .id = id,
                          .width = l.width, .height = l.height});
    paint_box(st, l, out);
    for (std::size_t n = 0; n < l.entries.size(); ++n) paint_entry(st, l, out, n);
    if (st.legend.Lgrid == 1) paint_separators(st, l, out);
    out.end_block();
}

}  // namespace qp
