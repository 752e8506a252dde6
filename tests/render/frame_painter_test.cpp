#include <gtest/gtest.h>

#include "chart_state.h"
#include "render/painters.h"
#include "render/render_test_support.h"
#include "vml_writer.h"

namespace qp {
namespace {

using test::page_lines;

struct FramePainter : ::testing::Test {
    ChartState st;
    std::string page;
    VmlWriter out{page};
    FramePainter() {
        test::completed_chart(st);
        st.Aleft = 10;
    }
    std::vector<std::string> paint() {
        paint_frame(st, out);
        return page_lines(page);
    }
};

TEST_F(FramePainter, RelativeBlockWhenTopIsUnset) {
    st.Atop = -1;
    const auto lines = paint();
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "<div style='position:relative;left:10px' >\n");
    EXPECT_EQ(lines[1],
              "<v:group style='antialias:false;width:400px;height:300px' coordsize='400,300'>\n");
    EXPECT_EQ(lines[2],
              "<v:rect fillcolor='white' strokecolor='white' strokeweight='1px' "
              "style='position:absolute;top:0;left:0;width:400;height:300' >\n");
    EXPECT_EQ(lines[3], "</v:rect>\n");
    EXPECT_EQ(st.Aleft0, 10);
    EXPECT_EQ(st.Atop0, -1);
    EXPECT_EQ(st.Aleft, 0);
    EXPECT_EQ(st.Atop, 0);
}

TEST_F(FramePainter, AbsoluteBlockFromTopZeroWithId) {
    st.Atop = 0;
    st.Aid = "chart'1";
    const auto lines = paint();
    EXPECT_EQ(lines[0], "<div style='position:absolute;top:0px;left:10px'  id='chart&#39;1'>\n");
    EXPECT_EQ(st.Atop0, 0);
}

TEST_F(FramePainter, BorderOfWidthOneLeavesTheAreaAlone) {
    st.B = 1;
    st.Bwidth = 1;
    const auto lines = paint();
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[2],
              "<v:roundrect arcsize='0'  fillcolor='white' strokecolor='black' strokeweight='1px' "
              "style='position:absolute;top:0;left:0;width:399;height:299' >\n");
    EXPECT_EQ(lines[3], "</v:roundrect>\n");
    EXPECT_EQ(st.Aleft, 0);
    EXPECT_EQ(st.Atop, 0);
    EXPECT_EQ(st.Awidth, 400);
    EXPECT_EQ(st.Aheight, 300);
}

TEST_F(FramePainter, WideRoundBorderWithShadowInsetsTheArea) {
    st.B = 1;
    st.Bwidth = 3;
    st.Bround = 1;
    st.Bshadow = 1;
    st.Bcolor = "navy";
    const auto lines = paint();
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[2],
              "<v:roundrect arcsize='0.05'  fillcolor='white' strokecolor='navy' strokeweight='3px' "
              "style='position:absolute;top:1;left:1;width:397;height:297' >\n");
    EXPECT_EQ(lines[3], "<v:shadow  on=\"t\" />\n");
    EXPECT_EQ(lines[4], "</v:roundrect>\n");
    EXPECT_EQ(st.Aleft, 3);
    EXPECT_EQ(st.Atop, 3);
    EXPECT_EQ(st.Awidth, 394);
    EXPECT_EQ(st.Aheight, 294);
}

TEST_F(FramePainter, TransparentAreaWithBorderGetsFourEdgeLines) {
    st.Abgcolor = "TransParent";
    st.B = 1;
    st.Bwidth = 3;
    st.Bround = 1;
    st.Bshadow = 1;
    const auto lines = paint();
    const std::string tail = "strokeweight='3px' strokecolor='black'  >\n";
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[2], "<v:line  style='position:absolute' from='0,1' to='400,1' " + tail);
    EXPECT_EQ(lines[3], "</v:line>\n");
    EXPECT_EQ(lines[4], "<v:line  style='position:absolute' from='399,0' to='399,300' " + tail);
    EXPECT_EQ(lines[6], "<v:line  style='position:absolute' from='400,299' to='0,299' " + tail);
    EXPECT_EQ(lines[8], "<v:line  style='position:absolute' from='1,300' to='1,0' " + tail);
    EXPECT_EQ(test::count_of(page, "shadow"), 0);
    EXPECT_EQ(test::count_of(page, "roundrect"), 0);
    EXPECT_EQ(st.Abgcolor, "transparent");
    EXPECT_EQ(st.Awidth, 394);
}

TEST_F(FramePainter, TransparentAreaWithoutBorderHasNoBackground) {
    st.Abgcolor = "TRANSPARENT";
    const auto lines = paint();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1].substr(0, 9), "<v:group ");
}

