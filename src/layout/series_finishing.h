// The series finishing: ranges, stacking, size and colour defaults, legend
// entries, bar groups and element ids.  Reports a chart without data.
#pragma once

#include "log/run_context.h"
#include "model/chart_state.h"

namespace qp {

void finish_series(ChartState& st, RunContext& run);

}  // namespace qp
