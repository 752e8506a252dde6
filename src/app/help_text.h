// The help text shown for "/?".
#pragma once

#include <iosfwd>

namespace qp {

// Prints the two pages of the help text; after each page asks for a key
// and reads one character (the end of input just continues).
void print_help(std::ostream& console, std::istream& keyboard);

}  // namespace qp
