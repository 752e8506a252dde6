// The render driver: writes one completed chart into its page.
#pragma once

#include <functional>
#include <string>

#include "model/chart_state.h"
#include "page/page_text.h"
#include "log/run_context.h"

namespace qp {

// Appends the page heading (or the heading file) and the chart to `page`.
// Sets run.file_error and draws nothing when the heading file is missing.
// `spill`, when given, is called whenever the page text has grown past a
// megabyte, to hand it to the file, so that a chart of any size is drawn
// in bounded memory.
void render_chart(ChartState& st, RunContext& run, PageText& page,
                  const std::function<void()>& spill = {});

}  // namespace qp
