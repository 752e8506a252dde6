// Job files: line 1 the input directory, line 2 the output directory, then
// one chart description file name per line.  A job file is read a line at
// a time, twice: once to learn the files it names, once to process them.
#include <memory>
#include <ostream>

#include "app/run_steps.h"
#include "log/diagnostics.h"
#include "log/html_text.h"
#include "log/texts.h"
#include "platform/text_lines.h"
#include "read/safe_input.h"

namespace qp {

namespace {

// Reads line 1 or 2 into a directory: the line with the separator in place
// of its line end (or added, when the file ends without one).  Reports a
// missing line or one too long for a path; false then, and the job file is
// abandoned.
bool read_directory(RunSession& session, const std::string& job_path, TextLines& lines,
                    std::string* dir) {
    std::string line;
    if (!lines.next(&line)) {
        if (lines.cut_short()) return false;
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

// The chart description file names after the two directory lines, one a
// line.  Blanks before a name are dropped; everything after its first
// other character belongs to it, trailing blanks and tabs included.
template <typename Use>
void for_each_name(TextLines& lines, Use use) {
    std::string line;
    while (lines.next(&line)) {
        std::size_t first = line.find_first_not_of(' ');
        if (first == std::string::npos) continue;
        use(line.substr(first));
    }
}

// A chart file from others names no file outside the job's input
// directory: no leading separator, no drive, no ".." part.  Each character
// is judged with its part of the name and the separator before it.
bool leaves_input_directory(std::string_view name) {
    std::size_t part = 0;   // the last separator, or the name's start
    for (std::size_t i = 0; i < name.size(); ++i) {
        const int c = static_cast<unsigned char>(name[i]);
        if (leaves_job_directories(name.substr(part, i - part), c)) return true;
        if (c == '/' || c == '\\') part = i;
    }
    return false;
}

// Reads the two directory lines into the run's directories and tells
// them; false when the job cannot go on.
bool read_directories(RunSession& session, const std::string& job_path, TextLines& lines) {
    RunContext& run = session.run;
    if (!read_directory(session, job_path, lines, &run.input_dir)) return false;
    run.console << builtin_text(Msg::InputDataIsPlacedIn) << ' ' << run.input_dir << '\n';
    run.log << run.cat(Msg::InputDataIsPlacedIn) << ' ' << as_text(run.input_dir) << "<br>\n";

    if (!read_directory(session, job_path, lines, &run.output_dir)) return false;
    run.console << builtin_text(Msg::OutputDataWillBePlacedInto) << ' ' << run.output_dir << '\n';
    run.log << run.cat(Msg::OutputDataWillBePlacedInto) << ' ' << as_text(run.output_dir) << "<br>\n";
    return true;
}

// The job file read once more, from its first name on; false when it can
// no longer be opened (reported).
bool reopen_at_names(RunContext& run, const std::string& job_path, std::unique_ptr<TextLines>* lines) {
    std::unique_ptr<InputFile> file = run.fs.open_read(job_path);
    if (!file) {
        report_not_found(run, job_path);
        return false;
    }
    *lines = std::make_unique<TextLines>(std::move(file));
    std::string directory;
    return (*lines)->next(&directory) && (*lines)->next(&directory);
}

}  // namespace

void run_job_file(RunSession& session, const std::string& job_path) {
    RunContext& run = session.run;
    run.log << run.cat(Msg::InputFrom) << ' ' << as_text(job_path) << "<br>\n";
    if (!path_fits(job_path)) {
        report_wrong_length(run, job_path);
        return;
    }
    std::unique_ptr<InputFile> file = run.fs.open_read(job_path);
    if (!file) {
        report_not_found(run, job_path);
        return;
    }
    TextLines lines(std::move(file));
    bool cut_short = false;
    if (read_directories(session, job_path, lines)) {
        // The files the job names are the run's inputs before they are
        // read: no page of an earlier one replaces a later one.
        for_each_name(lines, [&run](const std::string& name) {
            run.files_read.will_read(run.input_dir + name);
        });
        std::unique_ptr<TextLines> names;
        if (reopen_at_names(run, job_path, &names)) {
            for_each_name(*names, [&session, &run](const std::string& name) {
                if (run.safe_input && leaves_input_directory(name)) {
                    report_not_opened(run, run.input_dir + name, kLeavesTheJob);
                    run.run_error = 1;
                    return;
                }
                process_one_file(session, run.input_dir + name, name, false);
            });
        }
        cut_short = names != nullptr && names->cut_short();
    }
    if (cut_short || lines.cut_short()) {
        report_cut_short(run, job_path);
        run.run_error = 1;
    }
}

}  // namespace qp
