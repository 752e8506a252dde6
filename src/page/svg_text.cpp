// Encoding, escaping and markup of the texts of an SVG page.
#include "page/svg_text.h"

#include <array>
#include <charconv>
#include <algorithm>
#include <cmath>
#include <cstdint>

namespace qp::svg {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// windows-1252 at 0x80..0x9F; 0 marks the five bytes it leaves undefined.
constexpr std::array<char16_t, 32> kWindows1252 = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char32_t from_1252(unsigned char byte) {
    if (byte < 0x80 || byte >= 0xA0) return byte;
    const char32_t c = kWindows1252[byte - 0x80];
    return c == 0 ? kReplacement : c;
}

struct NamedReference {
    std::string_view name;
    char32_t code;
};

// The references a chart text is likely to hold; any other is kept as text.
constexpr NamedReference kNamed[] = {
    {"amp", '&'},      {"lt", '<'},        {"gt", '>'},        {"quot", '"'},
    {"apos", '\''},    {"nbsp", 0xA0},     {"copy", 0xA9},     {"reg", 0xAE},
    {"trade", 0x2122}, {"deg", 0xB0},      {"plusmn", 0xB1},   {"micro", 0xB5},
    {"middot", 0xB7},  {"para", 0xB6},     {"sect", 0xA7},     {"times", 0xD7},
    {"divide", 0xF7},  {"euro", 0x20AC},   {"pound", 0xA3},    {"yen", 0xA5},
    {"cent", 0xA2},    {"laquo", 0xAB},    {"raquo", 0xBB},    {"ndash", 0x2013},
    {"mdash", 0x2014}, {"hellip", 0x2026}, {"lsquo", 0x2018},  {"rsquo", 0x2019},
    {"ldquo", 0x201C}, {"rdquo", 0x201D},  {"bull", 0x2022},   {"frac12", 0xBD},
    {"frac14", 0xBC},  {"frac34", 0xBE},   {"sup1", 0xB9},     {"sup2", 0xB2},
    {"sup3", 0xB3},    {"auml", 0xE4},     {"ouml", 0xF6},     {"uuml", 0xFC},
    {"Auml", 0xC4},    {"Ouml", 0xD6},     {"Uuml", 0xDC},     {"szlig", 0xDF},
    {"eacute", 0xE9},  {"egrave", 0xE8},   {"agrave", 0xE0},   {"aacute", 0xE1},
    {"ccedil", 0xE7},  {"ntilde", 0xF1},   {"oacute", 0xF3},   {"iacute", 0xED},
    {"uacute", 0xFA},  {"Eacute", 0xC9},   {"alpha", 0x3B1},   {"beta", 0x3B2},
    {"mu", 0x3BC},     {"pi", 0x3C0},      {"sigma", 0x3C3},   {"Omega", 0x3A9},
    {"larr", 0x2190},  {"rarr", 0x2192},   {"uarr", 0x2191},   {"darr", 0x2193},
    {"le", 0x2264},    {"ge", 0x2265},     {"ne", 0x2260},     {"infin", 0x221E},
    {"permil", 0x2030}, {"shy", 0xAD},     {"ensp", 0x2002},   {"emsp", 0x2003},
    {"thinsp", 0x2009},
};

bool is_xml_char(char32_t c) {
    if (c < 0x20) return c == 0x9 || c == 0xA || c == 0xD;
    if (c < 0xD800) return true;
    if (c < 0xE000) return false;
    if (c < 0xFFFE) return true;
    return c >= 0x10000 && c <= 0x10FFFF;
}

bool is_alpha(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool is_digit(char c) { return c >= '0' && c <= '9'; }
bool is_alnum(char c) { return is_alpha(c) || is_digit(c); }
char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// One character, escaped; line ends and tabs become blanks.
void put_code(std::string& out, char32_t c) {
    if (!is_xml_char(c)) c = kReplacement;
    switch (c) {
        case '&': out += "&amp;"; return;
        case '<': out += "&lt;"; return;
        case '>': out += "&gt;"; return;
        case '"': out += "&quot;"; return;
        case '\'': out += "&#39;"; return;
        case '\t': case '\n': case '\r': out += ' '; return;
        default: break;
    }
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The length of the valid UTF-8 sequence at the start of `s`, 0 if none.
std::size_t utf8_length(std::string_view s) {
    const auto b = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const auto cont = [&](std::size_t i) { return i < s.size() && (b(i) & 0xC0) == 0x80; };
    const unsigned char c = b(0);
    if (c < 0x80) return 1;
    if (c >= 0xC2 && c <= 0xDF) return cont(1) ? 2 : 0;
    if (c >= 0xE0 && c <= 0xEF) {
        if (!cont(1) || !cont(2)) return 0;
        if (c == 0xE0 && b(1) < 0xA0) return 0;    // overlong
        if (c == 0xED && b(1) >= 0xA0) return 0;   // surrogate
        return 3;
    }
    if (c >= 0xF0 && c <= 0xF4) {
        if (!cont(1) || !cont(2) || !cont(3)) return 0;
        if (c == 0xF0 && b(1) < 0x90) return 0;    // overlong
        if (c == 0xF4 && b(1) >= 0x90) return 0;   // beyond U+10FFFF
        return 4;
    }
    return 0;
}

char32_t decode_utf8(std::string_view s, std::size_t n) {
    const auto b = [&](std::size_t i) { return static_cast<char32_t>(static_cast<unsigned char>(s[i])); };
    switch (n) {
        case 2: return ((b(0) & 0x1F) << 6) | (b(1) & 0x3F);
        case 3: return ((b(0) & 0x0F) << 12) | ((b(1) & 0x3F) << 6) | (b(2) & 0x3F);
        default: return ((b(0) & 0x07) << 18) | ((b(1) & 0x3F) << 12) | ((b(2) & 0x3F) << 6) |
                        (b(3) & 0x3F);
    }
}

// Text bytes in the text's own encoding, escaped.
void put_span(std::string& out, std::string_view span, bool utf8) {
    for (std::size_t i = 0; i < span.size();) {
        const auto byte = static_cast<unsigned char>(span[i]);
        if (byte < 0x80 || !utf8) {
            put_code(out, from_1252(byte));
            ++i;
            continue;
        }
        const std::size_t n = utf8_length(span.substr(i));
        const char32_t c = decode_utf8(span.substr(i), n);
        if (is_xml_char(c)) {
            out.append(span.substr(i, n));
        } else {
            put_code(out, kReplacement);
        }
        i += n;
    }
}

// The character a reference at the start of `s` names, with the
// reference's length; length 0 when `s` does not start with one.
struct Reference {
    char32_t code = 0;
    std::size_t length = 0;
};

Reference numeric_reference(std::string_view s) {
    const bool hex = s.size() > 2 && (s[2] == 'x' || s[2] == 'X');
    const std::size_t begin = hex ? 3 : 2;
    std::uint32_t value = 0;
    const auto [end, ec] = std::from_chars(s.data() + begin, s.data() + s.size(), value, hex ? 16 : 10);
    const auto length = static_cast<std::size_t>(end - s.data());
    if (length == begin || length >= s.size() || s[length] != ';') return {};
    char32_t code = ec == std::errc() ? value : kReplacement;
    // Numbers 128..159 name the windows-1252 characters, as browsers read them.
    if (code >= 0x80 && code < 0xA0) code = from_1252(static_cast<unsigned char>(code));
    if (code == 0 || !is_xml_char(code)) code = kReplacement;
    return {code, length + 1};
}

Reference reference_at(std::string_view s) {
    if (s.size() < 3) return {};
    if (s[1] == '#') return numeric_reference(s);
    std::size_t n = 1;
    while (n < s.size() && n < 12 && is_alnum(s[n])) ++n;
    if (n == 1 || n >= s.size() || s[n] != ';') return {};
    const std::string_view name = s.substr(1, n - 1);
    for (const NamedReference& r : kNamed) {
        if (r.name == name) return {r.code, n + 1};
    }
    return {};
}

// A tag at the start of `s`: its lowercased name (at most 8 characters;
// empty for a comment or declaration), whether it closes, and its length;
// length 0 when `s` does not start with a tag.
struct Tag {
    std::array<char, 8> name{};
    std::size_t name_size = 0;
    bool closing = false;
    std::size_t length = 0;
    std::string_view view() const { return {name.data(), name_size}; }
};

Tag tag_at(std::string_view s) {
    Tag tag;
    if (s.size() < 2) return tag;
    if (s.substr(0, 4) == "<!--") {
        const std::size_t end = s.find("-->", 4);
        if (end != std::string_view::npos) tag.length = end + 3;
        return tag;
    }
    std::size_t i = 1;
    if (s[1] == '/') {
        tag.closing = true;
        i = 2;
    }
    const bool declaration = !tag.closing && (s[1] == '!' || s[1] == '?');
    if (!declaration && (i >= s.size() || !is_alpha(s[i]))) return tag;
    const std::size_t end = s.find('>', i);
    if (end == std::string_view::npos) return tag;
    tag.length = end + 1;
    if (declaration) return tag;
    for (; i < end && is_alnum(s[i]); ++i) {
        if (tag.name_size == tag.name.size()) return Tag{{}, 0, tag.closing, tag.length};
        tag.name[tag.name_size++] = lower(s[i]);
    }
    return tag;
}

// Walks a text: runs of plain bytes, referenced characters and tags, in
// order, handed to `h`.
template <typename Handler>
void walk(std::string_view text, Handler& h) {
    std::size_t plain = 0;
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] == '&') {
            const Reference r = reference_at(text.substr(i));
            if (r.length > 0) {
                h.span(text.substr(plain, i - plain));
                h.code(r.code);
                i += r.length;
                plain = i;
                continue;
            }
        } else if (text[i] == '<') {
            const Tag t = tag_at(text.substr(i));
            if (t.length > 0) {
                h.span(text.substr(plain, i - plain));
                h.tag(t.view(), t.closing);
                i += t.length;
                plain = i;
                continue;
            }
        }
        ++i;
    }
    h.span(text.substr(plain));
}

