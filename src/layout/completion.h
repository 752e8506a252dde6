// Completion of the chart state before drawing: the defaults that records
// left empty, full colours, margins, default X labels, the Y ranges from
// the data and the legend's place and size.
#pragma once

#include <string>

#include "model/chart_state.h"

namespace qp {

// Brings a "#" colour to its full form (#a -> #a00, #12345 -> #123450);
// colour names are left unchanged.
void normalize_color(std::string& color);

// Field completion: area, border, margins, title, X axis, X labels, Y scales.
void complete_fields(ChartState& st);
// Axis range completion, after the series finishing.
void complete_axis_ranges(ChartState& st);
// Legend completion: position, columns and rows, colours, size.
void complete_legend(ChartState& st);

}  // namespace qp
