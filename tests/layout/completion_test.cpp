// Completing the chart state before drawing: defaults, Y ranges, legend.
#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "model/chart_state.h"
#include "layout/completion.h"

namespace qp {
namespace {

TEST(Completion, FieldsLeftEmptyTakeTheirDefaults) {
    for (auto [in, out] : {std::pair{"#", "#000"}, {"#ab", "#ab0"}, {"#abc", "#abc"},
                           {"#abcd", "#abcd00"}, {"#abcdefgh", "#abcdef"}, {"red", "red"}}) {
        std::string color = in;
        normalize_color(color);
        EXPECT_EQ(color, out) << in;
    }
    // An AREA record with an empty width field, a PLOT record that gives
    // only the left margin, a BORDER record without width, an X angle of 180.
    ChartState st;
    st.area.Awidth = 0, st.area.Aheight = 305, st.plot.Cleft = 25, st.border.B = 1, st.border.Bwidth = 0, st.x.Xgrad = 180, st.x.Xwidth = 9;
    complete_fields(st);
    // Margins: 400 x 0.1 and 305 x 0.1 = 30.5 with the fraction dropped.
    EXPECT_EQ(std::vector<int>({st.area.Awidth, st.plot.Cleft, st.plot.Cright, st.plot.Ctop, st.plot.Cbottom, st.border.Bwidth, st.x.Xgrad, st.x.Xwidth}),
              std::vector<int>({400, 25, 40, 30, 30, 1, 0, 5}));
    EXPECT_EQ(st.area.Abgcolor + " " + st.X[0] + " " + st.X[999], "white 1 1000");
}

TEST(Completion, YRangesFromLimitsAndData) {
    const float none = -99;   // limit or crossing value not given
    const struct {
        const char* what;
        float min, max, xlocate, data_min, data_max, want_min, want_max, want_xlocate;
    } cases[] = {
        {"min 10 max 5 are dropped", 10, 5, none, 2, 7, 2, 7, 2},
        {"a given range widens to the data", 0, 50, none, 10, 80, 0, 80, 0},
        {"negative data", none, none, none, -8, -2, -8, -2, -8},
        {"mixed signs", none, none, none, -3, 6, -3, 6, 0},
        {"constant data", none, none, none, 5, 5, 5, 5, 5},
        {"crossing outside the limits", 0, 10, 20, 1, 9, 0, 10, 0},
        {"crossing below the data", none, none, -5, 2, 7, -5, 7, -5},
        {"crossing above the data", none, none, 50, 1, 5, 1, 50, 50},
        {"equal limits are dropped", 5, 5, none, 6, 8, 6, 8, 6},
    };
    for (const auto& c : cases) {
        ChartState st;
        st.y1.p = 1, st.d1.num = 0, st.d1.min = c.data_min, st.d1.max = c.data_max;
        if (c.min != none) st.y1.pmin = 1, st.y1.min = c.min;
        if (c.max != none) st.y1.pmax = 1, st.y1.max = c.max;
        if (c.xlocate != none) st.y1.pxlocate = 1, st.y1.xlocate = c.xlocate;
        complete_fields(st);
        complete_axis_ranges(st);
        EXPECT_EQ(std::vector<float>({st.y1.min, st.y1.max, st.y1.xlocate}),
                  std::vector<float>({c.want_min, c.want_max, c.want_xlocate})) << c.what;
    }
    // A scale without series is not drawn; Y2 follows the same rules.
    ChartState st;
    st.y1.p = st.y2.p = 1, st.d2.num = 1, st.d2.min = -4, st.d2.max = 12;
    complete_fields(st);
    complete_axis_ranges(st);
    EXPECT_EQ(std::vector<float>({float(st.y1.p), float(st.y2.p), st.y2.min, st.y2.max, st.y2.xlocate}),
              std::vector<float>({-1, 1, -4, 12, 0}));
}

TEST(Completion, LegendLayoutAndSize) {
    const struct {
        int entries, cols, rows, want_cols, want_rows;
    } cases[] = {{7, 2, 0, 2, 4}, {7, 0, 3, 3, 3}, {3, 5, 0, 3, 1}, {6, 2, 9, 2, 3}, {0, 3, 0, 0, 0}, {1, 2, 0, 1, 1}};
    for (const auto& c : cases) {
        ChartState st;
        st.legend.Lgnum = c.entries, st.legend.Lcols = c.cols, st.legend.Lrows = c.rows;
        complete_legend(st);
        EXPECT_EQ(st.legend.Lcols * 100 + st.legend.Lrows, c.want_cols * 100 + c.want_rows) << c.entries << " entries";
    }
    // round(1 x (10 x 14 x 0.55 + 40)) + 2 = 119; round(14 x 1.15 + 5) x 5 + 2 = 107;
    // a placed chart's legend stands right of the area, level with the plot.
    ChartState st;
    st.legend.Lgnum = 5, st.legend.Lmaxtext = 10, st.area.Aleft = 30, st.area.Atop = 50;
    complete_fields(st);
    complete_legend(st);
    EXPECT_EQ(std::vector<int>({st.legend.Lcols, st.legend.Lrows, st.legend.Lwidth, st.legend.Lheight, st.legend.Lleft, st.legend.Ltop}),
              std::vector<int>({1, 5, 119, 107, 430, 91}));
    // Halves round away from zero: 5 x 10 x 0.55 + 40 = 67.5; 10 x 1.15 + 5 = 16.5.
    ChartState half;
    half.legend.Lgnum = 2, half.legend.Lmaxtext = 5, half.legend.Lfsize = 10, half.legend.Lbwidth = 3;
    complete_legend(half);
    EXPECT_EQ(half.legend.Lwidth, 68 + 6);
    EXPECT_EQ(half.legend.Lheight, 17 * 2 + 6);
    // Size 60: rows of round(69 + 5); the background follows the plot's.
    ChartState large;
    large.legend.Lgnum = 2, large.legend.Lfsize = 60, large.plot.Ccolor = "silver";
    complete_legend(large);
    EXPECT_EQ(large.legend.Lheight, 74 * 2 + 2);
    EXPECT_EQ(large.legend.Lcolor + " " + half.legend.Lcolor, "silver white");
    // Huge numbers saturate instead of overflowing.
    ChartState huge;
    huge.legend.Lgnum = 3, huge.legend.Lrows = 2000000000, huge.area.Aleft = huge.area.Atop = huge.area.Awidth = INT_MAX;
    complete_legend(huge);
    EXPECT_EQ(std::vector<int>({huge.legend.Lcols, huge.legend.Lheight, huge.legend.Lleft, huge.legend.Ltop}),
              std::vector<int>({1, INT_MAX, INT_MAX, INT_MAX}));
}

}  // namespace
}  // namespace qp