struct PlainWriter {
    std::string& out;
    bool utf8;
    void span(std::string_view s) { put_span(out, s, utf8); }
    void code(char32_t c) { put_code(out, c); }
    void tag(std::string_view name, bool) {
        if (name == "br") out += ' ';
    }
};

// Counts the lines that hold a character.
struct LineCounter {
    int breaks = 0;
    int lines = 1;
    void span(std::string_view s) {
        if (!s.empty()) lines = breaks + 1;
    }
    void code(char32_t) { lines = breaks + 1; }
    void tag(std::string_view name, bool) {
        if (name == "br") ++breaks;
    }
};

// The markup as flat tspans: a tspan is opened whenever the style or the
// baseline of the text changes, and stays open while they do not.
class TspanWriter {
public:
    TspanWriter(std::string& out, const TextFrame& frame, bool utf8)
        : out_(out), frame_(frame), utf8_(utf8) {}
    ~TspanWriter() { close(); }

    void span(std::string_view s) {
        if (s.empty()) return;
        start_run();
        put_span(out_, s, utf8_);
    }
    void code(char32_t c) {
        start_run();
        put_code(out_, c);
    }
    void tag(std::string_view name, bool closing);

private:
    static constexpr int kMaxShifts = 4;
    static constexpr double kShiftedSize = 0.8;

