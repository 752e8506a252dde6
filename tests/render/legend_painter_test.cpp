#include <gtest/gtest.h>

#include "render/painters.h"
#include "render/series_test_support.h"
#include "vml_writer.h"

namespace qp {
namespace {

using test::box;
using test::count_of;
using test::line;

// "<v:shape style='position:absolute;top:%d;left:%d;height:%d;width:%d;
// font:%s normal %s %d %s;color:%s' >\n", the text box and the end tag.
std::string text(int top, int left, int height, int width, const std::string& label,
                 int size = 14) {
    return "<v:shape style='position:absolute;top:" + std::to_string(top) + ";left:" +
           std::to_string(left) + ";height:" + std::to_string(height) + ";width:" +
           std::to_string(width) + "; font:normal normal normal " + std::to_string(size) +
           " Arial;color:black' >\n<v:textbox/>" + label + "</v:textbox/>\n</v:shape>\n";
}

// A chart with a legend at (400, 40), completed and framed; no series yet.
ChartState legend_chart() {
    ChartState st = test::framed_chart();
    st.Lp = 1;
    st.Lleft = 400;
    st.Ltop = 40;
    st.Lcolor = "white";
    st.Lbwidth = 1;
    st.Lfsize = 14;
    return st;
}

SeriesRecord& entry(ChartState& st, int number, const std::string& tip, const std::string& label) {
    SeriesRecord& rec = test::add_series(st, number, tip, {1});
    rec.text = label;
    rec.inlegend = 1;
    ++st.Lgnum;
    return rec;
}

std::string paint(ChartState& st) {
    std::string page;
    VmlWriter out(page);
    paint_legend(st, out);
    return page;
}

TEST(LegendPainter, WorkedSizeInOneColumn) {
    // 5 entries in one column, 119 x 107 with a border width of 1 (no inset):
    // cells 119 x 21.4, middle rows round(21.4 n + 10.7) = 11, 32, 54, 75, 96;
    // text tops round(21.4 n + 10.7 - 8.05) = 3, 24, 45, 67, 88.
    ChartState st = legend_chart();
    st.Lcols = 1;
    st.Lrows = 5;
    st.Lwidth = 119;
    st.Lheight = 107;
    for (int i = 1; i <= 5; ++i) entry(st, 1, "L1", "S" + std::to_string(i));
    std::string expected =
        "<div style='position:absolute;top:40px;left:400px' >\n"
        "<v:group style='antialias:false;width:119px;height:107px' coordsize='119,107'>\n"
        "<v:rect fillcolor='white' strokecolor='white' strokeweight='1px' "
        "style='position:absolute;top:0;left:0;width:119;height:107' >\n</v:rect>\n";
    const int middle[] = {11, 32, 54, 75, 96};
    const int top[] = {3, 24, 45, 67, 88};
    for (int i = 0; i < 5; ++i) {
        expected += line(5, middle[i], 25, middle[i], 1, "red") +
                    text(top[i], 30, 16, 89, "S" + std::to_string(i + 1));
    }
    expected += "</v:group></div>\n";
    EXPECT_EQ(paint(st), expected);
}

TEST(LegendPainter, FiveEntriesInTwoColumnsWithSamplesAndSeparators) {
    ChartState st = legend_chart();
    st.Lgrid = 1;
    st.Lcols = 2;
    st.Lrows = 3;
    st.Lwidth = 200;
    st.Lheight = 90;
    st.Lborder = 1;
    st.Lround = 1;
    st.Lshadow = 1;
    entry(st, 1, "M2", "m").width = 10;
    entry(st, 2, "R1", "r");
    entry(st, 1, "V1", "v");
    entry(st, 2, "L3", "a");
    entry(st, 1, "P1", "p");
    // Cells of 100 x 30 filled row by row: (0, 15), (100, 15), (0, 45),
    // (100, 45), (0, 75).  Bars are 20 x 6 around the middle row, the marker
    // sits at xc + 15; value series have no sample.
    const std::string expected =
        "<div style='position:absolute;top:40px;left:400px' >\n"
        "<v:group style='antialias:false;width:200px;height:90px' coordsize='200,90'>\n"
        "<v:roundrect arcsize='0.05'  fillcolor='white' strokecolor='black' strokeweight='1px' "
        "style='position:absolute;top:0;left:0;width:199;height:89' >\n"
        "<v:shadow  on=\"t\" />\n</v:roundrect>\n" +
        box(11, 11, 8, 8, "yellow", "red", 1) + text(7, 30, 16, 70, "m") +
        box(12, 105, 20, 6, "yellow", "red", 1) + text(7, 130, 16, 70, "r") +
        text(37, 30, 16, 70, "v") +
        box(42, 105, 20, 6, "yellow", "red", 1) + text(37, 130, 16, 70, "a") +
        box(72, 5, 20, 6, "yellow", "red", 1) + text(67, 30, 16, 70, "p") +
        line(0, 30, 200, 30, 1, "black") + line(0, 60, 200, 60, 1, "black") +
        line(100, 0, 100, 90, 1, "black") + "</v:group></div>\n";
    EXPECT_EQ(paint(st), expected);
    EXPECT_EQ(st.Y1xrow, 250);   // restored after the bar samples
}

TEST(LegendPainter, CaretMarkerOnTheCappedLineSampleAndTextSplitAtTheApostrophe) {
    ChartState st = legend_chart();
    st.Lcols = st.Lrows = 1;
    st.Lwidth = 100;
    st.Lheight = 30;
    st.Lfsize = 6;
    SeriesRecord& line_rec = entry(st, 1, "L1", "Sales'Monthly sales");
    line_rec.id = "c_1";
    line_rec.width = 8;
    SeriesRecord& dots = test::add_series(st, 1, "M2", {1});
    dots.text = "^dots";
    dots.width = 10;
    dots.id = "c_2";
    dots.color1 = "blue";
    dots.color2 = "green";
    // The label is the text before the apostrophe, the samples' title the
    // text after it; the marker keeps its colours and takes the line's id.
    // Both samples are capped at the font size 6: a line 6 wide, a marker of
    // size 6 (box round(4.26) = 4); the text box is round(6.9) = 7 high at
    // round(15 - 3.45) = 12.
    const std::string id = "id='c_1'", title = "title='Monthly sales'";
    EXPECT_EQ(paint(st),
              "<div style='position:absolute;top:40px;left:400px' >\n"
              "<v:group style='antialias:false;width:100px;height:30px' coordsize='100,30'>\n"
              "<v:rect fillcolor='white' strokecolor='white' strokeweight='1px' "
              "style='position:absolute;top:0;left:0;width:100;height:30' >\n</v:rect>\n" +
                  line(5, 15, 25, 15, 6, "red", id, "", title) +
                  box(13, 13, 4, 4, "green", "blue", 1, id, "", title) +
                  text(12, 30, 7, 70, "Sales", 6) + "</v:group></div>\n");
}

TEST(LegendPainter, TransparentBoxWithBorder3) {
    ChartState st = legend_chart();
    st.Lcols = st.Lrows = 1;
    st.Lwidth = 100;
    st.Lheight = 50;
    st.Lcolor = "Transparent";
    st.Lborder = 1;
    st.Lbwidth = 3;
    st.Lbcolor = "navy";
    entry(st, 1, "L1", "x");
    // Edge lines 3 wide, round(1.5) = 2 inside the box; the cells then
    // start 3 inside: one cell of 94 x 44 from (3, 3), middle row 25.
    EXPECT_EQ(paint(st),
              "<div style='position:absolute;top:40px;left:400px' >\n"
              "<v:group style='antialias:false;width:100px;height:50px' coordsize='100,50'>\n" +
                  line(0, 2, 100, 2, 3, "navy") + line(98, 0, 98, 50, 3, "navy") +
                  line(100, 48, 0, 48, 3, "navy") + line(2, 50, 2, 0, 3, "navy") +
                  line(8, 25, 28, 25, 1, "red") + text(17, 33, 16, 64, "x") +
                  "</v:group></div>\n");
    EXPECT_EQ(st.Lcolor, "transparent");
}

TEST(LegendPainter, BlockPlacementAndNothingWithoutEntries) {
    ChartState st = legend_chart();
    st.Lcols = st.Lrows = 1;
    st.Lwidth = st.Lheight = 30;
    st.Aid = "ch";
    entry(st, 1, "V1", "x");
    st.Atop0 = -1;
    st.Ltop = -1;
    EXPECT_EQ(paint(st).rfind("<div style='position:relative;left:400px'  id='ch_legend'>\n", 0), 0u);

    st.Atop0 = 0;
    st.Lleft = 7;
    st.Ltop = -1;   // any given top, even -1 beside an absolute chart
    EXPECT_EQ(paint(st).rfind("<div style='position:absolute;top:-1px;left:7px'  id='ch_legend'>\n", 0),
              0u);

    st.Lleft = 7;
    st.Ltop = 5;
    st.Lonly = 1;
    EXPECT_EQ(paint(st).rfind("<div style='position:relative;left:7px'  id='ch_legend'>\n", 0), 0u);

    st.Lgnum = 0;
    EXPECT_EQ(paint(st), "");
    st.Lgnum = 1;
    st.Lp = -1;
    EXPECT_EQ(paint(st), "");
}

TEST(LegendPainter, SeparatorLinesAreBounded) {
    ChartState st = legend_chart();
    st.Lgrid = 1;
    st.Lcols = 1;
    st.Lrows = 2000000000;
    st.Lwidth = 100;
    st.Lheight = 100;
    entry(st, 1, "V1", "x");
    EXPECT_EQ(count_of(paint(st), "<v:line"), 100000);
}

}  // namespace
}  // namespace qp
