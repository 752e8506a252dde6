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

TEST(Completion, FieldsLeftEmptyTakeTheirDefaults) {
    ChartState st;
    st.Awidth = 0;      // an AREA record with an empty width field
    st.Aheight = 305;
    st.Abgcolor = "";
    st.Cleft = 25;      // a PLOT record that gives only the left margin
    st.B = 1;
    st.Bwidth = 0;
    st.Tcolor = "#ab";
    st.Tbgcolor = "#abcdefgh";
    st.Xgrad = 180;
    st.Xwidth = 9;
    complete_fields(st);
    EXPECT_EQ(st.Awidth, 400);
    EXPECT_EQ(st.Abgcolor, "white");
    EXPECT_EQ(st.Cleft, 25);
    EXPECT_EQ(st.Cright, 40);    // 400 x 0.1
    EXPECT_EQ(st.Ctop, 30);      // 305 x 0.1 = 30.5, fraction dropped
    EXPECT_EQ(st.Cbottom, 30);
    EXPECT_EQ(st.Bwidth, 1);
    EXPECT_EQ(st.Tcolor, "#ab0");
    EXPECT_EQ(st.Tbgcolor, "#abcdef");
    EXPECT_EQ(st.Xgrad, 0);
    EXPECT_EQ(st.Xwidth, 5);
    EXPECT_EQ(st.X[0], "1");     // no labels given: the positions count from 1
    EXPECT_EQ(st.X[999], "1000");

    // Without a BORDER record the border is left alone; given labels stay.
    ChartState plain;
    plain.Bwidth = 0;
    plain.Xi = 0;
    plain.X[0] = "Jan";
    complete_fields(plain);
    EXPECT_EQ(plain.Bwidth, 0);
    EXPECT_EQ(plain.X[0], "Jan");
    EXPECT_EQ(plain.X[1], "");
}

TEST(Completion, YRangesFromLimitsAndData) {
    const float none = -99;   // limit or crossing value not given
    const struct {
        const char* what;
        float min, max, xlocate;       // as the Y1 record gave them
        float data_min, data_max;      // the D1 series
        float want_min, want_max, want_xlocate;
    } cases[] = {
        {"min 10 max 5 are dropped", 10, 5, none, 2, 7, 2, 7, 2},
        {"a given range widens to the data", 0, 50, none, 10, 80, 0, 80, 0},
        {"negative data", none, none, none, -8, -2, -8, -2, -8},
        {"mixed signs", none, none, none, -3, 6, -3, 6, 0},
        {"constant data", none, none, none, 5, 5, 5, 5, 5},
        {"crossing outside the limits", 0, 10, 20, 1, 9, 0, 10, 0},
        {"crossing below the data", none, none, -5, 2, 7, -5, 7, -5},
    };
    for (const auto& c : cases) {
        ChartState st;
        st.Y1p = 1;
        if (c.min != none) st.Y1pmin = 1, st.Y1min = c.min;
        if (c.max != none) st.Y1pmax = 1, st.Y1max = c.max;
        if (c.xlocate != none) st.Y1pxlocate = 1, st.Y1xlocate = c.xlocate;
        st.D1num = 0;
        st.D1min = c.data_min;
        st.D1max = c.data_max;
        complete_fields(st);
        complete_axis_ranges(st);
        EXPECT_EQ(st.Y1min, c.want_min) << c.what;
        EXPECT_EQ(st.Y1max, c.want_max) << c.what;
        EXPECT_EQ(st.Y1xlocate, c.want_xlocate) << c.what;
    }

    // A scale without series is not drawn; Y2 follows the same rules.
    ChartState st;
    st.Y1p = 1;
    st.Y2p = 1;
    st.D2num = 1;
    st.D2min = -4;
    st.D2max = 12;
    complete_fields(st);
    complete_axis_ranges(st);
    EXPECT_EQ(st.Y1p, -1);
    EXPECT_EQ(st.Y2p, 1);
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
    // 10 x 1.15 + 5 = 16.5 -> 17.
    ChartState half;
    half.Lgnum = 2;
    half.Lmaxtext = 5;
    half.Lfsize = 10;
    half.Lbwidth = 3;
    complete_legend(half);
    EXPECT_EQ(half.Lwidth, 68 + 6);
    EXPECT_EQ(half.Lheight, 17 * 2 + 6);

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
