// Reading a series' values: positions after the last value read count as
// empty, whatever the value table still holds from an earlier chart.
#pragma once

#include "model/chart_state.h"

namespace qp {

// The last value position of a series, kept inside its value row.
inline int last_position(const SeriesRecord& rec) {
    if (rec.kolpoint < -1) return -1;
    if (rec.kolpoint > kValueColumns - 1) return kValueColumns - 1;
    return rec.kolpoint;
}

// True when series `s` of the axis has a present value at position `k`.
inline bool value_present(const DataAxis& axis, int s, int k) {
    if (s < 0 || s >= static_cast<int>(axis.rec.size()) ||
        s >= static_cast<int>(axis.val.size())) {
        return false;
    }
    if (k < 0 || k > last_position(axis.rec[s])) return false;
    return is_present(axis.val[s][k]);
}

// The series' type letter and variant digit ('\0' when missing).
inline char series_type(const SeriesRecord& rec) { return rec.tip.empty() ? '\0' : rec.tip[0]; }
inline char series_variant(const SeriesRecord& rec) { return rec.tip.size() < 2 ? '\0' : rec.tip[1]; }

// The series' table index is in range of the axis's tables.
inline bool series_in_range(const DataAxis& axis, int s) {
    return s >= 0 && s <= axis.num && s < static_cast<int>(axis.rec.size()) &&
           s < static_cast<int>(axis.val.size());
}

}  // namespace qp