    struct Style {
        bool bold = false, italic = false, underline = false;
        int level = 0;
        double y = 0;   // the baseline below the first line's
        bool operator==(const Style&) const = default;
    };
    Style wanted() const {
        return {bold_ > 0, italic_ > 0, underline_ > 0, shifts_, line_ * kLineHeight * frame_.size + shift()};
    }
    double shift() const { return shifts_ == 0 ? 0 : shift_[shifts_ - 1]; }
    double size() const { return frame_.size * std::pow(kShiftedSize, shifts_); }
    void shift_by(bool up, bool closing);
    void start_run();
    void open(const Style& s);
    void close();
    void number(double v);

    std::string& out_;
    const TextFrame& frame_;
    bool utf8_;
    int bold_ = 0, italic_ = 0, underline_ = 0;
    int shifts_ = 0, lost_shifts_ = 0;   // sub/sup levels held and beyond the deepest
    std::array<double, kMaxShifts> shift_{};
    int line_ = 0;
    bool new_line_ = false;
    bool open_ = false;
    Style current_;   // the style of the text written so far
};

void TspanWriter::tag(std::string_view name, bool closing) {
    const auto count = [closing](int& depth) {
        depth = closing ? (depth > 0 ? depth - 1 : 0) : depth + 1;
    };
    if (name == "b" || name == "strong") {
        count(bold_);
    } else if (name == "i" || name == "em") {
        count(italic_);
    } else if (name == "u") {
        count(underline_);
    } else if (name == "sub" || name == "sup") {
        shift_by(name == "sup", closing);
    } else if (name == "br") {
        ++line_;
        new_line_ = true;
    }
}

