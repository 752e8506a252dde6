// The value label primitive: the number of one value in a small text box
// above its point (below it for a point under the X axis).
#pragma once

#include <string_view>

#include "model/chart_state.h"

namespace qp {

class VmlWriter;

// Draws `value` at the point (x, row) in the scale's font and number format;
// `id` is the bare id, title and link are raw texts.
void draw_value_label(VmlWriter& out, const YAxis& axis, int x, int row, int size,
                      std::string_view color, std::string_view title,
                      std::string_view background, float value, std::string_view link,
                      std::string_view id);

// The number of digits of the integer part of |value|, at least 1.
int integer_digits(float value);

}  // namespace qp
