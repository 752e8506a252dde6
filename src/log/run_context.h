// The state of one run: directories, run log, catalog, flags, and the
// console and file system it works through.  Passed explicitly to every
// unit; there are no globals.
#pragma once

#include <iosfwd>
#include <string>

#include "log/catalog.h"
#include "platform/file_system.h"
#include "log/run_log.h"

namespace qp {

// RED and END of the run log's error lines.
inline constexpr std::string_view kRed = "<font color='red'>";
inline constexpr std::string_view kEnd = "</font>";

struct RunContext {
    RunContext(FileSystem& fs_, std::ostream& console_, std::istream& keyboard_)
        : fs(fs_), console(console_), keyboard(keyboard_) {}

    FileSystem& fs;
    std::ostream& console;
    std::istream& keyboard;
    RunLog log;
    Catalog catalog;

    std::string program_dir;
    std::string current_dir;
    std::string input_dir;
    std::string output_dir;
    std::string chart_name;
    int file_error = 0;
    int run_error = -1;

    // Catalog text for the run log.
    const std::string& cat(Msg m) const { return catalog.text(m); }
};

}  // namespace qp