void TspanWriter::shift_by(bool up, bool closing) {
    if (closing) {
        if (lost_shifts_ > 0) {
            --lost_shifts_;
        } else if (shifts_ > 0) {
            --shifts_;
        }
        return;
    }
    if (shifts_ == kMaxShifts) {
        ++lost_shifts_;
        return;
    }
    const double by = up ? -0.4 * size() : 0.25 * size();
    shift_[static_cast<std::size_t>(shifts_)] = shift() + by;
    ++shifts_;
}

void TspanWriter::start_run() {
    const Style s = wanted();
    if (s == current_ && !new_line_) return;
    close();
    open(s);
}

void TspanWriter::open(const Style& s) {
    const bool plain = !s.bold && !s.italic && !s.underline && s.level == 0;
    const double dy = s.y - current_.y;
    if (plain && dy == 0 && !new_line_) {
        current_ = s;
        return;
    }
    out_ += "<tspan";
    if (new_line_) {
        out_ += " x=\"";
        out_ += frame_.x;
        out_ += '"';
        new_line_ = false;
    }
    if (dy != 0) {
        out_ += " dy=\"";
        number(dy);
        out_ += '"';
    }
    if (s.bold) out_ += " font-weight=\"bold\"";
    if (s.italic) out_ += " font-style=\"italic\"";
    if (s.underline) out_ += " text-decoration=\"underline\"";
    if (s.level > 0) {
        out_ += " font-size=\"";
        number(size());
        out_ += '"';
    }
    out_ += '>';
    open_ = true;
    current_ = s;
}

void TspanWriter::close() {
    if (!open_) return;
    out_ += "</tspan>";
    open_ = false;
}

void TspanWriter::number(double v) {
    std::array<char, 32> buf{};
    out_.append(buf.data(), static_cast<std::size_t>(put_decimal(buf.data(), v, 1) - buf.data()));
}

bool equals_lower(std::string_view s, std::string_view lower_word) {
    if (s.size() != lower_word.size()) return false;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (lower(s[i]) != lower_word[i]) return false;
    }
    return true;
}

bool is_hex(char c) { return is_digit(c) || (lower(c) >= 'a' && lower(c) <= 'f'); }

}  // namespace

char* put_decimal(char* p, double v, int decimals) {
    // Pixel values are far smaller; the bound keeps the text within 32.
    constexpr double kLargest = 1e15;
    if (!std::isfinite(v)) v = 0;
    v = std::clamp(v, -kLargest, kLargest);
    const double scale = decimals == 2 ? 100.0 : decimals == 1 ? 10.0 : 1.0;
    double r = std::round(v * scale) / scale;
    if (r == 0) r = 0;   // no "-0"
    char* end = std::to_chars(p, p + 31, r, std::chars_format::fixed, decimals).ptr;
    if (decimals > 0) {
        while (end[-1] == '0') --end;
        if (end[-1] == '.') --end;
    }
    return end;
}

bool is_valid_utf8(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t n = utf8_length(bytes.substr(i));
        if (n == 0) return false;
        i += n;
    }
    return true;
}

void append_escaped(std::string& out, std::string_view text) {
    put_span(out, text, is_valid_utf8(text));
}

void append_plain(std::string& out, std::string_view text) {
    PlainWriter w{out, is_valid_utf8(text)};
    walk(text, w);
}

