// Job files: line 1 the input directory, line 2 the output directory, then
// one chart description file name per line.
#include <ostream>

#include "app/run_steps.h"
#include "log/html_text.h"

namespace qp {

namespace {

// Reads the line that starts at `pos` (its line end left out) and moves
// `pos` past it; false when the text has no further line.
bool next_line(const std::string& text, std::size_t& pos, std::string* line) {
    if (pos >= text.size()) return false;
    std::size_t end = text.find('\n', pos);
    if (end == std::string::npos) end = text.size();
    line->assign(text, pos, end - pos);
    pos = end < text.size() ? end + 1 : end;
    return true;
}

// Reads line 1 or 2 into a directory: the line with the separator in place
// of its line end (or added, when the file ends without one).  Reports a
// missing line or one too long for a path; false then, and the job file is
// abandoned.
bool read_directory(RunSession& session, const std::string& job_path, const std::string& text,
                    std::size_t& pos, std::string* dir) {
    std::string line;
    if (!next_line(text, pos, &line)) {
        report_data_miss(session.run, job_path);
        return false;
    }
    line.push_back(session.separator);
    if (!path_fits(line)) {
        line.pop_back();
        report_wrong_length(session.run, line);
        return false;
    }
    *dir = std::move(line);
    return true;
}

// The chart description file names from `pos` on, one a line.  Blanks
// before a name are dropped; everything after its first other character
// belongs to it, trailing blanks and tabs included.
template <typename Use>
void for_each_name(const std::string& text, std::size_t pos, Use use) {
    std::string line;
    while (next_line(text, pos, &line)) {
        std::size_t first = line.find_first_not_of(' ');
        if (first == std::string::npos) continue;
        use(line.substr(first));
    }
}

}  // namespace

void process_job_file(RunSession& session, const std::string& job_path, const std::string& text) {
    RunContext& run = session.run;
    std::size_t pos = 0;

    if (!read_directory(session, job_path, text, pos, &run.input_dir)) return;
    run.console << builtin_text(Msg::InputDataIsPlacedIn) << ' ' << run.input_dir << '\n';
    run.log << run.cat(Msg::InputDataIsPlacedIn) << ' ' << as_text(run.input_dir) << "<br>\n";

    if (!read_directory(session, job_path, text, pos, &run.output_dir)) return;
    run.console << builtin_text(Msg::OutputDataWillBePlacedInto) << ' ' << run.output_dir << '\n';
    run.log << run.cat(Msg::OutputDataWillBePlacedInto) << ' ' << as_text(run.output_dir) << "<br>\n";

    // The files the job names are the run's inputs before they are read:
    // no page of an earlier one replaces a later one.
    for_each_name(text, pos, [&run](const std::string& name) {
        run.files_read.will_read(run.input_dir + name);
    });
    for_each_name(text, pos, [&session, &run](const std::string& name) {
        process_one_file(session, run.input_dir + name, name, false);
    });
}

}  // namespace qp
