#include <gtest/gtest.h>

#include "chart_state.h"
#include "render/painters.h"
#include "render/plot_geometry.h"
#include "render/render_test_support.h"
#include "vml_writer.h"

namespace qp {
namespace {

using test::tick;

// The plot spans x 50..350 and rows 50..250; the left margin of 50 gives
// Y1 ticks of 5 pixels (45..50) and Y2 ticks of 6 (350..356).  Label boxes
// of size 14 are 16 high and start 8.05 above their row.
struct YAxisPainter : ::testing::Test {
    ChartState st;
    std::string page;
    VmlWriter out{page};
    YAxisPainter() { test::framed_chart(st); }

    void paint(int number) { paint_y_axis(st, out, y_axis(st, number)); }

    std::vector<std::string> lines_with(std::string_view needle) const {
        std::vector<std::string> found;
        for (const auto& line : test::page_lines(page)) {
            if (line.find(needle) != std::string::npos) found.push_back(line);
        }
        return found;
    }
    // The text of every value label, in order.
    std::vector<std::string> labels() const {
        std::vector<std::string> found;
        for (const auto& line : lines_with("<v:textbox/>")) {
            found.push_back(line.substr(12, line.size() - 12 - 14));
        }
        return found;
    }
};

std::string y1_label(int top) {
    return "<v:shape style='position:absolute;top:" + std::to_string(top) +
           ";left:5;text-align:right;width:35;height:16; font:normal normal normal 14 Arial;"
           "color:black;background:'>\n";
}

TEST_F(YAxisPainter, Y1TicksAndLabelsFromTheCrossing) {
    test::scale_0_100(st, 1);
    paint(1);
    const std::vector<std::string> expected = {
        tick(45, 50, 250), "</v:line>\n", tick(45, 50, 200), "</v:line>\n",
        tick(45, 50, 150), "</v:line>\n", tick(45, 50, 100), "</v:line>\n",
        tick(45, 50, 50),  "</v:line>\n",
        y1_label(242), "<v:textbox/>0</v:textbox/>\n", "</v:shape>\n",
        y1_label(192), "<v:textbox/>25</v:textbox/>\n", "</v:shape>\n",
        y1_label(142), "<v:textbox/>50</v:textbox/>\n", "</v:shape>\n",
        y1_label(92), "<v:textbox/>75</v:textbox/>\n", "</v:shape>\n",
        y1_label(42), "<v:textbox/>100</v:textbox/>\n", "</v:shape>\n",
    };
    EXPECT_EQ(test::page_lines(page), expected);
}

TEST_F(YAxisPainter, Y1LeavesTheCrossingTickToTheXAxisLine) {
    test::scale_0_100(st, 1);
    st.X1p = 1;
    st.Xi = 0;   // no categories: the X axis painter writes nothing
    st.Y1grid = 1;
    paint(1);
    EXPECT_EQ(lines_with("<v:line"),
              (std::vector<std::string>{tick(45, 350, 200), tick(45, 350, 150),
                                        tick(45, 350, 100), tick(45, 350, 50)}));
    // The crossing keeps its label.
    EXPECT_EQ(labels(), (std::vector<std::string>{"0", "25", "50", "75", "100"}));
}

TEST_F(YAxisPainter, Y2WritesTheCrossingTickTwice) {
    test::scale_0_100(st, 2);
    st.Y2xrow = 250;
    st.X1p = 1;
    st.Xi = 0;
    paint(2);
    EXPECT_EQ(lines_with("<v:line"),
              (std::vector<std::string>{tick(350, 356, 250), tick(350, 356, 200),
                                        tick(350, 356, 150), tick(350, 356, 100),
                                        tick(350, 356, 50), tick(350, 356, 250)}));
    const auto boxes = lines_with("<v:shape");
    ASSERT_EQ(boxes.size(), 5u);
    EXPECT_EQ(boxes[0],
              "<v:shape style='position:absolute;top:242;left:360;text-align:left;width:35;"
              "height:16; font:normal normal normal 14 Arial;color:black;background:'>\n");

    page.clear();
    st.Y2grid = 1;
    paint(2);
    EXPECT_EQ(lines_with("<v:line")[0], tick(50, 356, 250));
}

TEST_F(YAxisPainter, MinorTicksAndADownwardWalk) {
    test::scale_0_100(st, 1);
    st.Y1min = -50;
    st.Y1max = 50;
    st.Y1xrow = 150;
    st.Y1substep = 12.5f;   // 25 pixels, ticks 47..50
    paint(1);
    EXPECT_EQ(lines_with("<v:line"),
              (std::vector<std::string>{
                  tick(45, 50, 150), tick(45, 50, 100), tick(45, 50, 50),          // major up
                  tick(47, 50, 150), tick(47, 50, 125), tick(47, 50, 100),
                  tick(47, 50, 75), tick(47, 50, 50),                               // minor up
                  tick(45, 50, 200), tick(45, 50, 250),                             // major down
                  tick(47, 50, 175), tick(47, 50, 200), tick(47, 50, 225),
                  tick(47, 50, 250)}));                                             // minor down
    EXPECT_EQ(labels(), (std::vector<std::string>{"0", "25", "50", "-25", "-50"}));
}

TEST_F(YAxisPainter, LabelsWithoutDecimalsAreRounded) {
    test::scale_0_100(st, 1);
    st.Y1min = -5;
    st.Y1max = 5;
    st.Y1step = 2.5f;
    st.Y1xrow = 150;
    paint(1);
    EXPECT_EQ(labels(), (std::vector<std::string>{"0", "3", "5", "-3", "-5"}));
}

TEST_F(YAxisPainter, LabelFormatFromStepDecimalsAndScaleEnds) {
    test::scale_0_100(st, 1);
    st.Y1min = -0.4f;   // rounds to 0, one place, but negative: two
    st.Y1max = 3;
    st.Y1step = 0.25f;
    st.Y1sstep = "25";
    st.Y1xrow = 226;
    paint(1);
    EXPECT_EQ(labels(), (std::vector<std::string>{
                            " 0.00", " 0.25", " 0.50", " 0.75", " 1.00", " 1.25", " 1.50",
                            " 1.75", " 2.00", " 2.25", " 2.50", " 2.75", " 3.00", "-0.25",
                            "-0.50"}));

    page.clear();
    st.Y1min = -12;   // three places: %6.2f
    st.Y1step = 3;
    st.Y1sstep = "00";
    paint(1);
    EXPECT_EQ(labels(), (std::vector<std::string>{"  0.00", "  3.00", " -3.00", " -6.00",
                                                  " -9.00", "-12.00"}));
}

TEST_F(YAxisPainter, VerticalCaptionsInBothDirections) {
    test::scale_0_100(st, 1);
    st.Y1pstep = -1;   // caption only
    st.Y1text = ">Sales";
    paint(1);
    EXPECT_EQ(page,
              "<v:line style='position:absolute' from='12 250' to='12 50' strokecolor='black'>\n"
              "<v:fill on='True' color='black'/>\n"
              "<v:path textpathok='True'/>\n"
              "<v:textpath on='True' string='Sales' style='v-text-align:right;"
              "font:normal normal normal 14 Arial'/>\n"
              "</v:line>\n");

    page.clear();
    st.Y1text = "<<Bob's";
    st.Y1bgcolor = "yellow";
    paint(1);
    const auto lines = test::page_lines(page);
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[0], "<v:line style='position:absolute' from='12 50' to='12 250' "
                        "strokecolor='yellow' strokeweight='16px'>\n");
    EXPECT_EQ(lines[2], "<v:line style='position:absolute' from='12 50' to='12 250' "
                        "strokecolor='black'>\n");
    EXPECT_EQ(lines[5], "<v:textpath on='True' string='Bob&#39;s' style='v-text-align:left;"
                        "font:normal normal normal 14 Arial'/>\n");

