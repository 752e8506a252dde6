// Chart file processing: one opened chart description file becomes output
// pages, a drawn chart or an error page for every chart it describes.
#pragma once

#include <string>

#include "app/options.h"
#include "model/chart_state.h"
#include "log/run_context.h"
#include "page/page_text.h"

namespace qp {

// Processes the chart description file whose text is `text` (already read
// in text mode).  Expects run.chart_name, input_dir, output_dir set and
// run.file_error 0.  Closes every page it opened, the shared page included,
// before it returns.
// The page text `page_text` serves every page in turn; the form without it
// uses a page text of its own.  `options` choose the pages' format.
void process_chart_file(ChartState& st, RunContext& run, PageText& page_text,
                        const std::string& text, const Options& options = {});
void process_chart_file(ChartState& st, RunContext& run, const std::string& text);

// The default page name of the chart description file in hand.
std::string default_page_name(const RunContext& run);

}  // namespace qp
