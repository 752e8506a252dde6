// A file read in text mode a line at a time, in memory bounded by its
// longest line and a piece.
#pragma once

#include <memory>
#include <string>

#include "platform/text_pieces.h"

namespace qp {

class TextLines {
public:
    explicit TextLines(std::unique_ptr<InputFile> file, std::size_t longest_line = kLongestLine)
        : pieces_(std::move(file)), longest_line_(longest_line) {}

    // The next line, its line feed left out; false when the file holds no
    // further line (a last line without a line feed is a line).
    bool next(std::string* line);

    // True when the reading stopped early: a read failed, or a line was
    // longer than the longest line (kLongestLine unless told otherwise).
    bool cut_short() const { return cut_short_; }

private:
    TextPieces pieces_;
    std::string window_;
    std::size_t longest_line_;
    std::size_t at_ = 0;   // the next line's first character
    bool cut_short_ = false;
};

}  // namespace qp