    // With its scale, the vertical caption narrows the label column to
    // left 14 + 10, width 50 - 5 - 14 - 15.
    page.clear();
    test::scale_0_100(st, 1);
    paint(1);
    EXPECT_EQ(lines_with("<v:shape")[0],
              "<v:shape style='position:absolute;top:242;left:24;text-align:right;width:16;"
              "height:16; font:normal normal normal 14 Arial;color:black;background:yellow'>\n");

    page.clear();
    st.Y2text = "|Rate";
    st.Y2size = 10;   // x = 400 - 5 - 5
    paint(2);
    EXPECT_EQ(test::page_lines(page)[0],
              "<v:line style='position:absolute' from='390 250' to='390 50' "
              "strokecolor='black'>\n");
    EXPECT_NE(page.find("v-text-align:center;font:normal normal normal 10 Arial"), std::string::npos);
}

TEST_F(YAxisPainter, HorizontalCaptions) {
    st.Y1text = "Euro";   // w round(39.2) = 39, pushed right to end at 50
    paint(1);
    // top round((50 - 14) - 8.05 - 10) = 18; no line end after the shape.
    EXPECT_EQ(page,
              "<v:shape style='position:absolute;top:18;left:11;text-align:left;width:39;"
              "height:16; font:normal normal normal 14 Arial;color:black;background:' >\n"
              "<v:textbox/>Euro</v:textbox/>\n</v:shape>");

    page.clear();
    st.Y1text = "Amount";   // w round(58.8) = 59, stays at 5
    paint(1);
    EXPECT_NE(page.find("top:18;left:5;text-align:left;width:59;"), std::string::npos);

    page.clear();
    st.Y2text = "Amount";   // w truncate(58.8) = 58, left 400 - 58 - 5
    paint(2);
    EXPECT_NE(page.find("top:18;left:337;text-align:right;width:58;"), std::string::npos);

    page.clear();
    st.Y2text = "Euro";   // left 400 - 39 - 5 = 356 lies beyond the plot: 350
    paint(2);
    EXPECT_NE(page.find("top:18;left:350;text-align:right;width:39;"), std::string::npos);
}

TEST_F(YAxisPainter, StandInForTheXAxisOnly) {
    test::scale_0_100(st, 1);
    st.Y1p = -1;
    st.Y1text = "Never";
    st.X1p = 1;
    st.Xi = 2;
    st.X[0] = "A";
    st.X[1] = "B";
    paint(1);
    EXPECT_EQ(st.Xstepr, 150.0f);
    EXPECT_EQ(test::count_of(page, "<v:textbox/>A</v:textbox/>"), 1);
    EXPECT_EQ(test::count_of(page, "Never"), 0);
}

TEST_F(YAxisPainter, ConstantDataScale) {
    test::completed_chart(st);
    st.Y1p = 1;
    st.Y1min = st.Y1max = st.Y1xlocate = 5;
    std::string frame;
    VmlWriter frame_out(frame);
    paint_frame(st, frame_out);   // the automatic step of a zero range is 0
    ASSERT_EQ(st.Y1pstep, 1);
    ASSERT_EQ(st.Y1step, 0.0f);
    st.Y1xrow = 50;
    paint(1);
    // No value passes 5 < 5 + 0: the crossing is labelled, nothing ticked.
    EXPECT_EQ(test::count_of(page, "<v:line"), 0);
    EXPECT_EQ(labels(), (std::vector<std::string>{"5"}));
    EXPECT_EQ(lines_with("<v:shape")[0], y1_label(42));

    page.clear();
    st.Y1step = 1;   // 5 < 5.5 ticks the crossing; 6 and 4 fail their tests
    paint(1);
    EXPECT_EQ(lines_with("<v:line"), (std::vector<std::string>{tick(45, 50, 50)}));
    EXPECT_EQ(labels(), (std::vector<std::string>{"5"}));
}

TEST_F(YAxisPainter, StalledStepWritesOnlyTheCrossing) {
    test::scale_0_100(st, 1);
    st.Y1xlocate = 1;
    st.Y1step = 1e-10f;
    st.X1p = 1;
    st.Xi = 0;
    paint(1);
    EXPECT_EQ(test::count_of(page, "<v:line"), 0);
    EXPECT_EQ(labels(), (std::vector<std::string>{"1"}));
}

TEST_F(YAxisPainter, RowsBeyondTheIntRangeAreClamped) {
    test::scale_0_100(st, 1);
    st.Y1max = 4e-37f;   // 200 / 4e-37 pixels per unit: beyond any float
    st.Y1step = 1e-37f;
    paint(1);
    EXPECT_EQ(test::count_of(page, "<v:line"), 5);
    EXPECT_EQ(test::count_of(page, "from='45,250'"), 1);
    EXPECT_EQ(test::count_of(page, "from='45,-2147483648'"), 4);
    EXPECT_EQ(labels(), (std::vector<std::string>{"0", "0", "0", "0", "0"}));
}

TEST_F(YAxisPainter, HostileStepStopsAtTheWalkBound) {
    test::scale_0_100(st, 1);
    st.Y1max = 1e8f;
    st.Y1step = 0.001f;
    paint(1);
    // The upward walks end at the bound; the crossing label comes on top
    // of its walk.
    EXPECT_EQ(test::count_of(page, "<v:line"), kMaxWalkElements);
    EXPECT_EQ(test::count_of(page, "<v:shape"), kMaxWalkElements + 1);
}

}  // namespace
}  // namespace qp
