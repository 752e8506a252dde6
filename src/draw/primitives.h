// The primitives the painters share: a marker, a bar and a series value
// label, each described by a small struct and drawn in one call.
#pragma once

#include <string_view>

#include "model/chart_state.h"
#include "model/series_values.h"
#include "page/canvas.h"

namespace qp {

// A marker of one of the six shapes centred at `centre`.
struct Marker {
    Point centre;
    int size = 0;
    MarkerShape shape = MarkerShape::Square;
    std::string_view stroke;
    std::string_view fill;
    Tags tags;
};
void draw_marker(Canvas& out, const Marker& marker);

// A bar from `base_row` (an axis's crossing row) to `row`, between the
// columns `left` and `right`.
struct Bar {
    int left = 0;
    int right = 0;
    int row = 0;
    int base_row = 0;
    int weight = 1;
    std::string_view stroke;
    std::string_view fill;
    Tags tags;
};
void draw_bar(Canvas& out, const Bar& bar);

// The number `value` in a small text box above the point `at` (below it
// for a point under the scale's crossing row `base_row`), in the scale's
// font and number format.
struct ValueLabel {
    Point at;
    int base_row = 0;
    int size = 0;
    std::string_view color;
    std::string_view background;
    float value = 0;
    Tags tags;
};
void draw_value_label(Canvas& out, const Scale& scale, const ValueLabel& label);

// The number of digits of the integer part of |value|, at least 1.
int integer_digits(float value);

}  // namespace qp
