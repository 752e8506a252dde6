// The run's options: flags that may stand anywhere among the arguments.
// Without any, every page, log line and console line is as it always was.
#pragma once

#include <string>
#include <vector>

namespace qp {

// How the pages of a run draw their charts.
enum class PageFormat { Vml, Svg };

struct Options {
    PageFormat format = PageFormat::Vml;   // "--svg": HTML5 pages with inline SVG
};

// Takes the options out of `args`, leaving the file names in their order.
Options take_options(std::vector<std::string>& args);

}  // namespace qp
