// The layout of representative charts, derived by hand: the frame and its
// inset, margins that give way, the automatic step, crossing rows, the
// category pitch (present only where the category axis is drawn), bar
// widths, pie grids and legend cells.
#include <gtest/gtest.h>

#include "layout/layout.h"
#include "model/pixel_math.h"
#include "support/render_test_support.h"

namespace qp {
namespace {

using test::add_series;
using test::n;
using test::nums;

TEST(FrameLayout, AreaAtTheGroupOriginInsetByAWideBorder) {
    ChartState st;
    test::completed_chart(st);
    Layout lay = lay_out(st);
    EXPECT_FALSE(lay.frame.in_flow);
    EXPECT_EQ(nums(lay.frame.page_left, lay.frame.page_top, lay.frame.group_width, lay.frame.group_height) +
                  " " + lay.frame.background,
              "0 0 400 300 white");
    EXPECT_EQ(lay.frame.area, (Box{0, 0, 400, 300}));
    EXPECT_EQ(lay.plot, (PlotLayout{50, 350, 50, 250, 200}));

    // A border of 3 insets the area by 3 on every side; the block keeps the
    // page place and the whole size.  Colours are lowered, hex digits too.
    st.area.Aleft = 10;
    st.area.Atop = -1;
    st.area.Abgcolor = "#ABCdef";
    st.border.B = 1;
    st.border.Bwidth = 3;
    lay = lay_out(st);
    EXPECT_TRUE(lay.frame.in_flow);
    EXPECT_EQ(nums(lay.frame.page_left, lay.frame.group_width) + " " + lay.frame.background, "10 400 #abcdef");
    EXPECT_FALSE(lay.frame.transparent);
    EXPECT_EQ(lay.frame.area, (Box{3, 3, 394, 294}));
    EXPECT_EQ(lay.plot, (PlotLayout{53, 347, 53, 247, 194}));
    // A border of 1, or one not drawn, leaves the area whole.
    st.border.Bwidth = 1;
    EXPECT_EQ(lay_out(st).frame.area, (Box{0, 0, 400, 300}));
    st.border = Border{};
    st.border.Bwidth = 3;
    st.area.Abgcolor = "TransParent";
    lay = lay_out(st);
    EXPECT_EQ(lay.frame.area, (Box{0, 0, 400, 300}));
    EXPECT_TRUE(lay.frame.transparent);
}

TEST(FrameLayout, MarginsThatDoNotFitGiveWayToATenth) {
    ChartState st;
    test::completed_chart(st);
    st.area.Awidth = 150;
    st.plot.Cleft = st.plot.Cright = st.plot.Ctop = 100;
    st.plot.Cbottom = 190;   // 100 + 190 + 10 = 300: still fits
    Layout lay = lay_out(st);
    EXPECT_EQ(nums(lay.frame.Cleft, lay.frame.Cright, lay.frame.Ctop, lay.frame.Cbottom), "15 15 100 190");
    st.area.Aheight = 125;
    st.plot.Ctop = st.plot.Cbottom = 60;
    lay = lay_out(st);
    EXPECT_EQ(nums(lay.frame.Ctop, lay.frame.Cbottom), "13 13");   // 12.5 rounds up
    st.area.Awidth = 210;
    st.plot.Cleft = st.plot.Cright = 100;   // 100 + 100 + 10 = 210: still fits
    EXPECT_EQ(nums(lay_out(st).frame.Cleft, lay_out(st).frame.Cright), "100 100");
    // The tenth is taken of the inset area.
    st.border.B = 1;
    st.border.Bwidth = 10;
    EXPECT_EQ(lay_out(st).frame.Ctop, 11);   // 125 - 20 = 105
}

TEST(ScaleLayout, AutomaticStepsAndCrossingRows) {
    // About 40 pixels a step: H = 41 gives 100 / (41 / 40) = 97.56, made
    // whole, and 1 / (41 / 40) kept as it is; a step of 0 counts as none.
    ChartState st;
    test::completed_chart(st);
    st.area.Aheight = 141;
    st.y1.max = 100;
    st.y2.pstep = 1;
    st.y2.step = 0;
    st.y2.max = 1;
    Layout lay = lay_out(st);
    EXPECT_EQ(nums(lay.y1.pstep, lay.y2.pstep), "1 1");
    EXPECT_EQ(lay.y1.step, 98.0f);
    EXPECT_EQ(lay.y2.step, as_single(1.0 / (41 / 40.0)));
    // A step given stays; a plot of 40 pixels keeps its scales without one.
    st.y2.step = 0.3f;
    EXPECT_EQ(lay_out(st).y2.step, 0.3f);
    st.area.Aheight = 140;
    EXPECT_EQ(lay_out(st).y1.pstep, -1);

    // Crossing rows: at 25 on 0..100 over 200 rows is 150 below the top;
    // at the scale's top, or on a scale of zero width, the plot top; at
    // its bottom the plot bottom.
    test::completed_chart(st);
    test::scale_0_100(st, 1);
    test::scale_0_100(st, 2);
    st.y1.xlocate = 25;
    st.y2.xlocate = 100;
    lay = lay_out(st);
    EXPECT_EQ(nums(lay.y1.xrow, lay.y2.xrow), "200 50");
    st.y1.xlocate = 0;
    st.y2.min = st.y2.max = 7;   // crossed at 100, off the scale
    lay = lay_out(st);
    EXPECT_EQ(nums(lay.y1.xrow, lay.y2.xrow), "250 50");
}

TEST(CategoryLayout, PitchOnlyWhereTheCategoryAxisIsDrawn) {
    ChartState st = test::series_chart();
    add_series(st, 1, "R1", {1, 2, 3});
    st.d1.kolR1 = 1;
    st.d2.kolR1 = 2;
    st.d2.intR1 = 50;
    Layout lay = lay_out(st);
    EXPECT_EQ(lay.x, (CategoryLayout{100, 100, 50}));
    // 100 / (1 + 1) and 100 / (0.5 + 2).
    EXPECT_EQ(nums(lay.bars1.Rwidth, lay.bars2.Rwidth), "50 40");
    // Categories on the grid positions: 3 labels, 2 steps of 150.
    st.x.XYcross = 1;
    EXPECT_EQ(lay_out(st).x, (CategoryLayout{150, 150, 0}));
    st.x.XYcross = -1;

    // A plot of 40 pixels without a step: no scale is drawn with a step,
    // so there is no pitch and every bar is 0 wide.
    st.area.Aheight = 140;
    lay = lay_out(st);
    EXPECT_EQ(lay.x, CategoryLayout{});
    EXPECT_EQ(nums(lay.bars1.Rwidth, lay.bars2.Rwidth), "0 0");
    // A Y2 scale with a step draws it, also when Y1 has none.
    st.y2.p = st.y2.pstep = 1;
    st.y2.step = 2;
    EXPECT_EQ(lay_out(st).x.Xstepr, 100.0f);
    // Beside a Y2 scale without a step, a drawn Y1 scale with one draws it.
    st.y2.pstep = -1;
    st.y1.pstep = 1;
    st.y1.step = 5;
    EXPECT_EQ(lay_out(st).x.Xstepr, 100.0f);
    // Without Y2 only Y1's step counts, drawn or not.
    st.y2.p = -1;
    st.y1.p = -1;
    st.y1.pstep = 1;
    st.y1.step = 5;
    EXPECT_EQ(lay_out(st).x.Xstepr, 100.0f);
    // A chart of pies only, or a legend alone, has no category axis.
    st.y1.p = 1;
    st.legend.Lonly = 1;
    EXPECT_EQ(lay_out(st).x, CategoryLayout{});
}

TEST(PieLayout, SurveyAndGrids) {
    ChartState st = test::series_chart();
    add_series(st, 1, "L1", {1});
    add_series(st, 2, "P4", {1, 2}).width = 725;   // whole turns dropped: 5
    add_series(st, 1, "P1", {1, 2, 3});            // D1 is surveyed first
    Layout lay = lay_out(st);
    EXPECT_EQ(nums(lay.pies.series, lay.pies.start_angle), "2 0");
    EXPECT_EQ(lay.pies.arrangement, PieArrangement::Rows);
    EXPECT_EQ(lay.pies.boxes.size(), 3u);   // the longest series
    EXPECT_FALSE(lay.pies_only);
    st.d1.rec[1].tip = "M1";
    lay = lay_out(st);
    EXPECT_EQ(nums(lay.pies.series, lay.pies.start_angle), "1 5");
    EXPECT_EQ(lay.pies.arrangement, PieArrangement::ColumnsFromRight);
    // Whole turns above 360 are dropped, 360 itself stays: a start angle
    // that is a multiple of 360 keeps its full turn.
    for (const auto& [given, kept] : {std::pair{0, 0}, {360, 360}, {450, 90}, {720, 360}, {-30, -30}}) {
        st.d2.rec[0].width = given;
        EXPECT_EQ(lay_out(st).pies.start_angle, kept) << given;
    }

    struct Case {
        int width, height, pies;
        PieArrangement arrangement;
        int size;
        std::string corners;
    };
    // The plot is 100 smaller than the area, from (50, 50); labels 16 high.
    const Case cases[] = {
        // 300 x 200: three pies per row in rows of 100, pies of 74.
        {400, 300, 5, PieArrangement::RowsFromRight, 74, "255,55 155,55 55,55 255,155 155,155 "},
        // 100 x 400: a row of 184 would not fit, so the width sets the pie.
        {200, 500, 2, PieArrangement::Rows, 90, "55,55 55,255 "},
        // 300 x 50, column by column: not even one row fits, so the height
        // sets the pie and the columns share the width.
        {400, 150, 2, PieArrangement::Columns, 45, "55,55 205,55 "},
        // 150 x 300 column by column: two pies of 150 would fill the height
        // exactly, which is not less than it, so one row of two.
        {250, 400, 2, PieArrangement::Columns, 70, "55,55 130,55 "},
        // One pie is centred: 200 high, in the 300 wide plot.
        {400, 300, 1, PieArrangement::Columns, 200, "100,50 "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.corners);
        test::completed_chart(st);
        st.area.Awidth = c.width;
        st.area.Aheight = c.height;
        const std::vector<PieBox> boxes = lay_out_pies(st, lay_out(st).frame, c.pies, c.arrangement);
        EXPECT_EQ(test::corners(boxes), c.corners);
        for (const PieBox& b : boxes) EXPECT_EQ(b.size, c.size);
    }
}

TEST(LegendLayout, FiveEntriesInTwoColumnsInsideABorderOf3) {
    ChartState st = test::series_chart();
    st.legend.Lp = 1;
    st.legend.Lgnum = 5;
    st.legend.Lleft = 400;
    st.legend.Ltop = -1;
    st.legend.Lcols = 2;
    st.legend.Lrows = 3;
    st.legend.Lwidth = 200;
    st.legend.Lheight = 91;
    st.legend.Lbwidth = 3;
    st.legend.Lcolor = "YELLOW";
    // Five series, D1 and D2 in turn, with the ordinals D1 1, 3, 2 and
    // D2 5, 4: the entries follow the ordinals.
    for (int s = 0; s < 5; ++s) add_series(st, 1 + s % 2, "M1", {1}).inlegend = 1;
    st.d2.rec[0].pornum = 5;
    st.d1.rec[2].pornum = 2;
    LegendLayout l = lay_out(st).legend;
    ASSERT_TRUE(l.shown);
    EXPECT_FALSE(l.in_flow);   // the chart has a top of its own
    EXPECT_EQ(nums(l.page_left, l.page_top, l.width, l.height) + " " + l.background, "400 -1 200 91 yellow");
    EXPECT_EQ(l.cells, (Box{3, 3, 194, 85}));
    EXPECT_EQ(nums(l.cols, l.rows), "2 3");
    EXPECT_EQ(l.cw, 97.0f);
    EXPECT_EQ(l.ch, as_single(85 / 3.0));
    std::string order;
    for (const LegendEntry& e : l.entries) order += n(e.axis) + ":" + n(e.index) + " ";
    EXPECT_EQ(order, "1:0 1:2 1:1 2:1 2:0 ");

    // A legend alone is always in flow; no columns count as one.
    st.legend.Lonly = 1;
    st.legend.Lcols = 0;
    l = lay_out(st).legend;
    EXPECT_TRUE(l.in_flow);
    EXPECT_EQ(l.cols, 1);
    EXPECT_EQ(l.cw, 194.0f);
    st.legend.Lgnum = 0;
    EXPECT_FALSE(lay_out(st).legend.shown);
}

}  // namespace
}  // namespace qp
