#include <gtest/gtest.h>

#include "chart_state.h"

namespace qp {
namespace {

TEST(ChartState, DefaultsRestoreFieldsButKeepFileCountersAndEmptyLabels) {
    ChartState st;
    st.ONE_file = 1;
    st.numAREA = 2;
    st.Lp = 1;
    st.Ttext = "Sales";
    st.X[3] = "Mar";
    st.D1num = 4;
    st.D1val[0][0] = 7;
    set_defaults(st);
    EXPECT_EQ(st.ONE_file, 1);
    EXPECT_EQ(st.numAREA, 2);
    EXPECT_EQ(st.Lp, -1);
    EXPECT_EQ(st.Ttext, "");
    EXPECT_EQ(st.X.size(), static_cast<size_t>(kMaxXLabels));
    EXPECT_EQ(st.X[3], "");
    EXPECT_EQ(st.D1num, -1);
    EXPECT_EQ(st.D1rec.size(), static_cast<size_t>(kMaxSeries));
    EXPECT_EQ(st.D1val[0][0], 7.0f);   // value tables are not cleared
    EXPECT_EQ(st.Awidth, 400);
    EXPECT_EQ(st.Atop, -1);
}

TEST(ChartState, PresenceOfValues) {
    EXPECT_TRUE(is_present(0.0f));
    EXPECT_TRUE(is_present(-3.5f));
    EXPECT_FALSE(is_present(kEmptyValue));
    EXPECT_FALSE(is_present(-kEmptyValue));
    EXPECT_TRUE(is_present(1.0e-29f));
}

TEST(ChartState, AxisViewsBindTheRightFields) {
    ChartState st;
    YAxis y2 = y_axis(st, 2);
    y2.min = -5;
    y2.xrow = 17;
    EXPECT_EQ(st.Y2min, -5.0f);
    EXPECT_EQ(st.Y2xrow, 17);
    DataAxis d1 = data_axis(st, 1);
    d1.num = 3;
    d1.y.max = 9;
    EXPECT_EQ(st.D1num, 3);
    EXPECT_EQ(st.Y1max, 9.0f);
}

}  // namespace
}  // namespace qp
