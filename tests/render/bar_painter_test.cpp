#include <gtest/gtest.h>

#include "render/painters.h"
#include "render/series_test_support.h"
#include "vml_writer.h"

namespace qp {
namespace {

using test::box;

// "<v:rect %s fillcolor='%s' strokecolor='%s' style='position:absolute;
// top:%d;left:%d;width:%d;height:%d' %s  %s>\n" with the fill colour twice.
std::string narrow_box(int top, int left, int width, int height) {
    return "<v:rect  fillcolor='yellow' strokecolor='yellow' style='position:absolute;top:" +
           std::to_string(top) + ";left:" + std::to_string(left) + ";width:" +
           std::to_string(width) + ";height:" + std::to_string(height) + "'   >\n</v:rect>\n";
}

std::string paint(ChartState& st, int number) {
    std::string page;
    VmlWriter out(page);
    paint_bars(st, out, data_axis(st, number));
    return page;
}

TEST(BarPainter, OneSeriesCentredInItsSlots) {
    ChartState st = test::framed_chart();
    st.kolR1_D1 = 1;
    st.Rwidth_D1 = 50;
    test::add_series(st, 1, "R1", {100, 50, 0});
    // Slots of 100 from Cx1 = 50; each 50-pixel bar starts 25 into its slot
    // and reaches from its value row down to the crossing row 250.
    EXPECT_EQ(paint(st, 1), box(50, 75, 50, 200, "yellow", "red", 1) +
                                box(150, 175, 50, 100, "yellow", "red", 1) +
                                box(250, 275, 50, 0, "yellow", "red", 1));
}

TEST(BarPainter, SeriesStandSideBySideUnlessStacked) {
    ChartState st = test::framed_chart();
    st.kolR1_D1 = 2;
    st.Rwidth_D1 = 33;
    test::add_series(st, 1, "R1", {100, kEmptyValue});
    test::add_series(st, 1, "L1", {100});   // not a bar: takes no place
    test::add_series(st, 1, "R1", {50, 50});
    // Offset round((100 - 66) / 2) = 17, the second series 33 further.
    EXPECT_EQ(paint(st, 1), box(50, 67, 33, 200, "yellow", "red", 1) +
                                box(150, 100, 33, 100, "yellow", "red", 1) +
                                box(150, 200, 33, 100, "yellow", "red", 1));

    // Stacked: one group, every series in the first place.
    st.kolR1_D1 = 1;
    st.kolR2_D1 = 1;
    st.Rwidth_D1 = 50;
    EXPECT_EQ(paint(st, 1), box(50, 75, 50, 200, "yellow", "red", 1) +
                                box(150, 75, 50, 100, "yellow", "red", 1) +
                                box(150, 175, 50, 100, "yellow", "red", 1));
}

TEST(BarPainter, BoundaryPositionsHalveTheFirstBarAndCutAtTheRightEdge) {
    ChartState st = test::framed_chart();
    st.XYcross = 1;
    st.kolR1_D1 = st.kolR1_D2 = 1;
    st.Rwidth_D1 = st.Rwidth_D2 = 5;
    test::add_series(st, 1, "R1", {100, 100, kEmptyValue, 100});
    // Position 0: D1 takes round(5 / 2.0) = 3 pixels, too narrow for a stroke
    // weight.  Position 1: left 50 + round(100 - 2) = 148, 5 wide.
    // Position 3: left 348, cut at Cx2 = 350.
    EXPECT_EQ(paint(st, 1), narrow_box(50, 50, 3, 200) + box(50, 148, 5, 200, "yellow", "red", 1) +
                                narrow_box(50, 348, 2, 200));
    // D2 takes the integer half, 2 pixels, and measures from its own crossing.
    st.Y2xrow = 240;
    test::add_series(st, 2, "R1", {10});
    EXPECT_EQ(paint(st, 2), narrow_box(50, 50, 2, 190));
}

TEST(BarPainter, NegativeBarHangsFromTheCrossing) {
    ChartState st = test::framed_chart();
    st.Y1min = -100;
    st.Y1xrow = 150;   // y(v) = 150 - v
    st.kolR1_D1 = 1;
    st.Rwidth_D1 = 50;
    SeriesRecord& rec = test::add_series(st, 1, "R1", {-50});
    rec.text = "Loss";
    rec.url = "l.htm";
    rec.id = "c_1";
    EXPECT_EQ(paint(st, 1),
              box(150, 75, 50, 50, "yellow", "red", 1, "id='c_1'", "href='l.htm'", "title='Loss'"));
}

}  // namespace
}  // namespace qp
