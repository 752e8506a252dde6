// The steps the run loop shares with the job file reader: one chart
// description file from opening to its OK or error lines, and the paired
// console and run-log reports about files.
#pragma once

#include <string>
#include <string_view>

#include "app/options.h"
#include "model/chart_state.h"
#include "page/page_text.h"
#include "log/run_context.h"

namespace qp {

// What the steps of one run work with.
struct RunSession {
    RunContext& run;
    ChartState& st;
    char separator;   // put after the directories the program builds
    // The text of the page being written, not yet handed to its file.  It
    // belongs to the run so that its storage serves every page in turn.
    PageText& page_text;
    Options options{};
};

// True when a path fits the program's path length.
inline bool path_fits(const std::string& path) {
    return static_cast<int>(path.size()) <= kPathMax;
}

// Console "File %s does not found", run log in red.
void report_not_found(RunContext& run, const std::string& path);
// Console "File %s: Data miss", run log in red.
void report_data_miss(RunContext& run, const std::string& path);
// Console "File %s: Wrong name length", run log in red.
void report_wrong_length(RunContext& run, const std::string& path);
// Console "File %s: can not be opened", run log in red, standard error
// with the reason when there is one.
void report_not_opened(RunContext& run, const std::string& path, std::string_view reason);

// Reads the chart description file at `path` (named `name` as written) and
// processes it; reports it as OK (with the bell for a file named on the
// command line) or as having errors.
void process_one_file(RunSession& session, const std::string& path, const std::string& name,
                      bool from_command_line);

// Reads the job file at `job_path`: the input and output directories, then
// one chart description file name per line, each processed in turn.
void run_job_file(RunSession& session, const std::string& job_path);

}  // namespace qp
