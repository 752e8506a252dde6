// A record described as a table of fields, and the one driver that walks
// a record's characters through it.
//
// Each entry names the field's syntax, the chart-state field(s) it fills
// and what the ";" before it does to them ("opens").  A record reader
// builds its table over the chart state and hands it to read_fields:
//
//     const FieldEntry fields[] = {
//         keyword("PLOT"),
//         whole(st.plot.Cleft), whole(st.plot.Cright), whole(st.plot.Ctop), whole(st.plot.Cbottom),
//         color(st.plot.Ccolor).opens_empty(),
//     };
//     read_fields(rc, fields);
//
// The driver skips blanks that a syntax does not take, reports any other
// refused character with the syntax's expected text, closes a field at its
// ";" (the last field's ";" completes the record and the rest of the line
// is skipped) and closes the field in hand at the line end.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "log/catalog.h"
#include "read/field_syntax.h"
#include "read/record_readers.h"

namespace qp {

enum class FieldKind {
    Keyword,      // the record's word after its letter, with optional marks
    Flag,         // SHADOW, ROUND, BOLD, ITALIC
    Whole,        // digits
    Real,         // digits, a decimal point, perhaps a sign
    Color,        // empty, "#" value or name
    Text,         // every character kept, up to a greatest length
    FileName,     // every character kept but the forbidden ones
    Identifier,   // letters, digits and "_", not beginning with a digit
    XMarks,       // "|" and "+" marks, then the label angle
    YMark,        // an optional "-"
    XLabels,      // the label list that ends the X record
};

// Runs after a field has closed without a report; true when it reported.
using CloseCheck = bool (*)(RecordContext& rc, bool at_line_end);

struct FieldEntry {
    FieldKind kind = FieldKind::Keyword;

    // Targets in the chart state.
    int* number = nullptr;          // Whole, XMarks (the angle)
    float* real = nullptr;          // Real
    int* flag = nullptr;            // Flag (set to 1), Real (presence at the first digit)
    std::string* text = nullptr;    // Text, Color, FileName, Identifier, Flag (gets flag_word)
    std::string* sstep = nullptr;   // Real: digits after the decimal point
    int* also_on = nullptr;         // set to 1 by a Whole's digits or a Flag's first letter
    int* mark_plus = nullptr;       // "+" in a Keyword (LEGEND) or XMarks
    int* mark_other = nullptr;      // "!" in a Keyword (LEGEND), "|" in XMarks, "-" in YMark
    std::vector<std::string>* labels = nullptr;   // XLabels
    int* label_count = nullptr;                   // XLabels (Xi)

    // Syntax details.
    std::string_view word;          // Keyword / Flag, in capitals
    std::string_view flag_word;     // the text a Flag stores ("bold", "italic")
    WordForm form = WordForm::Plain;
    int max_length = 0;             // Text
    Msg too_long = Msg::WrongNameLength;
    bool font_name = false;         // Text: a font name (held to the safe characters)
    bool allow_sign = false;        // Real
    ColorRules color_rules;         // Color
    bool store_on_close = false;    // Whole: the value lands only when the field closes
    CloseCheck after_close = nullptr;

    // What the ";" before the field does.
    bool opens_set = false;
    int open_value = 0;

    FieldEntry opens_at(int value) const {
        FieldEntry f = *this;
        f.opens_set = true;
        f.open_value = value;
        return f;
    }
    // Texts empty, reals 0 (with their step digits), numbers 0.
    FieldEntry opens_empty() const { return opens_at(0); }
    FieldEntry with_hex_text(std::string_view text) const {
        FieldEntry f = *this;
        f.color_rules.hex_expected = text;
        return f;
    }
    FieldEntry also_setting(int& target) const {
        FieldEntry f = *this;
        f.also_on = &target;
        return f;
    }
    FieldEntry checked_by(CloseCheck check) const {
        FieldEntry f = *this;
        f.after_close = check;
        return f;
    }
    FieldEntry stored_on_close() const {
        FieldEntry f = *this;
        f.store_on_close = true;
        return f;
    }
};

// The field builders, named after the syntaxes.
FieldEntry keyword(std::string_view word);
FieldEntry legend_keyword(int& grid, int& only);
FieldEntry flag(std::string_view word, int& target, WordForm form = WordForm::Plain);
FieldEntry flag(std::string_view word, std::string& target, std::string_view value);
FieldEntry whole(int& target);
FieldEntry real(float& target, int* presence, bool allow_sign);
FieldEntry step_real(float& target, int& presence, std::string& digits);
FieldEntry color(std::string& target);
FieldEntry area_color(std::string& target);   // the names and "transparent"
FieldEntry text(std::string& target, int max_length, Msg too_long = Msg::WrongNameLength);
FieldEntry font_name(std::string& target, int max_length);
FieldEntry file_name(std::string& target);
FieldEntry identifier(std::string& target);
FieldEntry x_marks(int& grid, int& cross, int& angle);
FieldEntry y_mark(int& grid);
FieldEntry x_labels(std::vector<std::string>& labels, int& count);

enum class RecordEnd {
    Completed,   // the last field's ";" was read; the rest of the line skipped
    LineEnded,   // the line ended inside the record
    Reported,    // a report ended the record (file_error is set)
};

// Reads the rest of the record's line (and its continuation lines) through
// `fields`.  The first entry is read from the character after the record
// letter; sc.field_column stands at the record letter.
RecordEnd read_fields(RecordContext& rc, std::span<const FieldEntry> fields);

}  // namespace qp
