// The axis lines, drawn over the series.
#include "draw/painters.h"
#include "draw/plot_geometry.h"

namespace qp {

void paint_y_axis_line(ChartState& st, Canvas& out, YAxis axis) {
    if (axis.pstep != 1 || axis.p != 1) return;
    const int x = axis.number == 1 ? plot_left(st) : plot_right(st);
    out.rule({x, plot_bottom(st)}, {x, plot_top(st)}, axis.width, axis.gcolor);
}

void paint_x_axis_line(ChartState& st, Canvas& out, Point from, Point to) {
    out.rule(from, to, st.x.Xwidth, st.x.Xgcolor);
}

}  // namespace qp
