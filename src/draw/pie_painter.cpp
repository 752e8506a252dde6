// The pie painter: one pie per value column of the P series, one sector per
// P series (of both axes), each pie with its category label under it.
#include <algorithm>
#include <cmath>
#include <string>

#include "model/pixel_math.h"
#include "draw/painters.h"
#include "draw/pie_layout.h"
#include "model/series_values.h"

namespace qp {

namespace {

// Degrees per radian as the pie labels use it.
constexpr double kDegreesPerRadian = 57.296;

// n / k rounded up (k >= 1).
long long ceil_div(long long n, long long k) { return n / k + (k * (n / k) < n ? 1 : 0); }

// The height of one label line, unrounded and rounded.
double label_height_real(const ChartState& st) { return st.x.Xsize * 1.15; }
long long label_height(const ChartState& st) { return round_to_int(label_height_real(st)); }

PieBox box_at(long long left, long long top, long long size) {
    return {clamp_to_int(left), clamp_to_int(top), clamp_to_int(size)};
}

std::vector<PieBox> one_pie(const ChartState& st, long long w, long long h) {
    const bool labels = st.x.X1p != -1;
    const long long xh = label_height(st);
    long long d = w;
    const long long needed = labels ? d + xh + 10 : d;
    if (needed > h) d = labels ? h - 10 - xh : h;
    const long long left = (w - d) / 2 + st.area.Aleft + st.plot.Cleft;
    const long long top =
        labels ? round_to_int((static_cast<double>(h - d) - label_height_real(st)) / 2.0 +
                             st.area.Atop + st.plot.Ctop)
               : (h - d) / 2 + st.area.Atop + st.plot.Ctop;
    return {box_at(left, top, d)};
}

// Pies filled column by column: find how many fit in a column, then spread
// the columns over the width.
std::vector<PieBox> by_columns(const ChartState& st, long long n, long long w, long long h,
                               bool from_right) {
    const long long t = st.x.X1p == -1 ? 5 : label_height(st) + 5;
    long long k = 1;
    for (;;) {
        const long long cols = ceil_div(n, k);
        const long long cw = w / cols;
        const long long ch = cw - 5 + t;
        if (k * ch < h) {
            if (k == n) break;
            ++k;
        } else {
            k = std::max(1LL, k - 1);
            break;
        }
    }
    const long long cols = ceil_div(n, k);
    long long cw = w / cols;
    long long ox = (w - cw * cols) / 2;
    long long d = cw - 5;
    long long ch = d + t;
    long long oy;
    if (ch > h) {   // not even one row fits: fit the height instead
        ch = h / k;
        oy = (h - ch * k) / 2;
        d = ch - t;
        cw = d + 5;
        cw += (w - cw * cols) / cols;
        ox = (w - cw * cols) / 2;
    } else {
        ch += (h - ch * k) / k;
        oy = (h - ch * k) / 2;
    }

    std::vector<PieBox> boxes;
    boxes.reserve(static_cast<std::size_t>(n));
    long long c = from_right ? cols : 1;
    long long r = 1;
    for (long long j = 0; j < n; ++j) {
        boxes.push_back(box_at(ox + 5 + (c - 1) * cw + st.area.Aleft + st.plot.Cleft,
                               oy + 5 + (r - 1) * ch + st.area.Atop + st.plot.Ctop, d));
        if (++r > k) {
            c += from_right ? -1 : 1;
            r = 1;
        }
    }
    return boxes;
}

// Pies filled row by row: find how many fit in a row, then spread the rows
// over the height.  Room for the label is always kept.
std::vector<PieBox> by_rows(const ChartState& st, long long n, long long w, long long h,
                            bool from_right) {
    const long long xh = label_height(st);
    long long c = 1;
    for (;;) {
        const long long rows = ceil_div(n, c);
        const long long ch = h / rows;
        const long long cw = ch - 10 - xh + 10;
        if (c * cw < w) {
            if (c == n) break;
            ++c;
        } else {
            c = std::max(1LL, c - 1);
            break;
        }
    }
    const long long rows = ceil_div(n, c);
    long long ch = h / rows;
    long long oy = (h - ch * rows) / 2;
    long long d = ch - 10 - xh;
    long long cw = d + 10;
    long long ox;
    if (cw > w) {   // not even one column fits: fit the width instead
        cw = w / c;
        ox = (w - cw * c) / 2;
        d = cw - 10;
        ch = round_to_int(label_height_real(st) + static_cast<double>(cw));
        ch += (h - ch * rows) / rows;
        oy = (h - ch * rows) / 2;
    } else {
        cw += (w - cw * c) / c;
        ox = (w - cw * c) / 2;
    }

    std::vector<PieBox> boxes;
    boxes.reserve(static_cast<std::size_t>(n));
    const long long first = from_right ? c : 1;
    long long c0 = first;
    long long r = 1;
    for (long long j = 0; j < n; ++j) {
        boxes.push_back(box_at(ox + 5 + (c0 - 1) * cw + st.area.Aleft + st.plot.Cleft,
                               oy + 5 + (r - 1) * ch + st.area.Atop + st.plot.Ctop, d));
        c0 += from_right ? -1 : 1;
        if (c0 > c || c0 == 0) {
            ++r;
            c0 = first;
        }
    }
    return boxes;
}

// Calls `f(axis, s)` for every P series, D1 first, in index order.
template <typename F>
void for_each_pie_series(ChartState& st, F f) {
    for (int number = 1; number <= 2; ++number) {
        const DataAxis axis = data_axis(st, number);
        const int last = std::min(axis.num, static_cast<int>(axis.rec.size()) - 1);
        for (int s = 0; s <= last; ++s) {
            if (series_type(axis.rec[s]) == 'P') f(axis, s);
        }
    }
}

void paint_pie_label(ChartState& st, Canvas& out, int j, long long cx, long long ly) {
    if (st.x.X1p == -1 || j >= static_cast<int>(st.X.size())) return;
    const std::string& label = st.X[static_cast<std::size_t>(j)];
    if (label.empty() || label[0] == '|') return;
    const double chars = static_cast<double>(label.size());
    const TextStyle style{st.x.Xitalic, st.x.Xbold, st.x.Xsize, st.x.Xfont, st.x.Xcolor, st.x.Xbgcolor};
    const int x = clamp_to_int(cx);
    const int y = clamp_to_int(ly);
    if (st.x.Xgrad == 0) {
        const Rect box{round_to_int(static_cast<double>(cx) - 0.3 * 0.7 * chars * st.x.Xsize), y,
                       round_to_int(chars * st.x.Xsize * 0.7), clamp_to_int(label_height(st))};
        out.text_box(TextRole::CategoryLabel, box, Align::Center, style, label);
        return;
    }
    int x1, y1, x2, y2;
    Align align;
    if (st.x.Xgrad >= 1 && st.x.Xgrad <= 90) {
        // Rising text that ends under the pie's centre.
        const long long len = round_to_int(chars * st.x.Xsize * 0.7);
        const double angle = (90 - st.x.Xgrad) / kDegreesPerRadian;
        const long long dx = round_to_int(static_cast<double>(len) * std::sin(angle));
        const long long dy = round_to_int(static_cast<double>(len) * std::cos(angle));
        x1 = clamp_to_int(cx - dx);
        y1 = clamp_to_int(ly + dy);
        x2 = x;
        y2 = y;
        align = Align::Right;
    } else if (st.x.Xgrad >= 91 && st.x.Xgrad <= 180) {
        // Falling text that starts under the pie's centre.
        const long long len = truncate_to_int(chars * st.x.Xsize * 0.7);
        const double angle = (st.x.Xgrad - 90) / kDegreesPerRadian;
        const long long dx = round_to_int(static_cast<double>(len) * std::sin(angle));
        const long long dy = round_to_int(static_cast<double>(len) * std::cos(angle));
        x1 = x;
        y1 = y;
        x2 = clamp_to_int(cx + dx);
        y2 = clamp_to_int(ly + dy);
        align = Align::Left;
    } else {
        return;   // no label at a negative angle
    }
    out.text_along(TextRole::CategoryLabel, {x1, y1}, {x2, y2}, align, style, label);
}

// One pie: the sectors of value column j, clockwise from the top turned
// back by the start angle, then the label.
void paint_pie(ChartState& st, Canvas& out, int j, const PieBox& box, int start_angle) {
    const long long r = box.size / 2;
    const long long cx = static_cast<long long>(box.left) + r;
    const long long cy = static_cast<long long>(box.top) + r;

    float total = 0;
    for_each_pie_series(st, [&](const DataAxis& axis, int s) {
        if (value_present(axis, s, j)) total += axis.val[s][j];
    });

    float sum = 0;
    long long used = 0;   // whole degrees already covered
    for_each_pie_series(st, [&](const DataAxis& axis, int s) {
        if (!value_present(axis, s, j)) return;
        const float v = axis.val[s][j];
        if (v == 0) return;
        const float next = sum + v;
        // The running sum and the total are held in single precision; the
        // sweep is formed from them in double.
        const double per_unit = total == 0 ? 0.0 : 360.0 / static_cast<double>(total);
        const long long sweep =
            round_to_int((static_cast<double>(next) - static_cast<double>(sum)) * per_unit);
        sum = next;
        const SeriesRecord& rec = axis.rec[s];
        out.sector(Sector{st.area.Awidth, st.area.Aheight, {clamp_to_int(cx), clamp_to_int(cy)},
                          clamp_to_int(r), 90 - static_cast<long long>(start_angle) - used,
                          -sweep, Paint{rec.color2, rec.color1, {}},
                          Tags{rec.id, rec.url, rec.text}});
        used += sweep;
    });

    paint_pie_label(st, out, j, cx, cy + r + 5);
}

}  // namespace

std::vector<PieBox> lay_out_pies(const ChartState& st, int n, char variant) {
    if (n < 1) return {};
    const long long w = static_cast<long long>(st.area.Awidth) - st.plot.Cleft - st.plot.Cright;
    const long long h = static_cast<long long>(st.area.Aheight) - st.plot.Ctop - st.plot.Cbottom;
    if (n == 1) return one_pie(st, w, h);
    if (variant == '2' || variant == '4') return by_columns(st, n, w, h, variant == '4');
    return by_rows(st, n, w, h, variant == '3');
}

void paint_pies(ChartState& st, Canvas& out) {
    // Survey: the first P series fixes the start angle and the layout; the
    // longest one gives the number of pies.
    int count = 0;
    int start_angle = 0;
    char variant = '1';
    int pies = 0;
    for_each_pie_series(st, [&](const DataAxis& axis, int s) {
        const SeriesRecord& rec = axis.rec[s];
        if (count == 0) {
            start_angle = rec.width;
            // Whole turns above 360 are dropped; 360 itself stays.
            if (start_angle > 360) start_angle = (start_angle - 1) % 360 + 1;
            variant = series_variant(rec);
        }
        ++count;
        pies = std::max(pies, last_position(rec) + 1);
    });
    st.drawing.kolP += count;
    if (count == 0) return;

    const std::vector<PieBox> boxes = lay_out_pies(st, pies, variant);
    for (std::size_t j = 0; j < boxes.size(); ++j) {
        paint_pie(st, out, static_cast<int>(j), boxes[j], start_angle);
    }
}

}  // namespace qp
