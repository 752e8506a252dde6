// Hostile sizes and values must draw something finite: no overflow, no
// undefined conversion, no endless loop (run under the sanitizer build).
#include <gtest/gtest.h>

#include <climits>
#include <limits>

#include "render/painters.h"
#include "render/series_test_support.h"
#include "vml_writer.h"

namespace qp {
namespace {

TEST(SeriesLimits, ExtremeSizesAndValuesStayInRange) {
    ChartState st = test::framed_chart();
    const float huge = std::numeric_limits<float>::max();
    SeriesRecord& line_rec = test::add_series(st, 1, "L2", {-huge, huge, 1e-30f});
    line_rec.width = INT_MAX;
    SeriesRecord& marks = test::add_series(st, 1, "M5", {huge, -huge});
    marks.width = INT_MAX;
    test::add_series(st, 1, "R1", {huge, -huge});
    test::add_series(st, 1, "V1", {huge, -huge, std::numeric_limits<float>::infinity()})
        .width = INT_MAX;
    test::add_series(st, 2, "P2", {huge, huge, 1e-38f}).width = INT_MAX;
    st.Y1sstep = std::string(39, '9');
    st.Xstepm = huge;
    st.Cx1 = INT_MAX;
    st.Cx2 = INT_MIN;
    st.kolR1_D1 = 1;
    st.Rwidth_D1 = INT_MAX;
    st.Awidth = INT_MAX;
    st.Cright = INT_MIN;
    st.Lp = 1;
    st.Lgrid = 1;
    st.Lgnum = 1;
    st.Lcols = INT_MAX;
    st.Lrows = 0;
    st.Lwidth = INT_MIN;
    st.Lbwidth = INT_MAX;
    st.Lfsize = INT_MAX;
    for (SeriesRecord* r : {&line_rec, &marks}) r->inlegend = 1;

    std::string page;
    VmlWriter out(page);
    const DataAxis d1 = data_axis(st, 1);
    for (int s = 0; s <= st.D1num; ++s) {
        paint_line_series(st, out, d1, s);
        paint_marker_series(st, out, d1, s);
        paint_value_series(st, out, d1, s);
    }
    paint_bars(st, out, d1);
    paint_pies(st, out);
    paint_legend(st, out);
    EXPECT_EQ(st.kolP, 1);
    EXPECT_FALSE(page.empty());
}

}  // namespace
}  // namespace qp
