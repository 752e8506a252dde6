// Where the pies of a chart go: one square box per pie inside the plot
// rectangle, with room for the category label under each pie.
#pragma once

#include <vector>

#include "model/chart_state.h"
#include "model/series_values.h"

namespace qp {

struct FrameLayout;

struct PieBox {
    int left = 0;
    int top = 0;
    int size = 0;
    bool operator==(const PieBox&) const = default;
};

// The height of a category label line under a pie, unrounded and rounded.
double pie_label_height_real(const XAxis& x);
long long pie_label_height(const XAxis& x);

// The boxes of `n` pies in pie order, inside the plot of the framed area.
// A single pie is centred; more pies fill a grid row by row or column by
// column, from the left or from the right.
std::vector<PieBox> lay_out_pies(const ChartState& st, const FrameLayout& frame, int n,
                                 PieArrangement arrangement);

}  // namespace qp
