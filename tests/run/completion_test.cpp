#include <gtest/gtest.h>

#include <climits>

#include "chart_state.h"
#include "completion.h"

namespace qp {
namespace {

TEST(Completion, ShortColoursArePaddedAndLongOnesCut) {
    const struct {
        const char* in;
        const char* out;
    } cases[] = {
        {"#", "#000"},          {"#a", "#a00"},        {"#ab", "#ab0"},
        {"#abc", "#abc"},       {"#abcd", "#abcd00"},  {"#12345", "#123450"},
        {"#abcdef", "#abcdef"}, {"#abcdefgh", "#abcdef"}, {"red", "red"},
        {"", ""},
    };
    for (const auto& c : cases) {
        std::string color = c.in;
        normalize_color(color);
        EXPECT_EQ(color, c.out) << "from " << c.in;
    }
}

TEST(Completion, EmptyAreaAndMarginsTakeTheirDefaults) {
    ChartState st;
    st.Awidth = 0;      // an AREA record with an empty width field
    st.Aheight = 305;
    st.Abgcolor = "";
    st.Cleft = 25;      // a PLOT record that gives only the left margin
    st.Tcolor = "#ab";
    st.Tbgcolor = "#abcdefgh";
    complete_fields(st);
    EXPECT_EQ(st.Awidth, 400);
    EXPECT_EQ(st.Abgcolor, "white");
    EXPECT_EQ(st.Cleft, 25);
    EXPECT_EQ(st.Cright, 40);    // 400 x 0.1
    EXPECT_EQ(st.Ctop, 30);      // 305 x 0.1 = 30.5, fraction dropped
    EXPECT_EQ(st.Cbottom, 30);
    EXPECT_EQ(st.Tcolor, "#ab0");
    EXPECT_EQ(st.Tbgcolor, "#abcdef");
}

TEST(Completion, BorderTitleAndXAxisDefaults) {
    ChartState st;
    st.B = 1;
    st.Bwidth = 0;
    st.Bcolor = "";
    st.Tsize = 0;
    st.Tfont = "";
    st.Tcolor = "";
    st.Xgrad = 180;
    st.Xwidth = 9;
    st.Xsize = 0;
    st.Xgcolor = "";
    st.Xcolor = "#1";
    complete_fields(st);
    EXPECT_EQ(st.Bwidth, 1);
    EXPECT_EQ(st.Bcolor, "black");
    EXPECT_EQ(st.Tsize, 18);
    EXPECT_EQ(st.Tfont, "Arial");
    EXPECT_EQ(st.Tcolor, "black");
    EXPECT_EQ(st.Xgrad, 0);
    EXPECT_EQ(st.Xwidth, 5);
    EXPECT_EQ(st.Xsize, 14);
    EXPECT_EQ(st.Xgcolor, "black");
    EXPECT_EQ(st.Xcolor, "#100");

    // Without a BORDER record the border fields are left alone.
    ChartState plain;
    plain.Bwidth = 0;
    plain.Xgrad = 90;
    plain.Xwidth = 0;
    complete_fields(plain);
    EXPECT_EQ(plain.Bwidth, 0);
    EXPECT_EQ(plain.Xgrad, 90);
    EXPECT_EQ(plain.Xwidth, 1);
}

TEST(Completion, DefaultXLabelsCountFromOneOnlyWithoutAnXRecordLabels) {
    ChartState st;
    complete_fields(st);
    EXPECT_EQ(st.X[0], "1");
    EXPECT_EQ(st.X[9], "10");
    EXPECT_EQ(st.X[999], "1000");
    EXPECT_EQ(st.Xi, -1);

    ChartState given;
    given.Xi = 1;
    given.X[0] = "Jan";
    given.X[1] = "Feb";
    complete_fields(given);
    EXPECT_EQ(given.X[0], "Jan");
    EXPECT_EQ(given.X[2], "");
}

// A Y1 scale with the given limits and one D1 series spanning [lo, hi].
ChartState y1_chart(float lo, float hi) {
    ChartState st;
    st.Y1p = 1;
    st.D1num = 0;
    st.D1min = lo;
    st.D1max = hi;
    return st;
}

TEST(Completion, ContradictoryYLimitsAreDroppedForTheDataRange) {
    ChartState st = y1_chart(2, 7);
    st.Y1pmin = 1;
    st.Y1min = 10;
    st.Y1pmax = 1;
    st.Y1max = 5;
    st.Y1width = 0;
    st.Y1gcolor = "#abcd";
    complete_fields(st);
    EXPECT_EQ(st.Y1pmin, -1);
    EXPECT_EQ(st.Y1pmax, -1);
    EXPECT_EQ(st.Y1width, 1);
    EXPECT_EQ(st.Y1gcolor, "#abcd00");
    complete_axis_ranges(st);
    EXPECT_EQ(st.Y1min, 2.0f);
    EXPECT_EQ(st.Y1max, 7.0f);
    EXPECT_EQ(st.Y1xlocate, 2.0f);   // both ends above 0: the X axis sits at the minimum
}

TEST(Completion, GivenLimitsOnlyWidenToTakeInTheData) {
    ChartState st = y1_chart(10, 80);
    st.Y1pmin = 1;
    st.Y1min = 0;
    st.Y1pmax = 1;
    st.Y1max = 50;
    complete_fields(st);
    complete_axis_ranges(st);
    EXPECT_EQ(st.Y1min, 0.0f);
    EXPECT_EQ(st.Y1max, 80.0f);
    EXPECT_EQ(st.Y1xlocate, 0.0f);
}

TEST(Completion, CrossingValueFollowsTheSignOfTheData) {
    ChartState negative = y1_chart(-8, -2);
    complete_axis_ranges(negative);
    EXPECT_EQ(negative.Y1xlocate, -8.0f);
    EXPECT_EQ(negative.Y1min, -8.0f);
    EXPECT_EQ(negative.Y1max, -2.0f);

    ChartState mixed = y1_chart(-3, 6);
    complete_axis_ranges(mixed);
    EXPECT_EQ(mixed.Y1xlocate, 0.0f);
    EXPECT_EQ(mixed.Y1min, -3.0f);
    EXPECT_EQ(mixed.Y1max, 6.0f);

    // Constant data: nothing widens the empty range.
    ChartState constant = y1_chart(5, 5);
    complete_axis_ranges(constant);
    EXPECT_EQ(constant.Y1min, 5.0f);
    EXPECT_EQ(constant.Y1max, 5.0f);
    EXPECT_EQ(constant.Y1xlocate, 5.0f);
}

TEST(Completion, AGivenCrossingValueIsKeptInsideTheScale) {
    // Outside the given limits it moves to the minimum.
    ChartState outside = y1_chart(1, 9);
    outside.Y1pmin = 1;
    outside.Y1min = 0;
    outside.Y1pmax = 1;
    outside.Y1max = 10;
    outside.Y1pxlocate = 1;
    outside.Y1xlocate = 20;
    complete_fields(outside);
    EXPECT_EQ(outside.Y1xlocate, 0.0f);

    // Without limits the range grows to reach it.
    ChartState below = y1_chart(2, 7);
    below.Y1pxlocate = 1;
    below.Y1xlocate = -5;
    complete_fields(below);
    complete_axis_ranges(below);
    EXPECT_EQ(below.Y1min, -5.0f);
    EXPECT_EQ(below.Y1max, 7.0f);
    EXPECT_EQ(below.Y1xlocate, -5.0f);
}

TEST(Completion, ScalesWithoutSeriesAreNotDrawnAndY2MirrorsY1) {
    ChartState st;
    st.Y1p = 1;
    st.Y2p = 1;
    st.D2num = 1;
    st.D2min = -4;
    st.D2max = 12;
    st.Y2size = 0;
    st.Y2bgcolor = "#ab";
    complete_fields(st);
    complete_axis_ranges(st);
    EXPECT_EQ(st.Y1p, -1);
    EXPECT_EQ(st.Y2p, 1);
    EXPECT_EQ(st.Y2size, 14);
    EXPECT_EQ(st.Y2bgcolor, "#ab0");
    EXPECT_EQ(st.Y2min, -4.0f);
    EXPECT_EQ(st.Y2max, 12.0f);
    EXPECT_EQ(st.Y2xlocate, 0.0f);
}

TEST(Completion, LegendColumnsAndRowsCoverEveryEntry) {
    const struct {
        int entries, cols, rows, want_cols, want_rows;
    } cases[] = {
        {7, 2, 0, 2, 4},   // 7 entries in 2 columns
        {7, 0, 3, 3, 3},   // 3 rows given
        {3, 5, 0, 3, 1},   // 5 columns for 3 entries
        {5, 0, 0, 1, 5},   // nothing given: one column
        {6, 2, 9, 2, 3},   // columns given: the rows follow from them
        {0, 3, 0, 0, 0},   // no entries
    };
    for (const auto& c : cases) {
        ChartState st;
        st.Lgnum = c.entries;
        st.Lcols = c.cols;
        st.Lrows = c.rows;
        complete_legend(st);
        EXPECT_EQ(st.Lcols, c.want_cols) << c.entries << " entries";
        EXPECT_EQ(st.Lrows, c.want_rows) << c.entries << " entries";
    }
}

TEST(Completion, LegendSizeFromItsTextsAndRows) {
    ChartState st;
    st.Lgnum = 5;
    st.Lmaxtext = 10;
    complete_legend(st);
    // round(1 x (10 x 14 x 0.55 + 40)) + 2 = 119; round(14 x 1.15 + 5) x 5 + 2 = 107.
    EXPECT_EQ(st.Lwidth, 119);
    EXPECT_EQ(st.Lheight, 107);
    EXPECT_EQ(st.Lbwidth, 1);

    // Halves round away from zero: 5 x 10 x 0.55 + 40 = 67.5 -> 68;
    // 10 x 1.15 + 5 = 16.5 -> 17, and 50 x 1.15 + 5 = 62.5 -> 63.
    ChartState half;
    half.Lgnum = 2;
    half.Lmaxtext = 5;
    half.Lfsize = 10;
    half.Lbwidth = 3;
    complete_legend(half);
    EXPECT_EQ(half.Lwidth, 68 + 6);
    EXPECT_EQ(half.Lheight, 17 * 2 + 6);

    ChartState large;
    large.Lgnum = 1;
    large.Lfsize = 50;
    complete_legend(large);
    EXPECT_EQ(large.Lheight, 63 + 2);

    // A given size stays.
    ChartState given;
    given.Lgnum = 5;
    given.Lwidth = 90;
    given.Lheight = 30;
    complete_legend(given);
    EXPECT_EQ(given.Lwidth, 90);
    EXPECT_EQ(given.Lheight, 30);
}

TEST(Completion, LegendPositionAndColours) {
    ChartState flow;
    flow.Aleft = 30;
    flow.Ccolor = "navy";
    flow.Lfcolor = "#ab";
    flow.Lbcolor = "";
    complete_legend(flow);
    EXPECT_EQ(flow.Lleft, 30);
    EXPECT_EQ(flow.Ltop, -1);
    EXPECT_EQ(flow.Lcolor, "navy");
    EXPECT_EQ(flow.Lfcolor, "#ab0");
    EXPECT_EQ(flow.Lbcolor, "black");

    // A placed chart: right of the area, level with the plot's top.
    ChartState placed;
    placed.Aleft = 30;
    placed.Atop = 50;
    placed.Abgcolor = "#abc";
    complete_fields(placed);
    complete_legend(placed);
    EXPECT_EQ(placed.Lleft, 430);        // 30 + 400
    EXPECT_EQ(placed.Ltop, 91);          // 50 + 40 + 1
    EXPECT_EQ(placed.Lcolor, "#abc");    // no plot colour: the area's

    ChartState given;
    given.Atop = 50;
    given.Lleft = 5;
    given.Ltop = 6;
    complete_legend(given);
    EXPECT_EQ(given.Lleft, 5);
    EXPECT_EQ(given.Ltop, 6);
}

TEST(Completion, HugeLegendAndAreaNumbersSaturate) {
    ChartState st;
    st.Lgnum = 3;
    st.Lrows = 2000000000;
    st.Aleft = INT_MAX;
    st.Atop = INT_MAX;
    st.Awidth = INT_MAX;
    complete_legend(st);
    EXPECT_EQ(st.Lcols, 1);
    EXPECT_EQ(st.Lheight, INT_MAX);
    EXPECT_EQ(st.Lleft, INT_MAX);
    EXPECT_EQ(st.Ltop, INT_MAX);
}

}  // namespace
}  // namespace qp
