// The render driver: draws one completed chart on a page's canvas.
#pragma once

#include "model/chart_state.h"
#include "log/run_context.h"
#include "page/canvas.h"

namespace qp {

// Draws the page heading (or copies the heading file) and the chart.
// Sets run.file_error and draws nothing when the heading file is missing.
void render_chart(ChartState& st, RunContext& run, Canvas& out);

}  // namespace qp
