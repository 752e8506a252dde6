#include "read/scanner.h"

namespace qp {

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
