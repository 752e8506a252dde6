// The render driver: draws one completed chart on a page's canvas.
#pragma once

#include "layout/layout.h"
#include "log/run_context.h"
#include "model/chart_state.h"
#include "page/canvas.h"

namespace qp {

// Draws a completed chart at the places of its layout, in the fixed order.
// Reads the chart and the layout only.
void draw_chart(const ChartState& st, const Layout& layout, Canvas& out);

// Draws the page heading (or copies the heading file), then lays out the
// chart by the given rules and draws it.  Sets run.file_error and draws
// nothing when the heading file is missing.
void render_chart(const ChartState& st, RunContext& run, Canvas& out,
                  LayoutPolicy policy = LayoutPolicy::Specified);

}  // namespace qp
