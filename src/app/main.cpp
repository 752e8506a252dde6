#include <iostream>
#include <string>
#include <vector>

#include "app/run_loop.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    auto platform = qp::make_real_platform();
    // A console piped into a command that stops reading does not end the
    // run: its pages and run log are still written.
    platform->ignore_broken_pipe();
    auto fs = qp::make_real_file_system();
    return qp::run_program(argc > 0 ? argv[0] : "", args, *platform, *fs,
                           qp::Terminal{std::cout, std::cerr, std::cin});
}
