// The painters the render driver calls, and the primitives they share.
// Painters compute geometry from the chart state and hand every element to
// the canvas; none of them knows the page's markup.
#pragma once

#include "model/chart_state.h"
#include "draw/primitives.h"
#include "page/canvas.h"

namespace qp {

// Page and chart frame, axes and grid.
void paint_frame(ChartState& st, Canvas& out);
void paint_title(ChartState& st, Canvas& out);
void paint_x_axis(ChartState& st, Canvas& out);
void paint_y_axis(ChartState& st, Canvas& out, YAxis axis);
void paint_y_axis_line(ChartState& st, Canvas& out, YAxis axis);
void paint_x_axis_line(ChartState& st, Canvas& out, Point from, Point to);

// Series painters: one series by its index in the axis's table, or (bars,
// pies) every series of their kind.
void paint_pies(ChartState& st, Canvas& out);   // counts the pie series into kolP
void paint_line_series(ChartState& st, Canvas& out, DataAxis axis, int s);
void paint_marker_series(ChartState& st, Canvas& out, DataAxis axis, int s);
void paint_bars(ChartState& st, Canvas& out, DataAxis axis);
void paint_value_series(ChartState& st, Canvas& out, DataAxis axis, int s);
void paint_legend(ChartState& st, Canvas& out);

// Pixel mapping of value position i and of value v on the axis's scale.
int map_x(const ChartState& st, int i);
int map_y(const ChartState& st, const YAxis& axis, float v);

}  // namespace qp
