// Chart file processing: one opened chart description file becomes output
// pages, a drawn chart or an error page for every chart it describes.
#pragma once

#include <string>

#include "app/options.h"
#include "model/chart_state.h"
#include "log/run_context.h"
#include "page/page_text.h"
#include "read/scanner.h"

namespace qp {

// Processes the chart description file that `sc` reads.  Expects
// run.chart_name, input_path, input_dir, output_dir set and run.file_error
// 0.  Closes every page it opened, the shared page included, before it
// returns.  The page text `page_text` serves every page in turn; `options`
// choose the pages' format.
void process_chart_file(ChartState& st, RunContext& run, PageText& page_text, Scanner& sc,
                        const Options& options = {});
// The same for a chart description file whose whole text (already read in
// text mode) is `text`, with a page text of its own.
void process_chart_file(ChartState& st, RunContext& run, const std::string& text);

// The default page name of the chart description file in hand.
std::string default_page_name(const RunContext& run);

}  // namespace qp
