// The message file: an HTML page whose body lists replacement texts for
// the catalog ("1:text<br>"), so that the run log can speak another
// language.  Its head, up to the body tag, becomes the run log's head.
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>

#include "log/catalog.h"

namespace qp {

// Entry numbers are clamped here while digits accumulate; every larger
// number is refused like any number above the catalog's size.
inline constexpr int kMessageNumberCap = 1000000;

// Loads the message file's raw bytes into the catalog.  Console warnings
// (an entry number out of range, a text of more than 100 characters) go to
// `console`.  On success returns true and sets `head` to the file's head:
// every byte up to and including the body tag's ">", carriage returns left
// out, and a line end.  On failure the catalog may be partly replaced; the
// caller restores the built-in texts.
bool load_message_file(std::string_view bytes, Catalog& catalog, std::ostream& console,
                       std::string* head);

}  // namespace qp
