// The bar painter and the bar primitive.
//
// The bars of an axis stand side by side in each slot, one place per R
// series in the order of the series (stacked series share the first place),
// centred in the slot.  With the categories on the slot boundaries
// (XYcross 1, one bar group only) a bar is centred on its position: the bar
// at the first position is half as wide and a bar reaching past the plot's
// right edge is cut there.
#include <algorithm>
#include <cstdlib>

#include "model/pixel_math.h"
#include "draw/painters.h"
#include "draw/pixel_mapping.h"
#include "model/series_values.h"

namespace qp {

namespace {

// Narrower bars have no stroke weight and are outlined in their fill colour.
constexpr int kBarOutlineMinWidth = 4;

// The width of the half bar at the first position of a boundary axis: D1
// halves its bar width as a real number and rounds, D2 takes the integer
// half.
int first_half_bar(int number, int r) { return number == 1 ? round_to_int(r / 2.0) : r / 2; }

}  // namespace

void draw_bar(Canvas& out, const Bar& bar) {
    const int top = std::min(bar.row, bar.base_row);
    const int height = clamp_to_int(std::llabs(static_cast<long long>(bar.row) - bar.base_row));
    const int width = clamp_to_int(static_cast<long long>(bar.right) - bar.left);
    const Rect box{bar.left, top, width, height};
    if (width >= kBarOutlineMinWidth) {
        out.rect(box, Paint{bar.fill, bar.stroke, bar.weight}, bar.tags);
    } else {
        out.rect(box, Paint{bar.fill, bar.fill, {}}, bar.tags);
    }
}

void paint_bars(const ChartState& st, const Layout& lay, Canvas& out, int number) {
    const SeriesTable& table = st.table(number);
    const long long r = lay.bars(number).Rwidth;
    const int base_row = lay.y(number).xrow;
    const double step = lay.x.Xstepm;
    const double slot_margin = (step - static_cast<double>(table.kolR1) * static_cast<double>(r)) / 2;
    const bool on_boundaries = st.x.XYcross == 1;
    const bool stacked = table.kolR2 == 1;
    long long place = 0;   // the bar's place in its slot, 0 for the first
    const int last_series = std::min(table.num, static_cast<int>(table.rec.size()) - 1);
    const YMapping y_of(lay, st.scale(number));
    const long long x0 = lay.plot.left;
    for (int s = 0; s <= last_series; ++s) {
        const SeriesRecord& rec = table.rec[s];
        if (kind(rec) != SeriesKind::Bar) continue;
        const int last = last_position(rec);
        for (int p = 0; p <= last; ++p) {
            if (!value_present(table, s, p)) continue;
            long long left;
            long long right;
            if (on_boundaries) {
                if (p == 0) {
                    left = x0;
                    right = x0 + first_half_bar(number, lay.bars(number).Rwidth);
                } else {
                    left = x0 + round_to_int(p * step - static_cast<double>(r / 2));
                    right = std::min(left + r, static_cast<long long>(lay.plot.right));
                }
            } else {
                left = x0 + round_to_int(p * step + static_cast<double>(place) * static_cast<double>(r) +
                                         slot_margin);
                right = left + r;
            }
            draw_bar(out, Bar{clamp_to_int(left), clamp_to_int(right), y_of(table.val[s][p]),
                              base_row, 1, rec.color1, rec.color2,
                              Tags{rec.id, rec.url, rec.text}});
        }
        if (!stacked) ++place;
    }
}

}  // namespace qp
