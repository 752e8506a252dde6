#include "read/series_types.h"

#include <array>

namespace qp {

namespace {

constexpr std::array<SeriesType, 5> kSeriesTypes = {{
    {'L', "123", true, "1 2 3 S s ;", true},        // lines
    {'M', "123456", true, "1 2 3 4 5 6 S s ;", true},  // markers
    {'P', "1234", false, "1 2 3 4 ;", false},       // pies
    {'R', "", true, "S s ;", true},                 // bars
    {'V', "", true, "S s ;", true},                 // value labels
}};

}  // namespace

const SeriesType* find_series_type(int c) {
    if (c >= 'a' && c <= 'z') c -= 'a' - 'A';
    for (const SeriesType& type : kSeriesTypes) {
        if (type.letter == c) return &type;
    }
    return nullptr;
}

}  // namespace qp
