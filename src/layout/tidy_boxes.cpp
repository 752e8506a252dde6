// The tidy layout's boxes: the legend's width and place, and the pie grid.
#include <algorithm>
#include <cmath>
#include <string_view>

#include "layout/text_metrics.h"
#include "layout/tidy_layout.h"
#include "model/pixel_math.h"

namespace qp {

namespace {

// The space between the legend and the area's right edge, and between
// the plot and the legend.
constexpr int kLegendGap = 10;

// The room around a pie in its cell, and between a pie and its label.
constexpr long long kPieAir = 10;
constexpr long long kPieLabelGap = 5;

long long ceil_div(long long n, long long k) { return (n + k - 1) / k; }

// A grid of pies: its columns and rows and the pies' size.
struct PieGrid {
    long long cols = 1;
    long long rows = 1;
    long long size = -1;
};

}  // namespace

int tidy_legend_width(const ChartState& st, const LegendLayout& legend) {
    if (!st.legend.Lwidth_fitted) return st.legend.Lwidth;
    // The label is the text before its first apostrophe, as the legend shows it.
    std::size_t longest = 0;
    for (const LegendEntry& entry : legend.entries) {
        const std::string_view text = st.table(entry.axis).rec[static_cast<std::size_t>(entry.index)].text;
        longest = std::max(longest, text.substr(0, text.find('\'')).size());
    }
    const double column = static_cast<double>(longest) * st.legend.Lfsize * kBoldCapitalWidth + 40.0;
    const double frame = 2.0 * static_cast<double>(st.legend.Lbwidth);
    const int width = truncate_to_int(static_cast<double>(round_to_int(legend.cols * column)) + frame);
    return std::max(st.legend.Lwidth, width);
}

void place_legend_inside(const ChartState& st, FrameLayout& f, LegendLayout& legend) {
    if (!legend.shown || !st.legend.Lplace_fitted || st.legend.Lonly == 1 || f.in_flow ||
        st.y2.p == 1) {
        return;
    }
    const long long margin = static_cast<long long>(legend.width) + 2 * kLegendGap;
    const long long plot_width = static_cast<long long>(f.area.width) - f.Cleft - f.Cright;
    const long long plot_height = static_cast<long long>(f.area.height) - f.Ctop - f.Cbottom;
    const long long kept = static_cast<long long>(f.area.width) - f.Cleft - std::max<long long>(margin, f.Cright);
    if (3 * kept < 2 * plot_width || legend.height > plot_height) return;
    f.Cright = clamp_to_int(std::max<long long>(margin, f.Cright));
    legend.page_left = clamp_to_int(static_cast<long long>(f.page_left) + f.area.left + f.area.width -
                                    kLegendGap - legend.width);
    legend.page_top = clamp_to_int(static_cast<long long>(f.page_top) + f.area.top + f.Ctop);
}

std::vector<PieBox> tidy_pie_grid(const ChartState& st, const FrameLayout& f, int n,
                                  PieArrangement arrangement) {
    if (n < 2) return lay_out_pies(st, f, n, arrangement);
    const long long w = static_cast<long long>(f.area.width) - f.Cleft - f.Cright;
    const long long h = static_cast<long long>(f.area.height) - f.Ctop - f.Cbottom;
    const long long under =
        st.x.X1p == -1 ? 0 : kPieLabelGap + static_cast<long long>(std::ceil(category_label_room(st)));
    const bool by_rows = arrangement == PieArrangement::Rows || arrangement == PieArrangement::RowsFromRight;
    const bool from_right =
        arrangement == PieArrangement::RowsFromRight || arrangement == PieArrangement::ColumnsFromRight;

    // Rows filled one after the other are as many as the columns leave
    // (and the other way round); the fewest lines win a tie.
    PieGrid best;
    for (long long lines = 1; lines <= n; ++lines) {
        const long long across = ceil_div(n, lines);
        const long long cols = by_rows ? lines : across;
        const long long rows = by_rows ? across : lines;
        const long long size = std::min(w / cols - kPieAir, h / rows - kPieAir - under);
        if (size > best.size) best = {cols, rows, size};
    }
    const long long d = std::max(best.size, 0LL);
    const long long cw = w / best.cols;
    const long long ch = h / best.rows;
    const long long left = static_cast<long long>(f.area.left) + f.Cleft + (w - cw * best.cols) / 2;
    const long long top = static_cast<long long>(f.area.top) + f.Ctop + (h - ch * best.rows) / 2;
    std::vector<PieBox> boxes;
    boxes.reserve(static_cast<std::size_t>(n));
    for (long long j = 0; j < n; ++j) {
        long long col = by_rows ? j % best.cols : j / best.rows;
        const long long row = by_rows ? j / best.cols : j % best.rows;
        if (from_right) col = best.cols - 1 - col;
        boxes.push_back({clamp_to_int(left + col * cw + (cw - d) / 2),
                         clamp_to_int(top + row * ch + (ch - d - under) / 2), clamp_to_int(d)});
    }
    return boxes;
}

}  // namespace qp
