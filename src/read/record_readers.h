// The record readers the scanner dispatches to by a line's first letter.
// Each starts just after the record letter, reads the rest of its line (and
// continuation lines) through the scanner, and reports errors through the
// diagnostics.
#pragma once

#include "model/chart_state.h"
#include "log/run_context.h"
#include "read/scanner.h"

namespace qp {

// Everything a record reader works with.
struct RecordContext {
    ChartState& st;
    RunContext& run;
    Scanner& sc;
};

void read_area_record(RecordContext& rc);          // in a chart description file
void read_stencil_area_record(RecordContext& rc);  // in a stencil file
void read_border_record(RecordContext& rc);
void read_plot_record(RecordContext& rc);
void read_title_record(RecordContext& rc);
void read_legend_record(RecordContext& rc);
void read_x_record(RecordContext& rc);
void read_y_record(RecordContext& rc);       // the Y step: "1" or "2", then the scale
void read_series_record(RecordContext& rc);  // D1 / D2, after koldata was raised

}  // namespace qp
