// The tidy layout's rules, each on the chart that shows the problem, laid
// out by the specified rules and by the tidy ones.  Positions are derived
// by hand; the test chart's plot spans x 50..350 and rows 50..250 (200
// pixels high) unless a case says otherwise.
#include <gtest/gtest.h>

#include <limits>

#include "draw/painters.h"
#include "layout/tidy_layout.h"
#include "page/vml_canvas.h"
#include "support/render_test_support.h"

namespace qp {
namespace {

using test::add_series;
using test::n;
using test::nums;

constexpr LayoutPolicy kSpecified = LayoutPolicy::Specified;
constexpr LayoutPolicy kTidy = LayoutPolicy::Tidy;

struct Tidy : test::PainterTest {
    // An automatic Y1 scale from `min` to `max` crossed at `crossing`.
    void scale(float min, float max, float crossing) {
        st.y1.p = 1;
        st.y1.min = min;
        st.y1.max = max;
        st.y1.xlocate = crossing;
    }
    std::string y_axis(LayoutPolicy policy, const std::string& pattern) {
        page.clear();
        paint_y_axis(st, lay_out(st, policy), out, 1);
        return all(pattern);
    }
};

using test::kLabelText;
const std::string kLabelTop = "top:(\\d+);left:5;";
const std::string kRuleRow = "from='\\d+,(\\d+)'";

TEST(RoundStep, OneTwoTwoAndAHalfOrFiveTimesAPowerOfTenNearestByRatio) {
    struct Case {
        double range;
        double step;
        int decimals;
    };
    // Over 200 rows a step of about 40 pixels is a fifth of the range:
    // 13 -> 10 (1.3 against 20's 1.54), 38 -> 50 (1.32 against 25's 1.52),
    // 59 -> 50, 277 -> 250 (1.11), 337 -> 250 (1.35 against 500's 1.48),
    // 0.32 -> 0.25 (1.28 against 0.5's 1.56), 0.64 -> 0.5, 2.5 stays.
    const Case cases[] = {{65, 10, 0},     {190, 50, 0},  {295, 50, 0},  {1385, 250, 0},
                          {1685, 250, 0},  {1.6, 0.25, 2}, {3.2, 0.5, 1}, {12.5, 2.5, 1},
                          {0.0004, 0.0001, 4}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.range);
        const RoundStep r = round_step(c.range, 200);
        EXPECT_DOUBLE_EQ(r.step, c.step);
        EXPECT_EQ(r.decimals, c.decimals);
    }
    EXPECT_EQ(round_step(0, 200).step, 0);
    EXPECT_EQ(round_step(std::numeric_limits<double>::infinity(), 200).step, 0);