void append_markup(std::string& out, std::string_view text, const TextFrame& frame) {
    TspanWriter w(out, frame, is_valid_utf8(text));
    walk(text, w);
}

int line_count(std::string_view text) {
    LineCounter c;
    walk(text, c);
    return c.lines;
}

namespace {

// Calls f(c) for every character of a link with its references resolved,
// so that "javascript&#58;" is read as the scheme it names.
template <typename F>
void for_each_link_char(std::string_view url, F f) {
    const bool utf8 = is_valid_utf8(url);
    for (std::size_t i = 0; i < url.size();) {
        const Reference r = url[i] == '&' ? reference_at(url.substr(i)) : Reference{};
        if (r.length > 0) {
            f(r.code);
            i += r.length;
            continue;
        }
        const auto byte = static_cast<unsigned char>(url[i]);
        if (byte < 0x80 || !utf8) {
            f(from_1252(byte));
            ++i;
            continue;
        }
        const std::size_t n = utf8_length(url.substr(i));
        f(decode_utf8(url.substr(i), n));
        i += n;
    }
}

}  // namespace

bool append_link(std::string& out, std::string_view url) {
    // The scheme: the characters before the first ':', '/', '?' or '#'.
    std::array<char, 8> scheme{};
    std::size_t scheme_size = 0;
    bool scheme_ended = false, has_colon = false, scheme_chars = true, controls = false;
    bool leading = true;
    std::size_t shown = 0;
    for_each_link_char(url, [&](char32_t c) {
        if (leading && c <= ' ') return;   // blanks before a link are not part of it
        leading = false;
        ++shown;
        if (c < 0x20 || c == 0x7F) controls = true;
        if (scheme_ended) return;
        if (c == ':' || c == '/' || c == '?' || c == '#') {
            scheme_ended = true;
            has_colon = c == ':';
            return;
        }
        const bool ok = c < 0x80 && (is_alnum(static_cast<char>(c)) || c == '+' || c == '-' || c == '.');
        if (!ok || (scheme_size == 0 && !is_alpha(static_cast<char>(c)))) scheme_chars = false;
        if (scheme_size < scheme.size()) {
            scheme[scheme_size] = ok ? lower(static_cast<char>(c)) : '?';
        }
        ++scheme_size;
    });
    if (shown == 0 || controls) return false;
    if (has_colon && scheme_chars) {
        if (scheme_size > scheme.size()) return false;
        const std::string_view s(scheme.data(), scheme_size);
        if (s != "http" && s != "https" && s != "mailto") return false;
    }
    leading = true;
    for_each_link_char(url, [&](char32_t c) {
        if (leading && c <= ' ') return;
        leading = false;
        put_code(out, c);
    });
    return true;
}

std::string_view safe_color(std::string_view color) {
    if (color.empty() || color.size() > 40) return {};
    if (color[0] == '#') {
        const std::size_t n = color.size() - 1;
        if (n != 3 && n != 4 && n != 6 && n != 8) return {};
        for (const char c : color.substr(1)) {
            if (!is_hex(c)) return {};
        }
        return color;
    }
    if (equals_lower(color, "transparent")) return "none";
    bool word = true;
    for (const char c : color) word = word && is_alpha(c);
    if (word) return color;
    if (color.size() > 5 && equals_lower(color.substr(0, 4), "rgb(") && color.back() == ')') {
        for (const char c : color.substr(4, color.size() - 5)) {
            if (!is_digit(c) && c != ',' && c != ' ' && c != '%' && c != '.') return {};
        }
        return color;
    }
    return {};
}

void append_font_family(std::string& out, std::string_view font) {
    for (const char c : font) {
        if (is_alnum(c) || c == ' ' || c == '-' || c == '_' || c == '.' || c == ',') out += c;
    }
}

std::string_view safe_font_word(std::string_view word) {
    static constexpr std::string_view kWords[] = {
        "normal", "bold", "bolder", "lighter", "italic", "oblique",
        "100", "200", "300", "400", "500", "600", "700", "800", "900"};
    for (const std::string_view w : kWords) {
        if (equals_lower(word, w)) return w;
    }
    return {};
}

}  // namespace qp::svg
