// Chart file processing: one opened chart description file becomes output
// pages, a drawn chart or an error page for every chart it describes.
#pragma once

#include <string>

#include "chart_state.h"
#include "run_context.h"

namespace qp {

// Processes the chart description file whose text is `text` (already read
// in text mode).  Expects run.chart_name, input_dir, output_dir set and
// run.file_error 0.  Closes every page it opened, the shared page included,
// before it returns.
void process_chart_file(ChartState& st, RunContext& run, const std::string& text);

// The default page name of the chart description file in hand.
std::string default_page_name(const RunContext& run);

}  // namespace qp
