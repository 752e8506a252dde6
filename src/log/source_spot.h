// What a report needs to know about the place of an error in the input, and
// what it hands back: a snapshot of the line taken from the scanner, and
// where the line's echo stopped reading.  The diagnostics never see the
// scanner; the reader decides whether to go on where the echo stopped.
#pragma once

#include <cstddef>
#include <string_view>

namespace qp {

struct SourceSpot {
    std::string_view from_line_start;   // the input from the line's first character to its end
    int line_number = 0;
    int column = 0;         // characters read on the line, the end of the input included
    int field_column = 0;   // column at the first character of the field in hand
};

// Where the echo stopped: the characters it read from the line's start,
// the column it counted, and whether it met the end of the input.
struct EchoEnd {
    std::size_t consumed = 0;
    int column = 0;
    bool at_eof = false;
};

}  // namespace qp
