// The painters the render driver calls, and the primitives they share.
// Painters compute geometry from the chart state and hand every element to
// the VML writer; none of them formats markup itself.
#pragma once

#include <string>
#include <string_view>

#include "model/chart_state.h"
#include "page/vml_writer.h"

namespace qp {


// Page and chart frame, axes and grid.
void paint_frame(ChartState& st, VmlWriter& out);
void paint_title(ChartState& st, VmlWriter& out);
void paint_x_axis(ChartState& st, VmlWriter& out);
void paint_y_axis(ChartState& st, VmlWriter& out, YAxis axis);
void paint_y_axis_line(ChartState& st, VmlWriter& out, YAxis axis);
void paint_x_axis_line(ChartState& st, VmlWriter& out, int x1, int x2, int y1, int y2);

// Series painters: one series by its index in the axis's table, or (bars,
// pies) every series of their kind.
void paint_pies(ChartState& st, VmlWriter& out);   // counts the pie series into kolP
void paint_line_series(ChartState& st, VmlWriter& out, DataAxis axis, int s);
void paint_marker_series(ChartState& st, VmlWriter& out, DataAxis axis, int s);
void paint_bars(ChartState& st, VmlWriter& out, DataAxis axis);
void paint_value_series(ChartState& st, VmlWriter& out, DataAxis axis, int s);
void paint_legend(ChartState& st, VmlWriter& out);

// Pixel mapping of value position i and of value v on the axis's scale.
int map_x(const ChartState& st, int i);
int map_y(const ChartState& st, const YAxis& axis, float v);

// Line primitive (note the argument order: both x first).  `id_attr` is an
// already formed id attribute text (or empty); title and link are raw texts.
inline void draw_line(VmlWriter& out, int x1, int x2, int y1, int y2, int weight,
                      std::string_view color, std::string_view title,
                      std::string_view link, std::string_view id_attr) {
    out.series_line(VmlWriter::formed(id_attr), x1, y1, x2, y2, weight, color,
                    VmlWriter::link(link), VmlWriter::title(title));
}

// Marker primitive: shape '1'..'6' centred at (x, y); `id` is the bare id.
void draw_marker(VmlWriter& out, int x, int y, int size, std::string_view stroke,
                 std::string_view title, std::string_view fill, char shape,
                 std::string_view link, std::string_view id);

// Bar primitive of an axis: from the axis's crossing row (axis.xrow) to `row`.
void draw_bar(VmlWriter& out, const YAxis& axis, int left, int row, int right,
              int weight, std::string_view stroke, std::string_view title,
              std::string_view fill, std::string_view link, std::string_view id);

}  // namespace qp
