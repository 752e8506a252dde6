// The axis lines, drawn over the series.
#include "draw/painters.h"

namespace qp {

void paint_y_axis_line(const ChartState& st, const Layout& lay, Canvas& out, int number) {
    const Scale& scale = st.scale(number);
    if (lay.y(number).pstep != 1 || scale.p != 1) return;
    const int x = number == 1 ? lay.plot.left : lay.plot.right;
    out.rule({x, lay.plot.bottom}, {x, lay.plot.top}, scale.width, scale.gcolor);
}

void paint_x_axis_line(const ChartState& st, Canvas& out, Point from, Point to) {
    out.rule(from, to, st.x.Xwidth, st.x.Xgcolor);
}

}  // namespace qp
