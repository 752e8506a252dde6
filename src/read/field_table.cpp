#include "read/field_table.h"

#include <optional>

#include "log/diagnostics.h"
#include "read/safe_input.h"

namespace qp {

FieldEntry keyword(std::string_view word) {
    FieldEntry f;
    f.kind = FieldKind::Keyword;
    f.word = word;
    return f;
}

FieldEntry legend_keyword(int& grid, int& only) {
    FieldEntry f = keyword("LEGEND");
    f.form = WordForm::Legend;
    f.mark_plus = &grid;
    f.mark_other = &only;
    return f;
}

FieldEntry flag(std::string_view word, int& target, WordForm form) {
    FieldEntry f;
    f.kind = FieldKind::Flag;
    f.word = word;
    f.flag = &target;
    f.form = form;
    return f;
}

FieldEntry flag(std::string_view word, std::string& target, std::string_view value) {
    FieldEntry f;
    f.kind = FieldKind::Flag;
    f.word = word;
    f.text = &target;
    f.flag_word = value;
    return f;
}

FieldEntry whole(int& target) {
    FieldEntry f;
    f.kind = FieldKind::Whole;
    f.number = &target;
    return f;
}

FieldEntry real(float& target, int* presence, bool allow_sign) {
    FieldEntry f;
    f.kind = FieldKind::Real;
    f.real = &target;
    f.flag = presence;
    f.allow_sign = allow_sign;
    return f;
}

FieldEntry step_real(float& target, int& presence, std::string& digits) {
    FieldEntry f = real(target, &presence, false);
    f.sstep = &digits;
    return f;
}

FieldEntry color(std::string& target) {
    FieldEntry f;
    f.kind = FieldKind::Color;
    f.text = &target;
    return f;
}

FieldEntry area_color(std::string& target) {
    FieldEntry f = color(target);
    f.color_rules.allow_transparent = true;
    return f;
}

FieldEntry text(std::string& target, int max_length, Msg too_long) {
    FieldEntry f;
    f.kind = FieldKind::Text;
    f.text = &target;
    f.max_length = max_length;
    f.too_long = too_long;
    return f;
}

FieldEntry font_name(std::string& target, int max_length) {
    FieldEntry f = text(target, max_length);
    f.font_name = true;
    return f;
}

FieldEntry file_name(std::string& target) {
    FieldEntry f;
    f.kind = FieldKind::FileName;
    f.text = &target;
    f.max_length = kPathMax;
    return f;
}

FieldEntry identifier(std::string& target) {
    FieldEntry f;
    f.kind = FieldKind::Identifier;
    f.text = &target;
    f.max_length = kIdMax;
    return f;
}

FieldEntry x_marks(int& grid, int& cross, int& angle) {
    FieldEntry f;
    f.kind = FieldKind::XMarks;
    f.mark_other = &grid;
    f.mark_plus = &cross;
    f.number = &angle;
    return f;
}

FieldEntry y_mark(int& grid) {
    FieldEntry f;
    f.kind = FieldKind::YMark;
    f.mark_other = &grid;
    return f;
}

FieldEntry x_labels(std::vector<std::string>& labels, int& count) {
    FieldEntry f;
    f.kind = FieldKind::XLabels;
    f.labels = &labels;
    f.label_count = &count;
    return f;
}

namespace {

inline constexpr int kMaxAngle = 180;

// What a character did to the field in hand.
enum class Outcome {
    Accepted,
    Refused,    // reported with the expected text unless it is a blank
    Closed,     // the field's ";"
    Reported,   // the field reported the error itself
};

// The reading state of the field in hand.
class FieldCursor {
public:
    FieldCursor(RecordContext& rc, const FieldEntry& entry, std::size_t first_letter)
        : rc_(rc), f_(entry), word_(entry.word, first_letter), real_(NumberRules{entry.allow_sign}),
          color_(entry.color_rules) {}

    Outcome feed(int c);
    // Closes the field at its ";" or at the line end; false when it reported.
    bool close(bool at_line_end);
    std::string expected() const;

private:
    Outcome feed_keyword(int c);
    Outcome feed_flag(int c);
    Outcome feed_whole(int c);
    Outcome feed_real(int c);
    Outcome feed_color(int c);
    Outcome feed_text(int c);
    Outcome feed_file_name(int c);
    Outcome feed_identifier(int c);
    Outcome feed_x_marks(int c);
    Outcome feed_y_mark(int c);
    Outcome feed_x_label(int c);
    Outcome report(Msg m) {
        rc_.sc.resume_after(report_field(rc_.run, rc_.sc.spot(), m));
        return Outcome::Reported;
    }

