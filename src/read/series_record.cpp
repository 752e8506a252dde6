// The D1 and D2 records: one data series each.
//
// After the head (axis digit, ";" and type letter) one state machine reads
// the fields of every series type; the type table says what differs between
// the types.  Fields, in order: type (sub-type digit and stacking mark),
// size, first colour, second colour, text, url, then the values up to the
// end of the record.
#include <algorithm>
#include <cfloat>
#include <climits>
#include <string>
#include <string_view>

#include "log/diagnostics.h"
#include "read/record_readers.h"
#include "read/series_types.h"

namespace qp {

namespace {

constexpr std::string_view kAxisDigits = "12";
constexpr std::string_view kSemicolonOnly = ";";
constexpr std::string_view kSizeDigits = "0123456789";
constexpr std::string_view kHexDigits = "01234567890ABCDEFabcdef";
constexpr std::string_view kValueDigits = "01234567890";

// A D record's colour: "#" and at most six digits, or a name of at most
// 20 characters.
constexpr std::size_t kHexColorMax = 7;
constexpr std::size_t kColorNameMax = 20;

bool is_line_end(int c) { return c == '\n' || c == kEof; }
bool is_digit(int c) { return c >= '0' && c <= '9'; }

// The next character that is not a blank.
int next_non_blank(Scanner& sc) {
    int c = sc.next_char();
    while (c == ' ') c = sc.next_char();
    return c;
}

// A double rounded once to single precision, held inside the float range.
float to_float(double v) {
    if (v > static_cast<double>(FLT_MAX)) return FLT_MAX;
    if (v < -static_cast<double>(FLT_MAX)) return -FLT_MAX;
    return static_cast<float>(v);
}

void to_lower_ascii(std::string& s) {
    for (char& ch : s) {
        if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
    }
}

// The slot a new series of the axis fills.  When the axis is full, the
// record is reported at its type letter and then read again into the last
// slot, replacing the series there.
int take_series_slot(RecordContext& rc, SeriesTable& d, int axis) {
    const int limit = std::clamp(rc.st.Dmaxnum, 1, kMaxSeries);
    if (d.num + 1 < limit) {
        d.num = std::max(d.num + 1, 0);
        return d.num;
    }
    // Reading goes on after the type letter, not where the report's echo
    // stopped, so that the record still fills the slot.
    rc.sc.field_column = rc.sc.column;
    static_cast<void>(
        report_field(rc.run, rc.sc.spot(), axis == 1 ? Msg::TooManyD1Series : Msg::TooManyD2Series));
    d.num = limit - 1;
    return d.num;
}

// Reads the fields after the type letter into one series slot.
class SeriesReader {
public:
    SeriesReader(RecordContext& rc, const SeriesType& type, SeriesRecord& rec, ValueRow& row)
        : rc_(rc), sc_(rc.sc), type_(type), rec_(rec), row_(row) {}

    void read() {
        rec_ = SeriesRecord{};
        rec_.pornum = rc_.st.koldata;
        rec_.tip = std::string{type_.letter(), '1'};
        for (;;) {
            if (state_ == State::Values && !take_plain_values()) return;
            const int c = sc_.next_char();
            if (is_line_end(c)) {
                end_of_line();
                return;
            }
            if (!take(c)) return;
        }
    }

private:
    enum class State { Type, Size, Color1, Color2, Text, Url, Values };

    // Handles one character of the line; false once the record has ended.
    bool take(int c) {
        switch (state_) {
            case State::Type: return take_type(c);
            case State::Size: return take_size(c);
            case State::Color1: return take_color(c, rec_.color1, State::Color2);
            case State::Color2: return take_color(c, rec_.color2, State::Text);
            case State::Text: return take_text(c, rec_.text, State::Url);
            case State::Url: return take_text(c, rec_.url, State::Values);
            case State::Values: return take_value(c);
        }
        return false;
    }

    // A field ends at its ";"; the next one starts at the character after it.
    void next_field(State state) {
        state_ = state;
        sc_.field_column = sc_.column + 1;
    }