TEST_F(FramePainter, MarginsThatDoNotFitBecomeTenPercent) {
    st.Awidth = 150;
    st.Cleft = st.Cright = 100;
    st.Ctop = 100;
    st.Cbottom = 190;   // 100 + 190 + 10 = 300: still fits
    paint();
    EXPECT_EQ(st.Cleft, 15);
    EXPECT_EQ(st.Cright, 15);
    EXPECT_EQ(st.Ctop, 100);
    EXPECT_EQ(st.Cbottom, 190);
    st.Aheight = 125;
    st.Ctop = st.Cbottom = 60;
    paint_frame(st, out);
    EXPECT_EQ(st.Ctop, 13);   // 12.5 rounds up
    EXPECT_EQ(st.Cbottom, 13);
}

TEST_F(FramePainter, AutomaticStepTakesAboutFortyPixels) {
    st.Aheight = 141;
    st.Ctop = st.Cbottom = 50;   // H = 41
    st.Y1min = 0;
    st.Y1max = 100;   // 100 / (41 / 40) = 97.56, made whole
    st.Y2pstep = 1;   // a step of 0 counts as none
    st.Y2step = 0;
    st.Y2min = 0;
    st.Y2max = 1;     // 1 / (41 / 40) stays as it is
    paint();
    EXPECT_EQ(st.Y1pstep, 1);
    EXPECT_EQ(st.Y1step, 98.0f);
    EXPECT_EQ(st.Y2pstep, 1);
    EXPECT_FLOAT_EQ(st.Y2step, 40.0f / 41.0f);

    // A plot of 40 pixels keeps its scales without a step.
    ChartState low;
    test::completed_chart(low);
    low.Aheight = 140;
    low.Y1max = 100;
    paint_frame(low, out);
    EXPECT_EQ(low.Y1pstep, -1);
}

TEST_F(FramePainter, PlotRectangleInsideTheInsetArea) {
    st.B = 1;
    st.Bwidth = 2;
    st.Ccolor = "#eeeeee";
    st.Cleft = 60;
    st.Cright = 40;
    st.Ctop = 30;
    st.Cbottom = 50;
    const auto lines = paint();
    ASSERT_EQ(lines.size(), 6u);
    // Area inset to 2..398 x 2..298: plot from (62,32), 396-100 wide, 296-80 high.
    EXPECT_EQ(lines[4],
              "<v:rect fillcolor='#eeeeee' strokecolor='#eeeeee' strokeweight='1px' "
              "style='position:absolute;top:32;left:62;width:296;height:216' >\n");
    EXPECT_EQ(lines[5], "</v:rect>\n");
}

struct TitlePainter : ::testing::Test {
    ChartState st;
    std::string page;
    VmlWriter out{page};
    TitlePainter() { test::framed_chart(st); }
    std::vector<std::string> paint(std::string text) {
        page.clear();
        st.Ttext = std::move(text);
        paint_title(st, out);
        return page_lines(page);
    }
};

TEST_F(TitlePainter, AlignmentMarkers) {
    // top (50 - 18) / 2 = 16, left 5, width 390, height round(20.7) = 21.
    auto lines = paint("<Left title");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0],
              "<v:shape style='position:absolute;top:16;left:5;text-align:left;width:390;"
              "height:21; font:normal normal normal 18 Arial;color:black;background:' >\n");
    EXPECT_EQ(lines[1], "<v:textbox/>Left title</v:textbox/>\n");
    EXPECT_EQ(lines[2], "</v:shape>\n");

    lines = paint(">");
    EXPECT_NE(lines[0].find("text-align:right;"), std::string::npos);
    EXPECT_EQ(lines[1], "<v:textbox/></v:textbox/>\n");

    lines = paint("Sales 2024 <b>>");
    EXPECT_NE(lines[0].find("text-align:center;"), std::string::npos);
    EXPECT_EQ(lines[1], "<v:textbox/>Sales 2024 <b>></v:textbox/>\n");
}

TEST_F(TitlePainter, BoxFollowsTheAreaAndFont) {
    st.Aleft = st.Atop = 4;
    st.Tsize = 20;  // height 23
    st.Ctop = 13;   // (13 - 20) / 2 = -3, toward zero
    st.Titalic = "italic";
    st.Tbold = "bold";
    st.Tfont = "Times";
    st.Tcolor = "red";
    st.Tbgcolor = "#ffff00";
    const auto lines = paint("Bob's");
    EXPECT_EQ(lines[0],
              "<v:shape style='position:absolute;top:1;left:9;text-align:center;width:390;"
              "height:23; font:italic normal bold 20 Times;color:red;background:#ffff00' >\n");
    EXPECT_EQ(lines[1], "<v:textbox/>Bob's</v:textbox/>\n");
}

}  // namespace
}  // namespace qp
