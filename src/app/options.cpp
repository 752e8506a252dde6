#include "app/options.h"

#include <algorithm>

namespace qp {

Options take_options(std::vector<std::string>& args) {
    Options options;
    const auto svg = std::remove(args.begin(), args.end(), std::string("--svg"));
    if (svg != args.end()) options.format = PageFormat::Svg;
    args.erase(svg, args.end());
    return options;
}

}  // namespace qp