    bool reject(std::string_view expected) {
        sc_.resume_after(report_expected(rc_.run, sc_.spot(), expected));
        return false;
    }

    bool reject_field(Msg message) {
        sc_.resume_after(report_field(rc_.run, sc_.spot(), message));
        return false;
    }

    // Sub-type digit and stacking mark, in either order, each at most once.
    bool take_type(int c) {
        if (c == ';') {
            next_field(State::Size);
            return true;
        }
        if (c == ' ') return true;
        if (char_position(c, type_.variants) > 0) {
            if (has_subtype_) return reject(kSemicolonOnly);
            has_subtype_ = true;
            rec_.tip[1] = static_cast<char>(c);
            return true;
        }
        if ((c == 'S' || c == 's') && type_.stackable) {
            if (rec_.stacked == 1) return reject(kSemicolonOnly);
            rec_.stacked = 1;
            return true;
        }
        return reject(type_.wrong_list);
    }

    // Digits, then blanks only: a blank may neither lead nor split the number.
    bool take_size(int c) {
        if (c == ';') {
            next_field(State::Color1);
            return true;
        }
        if (c == ' ') {
            size_blank_seen_ = true;
            return true;
        }
        if (size_blank_seen_) return reject(kSemicolonOnly);
        if (!is_digit(c)) return reject(kSizeDigits);
        const long long grown = static_cast<long long>(std::max(rec_.width, 0)) * 10 + digit_value(c);
        rec_.width = static_cast<int>(std::min<long long>(grown, INT_MAX));
        return true;
    }

    bool take_color(int c, std::string& target, State next) {
        if (c == ' ') return true;
        if (c == ';') {
            if (!color_.empty()) {
                if (!color_hex_) {
                    to_lower_ascii(color_);
                    if (word_in_list(color_, kColorNames) == 0) return reject_field(Msg::WrongColor);
                }
                target = color_;
            }
            color_.clear();
            color_hex_ = false;
            next_field(next);
            return true;
        }
        if (color_.empty()) {
            sc_.field_column = sc_.column;   // the report marks the colour itself
            color_hex_ = c == '#';
            color_.push_back(static_cast<char>(c));
            return true;
        }
        if (color_hex_) {
            if (char_position(c, kHexDigits) == 0) return reject(kHexDigits);
            if (color_.size() == kHexColorMax) return reject_field(Msg::WrongColor);
        } else if (color_.size() == kColorNameMax) {
            return reject_field(Msg::WrongColor);
        }
        color_.push_back(static_cast<char>(c));
        return true;
    }

    // Text and url: every character up to the ";", blanks included.
    bool take_text(int c, std::string& target, State next) {
        if (c == ';') {
            next_field(next);
            return true;
        }
        if (target.size() >= static_cast<std::size_t>(kSeriesTextMax)) {
            return reject_field(Msg::WrongNameLength);
        }
        target.push_back(static_cast<char>(c));
        return true;
    }

    void add_digit_to_value(int c) {
        const int d = digit_value(c);
        has_digit_ = true;
        if (!has_point_) {
            value_ = to_float(static_cast<double>(value_) * 10.0 + d);
        } else {
            value_ = to_float(static_cast<double>(value_) + d * static_cast<double>(weight_));
            weight_ = static_cast<float>(static_cast<double>(weight_) / 10.0);
        }
    }

    // The values of a long record are mostly digits, points, signs and
    // ";": those are taken here straight from the text, exactly as
    // next_char() and take_value() would take them one by one; anything
    // else, and every character they would refuse, is left to them.  False
    // once the record has ended.
    bool take_plain_values() {
        if (sc_.input_file == nullptr) return true;
        const std::string& text = *sc_.input_file;
        while (sc_.pos < text.size()) {
            const char c = text[sc_.pos];
            if (is_digit(c)) {
                add_digit_to_value(c);
            } else if (c == ';') {
                ++sc_.pos;
                ++sc_.column;
                if (!store_value()) return false;
                next_field(State::Values);
                continue;
            } else if ((c == '.' || c == ',') && !has_point_) {
                has_point_ = true;
            } else if (c == '-' && value_ == 0.0f && !negative_) {
                negative_ = true;
            } else {
                return true;
            }
            ++sc_.pos;
            ++sc_.column;
        }
        return true;
    }

