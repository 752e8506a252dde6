// Temporary stand-in until chart file processing and completion exist.  Its owner deletes this file.
#include "chart_file.h"
#include "completion.h"
namespace qp {
void normalize_color(std::string&) {}
void complete_fields(ChartState&) {}
void complete_axis_ranges(ChartState&) {}
void complete_legend(ChartState&) {}
void process_chart_file(ChartState&, RunContext&, const std::string&) {}
std::string default_page_name(const RunContext&) { return {}; }
}  // namespace qp
