#include "read/field_syntax.h"


namespace qp {

int add_digit(int value, int digit) {
    const std::int64_t next = static_cast<std::int64_t>(value) * 10 + digit;
    return next > kWholeMax ? kWholeMax : static_cast<int>(next);
}

bool WordMatch::feed(int c) {
    if (complete() || ascii_upper(c) != static_cast<unsigned char>(word_[matched_])) return false;
    ++matched_;
    return true;
}

std::string WordMatch::expected(WordForm form) const {
    if (complete()) {
        switch (form) {
            case WordForm::Plain: return ";  ";
            case WordForm::Border: return "; ; ;";
            case WordForm::Legend: return "+ ! ;";
        }
    }
    const char upper = word_[matched_];
    std::string text{upper, ' ', static_cast<char>(ascii_lower(upper))};
    if (form != WordForm::Plain) text += " ;";
    return text;
}

ColorField::Step ColorField::feed(int c) {
    switch (mode_) {
        case Mode::Start:
            if (is_blank(c)) return Step::Refused;
            mode_ = c == '#' ? Mode::Hex : Mode::Name;
            text_.push_back(static_cast<char>(c));
            return Step::Started;
        case Mode::Hex:
            if (char_position(c, kHexDigits) == 0) return Step::Refused;
            if (static_cast<int>(text_.size()) > kHexColorDigitsMax) return Step::TooLong;
            text_.push_back(static_cast<char>(c));
            return Step::Accepted;
        case Mode::Name:
            if (is_blank(c)) return Step::Refused;   // blanks inside a name are dropped
            if (static_cast<int>(text_.size()) >= rules_.name_max) return Step::TooLong;
            text_.push_back(static_cast<char>(c));
            return Step::Accepted;
    }
    return Step::Refused;
}

bool ColorField::finish(bool at_line_end, std::string* out) const {
    if (mode_ != Mode::Name) {
        *out = text_;
        return true;
    }
    std::string name;
    name.reserve(text_.size());
    for (char ch : text_) name.push_back(static_cast<char>(ascii_lower(static_cast<unsigned char>(ch))));
    const bool checked = rules_.check_cut_name || !at_line_end;
    if (checked && word_in_list(name, kColorNames) == 0 &&
        !(rules_.allow_transparent && name == kTransparent)) {
        return false;
    }
    *out = std::move(name);
    return true;
}

}  // namespace qp
