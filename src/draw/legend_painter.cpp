// The legend painter: a block of its own holding the legend box and a grid
// of equal cells, filled row by row in the order of the series records.
// Each cell shows a small sample of its series (a line, a marker, a line
// with its marker, or a bar) and the series' label.
#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "model/pixel_math.h"
#include "draw/painters.h"
#include "draw/plot_geometry.h"
#include "model/series_values.h"

namespace qp {

namespace {

struct LegendEntry {
    int pornum;
    int axis;    // 1 or 2
    int index;   // in the axis's series table
};

// The series with a legend entry, in drawing order: by ordinal, D1 before
// D2 within an ordinal, table order within an axis.
std::vector<LegendEntry> legend_entries(ChartState& st) {
    std::vector<LegendEntry> entries;
    for (int number = 1; number <= 2; ++number) {
        const DataAxis axis = data_axis(st, number);
        const int last = std::min(axis.num, static_cast<int>(axis.rec.size()) - 1);
        for (int s = 0; s <= last; ++s) {
            const SeriesRecord& rec = axis.rec[s];
            if (rec.inlegend == 1 && rec.pornum >= 1 && rec.pornum <= st.koldata) {
                entries.push_back({rec.pornum, number, s});
            }
        }
    }
    std::stable_sort(entries.begin(), entries.end(),
                     [](const LegendEntry& a, const LegendEntry& b) { return a.pornum < b.pornum; });
    return entries;
}

// The legend box: a (rounded) bordered rectangle, four edge lines when the
// background is transparent, or a plain filled rectangle without a border.
void paint_box(ChartState& st, Canvas& out) {
    std::transform(st.legend.Lcolor.begin(), st.legend.Lcolor.end(), st.legend.Lcolor.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    const bool transparent = st.legend.Lcolor == "transparent";
    const long long left = st.legend.Lleft, top = st.legend.Ltop, w = st.legend.Lwidth, h = st.legend.Lheight;
    if (st.legend.Lborder == 1 && !transparent) {
        const long long half = st.legend.Lbwidth / 2;
        const Rect box{clamp_to_int(half + left), clamp_to_int(half + top),
                       clamp_to_int(w - st.legend.Lbwidth), clamp_to_int(h - st.legend.Lbwidth)};
        out.frame_box(FrameBox{box, st.legend.Lcolor, st.legend.Lbcolor, st.legend.Lbwidth,
                               st.legend.Lround == 1 ? Corners::Round : Corners::Square,
                               st.legend.Lshadow == 1});
    } else if (st.legend.Lborder == 1) {
        // The edge lines sit half their width inside the box, halves
        // rounded up.
        const long long e = round_to_int(st.legend.Lbwidth / 2.0);
        const auto edge = [&](long long x1, long long x2, long long y1, long long y2) {
            out.line({clamp_to_int(x1), clamp_to_int(y1)}, {clamp_to_int(x2), clamp_to_int(y2)},
                     st.legend.Lbwidth, st.legend.Lbcolor, {});
        };
        edge(left, left + w, top + e, top + e);
        edge(left + w - e, left + w - e, top, top + h);
        edge(left + w, left, top + h - e, top + h - e);
        edge(left + e, left + e, top + h, top);
    } else if (!transparent) {
        out.fill_rect(Rect{st.legend.Lleft, st.legend.Ltop, st.legend.Lwidth, st.legend.Lheight}, st.legend.Lcolor);
    }
}

// The sample of one entry, drawn in its cell around the middle row ym.
void paint_sample(const ChartState& st, Canvas& out, const DataAxis& axis, int s, Point at,
                  std::string_view title) {
    const int xc = at.x, ym = at.y;
    const SeriesRecord& rec = axis.rec[s];
    const int size = std::min(rec.width, st.legend.Lfsize);   // samples stay within the text height
    const int x1 = px_sum(xc, 5), x2 = px_sum(xc, 25), xm = px_sum(xc, 15);
    const char type = series_type(rec);
    if (rec.tip == "L1" || rec.tip == "L2") {
        out.line({x1, ym}, {x2, ym}, size, rec.color1, Tags{rec.id, rec.url, title});
        // A '^' marker series right after the line is drawn on its sample.
        if (s + 1 <= axis.num && s + 1 < static_cast<int>(axis.rec.size())) {
            const SeriesRecord& next = axis.rec[s + 1];
            if (series_type(next) == 'M' && !next.text.empty() && next.text[0] == '^') {
                draw_marker(out, Marker{{xm, ym}, std::min(next.width, st.legend.Lfsize),
                                        series_variant(next), next.color1, next.color2,
                                        Tags{rec.id, next.url, title}});
            }
        }
    } else if (rec.tip == "L3" || type == 'R' || type == 'P') {
        // A bar 6 pixels high around the middle row.
        draw_bar(out, Bar{x1, x2, px_sum(ym, -3), px_sum(ym, 3), 1, rec.color1, rec.color2,
                          Tags{rec.id, rec.url, title}});
    } else if (type == 'M') {
        draw_marker(out, Marker{{xm, ym}, size, series_variant(rec), rec.color1, rec.color2,
                                Tags{rec.id, rec.url, title}});
    }
}

// Separator lines between the rows and between the columns of cells.
void paint_separators(const ChartState& st, Canvas& out, float cw, float ch) {
    const long long left = st.legend.Lleft, top = st.legend.Ltop;
    const int right = clamp_to_int(left + st.legend.Lwidth);
    const int bottom = clamp_to_int(top + st.legend.Lheight);
    int budget = kMaxWalkElements;
    for (int r = 1; r < st.legend.Lrows && budget > 0; ++r, --budget) {
        const int y = round_to_int(st.legend.Ltop + static_cast<double>(r) * ch);
        out.line({st.legend.Lleft, y}, {right, y}, 1, st.legend.Lbcolor, {});
    }
    for (int c = 1; c < st.legend.Lcols && budget > 0; ++c, --budget) {
        const int x = round_to_int(st.legend.Lleft + static_cast<double>(c) * cw);
        out.line({x, st.legend.Ltop}, {x, bottom}, 1, st.legend.Lbcolor, {});
    }
}

}  // namespace

void paint_legend(ChartState& st, Canvas& out) {
    if (st.legend.Lgnum == 0 || st.legend.Lp != 1) return;

    const std::string id = st.area.Aid.empty() ? std::string() : st.area.Aid + "_legend";
    out.begin_block(Block{.in_flow = (st.drawing.Atop0 == -1 && st.legend.Ltop == -1) || st.legend.Lonly == 1,
                          .left = st.legend.Lleft, .top = st.legend.Ltop, .id = id,
                          .width = st.legend.Lwidth, .height = st.legend.Lheight});
    st.legend.Lleft = 0;
    st.legend.Ltop = 0;
    paint_box(st, out);

    // The cells start inside a border wider than 1 pixel, drawn or not.
    if (st.legend.Lbwidth > 1) {
        const long long b = st.legend.Lbwidth;
        st.legend.Lleft = clamp_to_int(st.legend.Lleft + b);
        st.legend.Ltop = clamp_to_int(st.legend.Ltop + b);
        st.legend.Lwidth = clamp_to_int(st.legend.Lwidth - 2 * b);
        st.legend.Lheight = clamp_to_int(st.legend.Lheight - 2 * b);
    }

    const int cols = std::max(st.legend.Lcols, 1);
    const int rows = std::max(st.legend.Lrows, 1);
    // The cell size is held in single precision; positions within the
    // cells are formed from it in double.
    const float cw = as_single(static_cast<double>(st.legend.Lwidth) / cols);
    const float ch = as_single(static_cast<double>(st.legend.Lheight) / rows);
    const int text_height = round_to_int(st.legend.Lfsize * 1.15);
    const int text_width = clamp_to_int(static_cast<long long>(round_to_int(cw)) - 30);
    const TextStyle style{st.legend.Litalic, st.legend.Lbold, st.legend.Lfsize, st.legend.Lfont, st.legend.Lfcolor, {}};

    const std::vector<LegendEntry> entries = legend_entries(st);
    for (std::size_t n = 0; n < entries.size(); ++n) {
        const long long c = static_cast<long long>(n) % cols;
        const long long r = static_cast<long long>(n) / cols;
        const double cell_top = static_cast<double>(r) * ch;
        const int xc = px_sum(round_to_int(static_cast<double>(c) * cw), st.legend.Lleft);
        const int ym = px_sum(round_to_int(cell_top + ch / 2.0), st.legend.Ltop);

        const DataAxis axis = data_axis(st, entries[n].axis);
        const SeriesRecord& rec = axis.rec[entries[n].index];
        // The text before the first apostrophe is the label; the part after
        // it is the samples' title.
        const std::string_view text = rec.text;
        const std::size_t apostrophe = text.find('\'');
        const std::string_view label = text.substr(0, apostrophe);
        const std::string_view title =
            apostrophe == std::string_view::npos ? std::string_view() : text.substr(apostrophe + 1);

        paint_sample(st, out, axis, entries[n].index, {xc, ym}, title);
        const int text_top =
            round_to_int(cell_top + st.legend.Ltop + ch / 2.0 - st.legend.Lfsize * 1.15 / 2.0);
        out.text_box(TextRole::LegendLabel, Rect{px_sum(xc, 30), text_top, text_width, text_height},
                     Align::Left, style, label);
    }

    if (st.legend.Lgrid == 1) paint_separators(st, out, cw, ch);
    out.end_block();
}

}  // namespace qp
