// Whole runs through run_program with a fixed platform and the memory file
// system; the console and run-log lines every run begins and ends with.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "app/run_loop.h"
#include "support/memory_file_system.h"

namespace qp::test {

inline const std::string kHead =
    "<HTML>\n<head><META Name=\"Generator\" Content=\"Quillplot\"></head>\n<BODY text='green'>\n";
inline const std::string kStartConsole =
    "Quillplot started in /work/ at 10:00:00 on 12/06/26\nLog file is /work/qplotlog.htm\n";
inline const std::string kEndConsole = "Quillplot finished at 10:00:07\n";
inline const std::string kEndLog = "Quillplot finished at 10:00:07<br>\n</BODY>\n</HTML>\n";
inline const std::string kRed = "<font color='red'>";

inline bool has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// The clock reads 10:00:00 at the start and 10:00:07 ever after.
class FakePlatform : public Platform {
public:
    bool has_current_dir = true;
    std::string program_dir(const char*) override { return "/prog/"; }
    bool current_dir(std::string* dir) override { return *dir = "/work/", has_current_dir; }
    std::string local_time() override { return calls_++ == 0 ? "10:00:00" : "10:00:07"; }
    std::string local_date() override { return "12/06/26"; }
    char separator() const override { return '/'; }
    bool input_is_terminal() const override { return keyboard_is_terminal; }

    bool keyboard_is_terminal = true;

    int calls_ = 0;
};

struct Session {
    FakePlatform platform;
    MemoryFileSystem fs;
    std::ostringstream console;
    std::ostringstream errors;
    std::istringstream keyboard;

    int run(const std::vector<std::string>& args, FileSystem* other = nullptr) {
        return run_program("/prog/qplot", args, platform, other ? *other : fs,
                           Terminal{console, errors, keyboard});
    }
    std::string log() { return fs.files["/work/qplotlog.htm"]; }
    // The run log's start line with the command line as it is written.
    static std::string started(const std::string& command) {
        return "Quillplot started in /work/ at 10:00:00 on 12/06/26 by command:<br>\n &nbsp; " +
               command + "<br>\n";
    }
};

// A file system on which nothing can be created.
struct ReadOnlyFileSystem : MemoryFileSystem {
    std::unique_ptr<OutputFile> open_write(const std::string&) override { return nullptr; }
};

// A chart description with one series, free of errors.
inline const std::string kGoodChart = "AREA;0;0;300;200;white;c;;;;\nD1;L1;2;red;;Sales;;1;2;3;\n";

}  // namespace qp::test
