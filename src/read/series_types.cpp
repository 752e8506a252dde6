#include "read/series_types.h"

#include <array>

namespace qp {

namespace {

// The variant digits: line styles, marker shapes, pie arrangements.
constexpr std::array<SeriesType, 5> kSeriesTypes = {{
    {SeriesKind::Line, "123", true, "1 2 3 S s ;", true},
    {SeriesKind::Marker, "123456", true, "1 2 3 4 5 6 S s ;", true},
    {SeriesKind::Pie, "1234", false, "1 2 3 4 ;", false},
    {SeriesKind::Bar, "", true, "S s ;", true},
    {SeriesKind::Value, "", true, "S s ;", true},
}};

}  // namespace

const SeriesType* find_series_type(int c) {
    if (c >= 'a' && c <= 'z') c -= 'a' - 'A';
    for (const SeriesType& type : kSeriesTypes) {
        if (type.letter() == c) return &type;
    }
    return nullptr;
}

}  // namespace qp
