// The state of one run: directories, run log, catalog, flags, and the
// console and file system it works through.  Passed explicitly to every
// unit; there are no globals.
#pragma once

#include <iosfwd>
#include <string>

#include "log/catalog.h"
#include "log/files_read.h"
#include "platform/file_system.h"
#include "log/run_log.h"

namespace qp {

// RED and END of the run log's error lines.
inline constexpr std::string_view kRed = "<font color='red'>";
inline constexpr std::string_view kEnd = "</font>";

struct RunContext {
    RunContext(FileSystem& fs_, std::ostream& console_, std::istream& keyboard_)
        : files_read(fs_), fs(files_read), console(console_), keyboard(keyboard_) {}
    RunContext(const RunContext&) = delete;
    RunContext& operator=(const RunContext&) = delete;

    // Every file the run reads goes through `fs`, which remembers it.
    FilesRead files_read;
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

    // Standard error, which gets every error once more as one line; none
    // where nobody asked for it.
    std::ostream* errors = nullptr;
    // The file being read, as the console names it (a chart description,
    // stencil or job file): the errors' lines on standard error begin with it.
    std::string input_path;
    // A file was skipped (not found, a wrong extension or name length, a job
    // without its directory lines), or a page could not be written.
    bool file_skipped = false;
    // Chart files come from others (--safe): links, font names and file
    // names that could do harm are refused as input errors.
    bool safe_input = false;
    bool page_lost = false;
    // Where pages are written: the file system, or one that keeps no page
    // (checking only).
    FileSystem* page_fs = nullptr;
    FileSystem& pages() { return page_fs != nullptr ? *page_fs : fs; }
    // The run log's file, which no page replaces.
    FileIdentity log_file;

    // Catalog text for the run log.
    const std::string& cat(Msg m) const { return catalog.text(m); }
};

}  // namespace qp
