// The render driver: writes one completed chart into its page.
#pragma once

#include <string>

#include "chart_state.h"
#include "run_context.h"

namespace qp {

// Appends the page heading (or the heading file) and the chart to `page`.
// Sets run.file_error and draws nothing when the heading file is missing.
void render_chart(ChartState& st, RunContext& run, std::string& page);

}  // namespace qp