    // The specified step of 0..65 is 13, the tidy one 10; a given step
    // stays, typed decimals and all; a plot of 40 pixels keeps its scale
    // without a step.
    ChartState st;
    test::completed_chart(st);
    st.y1.max = 65;
    EXPECT_EQ(lay_out(st, kSpecified).y1.step, 13.0f);
    EXPECT_EQ(lay_out(st, kTidy).y1.step, 10.0f);
    Scale& y = st.y1;
    EXPECT_EQ(tidy_scale_step(y, 200).pstep, 1);
    y.pstep = 1;
    y.step = 0.25f;
    y.sstep = "25";
    EXPECT_EQ(tidy_scale_step(y, 200).step, 0.25f);
    EXPECT_EQ(tidy_scale_step(y, 200).decimals, 2);
    y.pstep = -1;
    EXPECT_EQ(tidy_scale_step(y, 40).pstep, -1);
}

TEST_F(Tidy, StepsBelowOneReadApartWithTheirDecimals) {
    // 0..1.6: the specified step 0.32 is written without decimals.
    scale(0, 1.6f, 0);
    EXPECT_EQ(y_axis(kSpecified, kLabelText), "0|0|1|1|1|2|");
    // 0.25 with two decimals; 125 pixels a unit, 31.25 a step, tops 8.05
    // above each row: 241.95, 210.7, 179.45, 148.2, 116.95, 85.7, 54.45.
    EXPECT_EQ(y_axis(kTidy, kLabelText), "0.00|0.25|0.50|0.75|1.00|1.25|1.50|");
    EXPECT_EQ(y_axis(kTidy, kLabelTop), "242|211|179|148|117|86|54|");
    // An end on a step is labelled although single-precision sums stray:
    // five sums of 0.2 pass 1.
    scale(0, 1, 0);
    EXPECT_EQ(y_axis(kTidy, kLabelText), "0.0|0.2|0.4|0.6|0.8|1.0|");
}

TEST_F(Tidy, TicksAndLabelsStayInsideThePlotAndSitOnSteps) {
    // -12..92 crossed at 0, on row 50 + round(92 x 200 / 104) = 227; 1.923
    // pixels a unit.  The specified step 21 (40.38 pixels) walks up to half
    // a step past the ends: -21 lands on row 267, below the plot's 250.
    scale(-12, 92, 0);
    EXPECT_EQ(y_axis(kSpecified, kRuleRow), "227|187|146|106|65|267|");
    // Step 20 (38.46 pixels): 0, 20, 40, 60, 80 and nothing beyond.
    EXPECT_EQ(y_axis(kTidy, kRuleRow), "227|189|150|112|73|");
    // 0..104 from 0: the specified step 21 reaches 105 on row 48, above
    // the plot's top 50; the tidy step 20 ends at 100 on row 58.
    scale(0, 104, 0);
    EXPECT_EQ(y_axis(kSpecified, kRuleRow), "250|210|169|129|88|48|");
    EXPECT_EQ(y_axis(kTidy, kRuleRow), "250|212|173|135|96|58|");

    // 0.4..3.2 crossed at its bottom: the specified labels walk from the
    // crossing by 0.56, 0.4, 0.96, 1.52 ..., written without decimals; the
    // tidy ones (step 0.5) start at 0.5, the first step above it, on row
    // 250 - 0.1 x 71.43 = 242.86 (top 234.81), and go on every 35.71 pixels.
    scale(0.4f, 3.2f, 0.4f);
    EXPECT_EQ(y_axis(kSpecified, kLabelText), "0|1|2|2|3|3|");
    EXPECT_EQ(y_axis(kTidy, kLabelText), "0.5|1.0|1.5|2.0|2.5|3.0|");
    EXPECT_EQ(y_axis(kTidy, kLabelTop).substr(0, 12), "235|199|163|");
}

TEST_F(Tidy, CrowdedCategoryLabelsAreThinnedAndEveryTickStays) {
    // 365 labels 1..365 of size 14 on a pitch of 300 / 365 = 0.822: a
    // three-digit label's box is 29.4 wide and needs 36 pitches (29.59);
    // 35 give 28.77.
    st.x.X1p = 1;
    st.x.Xi = 365;
    for (int i = 0; i < 365; ++i) st.X[static_cast<std::size_t>(i)] = n(i + 1);
    scale(0, 100, 0);
    const std::string ticks_before = y_axis(kSpecified, "(strokecolor)");
    EXPECT_EQ(test::count_of(page, "<v:textbox/>"), 365 + 6);   // and the scale's 6
    EXPECT_EQ(lay_out(st, kTidy).x.label_every, 36);
    EXPECT_EQ(y_axis(kTidy, "(strokecolor)"), ticks_before);
    page.clear();
    paint_x_axis(st, lay_out(st, kTidy), out);
    EXPECT_EQ(all(kLabelText), "1|37|73|109|145|181|217|253|289|325|361|");
    // Slanted at 45 degrees, neighbours need 16.1 pixels across their
    // lines: 16.1 / (0.822 x 0.707) = 27.7 pitches.
    st.x.Xgrad = 45;
    EXPECT_EQ(lay_out(st, kTidy).x.label_every, 28);
    // Labels that fit are all written.
    st.x.Xgrad = 0;
    st.x.Xi = 3;
    EXPECT_EQ(lay_out(st, kTidy).x.label_every, 1);
}

TEST_F(Tidy, CaptionsKeepClearOfTheLabelsAndTheTitle) {
    // A bottom margin of 30: the labels stand from 270 + 5 + 5 = 280 to
    // 296, the caption from 300 - 16 - 5 = 279.  Tidy: 10 + 5 + 16.1 + 5
    // + 16 + 5 = 57.1 makes the margin 58, the labels 253..269.
    st.plot.Cbottom = 30;
    st.x.X1p = 1;
    st.x.Xtext = "Day";
    scale(0, 100, 0);
    EXPECT_EQ(lay_out(st, kSpecified).plot.bottom, 270);
    const Layout lay = lay_out(st, kTidy);
    EXPECT_EQ(nums(lay.frame.Cbottom, lay.plot.bottom), "58 242");

    // The title (15 characters of 18, 189 wide, centred: 105.5..294.5) and
    // a caption of 21 characters of 14 from 5 to 210.8 overlap: the top
    // margin becomes 3.15 x 14 + 1.3 x 18 + 24 = 91.5, so that the caption
    // (top 92 - 14 - 8.05 - 10 = 60) lies below the title (37 + 20.7).
    st.title.Ttext = "Sales by region";
    st.title.Tsize = 18;
    st.y1.size = 14;
    st.y1.text = "Units sold per region";
    EXPECT_EQ(lay_out(st, kSpecified).frame.Ctop, 50);
    EXPECT_EQ(lay_out(st, kTidy).frame.Ctop, 92);
    st.y1.text = "Units";   // 5..54: clear of the title
    EXPECT_EQ(lay_out(st, kTidy).frame.Ctop, 50);
    st.y1.text = ">Units sold per region";   // along the scale
    EXPECT_EQ(lay_out(st, kTidy).frame.Ctop, 50);
}

TEST_F(Tidy, ValueLabelsOfGroupedBarsStandOverTheirBars) {
    // Three slots of 100 from x 50; three bars of 100 / (1 + 3) = 25, the
    // group from 12.5 into its slot: the bars' middles 75.5, 100.5, 125.5
    // in the first slot.  Value labels of two characters of 10 are 14 wide.
    st = test::series_chart();
    for (const float v : {12.0f, 9.0f, 5.0f}) add_series(st, 1, "R", {v});
    for (const float v : {12.0f, 9.0f, 5.0f}) add_series(st, 1, "V", {v}).width = 10;
    st.d1.kolR1 = 3;
    st.d1.intR1 = 100;
    const auto lefts = [&](LayoutPolicy policy) {
        page.clear();
        const Layout lay = lay_out(st, policy);
        for (int s = 3; s < 6; ++s) paint_value_series(st, lay, out, 1, s);
        return all("left:(\\d+);height");
    };
    // 12 is 14 wide, 9 and 5 are 7 wide (96.5 rounds up).
    EXPECT_EQ(lefts(kSpecified), "93|97|97|");   // at the category's middle, 100
    EXPECT_EQ(lay_out(st, kTidy).bars1.value_offsets, (std::vector<int>{0, 0, 0, -25, 0, 25}));
    EXPECT_EQ(lefts(kTidy), "68|97|122|");
    // Stacked bars share one place: no offsets.
    st.d1.kolR1 = 1;
    EXPECT_TRUE(lay_out(st, kTidy).bars1.value_offsets.empty());
}

TEST_F(Tidy, TheLegendHoldsBoldCapitalsInsideTheArea) {
    // Two entries of 17 characters of 14 with a border of 1: the specified
    // width is round(17 x 14 x 0.55 + 40) + 2 = 173; the tidy one
    // round(17 x 14 x 0.8 + 40) + 2 = 232.
    st.area.Awidth = 800;
    for (int s = 0; s < 2; ++s) add_series(st, 1, "L1", {1}).inlegend = 1;
    st.d1.rec[0].text = "NORTH-WEST REGION";
    st.d1.rec[1].text = "SOUTH-EAST REGION'by quarter";
    Legend& legend = st.legend;
    legend.Lp = 1;
    legend.Lgnum = legend.Lrows = 2;
    legend.Lcols = 1;
    legend.Lbwidth = 1;
    legend.Lwidth = 173;
    legend.Lheight = 44;
    legend.Lleft = 800;
    legend.Ltop = 51;
    legend.Lwidth_fitted = legend.Lplace_fitted = true;
    Layout lay = lay_out(st, kSpecified);
    EXPECT_EQ(nums(lay.legend.width, lay.legend.page_left, lay.legend.page_top, lay.frame.Cright),
              "173 800 51 50");
    // Inside: the right margin 232 + 2 x 10 = 252 leaves the plot 498 of
    // its 700 (more than two thirds); the legend ends 10 before the edge.
    lay = lay_out(st, kTidy);
    EXPECT_EQ(nums(lay.legend.width, lay.legend.page_left, lay.legend.page_top, lay.frame.Cright,
                   lay.legend.cells.width),
              "232 558 50 252 232");
    // A narrower area keeps it beside the chart; a given width or place stays.
    st.area.Awidth = 600;
    EXPECT_EQ(lay_out(st, kTidy).legend.page_left, 800);
    legend.Lwidth_fitted = false;
    EXPECT_EQ(lay_out(st, kTidy).legend.width, 173);
}

TEST_F(Tidy, PieGridsMakeThePiesAsLargeAsThePlotAllows) {
    // Five pies filled column by column, labels of 14 (16 high): the
    // specified grid is one row of pies 55 wide; the tidy one tries 1 to 5
    // rows and takes 2 rows of 3 columns, cells of 100 x 100 and pies of
    // min(100 - 10, 100 - 10 - 22) = 68, each centred: 16 in, 5 down.
    st.x.X1p = 1;
    const FrameLayout frame = lay_out(st).frame;
    using test::corners;
    EXPECT_EQ(corners(lay_out_pies(st, frame, 5, PieArrangement::Columns), true),
              "55,55,55 115,55,55 175,55,55 235,55,55 295,55,55 ");
    EXPECT_EQ(corners(tidy_pie_grid(st, frame, 5, PieArrangement::Columns), true),
              "66,55,68 66,155,68 166,55,68 166,155,68 266,55,68 ");
    // Rows from the right: 3 columns, then 2 rows, right to left.
    EXPECT_EQ(corners(tidy_pie_grid(st, frame, 5, PieArrangement::RowsFromRight)),
              "266,55 166,55 66,55 266,155 166,155 ");
}

TEST(TidyLayout, TheSpecifiedLayoutIsTheDefault) {
    ChartState st = test::series_chart();
    add_series(st, 1, "R", {1, 2});
    add_series(st, 1, "V", {1, 2});
    st.d1.kolR1 = 1;
    const Layout specified = lay_out(st);
    EXPECT_EQ(specified, lay_out(st, kSpecified));
    EXPECT_EQ(nums(specified.y1.decimals, specified.x.label_every, specified.y1.origin_moved), "0 1 0");
    EXPECT_EQ(specified.y1.reach, 0.5);
}

}  // namespace
}  // namespace qp
