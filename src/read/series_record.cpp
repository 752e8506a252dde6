// The D1 and D2 records: one data series each.
//
// After the head (axis digit, ";" and type letter) one state machine reads
// the fields of every series type; the type table says what differs between
// the types.  Fields, in order: type (sub-type digit and stacking mark),
// size, first colour, second colour, text, url, then the values up to the
// end of the record.
#include <algorithm>
#include <string>
#include <string_view>

#include "log/diagnostics.h"
#include "read/field_syntax.h"
#include "read/record_readers.h"
#include "read/safe_input.h"
#include "read/series_types.h"

namespace qp {

namespace {

constexpr std::string_view kAxisDigits = "12";
constexpr std::string_view kSemicolonOnly = ";";

// Where a D record reads unlike the other records: its colour names take
// 20 characters and a name cut off by the line end is kept unchecked; its
// values always take a sign, keep it on "-0" and name their digits as
// "01234567890".
constexpr ColorRules kSeriesColors{kSeriesColorMax, false, false, kHexExpected};
constexpr NumberRules kSeriesValues{true, true, "01234567890"};

// The next character that is not a blank.
int next_non_blank(Scanner& sc) {
    int c = sc.next_char();
    while (c == ' ') c = sc.next_char();
    return c;
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
            case State::Url: return take_url(c);
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
        if (!is_digit(c)) return reject(kDigits);
        rec_.width = add_digit(std::max(rec_.width, 0), digit_value(c));
        return true;
    }

    bool take_color(int c, std::string& target, State next) {
        if (c == ';') {
            if (!color_.empty() && !color_.finish(false, &target)) return reject_field(Msg::WrongColor);
            color_ = ColorField(kSeriesColors);
            next_field(next);
            return true;
        }
        switch (color_.feed(c)) {
            case ColorField::Step::Started:
                sc_.field_column = sc_.column;   // the report marks the colour itself
                return true;
            case ColorField::Step::Accepted:
                return true;
            case ColorField::Step::TooLong:
                return reject_field(Msg::WrongColor);
            case ColorField::Step::Refused:
                break;
        }
        return is_blank(c) || reject(color_.hex_expected());
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

    // A link of a chart file from others is held to the safe schemes.
    bool take_url(int c) {
        if (c != ';' && rc_.run.safe_input && link_.refuses(c)) {
            rec_.url.clear();
            return reject_field(Msg::WrongSymbol);
        }
        return take_text(c, rec_.url, State::Values);
    }

    // The values of a long record are mostly digits, points, signs and
    // ";": those are taken here straight from the text, exactly as
    // next_char() and take_value() would take them one by one; anything
    // else, and every character they would refuse, is left to them.  False
    // once the record has ended.
    bool take_plain_values() {
        for (;;) {
            if (sc_.ahead().empty() && !sc_.read_more()) return true;
            const std::string_view ahead = sc_.ahead();
            std::size_t n = 0;
            bool stored = false;
            for (; n < ahead.size() && !stored; ++n) {
                const int c = static_cast<unsigned char>(ahead[n]);
                const bool taken = value_.feed(c) != RealNumber::Step::Refused;
                if (!taken && c != ';') break;
                stored = !taken;
            }
            sc_.pos += n;
            sc_.column += static_cast<int>(n);
            if (n < ahead.size() && !stored) return true;
            if (stored) {
                if (!store_value()) return false;
                next_field(State::Values);
            }
        }
    }

    bool take_value(int c) {
        switch (c) {
            case ' ':
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
                if (value_.has_digits()) store_value();
                return false;
            default:
                if (value_.feed(c) != RealNumber::Step::Refused) return true;
                return reject(value_.expected());
        }
    }

    // Ends the value being built: stores it as the series' next value (the
    // empty marker when it has no digit) and starts a new one.
    bool store_value() {
        const int limit = std::clamp(rc_.st.Dmaxpoint, 1, kMaxPoints);
        if (rec_.kolpoint >= limit - 1) return reject_field(Msg::TooManyValues);
        ++rec_.kolpoint;
        float stored = kEmptyValue;
        if (value_.has_digits()) stored = type_.keeps_sign ? value_.result() : value_.magnitude();
        row_[static_cast<std::size_t>(rec_.kolpoint)] = stored;
        value_.restart();
        return true;
    }

    // The line is over: the field in hand closes as at a ";", except that
    // a colour name is kept untested and a value without digits is dropped.
    void end_of_line() {
        switch (state_) {
            case State::Color1:
            case State::Color2:
                if (!color_.empty()) {
                    // Never refused: the line end leaves a name unchecked.
                    color_.finish(true, state_ == State::Color1 ? &rec_.color1 : &rec_.color2);
                }
                return;
            case State::Values:
                if (value_.has_digits()) store_value();
                return;
            default:
                return;
        }
    }

    RecordContext& rc_;
    Scanner& sc_;
    const SeriesType& type_;
    SeriesRecord& rec_;
    ValueRow& row_;
    State state_ = State::Type;

    bool has_subtype_ = false;
    bool size_blank_seen_ = false;

    ColorField color_{kSeriesColors};
    LinkCheck link_;
    RealNumber value_{kSeriesValues};
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
