// The program's outer loop: start-up, the arguments or the default job
// file, every chart description file, and the end of the run.
#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/platform.h"

namespace qp {

// The terminal a run talks to: the console (standard output), standard
// error and the keyboard (standard input).
struct Terminal {
    std::ostream& console;
    std::ostream& errors;
    std::istream& keyboard;
};

// Runs the program; returns the exit code.  `args` excludes the program name.
int run_program(const char* argv0, const std::vector<std::string>& args, Platform& platform,
                FileSystem& fs, const Terminal& terminal);

}  // namespace qp
