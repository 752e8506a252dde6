#include "platform/text_lines.h"

namespace qp {

bool TextLines::next(std::string* line) {
    std::size_t searched = at_;
    for (;;) {
        const std::size_t end = window_.find('\n', searched);
        if (end != std::string::npos) {
            line->assign(window_, at_, end - at_);
            at_ = end + 1;
            return true;
        }
        // Lines already handed on are dropped before the next piece comes.
        window_.erase(0, at_);
        at_ = 0;
        searched = window_.size();
        if (window_.size() >= longest_line_) {
            cut_short_ = true;
            return false;
        }
        if (cut_short_ || !pieces_.append_to(window_)) break;
    }
    // A line cut off by a failed read is not handed on.
    cut_short_ = cut_short_ || pieces_.failed();
    if (cut_short_ || window_.empty()) return false;
    line->assign(window_);
    window_.clear();
    return true;
}

}  // namespace qp
