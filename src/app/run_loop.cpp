// The program's outer loop: start-up, the arguments or the default job
// file, and the end of the run.
#include "app/run_loop.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <ostream>

#include "app/help_text.h"
#include "app/no_pages_file_system.h"
#include "app/options.h"
#include "log/diagnostics.h"
#include "log/html_text.h"
#include "log/message_file.h"
#include "log/texts.h"
#include "app/run_steps.h"

namespace qp {

namespace {

constexpr std::string_view kLogName = "qplotlog.htm";
constexpr std::string_view kMessageFileName = "qplotmsg.htm";
// A message file holds 34 texts of at most 100 characters and a head; one
// of more than a megabyte is taken for a wrong file.
constexpr std::uint64_t kMessageFileLimit = std::uint64_t{1} << 20;
constexpr std::string_view kDefaultJobName = "qplot.qpj";

enum class ArgumentKind { Invalid, ChartFile, JobFile };

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Classified by the last four characters: ".csv" or ".qpj" in any case,
// after at least one other character.
ArgumentKind classify(const std::string& arg) {
    std::size_t n = arg.size();
    if (n <= 4 || arg[n - 4] != '.') return ArgumentKind::Invalid;
    std::string ext{lower(arg[n - 3]), lower(arg[n - 2]), lower(arg[n - 1])};
    if (ext == "csv") return ArgumentKind::ChartFile;
    if (ext == "qpj") return ArgumentKind::JobFile;
    return ArgumentKind::Invalid;
}

// Loads the message file from the program's directory, if there is one,
// and writes the run log's head (the file's own or the standard one).
void load_messages(RunContext& run) {
    std::string path = run.program_dir + std::string(kMessageFileName);
    if (std::unique_ptr<InputFile> file = run.fs.open_read(path)) {
        run.console << kMessagesFrom << path << '\n';
        // A file too large to be a message file, or one that cannot be
        // read to its end, is not used.
        std::string bytes;
        std::string head;
        if (read_whole(*file, kMessageFileLimit, &bytes) &&
            load_message_file(bytes, run.catalog, run.console, &head)) {
            run.log << head;
            return;
        }
        run.console << kMessageFileErrors << path << kMessageFileNotUsed;
        run.catalog.restore_builtin();
    }
    run.log << kStandardHead;
}

void run_argument(RunSession& session, const std::string& arg) {
    RunContext& run = session.run;
    switch (classify(arg)) {
        case ArgumentKind::ChartFile:
            process_one_file(session, arg, arg, true);
            break;
        case ArgumentKind::JobFile:
            run_job_file(session, arg);
            break;
        case ArgumentKind::Invalid:
            run.log << kRed << run.cat(Msg::Error) << ": " << as_text(arg) << ' '
                    << run.cat(Msg::InvalidFileExtension) << kEnd << "<br>\n";
            tell_terminal_about_file(run, arg, builtin_text(Msg::InvalidFileExtension));
            run.file_skipped = true;
            break;
    }
}

// Answers --help, --version and an unknown option without running; no
// answer means the run goes on.
std::optional<int> answer_without_running(const Options& options, const Terminal& terminal) {
    if (!options.unknown.empty()) {
        terminal.errors << unknown_option_text(options.unknown);
        terminal.errors.flush();
        return 2;
    }
    if (options.help) {
        terminal.console << usage_text();
    } else if (options.version) {
        terminal.console << version_text();
    } else {
        return std::nullopt;
    }
    terminal.console.flush();
    return 0;
}

// The run log's line with the command; the options are left out, as the
// log stays what it is without them.
void log_command(RunContext& run, const std::string& start_time, const std::string& start_date,
                 const std::vector<std::string>& args) {
    run.log << kStartedIn << as_text(run.current_dir) << kStartedAt << start_time << kStartedOn
            << start_date << kByCommand;
    if (!args.empty()) {
        run.log << ' ';
        for (const std::string& arg : args) run.log << as_text(arg) << ' ';
    }
    run.log << "<br>\n";
}

// The files named on the command line, or the default job file.
void run_files(RunContext& run, Platform& platform, const Options& options) {
    // One chart state serves every chart of the run.
    auto st = std::make_unique<ChartState>();
    PageText page_text;
    RunSession session{run, *st, platform.separator(), page_text, options};
    if (options.files.empty()) {
        run_job_file(session, run.current_dir + std::string(kDefaultJobName));
        return;
    }
    run.input_dir.clear();
    run.output_dir.clear();
    // The files named are the run's inputs before they are read.
    for (const std::string& arg : options.files)
        if (classify(arg) != ArgumentKind::Invalid) run.files_read.will_read(arg);
    for (const std::string& arg : options.files) run_argument(session, arg);
}

}  // namespace

int run_program(const char* argv0, const std::vector<std::string>& arguments, Platform& platform,
                FileSystem& fs, const Terminal& terminal) {
    // The options are taken out first: the rest of the run sees only the
    // file names, as it would without them.
    const Options options = parse_options(arguments);
    if (const std::optional<int> code = answer_without_running(options, terminal)) return *code;
    const std::vector<std::string>& args = options.files;
    std::ostream& console = terminal.console;

    RunContext run(fs, console, terminal.keyboard);
    run.errors = &terminal.errors;
    run.program_dir = platform.program_dir(argv0);
    run.run_error = -1;
    if (!platform.current_dir(&run.current_dir)) {
        console << kFullpathError;
        console.flush();
        return 1;
    }
    if (!args.empty() && args[0] == "/?") {
        print_help(console, terminal.keyboard, platform.input_is_terminal());
        return 1;
    }

    const std::string start_time = platform.local_time();
    const std::string start_date = platform.local_date();
    console << kStartedIn << run.current_dir << kStartedAt << start_time << kStartedOn
            << start_date << '\n';

    std::string log_path = run.current_dir + std::string(kLogName);
    std::unique_ptr<OutputFile> log_file = fs.open_write(log_path);
    if (!log_file) {
        console << kLogCannotOpen << kAborted;
        console.flush();
        return 1;
    }
    run.log = RunLog(std::move(log_file));
    run.log_file = fs.identify(log_path);
    console << kLogFileIs << log_path << '\n';

    run.catalog.restore_builtin();
    load_messages(run);
    log_command(run, start_time, start_date, args);

    // With --check the pages are drawn as usual but go nowhere.
    NoPagesFileSystem no_pages(fs);
    if (options.check) run.page_fs = &no_pages;
    run.safe_input = options.safe;
    run_files(run, platform, options);

    const std::string end_time = platform.local_time();
    console << kFinishedAt << end_time << '\n';
    run.log << kFinishedAt << end_time << "<br>\n" << kLogEnd;
    bool log_written = run.log.close();
    if (!log_written) {
        // The log's file keeps what it held before the run.
        console << kLogFile << log_path << ' ' << kNotWritten << '\n';
        tell_terminal_about_file(run, log_path, kNotWritten);
    }
    console.flush();

    if (run.run_error == 1 || !log_written) return 1;
    if (options.strict && (run.file_skipped || run.page_lost)) return 1;
    return 0;
}

}  // namespace qp
