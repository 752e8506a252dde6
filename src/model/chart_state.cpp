#include "model/chart_state.h"

#include <cmath>
#include <utility>

namespace qp {

ChartState::ChartState()
    : X(kMaxXLabels),
      D1rec(kMaxSeries),
      D2rec(kMaxSeries),
      D1val(kMaxSeries),
      D2val(kMaxSeries) {}

void set_defaults(ChartState& st) {
    // The tables move aside so that resetting the scalar fields costs
    // nothing; the X labels are emptied, the series tables kept as they are.
    auto labels = std::move(st.X);
    auto d1rec = std::move(st.D1rec);
    auto d2rec = std::move(st.D2rec);
    auto d1val = std::move(st.D1val);
    auto d2val = std::move(st.D2val);
    const int one_file = st.ONE_file;
    const int num_area = st.numAREA;

    st = ChartState(ChartState::NoTables{});

    for (auto& label : labels) label.clear();
    st.X = std::move(labels);
    st.D1rec = std::move(d1rec);
    st.D2rec = std::move(d2rec);
    st.D1val = std::move(d1val);
    st.D2val = std::move(d2val);
    st.ONE_file = one_file;
    st.numAREA = num_area;
}

YAxis y_axis(ChartState& st, int number) {
    if (number == 1) {
        return YAxis{1, st.Y1p, st.Y1grid, st.Y1width, st.Y1gcolor, st.Y1pmin,
                     st.Y1min, st.Y1pmax, st.Y1max, st.Y1pstep, st.Y1step,
                     st.Y1sstep, st.Y1substep, st.Y1pxlocate, st.Y1xlocate,
                     st.Y1size, st.Y1font, st.Y1color, st.Y1bold, st.Y1italic,
                     st.Y1text, st.Y1bgcolor, st.Y1xrow};
    }
    return YAxis{2, st.Y2p, st.Y2grid, st.Y2width, st.Y2gcolor, st.Y2pmin,
                 st.Y2min, st.Y2pmax, st.Y2max, st.Y2pstep, st.Y2step,
                 st.Y2sstep, st.Y2substep, st.Y2pxlocate, st.Y2xlocate,
                 st.Y2size, st.Y2font, st.Y2color, st.Y2bold, st.Y2italic,
                 st.Y2text, st.Y2bgcolor, st.Y2xrow};
}

DataAxis data_axis(ChartState& st, int number) {
    if (number == 1) {
        return DataAxis{1, st.D1num, st.D1rec, st.D1val, st.D1min, st.D1max,
                        st.kolR1_D1, st.kolR2_D1, st.intR1_D1, st.Rwidth_D1,
                        y_axis(st, 1)};
    }
    return DataAxis{2, st.D2num, st.D2rec, st.D2val, st.D2min, st.D2max,
                    st.kolR1_D2, st.kolR2_D2, st.intR1_D2, st.Rwidth_D2,
                    y_axis(st, 2)};
}

}  // namespace qp
