#include "model/chart_state.h"

#include <utility>

namespace qp {

ChartState::ChartState() : X(kMaxXLabels) {
    d1.rec.resize(kMaxSeries);
    d2.rec.resize(kMaxSeries);
    d1.val.resize(kMaxSeries);
    d2.val.resize(kMaxSeries);
}

void set_defaults(ChartState& st) {
    // The tables move aside so that resetting the fields costs nothing; the
    // X labels are emptied, the series tables kept as they are.
    auto labels = std::move(st.X);
    auto d1rec = std::move(st.d1.rec);
    auto d2rec = std::move(st.d2.rec);
    auto d1val = std::move(st.d1.val);
    auto d2val = std::move(st.d2.val);
    const FileCharts file = st.file;

    st = ChartState(ChartState::NoTables{});

    for (auto& label : labels) label.clear();
    st.X = std::move(labels);
    st.d1.rec = std::move(d1rec);
    st.d2.rec = std::move(d2rec);
    st.d1.val = std::move(d1val);
    st.d2.val = std::move(d2val);
    st.file = file;
}

}  // namespace qp
