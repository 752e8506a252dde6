// The plot rectangle of a chart whose frame is drawn (area moved to the
// group origin, inset by the border, margins fixed), and the shared limits
// of the renderer.  Pixel sums are formed in 64 bits and clamped, so that
// hostile sizes never overflow.
#pragma once

#include "model/chart_state.h"
#include "platform/build_limits.h"
#include "model/pixel_math.h"

namespace qp {


inline int plot_left(const ChartState& st) {
    return clamp_to_int(static_cast<long long>(st.area.Aleft) + st.plot.Cleft);
}
inline int plot_right(const ChartState& st) {
    return clamp_to_int(static_cast<long long>(st.area.Aleft) + st.area.Awidth - st.plot.Cright);
}
inline int plot_top(const ChartState& st) {
    return clamp_to_int(static_cast<long long>(st.area.Atop) + st.plot.Ctop);
}
inline int plot_bottom(const ChartState& st) {
    return clamp_to_int(static_cast<long long>(st.area.Atop) + st.area.Aheight - st.plot.Cbottom);
}
// H, the plot height.
inline int plot_height(const ChartState& st) {
    return clamp_to_int(static_cast<long long>(st.area.Aheight) - st.plot.Ctop - st.plot.Cbottom);
}

// Sum of pixel quantities, clamped.
inline int px_sum(long long a, long long b) { return clamp_to_int(a + b); }

}  // namespace qp
