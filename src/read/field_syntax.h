// The field syntaxes that the record readers compose: keywords and flag
// words, whole and real numbers, colours, identifiers and file names.
//
// Each piece takes the characters of one field, one at a time, and says
// whether it accepted the character; the record driver (field_table.h)
// decides what a refused character means and reports it.  A ";" and the
// line end never reach these pieces: they close the field.
#pragma once

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

#include "model/chart_state.h"
#include "read/scanner.h"

namespace qp {

// Expected texts and character sets.
inline constexpr std::string_view kDigits = "0123456789";
inline constexpr std::string_view kHexDigits = "0123456789ABCDEFabcdef";
// What a "#" colour shows as expected: the X reader has its own text.
inline constexpr std::string_view kHexExpected = "01234567890ABCDEFabcdef";
inline constexpr std::string_view kHexExpectedX = "0123456789ABCDEFabcdef";
inline constexpr std::string_view kIdentifierChars =
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ_0123456789";
inline constexpr std::string_view kFileNameForbidden = "/*?\"<>|";
inline constexpr std::string_view kRecordLetters = "A B P D L T X Y";

inline constexpr int kWholeMax = 2147483647;   // a whole number stops growing here
inline constexpr int kHexColorDigitsMax = 6;
inline constexpr std::string_view kTransparent = "transparent";

inline bool is_blank(int c) { return c == ' '; }
inline bool is_line_end(int c) { return c == '\n' || c == kEof; }
inline bool is_digit(int c) { return c >= '0' && c <= '9'; }
inline int ascii_upper(int c) { return (c >= 'a' && c <= 'z') ? c - 'a' + 'A' : c; }
inline int ascii_lower(int c) { return (c >= 'A' && c <= 'Z') ? c - 'A' + 'a' : c; }

// value * 10 + digit, staying at kWholeMax instead of overflowing.
int add_digit(int value, int digit);

// A real rounded once to single precision; magnitudes beyond the largest
// float stay at the largest float.
inline float to_float(double x) {
    constexpr double kMax = std::numeric_limits<float>::max();
    if (x > kMax) return std::numeric_limits<float>::max();
    if (x < -kMax) return -std::numeric_limits<float>::max();
    return static_cast<float>(x);
}

// How the expected text of a keyword or flag word is written.
enum class WordForm {
    Plain,    // "R r", or ";  " when only the ";" is missing
    Border,   // "S s ;", or "; ; ;"
    Legend,   // "E e ;", or "+ ! ;"
};

// A keyword or flag word matched letter by letter in either case.  The
// word is written in capitals; `matched` letters count as already read
// (1 for a record word, whose first letter chose the record).
class WordMatch {
public:
    explicit WordMatch(std::string_view word = {}, std::size_t matched = 0)
        : word_(word), matched_(matched) {}

    // True (and one letter further) when c is the next letter.
    bool feed(int c);
    bool started() const { return matched_ > 0; }
    bool complete() const { return matched_ >= word_.size(); }
    // What the report about a refused character names as expected.
    std::string expected(WordForm form) const;

private:
    std::string_view word_;
    std::size_t matched_;
};

// What a real number accepts and gives.  The D record's values take a
// sign, keep it on "-0" and name their digits with a trailing "0".
struct NumberRules {
    bool allow_sign = false;
    bool keeps_minus_zero = false;          // "-0" closes as -0 rather than 0
    std::string_view expected = kDigits;    // what a refused character reports
};

// A real number: digits with a decimal point ("." or ","), an optional
// leading "-"; single precision, rounded after each digit.
class RealNumber {
public:
    enum class Step { Digit, FractionDigit, Sign, Point, Refused };

    explicit RealNumber(const NumberRules& rules = {}) : rules_(rules) {}

    // Takes c when it continues the number; a refused character changes
    // nothing.  Inline: the D record's values pass through here.
    Step feed(int c) {
        if (is_digit(c)) {
            const int d = digit_value(c);
            digits_ = true;
            if (!point_) {
                value_ = to_float(static_cast<double>(value_) * 10.0 + d);
                return Step::Digit;
            }
            value_ = to_float(static_cast<double>(value_) + d * static_cast<double>(weight_));
            weight_ = static_cast<float>(static_cast<double>(weight_) / 10.0);   // only shrinks
            return Step::FractionDigit;
        }
        if ((c == '.' || c == ',') && !point_) {
            point_ = true;
            return Step::Point;
        }
        if (c == '-' && rules_.allow_sign && !negative_ && value_ == 0.0f) {
            negative_ = true;
            return Step::Sign;
        }
        return Step::Refused;
    }
    // Begins the next number under the same rules (field by field: a
    // whole-object copy per D value costs the value reading a third).
    void restart() {
        value_ = 0.0f;
        weight_ = kFirstWeight;
        negative_ = false;
        point_ = false;
        digits_ = false;
    }

    bool has_digits() const { return digits_; }
    // The value read so far, without its sign.
    float magnitude() const { return value_; }
    // The value with its sign, as the field's close gives it.
    float result() const {
        if (value_ == 0.0f && !rules_.keeps_minus_zero) return 0.0f;
        return negative_ ? -value_ : value_;
    }
    std::string_view expected() const { return rules_.expected; }

private:
    static constexpr float kFirstWeight = 0.1f;

    NumberRules rules_;
    float value_ = 0.0f;
    float weight_ = kFirstWeight;
    bool negative_ = false;
    bool point_ = false;
    bool digits_ = false;
};

// What a colour field accepts.  The D record's colours take names of up
// to 20 characters and keep a name that the line end cuts off unchecked.
struct ColorRules {
    int name_max = kColorMax;               // characters of a name
    bool check_cut_name = true;             // a name ended by the line end is checked too
    bool allow_transparent = false;         // "transparent" counts as a name
    std::string_view hex_expected = kHexExpected;   // what a refused "#" digit reports
};

// A colour field: empty, "#" and up to six hexadecimal digits, or a name.
class ColorField {
public:
    enum class Step {
        Started,    // the field's first non-blank character: the field begins here
        Accepted,
        Refused,    // not a hexadecimal digit after "#" (blanks are refused too)
        TooLong,    // a seventh hexadecimal digit or a name past its length
    };

    explicit ColorField(const ColorRules& rules = {}) : rules_(rules) {}

    Step feed(int c);
    bool empty() const { return mode_ == Mode::Start; }
    std::string_view hex_expected() const { return rules_.hex_expected; }
    // The colour as stored: the "#" value as written, or the name in lower
    // case.  False when a name is not one of the colour names (nor
    // "transparent" where that is allowed); a name cut off by the line end
    // passes unchecked where the rules say so.
    bool finish(bool at_line_end, std::string* out) const;

private:
    enum class Mode { Start, Hex, Name };
    ColorRules rules_;
    Mode mode_ = Mode::Start;
    std::string text_;
};

inline bool is_identifier_char(int c) { return char_position(c, kIdentifierChars) > 0; }
inline bool is_forbidden_in_file_name(int c) { return char_position(c, kFileNameForbidden) > 0; }

}  // namespace qp
