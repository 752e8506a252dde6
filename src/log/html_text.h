// Input shown as text in HTML: the run log and the error page echo lines,
// file names, paths, titles and the command line with "<", ">", "&" and
// both quotes written as character references, so that nothing a chart
// file holds becomes markup there.  Every other byte stays as it is.
#pragma once

#include <string>
#include <string_view>

#include "log/run_log.h"

namespace qp {

// The character reference of `c`, or `c` itself.  `c` must outlive the
// returned view.
inline std::string_view html_char(const char& c) {
    switch (c) {
        case '<': return "&lt;";
        case '>': return "&gt;";
        case '&': return "&amp;";
        case '"': return "&quot;";
        case '\'': return "&#39;";
        default: return {&c, 1};
    }
}

inline void append_html_text(std::string& out, std::string_view text) {
    for (const char& c : text) out.append(html_char(c));
}

inline std::string html_text(std::string_view text) {
    std::string s;
    s.reserve(text.size());
    append_html_text(s, text);
    return s;
}

// A text from input on its way into the run log: `log << as_text(name)`.
struct AsText {
    std::string_view text;
};
inline AsText as_text(std::string_view text) { return {text}; }

inline RunLog& operator<<(RunLog& log, AsText t) {
    for (const char& c : t.text) log << html_char(c);
    return log;
}

}  // namespace qp
