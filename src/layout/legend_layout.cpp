// The legend's layout: its block, the room of its cells inside a wide
// border, the grid and the entries in drawing order.
#include <algorithm>
#include <cctype>

#include "layout/layout.h"
#include "layout/tidy_layout.h"
#include "model/pixel_math.h"

namespace qp {

namespace {

// The series with a legend entry, in drawing order: by ordinal, D1 before
// D2 within an ordinal, table order within an axis.
std::vector<LegendEntry> legend_entries(const ChartState& st) {
    std::vector<LegendEntry> entries;
    for (int number = 1; number <= 2; ++number) {
        const SeriesTable& table = st.table(number);
        const int last = std::min(table.num, static_cast<int>(table.rec.size()) - 1);
        for (int s = 0; s <= last; ++s) {
            const SeriesRecord& rec = table.rec[static_cast<std::size_t>(s)];
            if (rec.inlegend == 1 && rec.pornum >= 1 && rec.pornum <= st.koldata) {
                entries.push_back({rec.pornum, number, s});
            }
        }
    }
    std::stable_sort(entries.begin(), entries.end(),
                     [](const LegendEntry& a, const LegendEntry& b) { return a.pornum < b.pornum; });
    return entries;
}

}  // namespace

LegendLayout lay_out_legend(const ChartState& st, LayoutPolicy policy) {
    const Legend& legend = st.legend;
    LegendLayout l;
    l.shown = legend.Lgnum != 0 && legend.Lp == 1;
    if (!l.shown) return l;
    // A legend of its own is always in flow; otherwise it follows the chart.
    l.in_flow = (st.area.Atop == -1 && legend.Ltop == -1) || legend.Lonly == 1;
    l.page_left = legend.Lleft;
    l.page_top = legend.Ltop;
    l.width = legend.Lwidth;
    l.height = legend.Lheight;
    l.background = legend.Lcolor;
    for (char& c : l.background) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    l.transparent = l.background == "transparent";

    l.cols = std::max(legend.Lcols, 1);
    l.rows = std::max(legend.Lrows, 1);
    l.entries = legend_entries(st);
    if (policy == LayoutPolicy::Tidy) l.width = tidy_legend_width(st, l);

    // The cells start inside a border wider than 1 pixel, drawn or not.
    l.cells = Box{0, 0, l.width, legend.Lheight};
    if (legend.Lbwidth > 1) {
        const long long b = legend.Lbwidth;
        l.cells = Box{clamp_to_int(b), clamp_to_int(b), clamp_to_int(l.width - 2 * b),
                      clamp_to_int(legend.Lheight - 2 * b)};
    }
    // The cell size is held in single precision; positions within the
    // cells are formed from it in double.
    l.cw = as_single(static_cast<double>(l.cells.width) / l.cols);
    l.ch = as_single(static_cast<double>(l.cells.height) / l.rows);
    return l;
}

}  // namespace qp
