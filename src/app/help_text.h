// The help text shown for "/?".
#pragma once

#include <iosfwd>

namespace qp {

// Prints the two pages of the help text; after each page asks for a key
// and reads one character (the end of input just continues).  When the
// keyboard is no terminal the prompt is followed by a line end, so that
// piped help reads as two pages.
void print_help(std::ostream& console, std::istream& keyboard, bool keyboard_is_terminal);

}  // namespace qp
