// The text-mode line-end rule shared by every file system.
#include "platform/file_system.h"

namespace qp {

std::string drop_cr_before_lf(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    // Copies the runs between the carriage returns that precede a line feed.
    std::size_t from = 0;
    for (std::size_t cr; (cr = bytes.find('\r', from)) != std::string_view::npos; from = cr + 1) {
        if (cr + 1 < bytes.size() && bytes[cr + 1] == '\n') {
            out.append(bytes.substr(from, cr - from));
        } else {
            out.append(bytes.substr(from, cr + 1 - from));
        }
    }
    out.append(bytes.substr(from));
    return out;
}

}  // namespace qp
