// The chart description reader: reads a chart description file (and the
// stencil files its AREA records name) into the chart state.
#pragma once

#include "model/chart_state.h"
#include "log/run_context.h"
#include "read/scanner.h"

namespace qp {

// Where the reader hands each chart that a later AREA record closes.
class ChartSink {
public:
    virtual ~ChartSink() = default;
    // Completes and outputs the chart read so far (called when file_error is 0).
    virtual void output_chart() = 0;
    // Writes the chart's error page when file_error is set.
    virtual void end_chart() = 0;
};

// Reads the whole chart description file that `sc` stands on.  Applies the
// defaults first, sets ONE_file from the first AREA record, and hands every
// chart but the last to `sink`; the last chart stays in the state.
void read_chart_description(ChartState& st, RunContext& run, Scanner& sc, ChartSink& sink);

}  // namespace qp
