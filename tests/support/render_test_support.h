// Shared helpers of the renderer tests: charts in known states, and the
// element texts spelled out from their format strings.
#pragma once

#include <gtest/gtest.h>

#include <regex>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "app/chart_file.h"
#include "layout/pie_layout.h"
#include "log/run_context.h"
#include "model/chart_state.h"
#include "page/vml_canvas.h"
#include "support/memory_file_system.h"

namespace qp::test {

inline std::string n(long long v) { return std::to_string(v); }

// Whole numbers joined by blanks, to compare several at once.
template <typename... Ints>
std::string nums(Ints... v) {
    std::string text;
    ((text += (text.empty() ? "" : " ") + n(static_cast<long long>(v))), ...);
    return text;
}

// The boxes' "left,top" (with ",size" when asked), each followed by a blank.
inline std::string corners(const std::vector<PieBox>& boxes, bool sizes = false) {
    std::string text;
    for (const PieBox& b : boxes) text += n(b.left) + "," + n(b.top) + (sizes ? "," + n(b.size) : "") + " ";
    return text;
}

// What `paint` writes on a VML canvas of its own.
template <typename Paint>
std::string painted(Paint paint) {
    PageText page;
    VmlCanvas out(page);
    paint(out);
    return page.str();
}

// The page `page` written for the chart description `text` read as the
// file `name`, without errors.
inline std::string chart_page(const std::string& name, const std::string& text, const std::string& page) {
    MemoryFileSystem fs;
    std::ostringstream console;
    std::istringstream keyboard;
    RunContext run{fs, console, keyboard};
    ChartState st;
    run.chart_name = name;
    process_chart_file(st, run, text);
    EXPECT_EQ(run.file_error, 0) << run.log.pending();
    const auto it = fs.files.find(page);
    EXPECT_NE(it, fs.files.end()) << "page " << page << " not written";
    return it == fs.files.end() ? "" : it->second;
}

// The page cut into lines, each with its line end.
inline std::vector<std::string> page_lines(std::string_view page) {
    std::vector<std::string> lines;
    for (std::size_t start = 0, end; start < page.size(); start = end) {
        end = page.find('\n', start);
        end = end == std::string::npos ? page.size() : end + 1;
        lines.emplace_back(page.substr(start, end - start));
    }
    return lines;
}

inline int count_of(std::string_view text, std::string_view what) {
    int count = 0;
    for (auto at = text.find(what); at != std::string_view::npos; at = text.find(what, at + 1)) ++count;
    return count;
}

// The standard page heading, with the title line when there is a title.
inline std::string heading(const std::string& title) {
    return "<html>\n<xml:namespace prefix=\"v\"/>\n" +
           (title.empty() ? "" : "<title>" + title + "</title>\n") +
           "<head>\n<META Name=\"Generator\" Content=\"Quillplot\">\n"
           "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252          \">\n"
           "</head>\n<style>\nv\\:* {behavior=url(#default#VML)}\n</style>\n<body>\n";
}

// A completed chart: a 400 x 300 area at the page origin with margins of
// 50, so that its plot spans x 50..350 and rows 50..250 of the group.
inline void completed_chart(ChartState& st) {
    st.area.Aleft = st.area.Atop = 0;
    st.area.Awidth = 400;
    st.area.Aheight = 300;
    st.plot.Cleft = st.plot.Cright = st.plot.Ctop = st.plot.Cbottom = 50;
}

// A painter test on a completed chart with a series other than a pie, so
// that it has scales, and the page its painters write.
struct PainterTest : ::testing::Test {
    ChartState st;
    PageText page;
    VmlCanvas out{page};
    PainterTest() {
        completed_chart(st);
        st.koldata = 1;
    }
    // Every match of the pattern's first group on the page, each followed by "|".
    std::string all(const std::string& pattern) const {
        std::string found;
        const std::regex re(pattern);
        const std::string text = page.str();
        for (std::sregex_iterator it(text.begin(), text.end(), re), end; it != end; ++it) {
            found += (*it)[1].str() + "|";
        }
        return found;
    }
};

// The text of a text box, and the x where a rule starts.
inline const std::string kLabelText = "<v:textbox/>([^<]*)</v:textbox/>";
inline const std::string kRuleX = "<v:line style='position:absolute' from='(\\d+),";

// A Y scale 0..100 crossed at 0 with a step of 25: 2 pixels per unit,
// 50 pixels per step, crossing row 250 (the plot bottom).
inline void scale_0_100(ChartState& st, int number) {
    Scale& y = st.scale(number);
    y.p = y.pmin = y.pmax = y.pstep = 1;
    y.min = 0;
    y.max = 100;
    y.step = 25;
    y.xlocate = 0;
}

// A chart laid out for its series: three slots of 100 with the categories
// in their middles, x(i) = 100 + 100 i; Y1 0..100 (y(v) = 250 - 2 v), Y2
// 0..10 (y(v) = 250 - 20 v), both crossed at the plot bottom.
inline ChartState series_chart() {
    ChartState st;
    completed_chart(st);
    st.x.Xi = 3;
    st.y1.max = 100;
    st.y1.p = 1;
    st.y2.max = 10;
    return st;
}

// Appends a series in red and yellow to axis `number` (1 or 2);
// `kEmptyValue` marks an empty value.
inline SeriesRecord& add_series(ChartState& st, int number, const std::string& tip,
                                const std::vector<float>& values) {
    SeriesTable& d = st.table(number);
    SeriesRecord& r = d.rec[static_cast<std::size_t>(++d.num)];
    r = SeriesRecord{};
    r.tip = tip;
    r.pornum = ++st.koldata;
    r.color1 = "red";
    r.color2 = "yellow";
    r.width = tip[0] == 'P' ? 0 : 1;   // a pie series: start angle 0
    r.kolpoint = static_cast<int>(values.size()) - 1;
    for (std::size_t k = 0; k < values.size(); ++k) d.val[static_cast<std::size_t>(d.num)][k] = values[k];
    return r;
}

// The opening tag of an axis or grid line ("<v:line style=..." with one
// blank), without its end tag.
inline std::string rule(int x1, int y1, int x2, int y2, int weight = 1,
                        const std::string& color = "black") {
    return "<v:line style='position:absolute' from='" + n(x1) + "," + n(y1) + "' to='" + n(x2) +
           "," + n(y2) + "' strokeweight='" + n(weight) + "px' strokecolor='" + color + "' >\n";
}

inline std::string tick(int x1, int x2, int row, const std::string& color = "black") {
    return rule(x1, row, x2, row, 1, color);
}

// The series line element with its end tag and whole attribute texts.
inline std::string line(int x1, int y1, int x2, int y2, int weight, const std::string& color,
                        const std::string& id = "", const std::string& link = "",
                        const std::string& title = "") {
    return "<v:line " + id + " style='position:absolute' from='" + n(x1) + "," + n(y1) +
           "' to='" + n(x2) + "," + n(y2) + "' strokeweight='" + n(weight) +
           "px' strokecolor='" + color + "' " + link + " " + title + ">\n</v:line>\n";
}

// The box of a marker or a wide bar, with its end tag.
inline std::string box(int top, int left, int width, int height, const std::string& fill,
                       const std::string& stroke, int weight, const std::string& id = "",
                       const std::string& link = "", const std::string& title = "") {
    return "<v:rect " + id + " fillcolor='" + fill + "' strokecolor='" + stroke +
           "' strokeweight='" + n(weight) + "px' style='position:absolute;top:" + n(top) +
           ";left:" + n(left) + ";width:" + n(width) + ";height:" + n(height) + "' " + link +
           "  " + title + ">\n</v:rect>\n";
}

}  // namespace qp::test
