// The plot rectangle of a chart whose frame is drawn (area moved to the
// group origin, inset by the border, margins fixed), and the shared limits
// of the renderer.  Pixel sums are formed in 64 bits and clamped, so that
// hostile sizes never overflow.
#pragma once

#include "chart_state.h"
#include "pixel_math.h"

namespace qp {

// A tick or label walk, or any other loop whose count comes from input
// numbers, writes at most this many elements and then stops.  The fuzz
// build lowers it (QP_WALK_LIMIT), so that its instrumented runs of hostile
// scales stay quick while taking the same paths.
#ifndef QP_WALK_LIMIT
#define QP_WALK_LIMIT 100000
#endif
inline constexpr int kMaxWalkElements = QP_WALK_LIMIT;

inline int plot_left(const ChartState& st) {
    return clamp_to_int(static_cast<long long>(st.Aleft) + st.Cleft);
}
inline int plot_right(const ChartState& st) {
    return clamp_to_int(static_cast<long long>(st.Aleft) + st.Awidth - st.Cright);
}
inline int plot_top(const ChartState& st) {
    return clamp_to_int(static_cast<long long>(st.Atop) + st.Ctop);
}
inline int plot_bottom(const ChartState& st) {
    return clamp_to_int(static_cast<long long>(st.Atop) + st.Aheight - st.Cbottom);
}
// H, the plot height.
inline int plot_height(const ChartState& st) {
    return clamp_to_int(static_cast<long long>(st.Aheight) - st.Ctop - st.Cbottom);
}

// Sum of pixel quantities, clamped.
inline int px_sum(long long a, long long b) { return clamp_to_int(a + b); }

}  // namespace qp
