// The pie painter: one pie per value column of the P series, one sector per
// P series (of both axes), each pie with its category label under it.
#include <algorithm>
#include <cmath>
#include <string>

#include "draw/painters.h"
#include "layout/text_metrics.h"
#include "model/series_values.h"

namespace qp {

namespace {

// Degrees per radian as the pie labels use it.
constexpr double kDegreesPerRadian = 57.296;

// Calls `f(table, s)` for every P series, D1 first, in index order.
template <typename F>
void for_each_pie_series(const ChartState& st, F f) {
    for (int number = 1; number <= 2; ++number) {
        const SeriesTable& table = st.table(number);
        const int last = std::min(table.num, static_cast<int>(table.rec.size()) - 1);
        for (int s = 0; s <= last; ++s) {
            if (kind(table.rec[s]) == SeriesKind::Pie) f(table, s);
        }
    }
}

// A label slanted by Xgrad degrees from under the pie's centre (cx, ly):
// rising text ends there, falling text starts there.
void paint_slanted_label(const XAxis& x, Canvas& out, long long cx, long long ly,
                         const std::string& label) {
    const double chars = static_cast<double>(label.size());
    const TextStyle style{x.Xitalic, x.Xbold, x.Xsize, x.Xfont, x.Xcolor, x.Xbgcolor};
    if (x.Xgrad >= 1 && x.Xgrad <= 90) {
        const long long len = round_to_int(chars * x.Xsize * kCharWidth);
        const double angle = (90 - x.Xgrad) / kDegreesPerRadian;
        const long long dx = round_to_int(static_cast<double>(len) * std::sin(angle));
        const long long dy = round_to_int(static_cast<double>(len) * std::cos(angle));
        out.text_along(TextRole::CategoryLabel, {clamp_to_int(cx - dx), clamp_to_int(ly + dy)},
                       {clamp_to_int(cx), clamp_to_int(ly)}, Align::Right, style, label);
    } else if (x.Xgrad >= 91 && x.Xgrad <= 180) {
        const long long len = truncate_to_int(chars * x.Xsize * kCharWidth);
        const double angle = (x.Xgrad - 90) / kDegreesPerRadian;
        const long long dx = round_to_int(static_cast<double>(len) * std::sin(angle));
        const long long dy = round_to_int(static_cast<double>(len) * std::cos(angle));
        out.text_along(TextRole::CategoryLabel, {clamp_to_int(cx), clamp_to_int(ly)},
                       {clamp_to_int(cx + dx), clamp_to_int(ly + dy)}, Align::Left, style, label);
    }
    // No label at a negative angle.
}

void paint_pie_label(const ChartState& st, Canvas& out, int j, long long cx, long long ly) {
    const XAxis& x = st.x;
    if (x.X1p == -1 || j >= static_cast<int>(st.X.size())) return;
    const std::string& label = st.X[static_cast<std::size_t>(j)];
    if (label.empty() || label[0] == '|') return;
    if (x.Xgrad != 0) {
        paint_slanted_label(x, out, cx, ly, label);
        return;
    }
    const double chars = static_cast<double>(label.size());
    const TextStyle style{x.Xitalic, x.Xbold, x.Xsize, x.Xfont, x.Xcolor, x.Xbgcolor};
    const Rect box{round_to_int(static_cast<double>(cx) - kLabelOffset * kCharWidth * chars * x.Xsize),
                   clamp_to_int(ly), round_to_int(chars * x.Xsize * kCharWidth),
                   clamp_to_int(pie_label_height(x))};
    out.text_box(TextRole::CategoryLabel, box, Align::Center, style, label);
}

// One pie: the sectors of value column j, clockwise from the top turned
// back by the start angle, then the label.
void paint_pie(const ChartState& st, const Layout& lay, Canvas& out, int j, const PieBox& box) {
    const long long r = box.size / 2;
    const long long cx = static_cast<long long>(box.left) + r;
    const long long cy = static_cast<long long>(box.top) + r;

    float total = 0;
    for_each_pie_series(st, [&](const SeriesTable& table, int s) {
        if (value_present(table, s, j)) total += table.val[s][j];
    });

    float sum = 0;
    long long used = 0;   // whole degrees already covered
    for_each_pie_series(st, [&](const SeriesTable& table, int s) {
        if (!value_present(table, s, j)) return;
        const float v = table.val[s][j];
        if (v == 0) return;
        const float next = sum + v;
        // The running sum and the total are held in single precision; the
        // sweep is formed from them in double.
        const double per_unit = total == 0 ? 0.0 : 360.0 / static_cast<double>(total);
        const long long sweep =
            round_to_int((static_cast<double>(next) - static_cast<double>(sum)) * per_unit);
        sum = next;
        const SeriesRecord& rec = table.rec[s];
        out.sector(Sector{lay.frame.area.width, lay.frame.area.height,
                          {clamp_to_int(cx), clamp_to_int(cy)}, clamp_to_int(r),
                          90 - static_cast<long long>(lay.pies.start_angle) - used, -sweep,
                          Paint{rec.color2, rec.color1, {}}, Tags{rec.id, rec.url, rec.text}});
        used += sweep;
    });

    paint_pie_label(st, out, j, cx, cy + r + 5);
}

}  // namespace

void paint_pies(const ChartState& st, const Layout& lay, Canvas& out) {
    const std::vector<PieBox>& boxes = lay.pies.boxes;
    for (std::size_t j = 0; j < boxes.size(); ++j) {
        paint_pie(st, lay, out, static_cast<int>(j), boxes[j]);
    }
}

}  // namespace qp
