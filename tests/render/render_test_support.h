// Shared helpers of the renderer tests: charts in known states and ways to
// look at the page they produce.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "chart_state.h"

namespace qp::test {

// The page cut into lines, each with its line end.
inline std::vector<std::string> page_lines(const std::string& page) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < page.size()) {
        std::size_t end = page.find('\n', start);
        end = end == std::string::npos ? page.size() : end + 1;
        lines.push_back(page.substr(start, end - start));
        start = end;
    }
    return lines;
}

inline int count_of(const std::string& page, std::string_view needle) {
    int n = 0;
    for (std::size_t at = page.find(needle); at != std::string::npos;
         at = page.find(needle, at + needle.size())) {
        ++n;
    }
    return n;
}

// A completed chart before drawing: a 400 x 300 area with margins of 50,
// so that after the frame the plot spans x 50..350 and rows 50..250
// (H = 200).
inline void completed_chart(ChartState& st) {
    st.Aleft = 0;
    st.Atop = 0;
    st.Awidth = 400;
    st.Aheight = 300;
    st.Cleft = st.Cright = st.Ctop = st.Cbottom = 50;
}

// The same chart as the frame painter leaves it, at the group origin.
inline void framed_chart(ChartState& st) {
    completed_chart(st);
    st.Atop0 = 0;
}

// A Y scale 0..100 crossed at 0 with a step of 25: 2 pixels per unit,
// 50 pixels per step, crossing row 250 (the plot bottom).
inline void scale_0_100(ChartState& st, int number) {
    YAxis y = y_axis(st, number);
    y.p = 1;
    y.pmin = y.pmax = y.pstep = 1;
    y.min = 0;
    y.max = 100;
    y.step = 25;
    y.xlocate = 0;
    y.xrow = 250;
}

// The value tick line of the scale painters, from (x1,row) to (x2,row).
inline std::string tick(int x1, int x2, int row, std::string_view color = "black") {
    return "<v:line style='position:absolute' from='" + std::to_string(x1) + "," +
           std::to_string(row) + "' to='" + std::to_string(x2) + "," + std::to_string(row) +
           "' strokeweight='1px' strokecolor='" + std::string(color) + "' >\n";
}

}  // namespace qp::test
