// Where the pies of a chart go: one square box per pie inside the plot
// rectangle, with room for the category label under each pie.
#pragma once

#include <vector>

#include "model/chart_state.h"

namespace qp {

struct PieBox {
    int left = 0;
    int top = 0;
    int size = 0;
};

// The boxes of `n` pies in pie order.  A single pie is centred; more pies
// fill a grid column by column (variants '2' and '4') or row by row
// (variants '1' and '3'); variants '3' and '4' run their columns from the
// right.
std::vector<PieBox> lay_out_pies(const ChartState& st, int n, char variant);

}  // namespace qp
