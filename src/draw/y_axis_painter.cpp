// The value scales: Y1 on the left edge of the plot, Y2 on the right, one
// code path for both.  What differs between the two sides is gathered in
// a ScaleSide, worked out once per painter call.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>

#include "draw/painters.h"
#include "draw/plot_geometry.h"

namespace qp {

namespace {

// The geometry of one side of the plot.
struct ScaleSide {
    bool calls_x_axis;       // draws the category axis first
    bool skip_crossing;      // leaves the tick at the crossing to the X axis line
    bool ticks_down_from_crossing;  // the downward walk writes the crossing again
    int major_x1, major_x2;  // major tick (or grid line) extent
    int minor_x1, minor_x2;  // minor tick extent
    int caption_x;           // the vertical caption's line
    Align caption_align;     // horizontal caption
    Align label_align;
    int label_left, label_width;
};

bool caption_is_vertical(std::string_view text) {
    return !text.empty() && (text.front() == '>' || text.front() == '<' || text.front() == '|');
}

int tick_length(const ChartState& st) {
    // Both sides measure their ticks from the left margin.
    return std::clamp(round_to_int(st.plot.Cleft * 0.1), 5, 9);
}

ScaleSide side_of(const ChartState& st, const YAxis& axis) {
    const long long left = plot_left(st);
    const long long right = plot_right(st);
    const bool vertical = caption_is_vertical(axis.text);
    const long long size = axis.size;
    ScaleSide side{};
    if (axis.number == 1) {
        const int t1 = tick_length(st);
        side.calls_x_axis = true;
        side.skip_crossing = st.x.X1p == 1;
        side.ticks_down_from_crossing = false;
        side.major_x1 = clamp_to_int(left - t1);
        side.major_x2 = clamp_to_int(axis.grid == 1 ? right : left);
        side.minor_x1 = clamp_to_int(left - round_to_int(t1 * 0.5));
        side.minor_x2 = clamp_to_int(left);
        side.caption_x = clamp_to_int(st.area.Aleft + 5LL + size / 2);
        side.caption_align = Align::Left;
        side.label_align = Align::Right;
        side.label_left = clamp_to_int(vertical ? st.area.Aleft + size + 10 : st.area.Aleft + 5LL);
        side.label_width = clamp_to_int(vertical ? st.plot.Cleft - 5LL - size - 15 : st.plot.Cleft - 15LL);
    } else {
        const int t2 = tick_length(st) + 1;
        side.calls_x_axis = !(st.y1.p == 1 && st.y1.pstep == 1);
        side.skip_crossing = false;
        side.ticks_down_from_crossing = true;
        side.major_x1 = clamp_to_int(axis.grid == 1 ? left : right);
        side.major_x2 = clamp_to_int(right + t2);
        side.minor_x1 = clamp_to_int(right);
        side.minor_x2 = clamp_to_int(right + round_to_int(t2 * 0.5));
        side.caption_x = clamp_to_int(static_cast<long long>(st.area.Aleft) + st.area.Awidth - 5 - size / 2);
        side.caption_align = Align::Right;
        side.label_align = Align::Left;
        side.label_left = clamp_to_int(static_cast<long long>(st.area.Aleft) + st.area.Awidth - st.plot.Cright + 10);
        side.label_width = clamp_to_int(vertical ? st.plot.Cright - 5LL - size - 15 : st.plot.Cright - 15LL);
    }
    return side;
}

// A walk along the scale from the crossing: values and rows advance by
// repeated single-precision addition; `emit(row, value)` is called for
// every value that passes the limit test.  With `from_next` the walk
// begins one step away from the start.  A walk ends when the limit is
// passed, when an addition leaves the value unchanged, or after
// kMaxWalkElements elements.
template <class Emit>
void walk(float value, float row, bool from_next, bool upward, float value_step,
          float row_step, double limit, Emit emit) {
    const auto advance = [&]() {
        const float next = upward ? value + value_step : value - value_step;
        if (next == value) return false;
        value = next;
        row = upward ? row - row_step : row + row_step;
        return true;
    };
    if (from_next && !advance()) return;
    for (int n = 0; n < kMaxWalkElements; ++n) {
        if (upward ? !(value < limit) : !(value > limit)) return;
        emit(row, value);
        if (!advance()) return;
    }
}

// How far a walk may go: half a step beyond the scale's end.
double upper_limit(const YAxis& axis, float step) {
    return static_cast<double>(axis.max) + static_cast<double>(step) / 2.0;
}
double lower_limit(const YAxis& axis, float step) {
    return static_cast<double>(axis.min) - static_cast<double>(step) / 2.0;
}

void write_ticks(Canvas& out, const YAxis& axis,
                 const ScaleSide& side, float r0, float ppu) {
    const float major = as_single(static_cast<double>(ppu) * axis.step);
    const float minor = as_single(static_cast<double>(ppu) * axis.substep);
    const double up_major = upper_limit(axis, axis.step);
    const double down_major = lower_limit(axis, axis.step);
    const double up_minor = upper_limit(axis, axis.substep);
    const double down_minor = lower_limit(axis, axis.substep);
    const auto line = [&](int x1, int x2) {
        return [&out, &axis, x1, x2](float row, float) {
            const int y = round_to_int(row);
            out.rule({x1, y}, {x2, y}, 1, axis.gcolor);
        };
    };
    const auto major_line = line(side.major_x1, side.major_x2);
    const auto minor_line = line(side.minor_x1, side.minor_x2);
    const bool down_from_next = !side.ticks_down_from_crossing;

    walk(axis.xlocate, r0, side.skip_crossing, true, axis.step, major, up_major, major_line);
    if (axis.substep != 0) {
        walk(axis.xlocate, r0, side.skip_crossing, true, axis.substep, minor, up_minor,
             minor_line);
    }
    walk(axis.xlocate, r0, down_from_next, false, axis.step, major, down_major, major_line);
    if (axis.substep != 0) {
        walk(axis.xlocate, r0, down_from_next, false, axis.substep, minor, down_minor,
             minor_line);
    }
}

void write_caption(const ChartState& st, Canvas& out, const YAxis& axis,
                   const ScaleSide& side) {
    const TextStyle style{axis.italic, axis.bold, axis.size, axis.font, axis.color, axis.bgcolor};
    std::string_view text = axis.text;
    if (caption_is_vertical(text)) {
        const char marker = text.front();
        const Align align = marker == '>' ? Align::Right : marker == '<' ? Align::Left : Align::Center;
        // One marker reads upward, a doubled one downward.
        const bool downward = text.size() > 1 && text[1] == marker;
        text.remove_prefix(downward ? 2 : 1);
        const int x = side.caption_x;
        const int y1 = downward ? plot_top(st) : plot_bottom(st);
        const int y2 = downward ? plot_bottom(st) : plot_top(st);
        out.text_along(TextRole::YCaption, {x, y1}, {x, y2}, align, style, text);
        return;
    }
    const double span = static_cast<double>(axis.size) * static_cast<double>(text.size()) * 0.7;
    const long long top_margin = static_cast<long long>(st.area.Atop) + st.plot.Ctop - axis.size;
    const int top = round_to_int(static_cast<double>(top_margin) - axis.size * 1.15 / 2 - 10);
    const int height = round_to_int(axis.size * 1.15);
    int width = 0;
    long long left = 0;
    if (axis.number == 1) {
        // Ends at the plot's left edge when it is narrower than the margin.
        width = round_to_int(span);
        left = st.area.Aleft + 5LL;
        if (left + width < static_cast<long long>(st.area.Aleft) + st.plot.Cleft) {
            left = static_cast<long long>(st.area.Aleft) + st.plot.Cleft - width;
        }
    } else {
        // Starts at the plot's right edge at the latest.
        width = truncate_to_int(span);
        left = static_cast<long long>(st.area.Aleft) + st.area.Awidth - width - 5;
        if (plot_right(st) < left) left = plot_right(st);
    }
    out.text_box(TextRole::YCaption, Rect{clamp_to_int(left), top, width, height},
                 side.caption_align, style, text);
}

int decimal_length(int n) {
    char buf[16];
    const auto res = std::to_chars(buf, buf + sizeof buf, n);
    return static_cast<int>(res.ptr - buf);
}

void write_labels(Canvas& out, const YAxis& axis, const ScaleSide& side, float r0,
                  float ppu) {
    // D decimals as the step was written; I integer places for the widest
    // end of the scale, a minus sign counted.
    const int decimals = static_cast<int>(axis.sstep.size());
    int places = std::max(decimal_length(round_to_int(axis.max)),
                          decimal_length(round_to_int(axis.min)));
    if (places == 1 && axis.min < 0) places = 2;
    const int field = decimals + 1 + places;

    const TextStyle style{axis.italic, axis.bold, axis.size, axis.font, axis.color, axis.bgcolor};
    const int height = round_to_int(axis.size * 1.15);
    const auto label = [&](float top, float value) {
        out.scale_label(Rect{side.label_left, round_to_int(top), side.label_width, height},
                        side.label_align, style, Number{value, decimals, field});
    };

    const float major = as_single(static_cast<double>(ppu) * axis.step);
    // The label tops walk in single precision like the rows they follow.
    const float top0 = as_single(static_cast<double>(r0) - axis.size * 1.15 / 2);
    // The crossing value is always labelled.
    label(top0, axis.xlocate);
    walk(axis.xlocate, top0, true, true, axis.step, major, upper_limit(axis, axis.step), label);
    walk(axis.xlocate, top0, true, false, axis.step, major, lower_limit(axis, axis.step), label);
}

}  // namespace

void paint_y_axis(ChartState& st, Canvas& out, YAxis axis) {
    const ScaleSide side = side_of(st, axis);
    const float r0 = as_single(axis.xrow);
    // A scale of zero width has no pixels per unit (everything on it sits
    // at its crossing row).
    const double range =
        std::fabs(static_cast<double>(axis.max) - static_cast<double>(axis.min));
    const float ppu = range == 0 ? 0.0f : as_single(plot_height(st) / range);

    if (axis.pstep == 1) {
        if (side.calls_x_axis) paint_x_axis(st, out);
        // Without its own scale the painter only stood in for the X axis.
        if (axis.p != 1) return;
        write_ticks(out, axis, side, r0, ppu);
    }
    if (!axis.text.empty()) write_caption(st, out, axis, side);
    if (axis.pstep == 1) write_labels(out, axis, side, r0, ppu);
}

}  // namespace qp
