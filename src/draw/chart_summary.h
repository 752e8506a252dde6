// The chart in words: its title, series and scales, as the canvas is told
// before the chart is drawn.
#pragma once

#include "model/chart_state.h"
#include "page/canvas.h"

namespace qp {

// The summary of a completed chart; its texts are views of the chart state.
ChartSummary summarize_chart(const ChartState& st);

}  // namespace qp
