#include "read/safe_input.h"

namespace qp {

namespace {

bool is_letter(int c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool is_digit_char(int c) { return c >= '0' && c <= '9'; }
bool is_separator(int c) { return c == '\\' || c == '/'; }

char lower(int c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c); }

bool is_allowed_scheme(std::string_view scheme) {
    return scheme == "http" || scheme == "https" || scheme == "mailto";
}

}  // namespace

bool is_safe_font_char(int c) {
    return is_letter(c) || is_digit_char(c) || c == ' ' || c == '-' || c == ',';
}

bool leaves_job_directories(std::string_view so_far, int c) {
    if (so_far.empty() && is_separator(c)) return true;
    if (c == ':') return true;
    if (c != '.') return false;
    const std::size_t separator = so_far.find_last_of("\\/");
    const std::string_view part =
        separator == std::string_view::npos ? so_far : so_far.substr(separator + 1);
    return part == ".";
}

bool LinkCheck::refuses(int c) {
    if (decided_) return false;
    if (scheme_.empty() && c >= 0 && c <= ' ') return false;   // before the link
    if (c == '\t' || c == '\n' || c == '\r') return false;      // dropped by a browser
    if (c == '/' || c == '?' || c == '#') {
        decided_ = true;   // a relative reference
        return false;
    }
    if (c == '&') return true;
    if (c == ':') {
        decided_ = true;
        return !is_allowed_scheme(scheme_);
    }
    scheme_.push_back(lower(c));
    return false;
}

}  // namespace qp
