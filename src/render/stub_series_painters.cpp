// Temporary stand-in until the series, pie and legend painters and the
// marker and bar primitives exist.  Their owner deletes this file.
#include "render/painters.h"

namespace qp {
void paint_pies(ChartState&, VmlWriter&) {}
void paint_line_series(ChartState&, VmlWriter&, DataAxis, int) {}
void paint_marker_series(ChartState&, VmlWriter&, DataAxis, int) {}
void paint_bars(ChartState&, VmlWriter&, DataAxis) {}
void paint_value_series(ChartState&, VmlWriter&, DataAxis, int) {}
void paint_legend(ChartState&, VmlWriter&) {}
void draw_marker(VmlWriter&, int, int, int, std::string_view, std::string_view,
                 std::string_view, char, std::string_view, std::string_view) {}
void draw_bar(VmlWriter&, const YAxis&, int, int, int, int, std::string_view,
              std::string_view, std::string_view, std::string_view,
              std::string_view) {}
}  // namespace qp
