// The texts of an SVG page: how a chart's bytes become safe XML.
//
// A text whose bytes are valid UTF-8 is taken as UTF-8; any other text is
// read as windows-1252.  Either way it is written as UTF-8 with every
// character that XML gives a meaning escaped, and with the characters XML
// does not allow replaced.  Simple markup keeps its meaning: <b>, <i>, <u>,
// <sub>, <sup> and <br> become tspans, baseline shifts and line breaks,
// character references become the characters they name; any other tag is
// dropped and its text kept.  Nothing a text holds can become an element or
// an attribute of the page.
//
// Every function appends to `out`, so that a canvas can reuse one buffer.
#pragma once

#include <string>
#include <string_view>

namespace qp::svg {

bool is_valid_utf8(std::string_view bytes);

// The text as it stands (no markup), escaped for an element's content or a
// "..." attribute value.
void append_escaped(std::string& out, std::string_view text);

// The text with its markup resolved to plain characters: tags dropped
// (a line break becomes a blank), references replaced; escaped.
void append_plain(std::string& out, std::string_view text);

// Where the lines of a text start and how large its font is, for the
// tspans of its markup.
struct TextFrame {
    std::string_view x;   // the x of every line start, already written out
    double size = 0;      // the font size in pixels
};

// The text with its markup as tspans, to stand inside a <text> element.
// Each line break starts a line kLineHeight font sizes below the last.
void append_markup(std::string& out, std::string_view text, const TextFrame& frame);
inline constexpr double kLineHeight = 1.15;

// The number of lines the text's markup shows: one more than the line
// breaks before its last character (at least 1).
int line_count(std::string_view text);

// The link escaped for a "..." attribute value, its references resolved,
// when it may stand as a link: an http, https or mailto address or a
// relative reference, with no control character in it, read as a browser
// reads it.  False, with nothing appended, for any other link.
bool append_link(std::string& out, std::string_view url);

// The colour when it is a colour word, #hex, rgb(...) of numbers, or
// "transparent" (as "none"); empty for anything else.
std::string_view safe_color(std::string_view color);

// The font family with every character but letters, digits, blanks, '-',
// '_', '.' and ',' left out.
void append_font_family(std::string& out, std::string_view font);

// The weight or style word when it is one CSS knows ("bold", "italic",
// "normal", ...); empty otherwise.
std::string_view safe_font_word(std::string_view word);

// `v` rounded to `decimals` (0, 1 or 2) decimals, without trailing zeros,
// written at `p` (at most 32 characters); returns the end.
char* put_decimal(char* p, double v, int decimals);

}  // namespace qp::svg
