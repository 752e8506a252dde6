// The value scales: Y1 on the left edge of the plot, Y2 on the right, one
// code path for both.  What differs between the two sides is gathered in
// a ScaleSide, worked out once per painter call.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>

#include "draw/painters.h"
#include "layout/text_metrics.h"

namespace qp {

namespace {

// One scale as the painter sees it: its number, the scale as completed and
// its layout (the step filled in, the crossing row).
struct ScaleRef {
    int number;
    const Scale& scale;
    const ScaleLayout& at;
};

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

int tick_length(const Layout& lay) {
    // Both sides measure their ticks from the left margin.
    return std::clamp(round_to_int(lay.frame.Cleft * 0.1), 5, 9);
}

ScaleSide left_side(const Layout& lay, const Scale& scale) {
    const Box& area = lay.frame.area;
    const long long left = lay.plot.left;
    const long long right = lay.plot.right;
    const bool vertical = caption_is_vertical(scale.text);
    const long long size = scale.size;
    const int t1 = tick_length(lay);
    ScaleSide side{};
    side.calls_x_axis = true;
    side.ticks_down_from_crossing = false;
    side.major_x1 = clamp_to_int(left - t1);
    side.major_x2 = clamp_to_int(scale.grid == 1 ? right : left);
    side.minor_x1 = clamp_to_int(left - round_to_int(t1 * 0.5));
    side.minor_x2 = clamp_to_int(left);
    side.caption_x = clamp_to_int(area.left + 5LL + size / 2);
    side.caption_align = Align::Left;
    side.label_align = Align::Right;
    side.label_left = clamp_to_int(vertical ? area.left + size + 10 : area.left + 5LL);
    side.label_width = clamp_to_int(vertical ? lay.frame.Cleft - 5LL - size - 15 : lay.frame.Cleft - 15LL);
    return side;
}

ScaleSide right_side(const Layout& lay, const Scale& scale) {
    const Box& area = lay.frame.area;
    const long long left = lay.plot.left;
    const long long right = lay.plot.right;
    const bool vertical = caption_is_vertical(scale.text);
    const long long size = scale.size;
    const int t2 = tick_length(lay) + 1;
    ScaleSide side{};
    side.skip_crossing = false;
    side.ticks_down_from_crossing = true;
    side.major_x1 = clamp_to_int(scale.grid == 1 ? left : right);
    side.major_x2 = clamp_to_int(right + t2);
    side.minor_x1 = clamp_to_int(right);
    side.minor_x2 = clamp_to_int(right + round_to_int(t2 * 0.5));
    side.caption_x = clamp_to_int(static_cast<long long>(area.left) + area.width - 5 - size / 2);
    side.caption_align = Align::Right;
    side.label_align = Align::Left;
    side.label_left = clamp_to_int(static_cast<long long>(area.left) + area.width - lay.frame.Cright + 10);
    side.label_width = clamp_to_int(vertical ? lay.frame.Cright - 5LL - size - 15 : lay.frame.Cright - 15LL);
    return side;
}

ScaleSide side_of(const ChartState& st, const Layout& lay, const ScaleRef& axis) {
    if (axis.number == 1) {
        ScaleSide side = left_side(lay, axis.scale);
        side.skip_crossing = st.x.X1p == 1;
        return side;
    }
    ScaleSide side = right_side(lay, axis.scale);
    side.calls_x_axis = !(st.y1.p == 1 && lay.y1.pstep == 1);
    return side;
}

// A walk along the scale from the crossing: values and rows advance by
// repeated single-precision addition.  With `from_next` the walk begins
// one step away from the start.
struct Walk {
    float value;
    float row;
    bool from_next;
    bool upward;
    float value_step;
    float row_step;
    double limit;
};

// `emit(row, value)` is called for every value of the walk that passes the
// limit test.  A walk ends when the limit is passed, when an addition
// leaves the value unchanged, or after kMaxWalkElements elements.
template <class Emit>
void walk(Walk w, Emit emit) {
    const auto advance = [&]() {
        const float next = w.upward ? w.value + w.value_step : w.value - w.value_step;
        if (next == w.value) return false;
        w.value = next;
        w.row = w.upward ? w.row - w.row_step : w.row + w.row_step;
        return true;
    };
    if (w.from_next && !advance()) return;
    for (int n = 0; n < kMaxWalkElements; ++n) {
        if (w.upward ? !(w.value < w.limit) : !(w.value > w.limit)) return;
        emit(w.row, w.value);
        if (!advance()) return;
    }
}

// Where the walks start: the crossing value, or the layout's origin.
float walk_origin(const ScaleRef& axis) {
    return axis.at.origin_moved ? axis.at.origin : axis.scale.xlocate;
}

// How far a walk may go: the layout's reach (in steps) beyond the scale's end.
double upper_limit(const ScaleRef& axis, float step) {
    return static_cast<double>(axis.scale.max) + static_cast<double>(step) * axis.at.reach;
}
double lower_limit(const ScaleRef& axis, float step) {
    return static_cast<double>(axis.scale.min) - static_cast<double>(step) * axis.at.reach;
}

void write_ticks(Canvas& out, const ScaleRef& axis, const ScaleSide& side, float r0, float ppu) {
    const Scale& scale = axis.scale;
    const float step = axis.at.step;
    const float major = as_single(static_cast<double>(ppu) * step);
    const float minor = as_single(static_cast<double>(ppu) * scale.substep);
    const auto line = [&](int x1, int x2) {
        return [&out, &scale, x1, x2](float row, float) {
            const int y = round_to_int(row);
            out.rule({x1, y}, {x2, y}, 1, scale.gcolor);
        };
    };
    const auto major_line = line(side.major_x1, side.major_x2);
    const auto minor_line = line(side.minor_x1, side.minor_x2);
    // Walks start at the layout's origin; away from the crossing the
    // origin's tick is drawn by the upward walk.
    const bool at_crossing = !axis.at.origin_moved;
    const bool up_from_next = side.skip_crossing && at_crossing;
    const bool down_from_next = !side.ticks_down_from_crossing || !at_crossing;
    const float start = walk_origin(axis);

    walk(Walk{start, r0, up_from_next, true, step, major, upper_limit(axis, step)}, major_line);
    if (scale.substep != 0) {
        walk(Walk{start, r0, up_from_next, true, scale.substep, minor, upper_limit(axis, scale.substep)},
             minor_line);
    }
    walk(Walk{start, r0, down_from_next, false, step, major, lower_limit(axis, step)}, major_line);
    if (scale.substep != 0) {
        walk(Walk{start, r0, down_from_next, false, scale.substep, minor,
                  lower_limit(axis, scale.substep)},
             minor_line);
    }
}

TextStyle scale_style(const Scale& scale) {
    return TextStyle{scale.italic, scale.bold, scale.size, scale.font, scale.color, scale.bgcolor};
}

// A caption along the scale, reading upward (one marker) or downward (a
// doubled one).
void write_vertical_caption(const Layout& lay, Canvas& out, const Scale& scale,
                            const ScaleSide& side) {
    std::string_view text = scale.text;
    const char marker = text.front();
    const Align align = marker == '>' ? Align::Right : marker == '<' ? Align::Left : Align::Center;
    const bool downward = text.size() > 1 && text[1] == marker;
    text.remove_prefix(downward ? 2 : 1);
    const int x = side.caption_x;
    const int y1 = downward ? lay.plot.top : lay.plot.bottom;
    const int y2 = downward ? lay.plot.bottom : lay.plot.top;
    out.text_along(TextRole::YCaption, {x, y1}, {x, y2}, align, scale_style(scale), text);
}

void write_caption(const Layout& lay, Canvas& out, const ScaleRef& axis, const ScaleSide& side) {
    const Scale& scale = axis.scale;
    if (caption_is_vertical(scale.text)) {
        write_vertical_caption(lay, out, scale, side);
        return;
    }
    const std::string_view text = scale.text;
    const Box& area = lay.frame.area;
    const double span = static_cast<double>(scale.size) * static_cast<double>(text.size()) * kCharWidth;
    const long long top_margin = static_cast<long long>(area.top) + lay.frame.Ctop - scale.size;
    const int top = round_to_int(static_cast<double>(top_margin) - scale.size * kLineHeight / 2 - 10);
    const int height = round_to_int(scale.size * kLineHeight);
    int width = 0;
    long long left = 0;
    if (axis.number == 1) {
        // Ends at the plot's left edge when it is narrower than the margin.
        width = round_to_int(span);
        left = area.left + 5LL;
        if (left + width < static_cast<long long>(area.left) + lay.frame.Cleft) {
            left = static_cast<long long>(area.left) + lay.frame.Cleft - width;
        }
    } else {
        // Starts at the plot's right edge at the latest.
        width = truncate_to_int(span);
        left = static_cast<long long>(area.left) + area.width - width - 5;
        if (lay.plot.right < left) left = lay.plot.right;
    }
    out.text_box(TextRole::YCaption, Rect{clamp_to_int(left), top, width, height},
                 side.caption_align, scale_style(scale), text);
}

int decimal_length(int n) {
    char buf[16];
    const auto res = std::to_chars(buf, buf + sizeof buf, n);
    return static_cast<int>(res.ptr - buf);
}

void write_labels(Canvas& out, const ScaleRef& axis, const ScaleSide& side, float r0, float ppu) {
    const Scale& scale = axis.scale;
    const float step = axis.at.step;
    // D decimals as the layout gives them; I integer places for the widest
    // end of the scale, a minus sign counted.
    const int decimals = axis.at.decimals;
    int places = std::max(decimal_length(round_to_int(scale.max)),
                          decimal_length(round_to_int(scale.min)));
    if (places == 1 && scale.min < 0) places = 2;
    const int field = decimals + 1 + places;

    const TextStyle style = scale_style(scale);
    const int height = round_to_int(scale.size * kLineHeight);
    const auto label = [&](float top, float value) {
        out.scale_label(Rect{side.label_left, round_to_int(top), side.label_width, height},
                        side.label_align, style, Number{value, decimals, field});
    };

    const float major = as_single(static_cast<double>(ppu) * step);
    // The label tops walk in single precision like the rows they follow.
    const float top0 = as_single(static_cast<double>(r0) - scale.size * kLineHeight / 2);
    // The origin of the walks (the crossing value, unless the layout moves
    // it onto a step) is always labelled.
    const float origin = walk_origin(axis);
    label(top0, origin);
    walk(Walk{origin, top0, true, true, step, major, upper_limit(axis, step)}, label);
    walk(Walk{origin, top0, true, false, step, major, lower_limit(axis, step)}, label);
}

}  // namespace

void paint_y_axis(const ChartState& st, const Layout& lay, Canvas& out, int number) {
    const ScaleRef axis{number, st.scale(number), lay.y(number)};
    const Scale& scale = axis.scale;
    const ScaleSide side = side_of(st, lay, axis);
    // A scale of zero width has no pixels per unit (everything on it sits
    // at its crossing row).
    const double range =
        std::fabs(static_cast<double>(scale.max) - static_cast<double>(scale.min));
    const float ppu = range == 0 ? 0.0f : as_single(lay.plot.height / range);
    // The walks' first row: the crossing row, or the origin's row.
    const float r0 = !axis.at.origin_moved
                         ? as_single(axis.at.xrow)
                         : as_single(axis.at.xrow - (static_cast<double>(axis.at.origin) - scale.xlocate) *
                                                        static_cast<double>(ppu));

    if (axis.at.pstep == 1) {
        if (side.calls_x_axis) paint_x_axis(st, lay, out);
        // Without its own scale the painter only stood in for the X axis.
        if (scale.p != 1) return;
        write_ticks(out, axis, side, r0, ppu);
    }
    if (!scale.text.empty()) write_caption(lay, out, axis, side);
    if (axis.at.pstep == 1) write_labels(out, axis, side, r0, ppu);
}

}  // namespace qp
