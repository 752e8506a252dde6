#include "app/options.h"

namespace qp {

namespace {

constexpr std::string_view kKnown = "--help, -h, --version, --svg, --check, --strict, --tidy, --safe, --";

}  // namespace

Options parse_options(const std::vector<std::string>& args) {
    Options options;
    bool options_end = false;
    for (const std::string& arg : args) {
        if (options_end || !(arg.rfind("--", 0) == 0 || arg == "-h")) {
            options.files.push_back(arg);
        } else if (arg == "--") {
            options_end = true;
        } else if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--version") {
            options.version = true;
        } else if (arg == "--svg") {
            options.format = PageFormat::Svg;
        } else if (arg == "--check") {
            options.check = true;
        } else if (arg == "--strict") {
            options.strict = true;
        } else if (arg == "--tidy") {
            options.tidy = true;
        } else if (arg == "--safe") {
            options.safe = true;
        } else if (options.unknown.empty()) {
            options.unknown = arg;
        }
    }
    return options;
}

std::string_view usage_text() {
    return "Usage: qplot [options] [file.csv | job.qpj]...\n"
           "       qplot /?\n"
           "\n"
           "Draws the charts of chart description files (.csv) and job files (.qpj)\n"
           "as HTML pages and writes the run log qplotlog.htm in the working directory.\n"
           "Without files it runs the job file qplot.qpj of the working directory.\n"
           "\n"
           "Options (anywhere among the files; \"--\" ends them):\n"
           "  -h, --help   this text\n"
           "  --version    the program's name and version\n"
           "  --svg        pages with inline SVG, shown by every current browser\n"
           "               (without it pages use VML, which only old browsers show)\n"
           "  --check      read and check every chart, write the run log, no pages\n"
           "  --strict     exit code 1 also for skipped files and pages not written\n"
           "  --tidy       charts laid out to read well: round scale steps, nothing\n"
           "               outside the plot, no overlapping labels (same records)\n"
           "  --safe       for chart files from others: markup in texts shown as text,\n"
           "               only http, https, mailto and relative links, plain font\n"
           "               names, file names inside the job's directories\n"
           "  /?           the original two-page help text\n"
           "\n"
           "Errors are also written to standard error as FILE:LINE:COLUMN: MESSAGE.\n"
           "\n"
           "Exit codes: 0 no errors; 1 a chart description file had errors (with\n"
           "--strict also a skipped file or a page not written), or the help text\n"
           "was shown, or the run could not start; 2 an unknown option.\n"
           "\n"
           "The record reference: the README and the manual page qplot(1).\n";
}

std::string_view version_text() { return "Quillplot 1.15\n"; }

std::string unknown_option_text(std::string_view option) {
    return "qplot: unknown option " + std::string(option) + " (known: " + std::string(kKnown) +
           ")\n";
}

}  // namespace qp
