// What a chart file from others (--safe) may not hold, character by
// character, so that the reader refuses the very character that does harm
// with "Wrong symbol":
// - a font name holds only letters, digits, blanks, hyphens and commas;
// - a file name stays inside the job's directories: it does not begin
//   with a separator, names no drive (":") and has no part beginning
//   with ".." (the second "." is refused);
// - a link is an http, https or mailto address or a relative reference.
//   It is read as a browser reads it: blanks and control characters before
//   it and tabs and line ends in it do not count.  Before the scheme ends
//   (at ":") or the reference's first "/", "?" or "#", a ":" after any
//   other scheme is refused, and so is "&", which could hide a ":" as a
//   character reference.
#pragma once

#include <string>
#include <string_view>

namespace qp {

bool is_safe_font_char(int c);

// True when `c`, following `so_far` in a file name, would lead outside
// the job's directories.
bool leaves_job_directories(std::string_view so_far, int c);

// Follows a link as it is read.
class LinkCheck {
public:
    // True when `c` must be refused.
    bool refuses(int c);

private:
    std::string scheme_;   // lower case, as a browser reads it
    bool decided_ = false;
};

}  // namespace qp
