// What the run needs from the machine beyond files.
#pragma once

#include <memory>
#include <string>

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
    // True when standard input is a terminal (a person at a keyboard).
    virtual bool input_is_terminal() const = 0;
    // From now on a write to a pipe that nobody reads any more fails like
    // any other write instead of ending the program (a console piped into
    // a command that stops reading early).  Nothing to do where writes
    // fail that way already.
    virtual void ignore_broken_pipe() {}
};

std::unique_ptr<Platform> make_real_platform();

}  // namespace qp
