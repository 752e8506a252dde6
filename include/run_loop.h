// The program's outer loop: start-up, the arguments or the default job
// file, every chart description file, and the end of the run.
#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "file_system.h"

namespace qp {

// What the run needs from the machine beyond files (platform layer).
class Platform {
public:
    virtual ~Platform() = default;
    // Directory of the running program, with its trailing separator.
    virtual std::string program_dir(const char* argv0) = 0;
    // Working directory with its trailing separator; false when unknown.
    virtual bool current_dir(std::string* dir) = 0;
    // Local time "hh:mm:ss" and date "mm/dd/yy".
    virtual std::string local_time() = 0;
    virtual std::string local_date() = 0;
    // The separator the program puts after directories it builds.
    virtual char separator() const = 0;
};

std::unique_ptr<Platform> make_real_platform();

// Runs the program; returns the exit code.  `args` excludes the program name.
int run_program(const char* argv0, const std::vector<std::string>& args,
                Platform& platform, FileSystem& fs,
                std::ostream& console, std::istream& keyboard);

}  // namespace qp
