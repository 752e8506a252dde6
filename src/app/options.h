// The command line's options.  Arguments that begin with "--" (and "-h")
// are options wherever they stand among the files; "--" alone ends the
// options, so that a file named like an option can follow it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qp {

// How the pages of a run draw their charts.
enum class PageFormat { Vml, Svg };

struct Options {
    bool help = false;      // --help, -h: the usage text
    bool version = false;   // --version
    PageFormat format = PageFormat::Vml;   // --svg: HTML5 pages with inline SVG
    bool check = false;     // --check: read and check, write no page
    bool strict = false;    // --strict: skipped files and lost pages fail the run
    bool tidy = false;      // --tidy: charts laid out to read well
    bool safe = false;      // --safe: chart files from others, markup shown as text
    std::vector<std::string> files;   // the other arguments, in order
    std::string unknown;    // the first option not known, if any

    bool any() const {
        return help || version || format != PageFormat::Vml || check || strict || tidy || safe || !unknown.empty();
    }
};

Options parse_options(const std::vector<std::string>& args);

// The usage text for --help, and the name and version for --version.
std::string_view usage_text();
std::string_view version_text();
// What standard error says about an unknown option.
std::string unknown_option_text(std::string_view option);

}  // namespace qp
