// A chart state as the frame and axis painters leave it, and helpers that
// spell out expected elements from their format strings.
#pragma once

#include <string>
#include <vector>

#include "chart_state.h"

namespace qp::test {

// An area of 400 x 300 at the group origin with margins of 50: the plot
// runs from x 50 to 350 and from row 50 to 250 (H = 200).  Three slots of
// 100 pixels with the categories in their middles, so x(i) = 100 + 100 i.
// Y1 runs from 0 to 100 (y(v) = 250 - 2 v, crossing row 250); Y2 from 0 to
// 10 (y(v) = 250 - 20 v, crossing row 250).
inline ChartState framed_chart() {
    ChartState st;
    st.Aleft = 0;
    st.Atop = 0;
    st.Atop0 = 0;
    st.Awidth = 400;
    st.Aheight = 300;
    st.Cleft = st.Cright = st.Ctop = st.Cbottom = 50;
    st.Cx1 = 50;
    st.Cx2 = 350;
    st.Xi = 3;
    st.Xstepr = st.Xstepm = 100;
    st.dXstepm = 50;
    st.Y1p = 1;
    st.Y1min = 0;
    st.Y1max = 100;
    st.Y1xlocate = 0;
    st.Y1xrow = 250;
    st.Y2min = 0;
    st.Y2max = 10;
    st.Y2xlocate = 0;
    st.Y2xrow = 250;
    return st;
}

// Appends a series to axis `number` (1 or 2) with the given values; `kEmptyValue`
// marks an empty one.  Returns the new series record.
inline SeriesRecord& add_series(ChartState& st, int number, const std::string& tip,
                                const std::vector<float>& values) {
    int& num = number == 1 ? st.D1num : st.D2num;
    auto& rec = number == 1 ? st.D1rec : st.D2rec;
    auto& val = number == 1 ? st.D1val : st.D2val;
    ++num;
    ++st.koldata;
    SeriesRecord& r = rec[static_cast<std::size_t>(num)];
    r = SeriesRecord{};
    r.tip = tip;
    r.pornum = st.koldata;
    r.color1 = "red";
    r.color2 = "yellow";
    r.width = tip[0] == 'P' ? 0 : 1;   // a pie series: start angle 0
    r.kolpoint = static_cast<int>(values.size()) - 1;
    for (std::size_t k = 0; k < values.size(); ++k) val[static_cast<std::size_t>(num)][k] = values[k];
    return r;
}

// The series line element: "<v:line %s style='position:absolute'
// from='%d,%d' to='%d,%d' strokeweight='%dpx' strokecolor='%s' %s %s>\n"
// and its end tag, with whole attribute texts.
inline std::string line(int x1, int y1, int x2, int y2, int weight, const std::string& color,
                        const std::string& id = "", const std::string& link = "",
                        const std::string& title = "") {
    return "<v:line " + id + " style='position:absolute' from='" + std::to_string(x1) + "," +
           std::to_string(y1) + "' to='" + std::to_string(x2) + "," + std::to_string(y2) +
           "' strokeweight='" + std::to_string(weight) + "px' strokecolor='" + color + "' " +
           link + " " + title + ">\n</v:line>\n";
}

// The box of a marker or a wide bar: "<v:rect %s fillcolor='%s'
// strokecolor='%s' strokeweight='%dpx' style='position:absolute;top:%d;
// left:%d;width:%d;height:%d' %s  %s>\n" and its end tag.
inline std::string box(int top, int left, int width, int height, const std::string& fill,
                       const std::string& stroke, int weight, const std::string& id = "",
                       const std::string& link = "", const std::string& title = "") {
    return "<v:rect " + id + " fillcolor='" + fill + "' strokecolor='" + stroke +
           "' strokeweight='" + std::to_string(weight) + "px' style='position:absolute;top:" +
           std::to_string(top) + ";left:" + std::to_string(left) + ";width:" +
           std::to_string(width) + ";height:" + std::to_string(height) + "' " + link + "  " +
           title + ">\n</v:rect>\n";
}

// Counts the occurrences of `what` in `text`.
inline int count_of(const std::string& text, const std::string& what) {
    int n = 0;
    for (std::size_t p = text.find(what); p != std::string::npos; p = text.find(what, p + 1)) ++n;
    return n;
}

}  // namespace qp::test
