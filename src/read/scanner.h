// The scanner position over the file being read (a chart description file
// or a stencil file), and the character-level helpers every record reader
// shares.
//
// The scanner reads its file a piece at a time and keeps a window of it:
// from the first character of the line in hand (a record continued over
// several lines counts as one) to the last piece read.  The window holds
// at most the longest line and a piece; a longer line (kLongestLine unless
// the scanner is told otherwise) ends the reading there, as if the file
// ended.  Positions count in the
// window.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "log/source_spot.h"
#include "platform/text_pieces.h"

namespace qp {

inline constexpr int kEof = -1;

struct Scanner {
    std::size_t pos = 0;          // the next character to read
    int line_number = 0;
    std::size_t line_start = 0;   // position of the current line's first character
    int column = 0;               // characters read on this line, end of file included
    int field_column = 0;         // column at the first character of the field in hand
    int at_eof = 0;

    Scanner() = default;
    // A scanner over a text held whole.
    explicit Scanner(std::string_view text) : window_(text) {}
    // A scanner over a file read a piece at a time, whose lines may be
    // `longest_line` characters long.
    explicit Scanner(TextPieces& file, std::size_t longest_line = kLongestLine)
        : file_(&file), longest_line_(longest_line) {}

    // The next character (0..255) or kEof; counts it in `column` and sets
    // `at_eof` at the end of the text.
    int next_char() {
        ++column;
        if (pos >= window_.size() && !read_more()) {
            at_eof = 1;
            return kEof;
        }
        return static_cast<unsigned char>(window_[pos++]);
    }

    // Begins a new line at the current position.
    void start_line() {
        ++line_number;
        line_start = pos;
        column = 0;
    }

    // The line in hand as a report sees it: from its first character to
    // its end at the first line feed from the current position on (or the
    // end of the file).  Valid until the next character is read.
    SourceSpot spot();

    // Goes on where a report's echo of the line stopped reading.
    void resume_after(const EchoEnd& end) {
        pos = line_start + end.consumed;
        column = end.column;
        at_eof = end.at_eof ? 1 : 0;
    }

    // Reads and drops everything up to and including the next line feed.
    void skip_rest_of_line() {
        for (;;) {
            int c = next_char();
            if (c == '\n' || c == kEof) return;
        }
    }

    // The characters read ahead, from the current position on; empty when
    // every character read so far has been taken.  For readers that take
    // runs of plain characters at once (each taken one moves `pos` and
    // `column` on as next_char() would).
    std::string_view ahead() const { return window_.view().substr(pos); }
    // Reads the file's next piece into the window; false at its end.
    bool read_more();

    // True when the reading stopped early: a read failed, or a line was
    // longer than the longest line.
    bool cut_short() const { return cut_short_; }
    // The characters the window holds.
    std::size_t held() const { return window_.size(); }

private:
    TextBuffer window_;
    TextPieces* file_ = nullptr;
    std::size_t longest_line_ = kLongestLine;
    bool cut_short_ = false;
};

// Value of a decimal digit character.
inline int digit_value(int c) { return c - '0'; }

// 1-based position of c in `allowed`; 0 when absent (kEof is never found).
int char_position(int c, std::string_view allowed);

// 1-based position of " word " in `list` (blank-separated words with a
// blank at each end); 0 when it does not occur.
int word_in_list(std::string_view word, std::string_view list);

// The sixteen colour names, as the list word_in_list searches.
inline constexpr std::string_view kColorNames =
    " black silver gray maroon purple fuchsia aqua teal navy olive lime blue green red white yellow ";

}  // namespace qp
