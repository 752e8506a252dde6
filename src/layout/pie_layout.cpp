// The pie grid: one centred pie, or a grid filled row by row or column by
// column whose cells are spread over the plot.
#include "layout/pie_layout.h"

#include <algorithm>

#include "layout/layout.h"
#include "layout/text_metrics.h"
#include "model/pixel_math.h"

namespace qp {

namespace {

// n / k rounded up (k >= 1).
long long ceil_div(long long n, long long k) { return n / k + (k * (n / k) < n ? 1 : 0); }

PieBox box_at(long long left, long long top, long long size) {
    return {clamp_to_int(left), clamp_to_int(top), clamp_to_int(size)};
}

// The plot's room for the pies: its size, and the area's corner and the
// margins that place it in the group.
struct PieRoom {
    long long w;
    long long h;
    int area_left;
    int area_top;
    int Cleft;
    int Ctop;
    long long left() const { return static_cast<long long>(area_left) + Cleft; }
    long long top() const { return static_cast<long long>(area_top) + Ctop; }
};

std::vector<PieBox> one_pie(const ChartState& st, const PieRoom& room) {
    const long long w = room.w;
    const long long h = room.h;
    const bool labels = st.x.X1p != -1;
    const long long xh = pie_label_height(st.x);
    long long d = w;
    const long long needed = labels ? d + xh + 10 : d;
    if (needed > h) d = labels ? h - 10 - xh : h;
    const long long left = (w - d) / 2 + room.left();
    // Formed in double from left to right, the area's top before the margin.
    const long long top =
        labels ? round_to_int((static_cast<double>(h - d) - pie_label_height_real(st.x)) / 2.0 +
                             room.area_top + room.Ctop)
               : (h - d) / 2 + room.top();
    return {box_at(left, top, d)};
}

// Pies filled column by column: find how many fit in a column, then spread
// the columns over the width.
std::vector<PieBox> by_columns(const ChartState& st, long long n, const PieRoom& room,
                               bool from_right) {
    const long long w = room.w;
    const long long h = room.h;
    const long long t = st.x.X1p == -1 ? 5 : pie_label_height(st.x) + 5;
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
        boxes.push_back(box_at(ox + 5 + (c - 1) * cw + room.left(), oy + 5 + (r - 1) * ch + room.top(), d));
        if (++r > k) {
            c += from_right ? -1 : 1;
            r = 1;
        }
    }
    return boxes;
}

// Pies filled row by row: find how many fit in a row, then spread the rows
// over the height.  Room for the label is always kept.
std::vector<PieBox> by_rows(const ChartState& st, long long n, const PieRoom& room,
                            bool from_right) {
    const long long w = room.w;
    const long long h = room.h;
    const long long xh = pie_label_height(st.x);
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
        ch = round_to_int(pie_label_height_real(st.x) + static_cast<double>(cw));
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
        boxes.push_back(box_at(ox + 5 + (c0 - 1) * cw + room.left(), oy + 5 + (r - 1) * ch + room.top(), d));
        c0 += from_right ? -1 : 1;
        if (c0 > c || c0 == 0) {
            ++r;
            c0 = first;
        }
    }
    return boxes;
}

}  // namespace

double pie_label_height_real(const XAxis& x) { return x.Xsize * kLineHeight; }
long long pie_label_height(const XAxis& x) { return round_to_int(pie_label_height_real(x)); }

std::vector<PieBox> lay_out_pies(const ChartState& st, const FrameLayout& frame, int n,
                                 PieArrangement arrangement) {
    if (n < 1) return {};
    const Box& area = frame.area;
    const PieRoom room{static_cast<long long>(area.width) - frame.Cleft - frame.Cright,
                       static_cast<long long>(area.height) - frame.Ctop - frame.Cbottom,
                       area.left, area.top, frame.Cleft, frame.Ctop};
    if (n == 1) return one_pie(st, room);
    switch (arrangement) {
        case PieArrangement::Columns: return by_columns(st, n, room, false);
        case PieArrangement::ColumnsFromRight: return by_columns(st, n, room, true);
        case PieArrangement::RowsFromRight: return by_rows(st, n, room, true);
        default: return by_rows(st, n, room, false);
    }
}

}  // namespace qp
