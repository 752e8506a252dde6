// A series' kind and variant, and reading its values: positions after the
// last value read count as empty, whatever the value table still holds
// from an earlier chart.
#pragma once

#include "model/chart_state.h"

namespace qp {

// What a series draws: its type letter as the record gives it.
enum class SeriesKind : char {
    None = '\0',
    Line = 'L',
    Marker = 'M',
    Pie = 'P',
    Bar = 'R',
    Value = 'V',
};

// The variant digit of a marker series: the marker's shape.
enum class MarkerShape : char {
    Square = '1',       // a square box
    EvenSquare = '2',   // a square box of even side
    Triangle = '3',     // a triangle pointing up
    Circle = '4',
    Cross = '5',        // a diagonal cross
    Plus = '6',         // a plus sign on a filled box
};

// The variant digit of a line series.
enum class LineStyle : char {
    Plain = '1',       // straight segments
    DropLines = '2',   // segments with drop lines to the X axis
    Filled = '3',      // a filled area under the segments
};

// The variant digit of the first pie series: how several pies fill the
// plot.  Any other digit fills it row by row from the left.
enum class PieArrangement : char {
    Rows = '1',
    Columns = '2',
    RowsFromRight = '3',
    ColumnsFromRight = '4',
};

// The series' type letter and variant digit ('\0' when missing).
inline char series_type(const SeriesRecord& rec) { return rec.tip.empty() ? '\0' : rec.tip[0]; }
inline char series_variant(const SeriesRecord& rec) { return rec.tip.size() < 2 ? '\0' : rec.tip[1]; }

inline SeriesKind kind(const SeriesRecord& rec) { return static_cast<SeriesKind>(series_type(rec)); }
inline MarkerShape marker_shape(const SeriesRecord& rec) {
    return static_cast<MarkerShape>(series_variant(rec));
}
inline LineStyle line_style(const SeriesRecord& rec) {
    return static_cast<LineStyle>(series_variant(rec));
}
inline PieArrangement pie_arrangement(const SeriesRecord& rec) {
    return static_cast<PieArrangement>(series_variant(rec));
}
// A line series of straight segments, with or without drop lines: the
// kind a marker series drawn on it ('^') belongs to.
inline bool is_open_line(const SeriesRecord& rec) {
    return kind(rec) == SeriesKind::Line && rec.tip.size() == 2 &&
           (line_style(rec) == LineStyle::Plain || line_style(rec) == LineStyle::DropLines);
}

inline bool is_filled_line(const SeriesRecord& rec) {
    return kind(rec) == SeriesKind::Line && rec.tip.size() == 2 && line_style(rec) == LineStyle::Filled;
}

// The last value position of a series, kept inside its value row.
inline int last_position(const SeriesRecord& rec) {
    if (rec.kolpoint < -1) return -1;
    if (rec.kolpoint > kValueColumns - 1) return kValueColumns - 1;
    return rec.kolpoint;
}

// True when series `s` of the table has a present value at position `k`.
inline bool value_present(const SeriesTable& table, int s, int k) {
    if (s < 0 || s >= static_cast<int>(table.rec.size()) ||
        s >= static_cast<int>(table.val.size())) {
        return false;
    }
    if (k < 0 || k > last_position(table.rec[s])) return false;
    return is_present(table.val[s][k]);
}

// The series' table index is in range of the table.
inline bool series_in_range(const SeriesTable& table, int s) {
    return s >= 0 && s <= table.num && s < static_cast<int>(table.rec.size()) &&
           s < static_cast<int>(table.val.size());
}

}  // namespace qp
