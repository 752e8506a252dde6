// The category axis: tick or grid lines on the cell borders, the caption
// at the bottom of the area, and the labels, horizontal or slanted.
#include <algorithm>
#include <cmath>
#include <string_view>

#include "draw/painters.h"
#include "layout/text_metrics.h"

namespace qp {

namespace {

// Pi as the label slant works it out.
constexpr double kPi = 3.14;

std::string_view label_at(const ChartState& st, long long i) {
    if (i < 0 || i >= static_cast<long long>(st.X.size())) return {};
    return st.X[static_cast<std::size_t>(i)];
}

int tick_length(int margin, int longest) {
    return std::clamp(round_to_int(margin * 0.1), 5, longest);
}

TextStyle label_style(const XAxis& x) {
    return TextStyle{x.Xitalic, x.Xbold, x.Xsize, x.Xfont, x.Xcolor, x.Xbgcolor};
}

void write_ticks(const ChartState& st, const Layout& lay, Canvas& out, int tx) {
    // The Y1 axis line stands in for the first line; a Y2 scale, or
    // categories on the grid positions, for the last.
    const long long first = st.y1.p == 1 ? 1 : 0;
    long long end = st.x.Xi;
    if (st.y2.p == 1 && st.x.XYcross == 1) {
        end = static_cast<long long>(st.x.Xi) - 1;
    } else if (st.y2.p != 1 && st.x.XYcross != 1) {
        end = static_cast<long long>(st.x.Xi) + 1;
    }
    end = std::min(end, static_cast<long long>(st.X.size()));
    const int from_row = px_sum(lay.plot.bottom, tx);
    const int to_row = st.x.Xgrid == 1 ? lay.plot.top : lay.plot.bottom;
    for (long long i = first; i < end; ++i) {
        if (label_at(st, i).empty()) continue;
        const int x = round_to_int(lay.plot.left + static_cast<double>(i) * lay.x.Xstepr);
        out.rule({x, from_row}, {x, to_row}, 1, st.x.Xgcolor);
    }
}

void write_caption(const ChartState& st, const Layout& lay, Canvas& out) {
    const Box& area = lay.frame.area;
    std::string_view shown = st.x.Xtext;
    Align align = Align::Center;
    if (shown.front() == '<' || shown.front() == '>') {
        align = shown.front() == '<' ? Align::Left : Align::Right;
        shown.remove_prefix(1);
    }
    const int height = round_to_int(st.x.Xsize * kLineHeight);
    const int top = clamp_to_int(static_cast<long long>(area.top) + area.height - height - kTextGap);
    const int left = clamp_to_int(static_cast<long long>(area.left) + lay.frame.Cleft + 10);
    const int width =
        clamp_to_int(static_cast<long long>(area.width) - lay.frame.Cleft - lay.frame.Cright - 20);
    out.text_box(TextRole::XCaption, Rect{left, top, width, height}, align, label_style(st.x), shown);
}

// A label slanted by Xgrad degrees from under the category at (x0, y0).
void write_slanted_label(const ChartState& st, Canvas& out, Point anchor, std::string_view label) {
    const int x0 = anchor.x;
    const int y0 = anchor.y;
    const double length = static_cast<double>(label.size());
    // The text's length along its line is held in single precision.
    const float len = as_single(length * st.x.Xsize * kCharWidth);
    const bool rising = st.x.Xgrad <= 90;
    // Rising text ends at the anchor below the category; falling text
    // starts there.
    const double a = (rising ? 90 - st.x.Xgrad : st.x.Xgrad - 90) * kPi / 180;
    const double dx = std::sin(a) * len;
    const double dy = std::cos(a) * len;
    Point from{x0, y0};
    Point to{x0, y0};
    if (rising) {
        from = {round_to_int(x0 - dx), round_to_int(y0 + dy)};
    } else {
        to = {round_to_int(x0 + dx), round_to_int(y0 + dy)};
    }
    out.text_along(TextRole::CategoryLabel, from, to, rising ? Align::Right : Align::Left,
                   label_style(st.x), label);
}

void write_label(const ChartState& st, const Layout& lay, Canvas& out, long long i,
                 std::string_view label, int tx) {
    const double length = static_cast<double>(label.size());
    const double cx = lay.plot.left + static_cast<double>(i) * lay.x.Xstepm + lay.x.dXstepm;
    const int y0 = clamp_to_int(static_cast<long long>(lay.plot.bottom) + tx + kTextGap);
    if (st.x.Xgrad == 0) {
        const int width = round_to_int(length * st.x.Xsize * kCharWidth);
        const int left = round_to_int(cx - kLabelOffset * kCharWidth * length * st.x.Xsize);
        const int height = round_to_int(st.x.Xsize * kLineHeight);
        out.text_box(TextRole::CategoryLabel, Rect{left, y0, width, height}, Align::Center,
                     label_style(st.x), label);
        return;
    }
    if (st.x.Xgrad < 0 || st.x.Xgrad > 180) return;
    write_slanted_label(st, out, {round_to_int(cx), y0}, label);
}

}  // namespace

void paint_x_axis(const ChartState& st, const Layout& lay, Canvas& out) {
    if (st.x.X1p != 1) return;

    const int tx = tick_length(lay.frame.Cbottom, 10);
    write_ticks(st, lay, out, tx);
    if (!st.x.Xtext.empty()) write_caption(st, lay, out);

    const long long count = std::min(static_cast<long long>(st.x.Xi),
                                     static_cast<long long>(st.X.size()));
    const long long every = std::max(lay.x.label_every, 1);
    for (long long i = 0; i < count; i += every) {
        const std::string_view label = label_at(st, i);
        if (label.empty() || label.front() == '|') continue;
        write_label(st, lay, out, i, label, tx);
    }
}

}  // namespace qp
