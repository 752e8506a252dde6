// The five kinds of data series and what distinguishes them while a D
// record is read: the variant digits the type field accepts, whether the
// series may be stacked, the text shown for a wrong character in the type
// field, and whether values keep their sign.
#pragma once

#include <string_view>

#include "model/series_values.h"

namespace qp {

struct SeriesType {
    SeriesKind kind;                // the upper-case type letter
    std::string_view variants;      // variant digits accepted after the letter
    bool stackable;                 // "S" or "s" may follow the letter
    std::string_view wrong_list;    // expected text for a wrong character
    bool keeps_sign;                // false: values are stored as magnitudes

    char letter() const { return static_cast<char>(kind); }
};

// The type that a type letter (either case) selects; nullptr for any other
// character.
const SeriesType* find_series_type(int c);

// The expected text for a wrong type letter.
inline constexpr std::string_view kSeriesTypeLetters = "L M P R V l m p r v";

}  // namespace qp
