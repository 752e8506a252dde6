#include <gtest/gtest.h>

#include "chart_state.h"
#include "render/painters.h"

namespace qp {
namespace {

TEST(PixelMapping, PositionsLieInTheMiddleOfTheirCells) {
    ChartState st;
    st.Xstepm = 50;
    st.dXstepm = 25;
    st.Cleft = 40;
    st.Aleft = 0;
    EXPECT_EQ(map_x(st, 0), 65);
    EXPECT_EQ(map_x(st, 1), 115);
    EXPECT_EQ(map_x(st, 2), 165);
    // Halves go away from zero: 1 x 0.5 = 0.5 rounds to 1.
    st.Xstepm = 0.5f;
    st.dXstepm = 0;
    EXPECT_EQ(map_x(st, 1), 41);
}

TEST(PixelMapping, ValuesMapOntoThePlotHeight) {
    ChartState st;
    st.Atop = 0;
    st.Aheight = 300;
    st.Ctop = 40;
    st.Cbottom = 60;   // H = 200
    st.Y1min = 0;
    st.Y1max = 100;
    const YAxis y1 = y_axis(st, 1);
    EXPECT_EQ(map_y(st, y1, 100), 40);
    EXPECT_EQ(map_y(st, y1, 0), 240);
    EXPECT_EQ(map_y(st, y1, 50), 140);
    // (100 - 100.25) x 2 = -0.5 rounds away from zero to -1.
    EXPECT_EQ(map_y(st, y1, 100.25f), 39);

    // The Y2 range serves D2 series.
    st.Y2min = -10;
    st.Y2max = 10;
    const YAxis y2 = y_axis(st, 2);
    EXPECT_EQ(map_y(st, y2, 0), 140);
    EXPECT_EQ(map_y(st, y2, -10), 240);
}

TEST(PixelMapping, ZeroWidthScaleMapsEverythingToThePlotTop) {
    ChartState st;
    st.Atop = 3;
    st.Aheight = 300;
    st.Ctop = 40;
    st.Cbottom = 60;
    st.Y1min = st.Y1max = 7;
    const YAxis y1 = y_axis(st, 1);
    EXPECT_EQ(map_y(st, y1, 7), 43);
    EXPECT_EQ(map_y(st, y1, -1e30f), 43);
}

TEST(PixelMapping, HostileValuesAreClamped) {
    ChartState st;
    st.Atop = 0;
    st.Aheight = 300;
    st.Ctop = 40;
    st.Cbottom = 60;
    st.Y1min = 0;
    st.Y1max = 1e-30f;
    const YAxis y1 = y_axis(st, 1);
    EXPECT_EQ(map_y(st, y1, -3e38f), 2147483647);
    EXPECT_EQ(map_y(st, y1, 3e38f), -2147483647 - 1);
    st.Xstepm = 3e38f;
    EXPECT_EQ(map_x(st, 1000), 2147483647);
}

}  // namespace
}  // namespace qp
