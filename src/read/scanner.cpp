#include "read/scanner.h"

namespace qp {

bool Scanner::read_more() {
    if (file_ == nullptr || cut_short_) return false;
    // Nothing before the line in hand is read again.
    if (line_start > 0) {
        window_.drop_front(line_start);
        pos -= line_start;
        line_start = 0;
    }
    if (window_.size() >= longest_line_) {
        cut_short_ = true;
        return false;
    }
    if (file_->append_to(window_)) return true;
    cut_short_ = file_->failed();
    return false;
}

SourceSpot Scanner::spot() {
    // The echo reads on to the line's end: the window is filled up to the
    // first line feed from the current position on.
    std::size_t searched = pos - line_start;
    while (window_.view().find('\n', line_start + searched) == std::string_view::npos) {
        searched = window_.size() - line_start;
        if (!read_more()) break;
    }
    return SourceSpot{window_.view().substr(line_start), line_number, column, field_column};
}

int char_position(int c, std::string_view allowed) {
    if (c < 0) return 0;
    std::size_t at = allowed.find(static_cast<char>(c));
    return at == std::string_view::npos ? 0 : static_cast<int>(at) + 1;
}

int word_in_list(std::string_view word, std::string_view list) {
    std::string needle;
    needle.reserve(word.size() + 2);
    needle.push_back(' ');
    needle.append(word);
    needle.push_back(' ');
    std::size_t at = list.find(needle);
    return at == std::string_view::npos ? 0 : static_cast<int>(at) + 1;
}

}  // namespace qp
