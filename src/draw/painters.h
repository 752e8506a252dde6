// The painters the render driver calls, and the primitives they share.
// Painters draw a completed chart at the places its layout gives, reading
// both and changing neither, and hand every element to the canvas; none
// of them knows the page's markup.
#pragma once

#include "draw/primitives.h"
#include "layout/layout.h"
#include "model/chart_state.h"
#include "model/pixel_math.h"
#include "page/canvas.h"
#include "platform/build_limits.h"

namespace qp {

// Page and chart frame, axes and grid.  `number` is a scale's number, 1
// or 2.
void paint_frame(const ChartState& st, const Layout& lay, Canvas& out);
void paint_title(const ChartState& st, const Layout& lay, Canvas& out);
void paint_x_axis(const ChartState& st, const Layout& lay, Canvas& out);
void paint_y_axis(const ChartState& st, const Layout& lay, Canvas& out, int number);
void paint_y_axis_line(const ChartState& st, const Layout& lay, Canvas& out, int number);
void paint_x_axis_line(const ChartState& st, Canvas& out, Point from, Point to);

// Series painters: one series by its axis and its index in the axis's
// table, or (bars, pies) every series of their kind.
void paint_pies(const ChartState& st, const Layout& lay, Canvas& out);
void paint_line_series(const ChartState& st, const Layout& lay, Canvas& out, int axis, int s);
void paint_marker_series(const ChartState& st, const Layout& lay, Canvas& out, int axis, int s);
void paint_bars(const ChartState& st, const Layout& lay, Canvas& out, int axis);
void paint_value_series(const ChartState& st, const Layout& lay, Canvas& out, int axis, int s);
void paint_legend(const ChartState& st, const Layout& lay, Canvas& out);

// Pixel mapping of value position i and of value v on a scale.
int map_x(const Layout& lay, int i);
int map_y(const Layout& lay, const Scale& scale, float v);

}  // namespace qp