    RecordContext& rc_;
    const FieldEntry& f_;
    WordMatch word_;
    RealNumber real_;
    ColorField color_;
    bool digits_ = false;   // Whole / XMarks: a digit has been read
    int value_ = 0;         // Whole kept apart until the close
    bool marked_ = false;   // YMark: the "-" has been read
    std::string_view expected_ = kDigits;
};

Outcome FieldCursor::feed(int c) {
    if (c == ';' && f_.kind != FieldKind::XLabels) return Outcome::Closed;
    switch (f_.kind) {
        case FieldKind::Keyword: return feed_keyword(c);
        case FieldKind::Flag: return feed_flag(c);
        case FieldKind::Whole: return feed_whole(c);
        case FieldKind::Real: return feed_real(c);
        case FieldKind::Color: return feed_color(c);
        case FieldKind::Text: return feed_text(c);
        case FieldKind::FileName: return feed_file_name(c);
        case FieldKind::Identifier: return feed_identifier(c);
        case FieldKind::XMarks: return feed_x_marks(c);
        case FieldKind::YMark: return feed_y_mark(c);
        case FieldKind::XLabels: return feed_x_label(c);
    }
    return Outcome::Refused;
}

std::string FieldCursor::expected() const {
    switch (f_.kind) {
        case FieldKind::Keyword:
        case FieldKind::Flag:
            return word_.expected(f_.form);
        default:
            return std::string(expected_);
    }
}

Outcome FieldCursor::feed_keyword(int c) {
    if (f_.mark_plus != nullptr && c == '+') {
        *f_.mark_plus = 1;
        return Outcome::Accepted;
    }
    if (f_.mark_other != nullptr && c == '!') {
        *f_.mark_other = 1;
        return Outcome::Accepted;
    }
    return word_.feed(c) ? Outcome::Accepted : Outcome::Refused;
}

Outcome FieldCursor::feed_flag(int c) {
    const bool first = !word_.started();
    if (!word_.feed(c)) return Outcome::Refused;
    if (first) {
        if (f_.flag != nullptr) *f_.flag = 1;
        if (f_.text != nullptr) *f_.text = f_.flag_word;
        if (f_.also_on != nullptr) *f_.also_on = 1;
    }
    return Outcome::Accepted;
}

Outcome FieldCursor::feed_whole(int c) {
    if (!is_digit(c)) return Outcome::Refused;
    // The first digit replaces whatever the field held (-1 for "not given").
    int& value = f_.store_on_close ? value_ : *f_.number;
    value = add_digit(digits_ ? value : 0, digit_value(c));
    digits_ = true;
    if (f_.also_on != nullptr) *f_.also_on = 1;
    return Outcome::Accepted;
}

Outcome FieldCursor::feed_real(int c) {
    switch (real_.feed(c)) {
        case RealNumber::Step::FractionDigit:
            if (f_.sstep != nullptr && static_cast<int>(f_.sstep->size()) < kStepDigitsMax) {
                f_.sstep->push_back(static_cast<char>(c));
            }
            [[fallthrough]];
        case RealNumber::Step::Digit:
            if (f_.flag != nullptr) *f_.flag = 1;
            *f_.real = real_.magnitude();
            return Outcome::Accepted;
        case RealNumber::Step::Sign:
        case RealNumber::Step::Point:
            return Outcome::Accepted;
        case RealNumber::Step::Refused:
            break;
    }
    expected_ = real_.expected();
    return Outcome::Refused;
}

Outcome FieldCursor::feed_color(int c) {
    switch (color_.feed(c)) {
        case ColorField::Step::Started:
            rc_.sc.field_column = rc_.sc.column;
            return Outcome::Accepted;
        case ColorField::Step::Accepted:
            return Outcome::Accepted;
        case ColorField::Step::TooLong:
            return report(Msg::WrongColor);
        case ColorField::Step::Refused:
            break;
    }
    expected_ = color_.hex_expected();
    return Outcome::Refused;
}

Outcome FieldCursor::feed_text(int c) {
    if (f_.font_name && rc_.run.safe_input && !is_safe_font_char(c)) return report(Msg::WrongSymbol);
    if (static_cast<int>(f_.text->size()) >= f_.max_length) return report(f_.too_long);
    f_.text->push_back(static_cast<char>(c));
    return Outcome::Accepted;
}

Outcome FieldCursor::feed_file_name(int c) {
    if (is_forbidden_in_file_name(c) ||
        (rc_.run.safe_input && leaves_job_directories(*f_.text, c))) {
        f_.text->clear();
        return report(Msg::WrongSymbol);
    }
    if (static_cast<int>(f_.text->size()) >= f_.max_length) {
        f_.text->clear();
        return report(Msg::WrongNameLength);
    }
    f_.text->push_back(static_cast<char>(c));
    return Outcome::Accepted;
}

Outcome FieldCursor::feed_identifier(int c) {
    if (!is_identifier_char(c)) {
        expected_ = kIdentifierChars;
        return Outcome::Refused;
    }
    if (f_.text->empty() && is_digit(c)) return report(Msg::WrongSymbol);
    if (static_cast<int>(f_.text->size()) >= f_.max_length) return report(Msg::WrongNameLength);
    f_.text->push_back(static_cast<char>(c));
    return Outcome::Accepted;
}

Outcome FieldCursor::feed_x_marks(int c) {
    if (is_digit(c)) {
        *f_.number = add_digit(digits_ ? *f_.number : 0, digit_value(c));
        digits_ = true;
        return Outcome::Accepted;
    }
    if (digits_) {
        expected_ = ";";
        return Outcome::Refused;
    }
    if (c == '|') {
        *f_.mark_other = 1;
        return Outcome::Accepted;
    }
    if (c == '+') {
        *f_.mark_plus = 1;
        return Outcome::Accepted;
    }
    expected_ = "0123456789 | + ;";
    return Outcome::Refused;
}

Outcome FieldCursor::feed_y_mark(int c) {
    if (c == '-' && !marked_) {
        *f_.mark_other = 1;
        marked_ = true;
        return Outcome::Accepted;
    }
    expected_ = marked_ ? ";" : "- ;";
    return Outcome::Refused;
}

Outcome FieldCursor::feed_x_label(int c) {
    Scanner& sc = rc_.sc;
    int& count = *f_.label_count;
    if (count < 0) count = 0;   // the list has begun
    if (c == '\\') {
        // The list goes on at the start of the next line, in the same label.
        sc.skip_rest_of_line();
        if (!sc.at_eof) sc.line_number += 1;
        return Outcome::Accepted;
    }
    if (count >= kMaxXLabels) return report(Msg::TooManyArguments);
    std::string& label = (*f_.labels)[static_cast<std::size_t>(count)];
    if (c == ';') {
        count += 1;
        sc.field_column = sc.column + 1;
        return Outcome::Accepted;
    }
    if (static_cast<int>(label.size()) >= kLabelMax) return report(Msg::WrongNameLength);
    label.push_back(static_cast<char>(c));
    return Outcome::Accepted;
}

bool FieldCursor::close(bool at_line_end) {
    switch (f_.kind) {
        case FieldKind::Whole:
            if (f_.store_on_close && digits_) *f_.number = value_;
            break;
        case FieldKind::Real:
            if (real_.has_digits()) *f_.real = real_.result();
            break;
        case FieldKind::Color: {
            if (color_.empty()) break;
            std::string value;
            if (!color_.finish(at_line_end, &value)) {
                const SourceSpot spot = rc_.sc.spot();
                rc_.sc.resume_after(at_line_end ? report_rest_of_line(rc_.run, spot, Msg::WrongColor)
                                                : report_field(rc_.run, spot, Msg::WrongColor));
                return false;
            }
            *f_.text = std::move(value);
            break;
        }
        case FieldKind::XMarks:
            if (digits_ && *f_.number > kMaxAngle) {
                report(Msg::DoesNotBetween0And180);
                return false;
            }
            break;
        default:
            break;
    }
    if (f_.after_close != nullptr && f_.after_close(rc_, at_line_end)) return false;
    return true;
}

// What the ";" before a field gives it.
void open_field(const FieldEntry& f) {
    if (!f.opens_set) return;
    if (f.number != nullptr) *f.number = f.open_value;
    if (f.real != nullptr) *f.real = 0.0f;
    if (f.sstep != nullptr) f.sstep->clear();
    if (f.text != nullptr && f.kind != FieldKind::Flag) f.text->clear();
}

}  // namespace

RecordEnd read_fields(RecordContext& rc, std::span<const FieldEntry> fields) {
    Scanner& sc = rc.sc;
    std::size_t index = 0;
    // The record's word has had its first letter read by the scanner.
    std::optional<FieldCursor> cursor;
    cursor.emplace(rc, fields[0], fields[0].kind == FieldKind::Keyword ? 1 : 0);
    for (;;) {
        const int c = sc.next_char();
        if (is_line_end(c)) {
            return cursor->close(true) ? RecordEnd::LineEnded : RecordEnd::Reported;
        }
        switch (cursor->feed(c)) {
            case Outcome::Accepted:
                continue;
            case Outcome::Refused:
                if (is_blank(c)) continue;
                sc.resume_after(report_expected(rc.run, sc.spot(), cursor->expected()));
                return RecordEnd::Reported;
            case Outcome::Reported:
                return RecordEnd::Reported;
            case Outcome::Closed:
                break;
        }
        if (!cursor->close(false)) return RecordEnd::Reported;
        if (++index == fields.size()) {
            sc.skip_rest_of_line();
            return RecordEnd::Completed;
        }
        sc.field_column = sc.column + 1;
        open_field(fields[index]);
        cursor.emplace(rc, fields[index], 0);
    }
}

}  // namespace qp
