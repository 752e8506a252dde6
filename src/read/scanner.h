// The scanner position over the file being read (a chart description file
// or a stencil file), and the character-level helpers every record reader
// shares.  The file's text is held in memory; a stream position is an
// offset into it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "log/source_spot.h"

namespace qp {

inline constexpr int kEof = -1;

struct Scanner {
    const std::string* input_file = nullptr;  // the text being read
    std::size_t pos = 0;          // the next character to read
    int line_number = 0;
    std::size_t line_start = 0;   // position of the current line's first character
    int column = 0;               // characters read on this line, end of file included
    int field_column = 0;         // column at the first character of the field in hand
    int at_eof = 0;

    Scanner() = default;
    explicit Scanner(const std::string& text) : input_file(&text) {}

    // The next character (0..255) or kEof; counts it in `column` and sets
    // `at_eof` at the end of the text.
    int next_char() {
        ++column;
        if (input_file == nullptr || pos >= input_file->size()) {
            at_eof = 1;
            return kEof;
        }
        return static_cast<unsigned char>((*input_file)[pos++]);
    }

    // Begins a new line at the current position.
    void start_line() {
        ++line_number;
        line_start = pos;
        column = 0;
    }

    // The line in hand as a report sees it.
    SourceSpot spot() const {
        std::string_view rest;
        if (input_file != nullptr) rest = std::string_view(*input_file).substr(line_start);
        return SourceSpot{rest, line_number, column, field_column};
    }

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
