// The in-process pipelines that the fuzz targets drive and that the fuzz
// regression tests replay: arbitrary bytes as a chart description file, or
// split into a job file, a chart description file and a message file.
// Header-only, so that the libFuzzer build and the test suite share it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "app/chart_file.h"
#include "model/chart_state.h"
#include "platform/file_system.h"
#include "platform/text_pieces.h"
#include "read/scanner.h"
#include "support/memory_file_system.h"
#include "log/run_context.h"
#include "app/run_loop.h"

namespace qp::fuzz {

// The byte that separates the parts of a job input (ASCII record separator).
inline constexpr char kPartSeparator = '\x1e';

// Where the job pipeline places its files.
inline constexpr std::string_view kProgramDir = "/prog/";
inline constexpr std::string_view kWorkDir = "/work/";

// A memory file system in which every name that is not stored reads as one
// fixed text (the chart description of the input), so that whatever chart,
// stencil, heading or ending file the input names is found; a message file
// is found only when stored.  A name holding the word "missing" is never
// found, and a page whose name holds the word "full" cannot be written
// (like a full device), so the failure paths stay reachable.
class FuzzFileSystem : public MemoryFileSystem {
public:
    std::string fallback;

    std::unique_ptr<InputFile> open_read(const std::string& path) override {
        if (auto stored = MemoryFileSystem::open_read(path)) return stored;
        const std::string_view messages = "qplotmsg.htm";
        const bool message_file = path.size() >= messages.size() &&
                                  path.compare(path.size() - messages.size(), messages.size(), messages) == 0;
        if (message_file || path.find("missing") != std::string::npos) return nullptr;
        return input_file(path, fallback, read_size);
    }

    // Bytes written to each page.  Pages are counted, not kept, so that a
    // hostile input's large page costs no memory; the run log is kept.
    std::map<std::string, std::size_t> page_bytes;

    std::unique_ptr<OutputFile> open_write(const std::string& path) override {
        const bool full = path.find("full") != std::string::npos;
        if (path.size() >= 12 && path.compare(path.size() - 12, 12, "qplotlog.htm") == 0) {
            if (full) unwritable[path] = true;
            return MemoryFileSystem::open_write(path);
        }
        page_bytes[path] = 0;
        return std::make_unique<CountingFile>(page_bytes[path], full);
    }

private:
    class CountingFile : public OutputFile {
    public:
        CountingFile(std::size_t& count, bool full) : count_(count), full_(full) {}
        bool write(std::string_view bytes) override {
            if (full_) return false;
            count_ += bytes.size();
            return true;
        }
        bool close() override { return !full_; }

    private:
        std::size_t& count_;
        bool full_;
    };
};

// The three parts of a job input: job file, chart description file and
// (when a second separator is present) message file.
struct JobParts {
    std::string job;
    std::string chart;
    std::string message;
    bool has_message = false;
};

inline JobParts split_job_input(std::string_view bytes) {
    JobParts parts;
    std::size_t first = bytes.find(kPartSeparator);
    if (first == std::string_view::npos) {
        parts.job = std::string(bytes);
        return parts;
    }
    parts.job = std::string(bytes.substr(0, first));
    std::string_view rest = bytes.substr(first + 1);
    std::size_t second = rest.find(kPartSeparator);
    if (second == std::string_view::npos) {
        parts.chart = std::string(rest);
        return parts;
    }
    parts.chart = std::string(rest.substr(0, second));
    parts.message = std::string(rest.substr(second + 1));
    parts.has_message = true;
    return parts;
}

// What one pipeline run left behind, for the regression tests.
struct Outcome {
    int exit_code = 0;
    int file_error = 0;
    std::string log;                 // the run log as written
    std::size_t bytes_written = 0;   // all files together
    std::size_t files_written = 0;
};

inline void count_output(const FuzzFileSystem& fs, std::size_t inputs, Outcome* out) {
    std::size_t total = 0;
    for (const auto& [name, text] : fs.files) total += text.size();
    for (const auto& [name, count] : fs.page_bytes) total += count;
    out->bytes_written = total;
    out->files_written = fs.files.size() + fs.page_bytes.size() - inputs;
}

// Arbitrary bytes as one chart description file named on the command line:
// held whole, or (with a read size) read from a file that hands out at most
// `read_size` bytes at a time, as every file it names.  Both must give the
// same outcome.
inline Outcome run_chart_bytes(std::string_view bytes, std::size_t read_size = 0) {
    FuzzFileSystem fs;
    fs.fallback = std::string(bytes);
    std::ostringstream console;
    std::istringstream keyboard;
    RunContext run(fs, console, keyboard);
    run.chart_name = "fuzz.csv";
    run.input_path = "fuzz.csv";
    auto st = std::make_unique<ChartState>();
    if (read_size == 0) {
        process_chart_file(*st, run, drop_cr_before_lf(bytes));
    } else {
        fs.read_size = read_size;
        TextPieces pieces(MemoryFileSystem::input_file("fuzz.csv", std::string(bytes), read_size));
        Scanner sc(pieces);
        PageText page_text;
        process_chart_file(*st, run, page_text, sc);
    }
    Outcome out;
    out.file_error = run.file_error;
    out.log = run.log.pending();
    count_output(fs, 0, &out);
    return out;
}

// A platform with fixed directories and clock.
class FuzzPlatform : public Platform {
public:
    std::string program_dir(const char*) override { return std::string(kProgramDir); }
    bool current_dir(std::string* dir) override {
        *dir = std::string(kWorkDir);
        return true;
    }
    std::string local_time() override { return "12:00:00"; }
    std::string local_date() override { return "01/02/03"; }
    char separator() const override { return '/'; }
    bool input_is_terminal() const override { return false; }
};

// Arbitrary bytes split into the job file qplot.qpj of the working
// directory (the program runs without arguments), the chart description
// file that any job line names, and the message file beside the program.
inline Outcome run_job_bytes(std::string_view bytes) {
    JobParts parts = split_job_input(bytes);
    FuzzFileSystem fs;
    fs.fallback = parts.chart;
    fs.files[std::string(kWorkDir) + "qplot.qpj"] = parts.job;
    std::size_t inputs = 1;
    if (parts.has_message) {
        fs.files[std::string(kProgramDir) + "qplotmsg.htm"] = parts.message;
        ++inputs;
    }
    FuzzPlatform platform;
    std::ostringstream console;
    std::ostringstream errors;
    std::istringstream keyboard;
    Outcome out;
    out.exit_code =
        run_program("/prog/qplot", {}, platform, fs, Terminal{console, errors, keyboard});
    auto log = fs.files.find(std::string(kWorkDir) + "qplotlog.htm");
    if (log != fs.files.end()) out.log = log->second;
    count_output(fs, inputs, &out);
    return out;
}

}  // namespace qp::fuzz
