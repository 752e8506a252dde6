// One chart description file, from its "Input from" lines to its OK or
// error lines, and the paired reports about files.
#include <memory>
#include <ostream>

#include "app/chart_file.h"
#include "app/run_steps.h"
#include "log/diagnostics.h"
#include "log/html_text.h"
#include "platform/text_pieces.h"
#include "read/scanner.h"

namespace qp {

void report_not_found(RunContext& run, const std::string& path) {
    run.console << builtin_text(Msg::File) << ' ' << path << ' '
                << builtin_text(Msg::DoesNotFound) << '\n';
    run.log << kRed << run.cat(Msg::File) << ' ' << as_text(path) << ' ' << run.cat(Msg::DoesNotFound)
            << kEnd << "<br>\n";
    tell_terminal_about_file(run, path, builtin_text(Msg::DoesNotFound));
    run.file_skipped = true;
}

void report_data_miss(RunContext& run, const std::string& path) {
    run.console << builtin_text(Msg::File) << ' ' << path << ": " << builtin_text(Msg::DataMiss)
                << '\n';
    run.log << kRed << run.cat(Msg::File) << ' ' << as_text(path) << ": " << run.cat(Msg::DataMiss) << kEnd
            << "<br>\n";
    tell_terminal_about_file(run, path, builtin_text(Msg::DataMiss));
    run.file_skipped = true;
}

void report_wrong_length(RunContext& run, const std::string& path) {
    run.console << builtin_text(Msg::File) << ' ' << path << ": "
                << builtin_text(Msg::WrongNameLength) << '\n';
    run.log << kRed << run.cat(Msg::File) << ' ' << as_text(path) << ": " << run.cat(Msg::WrongNameLength)
            << kEnd << "<br>\n";
    tell_terminal_about_file(run, path, builtin_text(Msg::WrongNameLength));
    run.file_skipped = true;
}

void report_not_opened(RunContext& run, const std::string& path, std::string_view reason) {
    const std::string_view not_opened = builtin_text(Msg::CanNotBeOpened);
    run.console << builtin_text(Msg::File) << ' ' << path << ": " << not_opened << '\n';
    run.log << kRed << run.cat(Msg::File) << ' ' << as_text(path) << ": " << run.cat(Msg::CanNotBeOpened)
            << kEnd << "<br>\n";
    tell_terminal_about_file(run, path,
                             reason.empty() ? std::string(not_opened)
                                            : std::string(not_opened) + ": " + std::string(reason));
}

void process_one_file(RunSession& session, const std::string& path, const std::string& name,
                      bool from_command_line) {
    RunContext& run = session.run;
    run.file_error = 0;
    session.st.file.numAREA = 0;
    run.chart_name = name;
    run.input_path = path;

    run.console << builtin_text(Msg::InputFrom) << ' ' << path << '\n';
    run.log << run.cat(Msg::InputFrom) << ' ' << as_text(path) << "<br>\n";

    if (!path_fits(path)) {
        report_wrong_length(run, path);
        return;
    }
    std::unique_ptr<InputFile> file = run.fs.open_read(path);
    if (!file) {
        report_not_found(run, path);
        return;
    }

    // Read a line at a time; closes every page it opened, the file's shared
    // page included.
    TextPieces pieces(std::move(file));
    Scanner sc(pieces);
    process_chart_file(session.st, run, session.page_text, sc, session.options);

    if (run.file_error == 0) {
        if (from_command_line) run.console << '\a';
        run.console << builtin_text(Msg::File) << ' ' << path << ' ' << builtin_text(Msg::OK)
                    << '\n';
        run.log << run.cat(Msg::File) << ' ' << as_text(path) << ' ' << run.cat(Msg::OK) << "<br>\n";
    } else {
        run.console << builtin_text(Msg::ErrorsAreFoundInFile) << ' ' << path << '\n';
        run.log << kRed << run.cat(Msg::ErrorsAreFoundInFile) << ' ' << as_text(path) << ' ' << kEnd
                << "<br>\n";
        run.run_error = 1;
    }
}

}  // namespace qp