    bool take_value(int c) {
        if (is_digit(c)) {
            add_digit_to_value(c);
            return true;
        }
        switch (c) {
            case ' ':
                return true;
            case '.':
            case ',':
                if (has_point_) return reject(kValueDigits);
                has_point_ = true;
                return true;
            case '-':
                if (value_ != 0.0f || negative_) return reject(kValueDigits);
                negative_ = true;
                return true;
            case ';':
                if (!store_value()) return false;
                next_field(State::Values);
                return true;
            case '\\':
                // The record goes on with the next line; the value being
                // built is not ended by the break.
                sc_.skip_rest_of_line();
                if (!sc_.at_eof) ++sc_.line_number;
                return true;
            case '#':
                // A comment ends the record.
                sc_.skip_rest_of_line();
                if (has_digit_) store_value();
                return false;
            default:
                return reject(kValueDigits);
        }
    }

    // Ends the value being built: stores it as the series' next value (the
    // empty marker when it has no digit) and starts a new one.
    bool store_value() {
        const int limit = std::clamp(rc_.st.Dmaxpoint, 1, kMaxPoints);
        if (rec_.kolpoint >= limit - 1) return reject_field(Msg::TooManyValues);
        ++rec_.kolpoint;
        float stored = kEmptyValue;
        if (has_digit_) {
            stored = value_;
            if (negative_ && type_.keeps_sign) stored = -value_;
        }
        row_[static_cast<std::size_t>(rec_.kolpoint)] = stored;
        value_ = 0;
        weight_ = kFirstWeight;
        has_digit_ = false;
        has_point_ = false;
        negative_ = false;
        return true;
    }

    // The line is over: the field in hand closes as at a ";", except that
    // a colour name is kept untested and a value without digits is dropped.
    void end_of_line() {
        switch (state_) {
            case State::Color1:
            case State::Color2:
                if (!color_.empty()) {
                    if (!color_hex_) to_lower_ascii(color_);
                    (state_ == State::Color1 ? rec_.color1 : rec_.color2) = color_;
                }
                return;
            case State::Values:
                if (has_digit_) store_value();
                return;
            default:
                return;
        }
    }

    static constexpr float kFirstWeight = 0.1f;

    RecordContext& rc_;
    Scanner& sc_;
    const SeriesType& type_;
    SeriesRecord& rec_;
    ValueRow& row_;
    State state_ = State::Type;

    bool has_subtype_ = false;
    bool size_blank_seen_ = false;

    std::string color_;
    bool color_hex_ = false;

    float value_ = 0;
    float weight_ = kFirstWeight;
    bool has_digit_ = false;
    bool has_point_ = false;
    bool negative_ = false;
};

}  // namespace

void read_series_record(RecordContext& rc) {
    Scanner& sc = rc.sc;
    sc.field_column = sc.column;   // the record letter

    int c = next_non_blank(sc);
    if (is_line_end(c)) return;
    const int axis = char_position(c, kAxisDigits);
    if (axis == 0) {
        sc.resume_after(report_expected(rc.run, sc.spot(), kAxisDigits));
        return;
    }

    c = next_non_blank(sc);
    if (is_line_end(c)) return;
    if (c != ';') {
        sc.resume_after(report_expected(rc.run, sc.spot(), kSemicolonOnly));
        return;
    }

    c = next_non_blank(sc);
    if (is_line_end(c)) return;
    const SeriesType* type = find_series_type(c);
    if (type == nullptr) {
        sc.resume_after(report_expected(rc.run, sc.spot(), kSeriesTypeLetters));
        return;
    }

    SeriesTable& d = rc.st.table(axis);
    const auto slot = static_cast<std::size_t>(take_series_slot(rc, d, axis));
    SeriesReader reader(rc, *type, d.rec[slot], d.val[slot]);
    reader.read();
}

}  // namespace qp
