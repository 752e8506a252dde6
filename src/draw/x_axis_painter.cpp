// The category axis: the pitch of the categories, tick or grid lines on
// the cell borders, the caption at the bottom of the area, and the labels,
// horizontal or slanted.
#include <algorithm>
#include <cmath>
#include <string_view>

#include "draw/painters.h"
#include "draw/plot_geometry.h"

namespace qp {

namespace {

// Pi as the label slant works it out.
constexpr double kPi = 3.14;

// The category pitch.  A pitch without a finite value (no categories, or
// one category on the grid positions) is the whole plot width.
void set_category_geometry(ChartState& st) {
    const long long width = static_cast<long long>(plot_right(st)) - plot_left(st);
    const long long cells = st.x.XYcross == 1 ? static_cast<long long>(st.x.Xi) - 1 : st.x.Xi;
    const double pitch = cells > 0 ? static_cast<double>(width) / static_cast<double>(cells)
                                   : static_cast<double>(width);
    st.drawing.Xstepr = as_single(pitch);
    st.drawing.Xstepm = st.drawing.Xstepr;
    st.drawing.dXstepm = st.x.XYcross == 1 ? 0.0f : as_single(st.drawing.Xstepm / 2.0);
}

std::string_view label_at(const ChartState& st, long long i) {
    if (i < 0 || i >= static_cast<long long>(st.X.size())) return {};
    return st.X[static_cast<std::size_t>(i)];
}

int tick_length(int margin, int longest) {
    return std::clamp(round_to_int(margin * 0.1), 5, longest);
}

void write_ticks(const ChartState& st, Canvas& out, int tx) {
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
    const int from_row = px_sum(plot_bottom(st), tx);
    const int to_row = st.x.Xgrid == 1 ? plot_top(st) : plot_bottom(st);
    for (long long i = first; i < end; ++i) {
        if (label_at(st, i).empty()) continue;
        const int x = round_to_int(plot_left(st) + static_cast<double>(i) * st.drawing.Xstepr);
        out.rule({x, from_row}, {x, to_row}, 1, st.x.Xgcolor);
    }
}

void write_caption(const ChartState& st, Canvas& out) {
    std::string_view shown = st.x.Xtext;
    Align align = Align::Center;
    if (shown.front() == '<' || shown.front() == '>') {
        align = shown.front() == '<' ? Align::Left : Align::Right;
        shown.remove_prefix(1);
    }
    const int height = round_to_int(st.x.Xsize * 1.15);
    const int top = clamp_to_int(static_cast<long long>(st.area.Atop) + st.area.Aheight - height - 5);
    const int left = clamp_to_int(static_cast<long long>(st.area.Aleft) + st.plot.Cleft + 10);
    const int width =
        clamp_to_int(static_cast<long long>(st.area.Awidth) - st.plot.Cleft - st.plot.Cright - 20);
    const TextStyle style{st.x.Xitalic, st.x.Xbold, st.x.Xsize, st.x.Xfont, st.x.Xcolor, st.x.Xbgcolor};
    out.text_box(TextRole::XCaption, Rect{left, top, width, height}, align, style, shown);
}

void write_label(const ChartState& st, Canvas& out, long long i, std::string_view label,
                 int tx) {
    const TextStyle style{st.x.Xitalic, st.x.Xbold, st.x.Xsize, st.x.Xfont, st.x.Xcolor, st.x.Xbgcolor};
    const double length = static_cast<double>(label.size());
    const double cx = plot_left(st) + static_cast<double>(i) * st.drawing.Xstepm + st.drawing.dXstepm;
    const int y0 = clamp_to_int(static_cast<long long>(plot_bottom(st)) + tx + 5);
    if (st.x.Xgrad == 0) {
        const int width = round_to_int(length * st.x.Xsize * 0.7);
        const int left = round_to_int(cx - 0.3 * 0.7 * length * st.x.Xsize);
        const int height = round_to_int(st.x.Xsize * 1.15);
        out.text_box(TextRole::CategoryLabel, Rect{left, y0, width, height}, Align::Center,
                     style, label);
        return;
    }
    if (st.x.Xgrad < 0 || st.x.Xgrad > 180) return;
    const int x0 = round_to_int(cx);
    // The text's length along its line is held in single precision.
    const float len = as_single(length * st.x.Xsize * 0.7);
    const bool rising = st.x.Xgrad <= 90;
    // Rising text ends at the anchor below the category; falling text
    // starts there.
    const double a = (rising ? 90 - st.x.Xgrad : st.x.Xgrad - 90) * kPi / 180;
    const double dx = std::sin(a) * len;
    const double dy = std::cos(a) * len;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    if (rising) {
        x1 = round_to_int(x0 - dx);
        y1 = round_to_int(y0 + dy);
        x2 = x0;
        y2 = y0;
    } else {
        x1 = x0;
        y1 = y0;
        x2 = round_to_int(x0 + dx);
        y2 = round_to_int(y0 + dy);
    }
    out.text_along(TextRole::CategoryLabel, {x1, y1}, {x2, y2},
                   rising ? Align::Right : Align::Left, style, label);
}

}  // namespace

void paint_x_axis(ChartState& st, Canvas& out) {
    set_category_geometry(st);
    if (st.x.X1p != 1) return;

    const int tx = tick_length(st.plot.Cbottom, 10);
    write_ticks(st, out, tx);
    if (!st.x.Xtext.empty()) write_caption(st, out);

    const long long count = std::min(static_cast<long long>(st.x.Xi),
                                     static_cast<long long>(st.X.size()));
    for (long long i = 0; i < count; ++i) {
        const std::string_view label = label_at(st, i);
        if (label.empty() || label.front() == '|') continue;
        write_label(st, out, i, label, tx);
    }
}

}  // namespace qp
