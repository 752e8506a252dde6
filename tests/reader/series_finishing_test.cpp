#include <gtest/gtest.h>

#include <string>

#include "series_test_bench.h"

namespace qp {
namespace {

TEST(SeriesFinishing, PlainLineSeriesGetsItsDefaultsAndRanges) {
    SeriesBench b;
    b.finish("D1;L;;;;;;5;7\n");
    EXPECT_EQ(b.run.file_error, 0);
    EXPECT_EQ(b.log(), "");
    EXPECT_EQ(b.d1(0).width, 1);
    EXPECT_EQ(b.d1(0).color1, "black");
    EXPECT_EQ(b.d1(0).color2, "white");
    EXPECT_EQ(b.d1(0).inlegend, -1);
    EXPECT_EQ(b.d1(0).id, "");
    EXPECT_EQ(b.st.Lgnum, 0);
    EXPECT_EQ(b.st.D1min, 5.0f);
    EXPECT_EQ(b.st.D1max, 7.0f);
    EXPECT_EQ(b.st.Xi, 2);
    EXPECT_EQ(b.st.kolR1_D1, 0);
    EXPECT_EQ(b.st.Y1pxlocate, -1);
}

TEST(SeriesFinishing, RangesSkipEmptyValuesAndXiCoversTheLongestSeries) {
    SeriesBench b;
    b.finish("D1;L;;;;;;3;;-2\nD1;M;;;;;;10\nD2;R;;;;;;4;6\n");
    EXPECT_EQ(b.d1(0).vmin, -2.0f);
    EXPECT_EQ(b.d1(0).vmax, 3.0f);
    EXPECT_EQ(b.st.D1min, -2.0f);
    EXPECT_EQ(b.st.D1max, 10.0f);
    EXPECT_EQ(b.st.D2min, 4.0f);
    EXPECT_EQ(b.st.D2max, 6.0f);
    EXPECT_EQ(b.st.Xi, 3);

    SeriesBench labels;
    labels.st.Xi = 5;   // more X labels than values
    labels.finish("D1;L;;;;;;1\n");
    EXPECT_EQ(labels.st.Xi, 5);
}

TEST(SeriesFinishing, MissingDataIsReportedPerSeriesOrForTheChart) {
    SeriesBench none;
    none.finish("");
    EXPECT_EQ(none.log(), "<font color='red'>Data miss</font><br>\n");
    EXPECT_EQ(none.run.file_error, 1);

    SeriesBench b;
    b.finish("D1;L;;;;;;5\nD1;M\nD2;R;;;;;;;;\n");
    EXPECT_EQ(b.log(), "<font color='red'>In D1 chart \xB9 2 Data miss</font><br>\n"
                       "<font color='red'>In D2 chart \xB9 1 Data miss</font><br>\n");
    EXPECT_EQ(b.run.file_error, 1);
}

TEST(SeriesFinishing, StackedSeriesHoldRunningTotalsFromTheLastOneUp) {
    SeriesBench b;
    b.finish("D1;L2S;;;;;;1;2\nD1;L2S;;;;;;3;;\n");
    EXPECT_EQ(b.v1(0, 0), 4.0f);
    EXPECT_EQ(b.v1(0, 1), 2.0f);
    EXPECT_EQ(b.v1(1, 0), 3.0f);
    EXPECT_EQ(b.v1(1, 1), 0.0f);
    EXPECT_EQ(b.st.D1min, 0.0f);
    EXPECT_EQ(b.st.D1max, 4.0f);
}

TEST(SeriesFinishing, StackingKeepsTypesAndAxesApartButJoinsMarkerShapes) {
    SeriesBench b;
    b.st.D1val[2][1] = 50;   // left from an earlier chart, beyond the series' values
    b.finish("D1;L1S;;;;;;1;2\nD1;RS;;;;;;10\nD1;L1S;;;;;;3\nD1;M2S;;;;;;1\nD1;M5S;;;;;;2\n"
             "D1;L1;;;;;;7\nD2;L1S;;;;;;100\n");
    EXPECT_EQ(b.v1(2, 0), 3.0f);
    EXPECT_EQ(b.v1(2, 1), 0.0f);
    EXPECT_EQ(b.d1(2).kolpoint, 0);
    EXPECT_EQ(b.v1(0, 0), 4.0f);
    EXPECT_EQ(b.v1(0, 1), 2.0f);
    EXPECT_EQ(b.v1(1, 0), 10.0f);
    EXPECT_EQ(b.v1(3, 0), 3.0f);   // M2 on top of M5
    EXPECT_EQ(b.v1(4, 0), 2.0f);
    EXPECT_EQ(b.v1(5, 0), 7.0f);   // not stacked
    EXPECT_EQ(b.v2(0, 0), 100.0f);
    EXPECT_EQ(b.st.kolR2_D1, 1);
    EXPECT_EQ(b.st.kolR2_D2, -1);
    EXPECT_EQ(b.st.D1max, 10.0f);
}

TEST(SeriesFinishing, SizeDefaultsByType) {
    SeriesBench b;
    b.finish("D1;L;0;;;;;1\nD1;L;401;;;;;1\nD1;L;3;;;;;1\nD1;M;;;;;;1\nD1;M;3;;;;;1\n"
             "D1;M;500;;;;;1\nD1;M;7;;;;;1\nD1;V;;;;;;1\nD1;V;20;;;;;1\nD1;R;;;;;;1\nD1;P;90;;;;;1\n");
    const int expected[] = {1, 1, 3, 10, 5, 10, 7, 14, 20, -1, 90};
    for (int i = 0; i < 11; ++i) EXPECT_EQ(b.d1(i).width, expected[i]) << "series " << i;
}

TEST(SeriesFinishing, ColoursTextsAndLegendEntries) {
    SeriesBench b;
    b.finish("D1;L;;;;  ~Sales;;1\nD1;M;;Red;#ab;^note;;1\nD1;V;;;;Values shown;;1\n"
             "D1;L;;;;  North;;1\nD2;R;;#abcd;;Sales, East 2024;;1\nD2;L;;;;O'Brien region;;1\n"
             "D1;L;;;;;;1\n");
    EXPECT_EQ(b.d1(0).text, "Sales");
    EXPECT_EQ(b.d1(0).inlegend, -1);
    EXPECT_EQ(b.d1(1).text, "^note");
    EXPECT_EQ(b.d1(1).inlegend, -1);
    EXPECT_EQ(b.d1(1).color1, "red");
    EXPECT_EQ(b.d1(1).color2, "#ab0");
    EXPECT_EQ(b.d1(2).inlegend, -1);
    EXPECT_EQ(b.d1(2).color1, "black");
    EXPECT_EQ(b.d1(2).color2, "");   // value labels: no background
    EXPECT_EQ(b.d1(3).text, "North");
    EXPECT_EQ(b.d1(3).inlegend, 1);
    EXPECT_EQ(b.d1(4).inlegend, -1);
    EXPECT_EQ(b.d2(0).color1, "#abcd00");
    EXPECT_EQ(b.d2(0).inlegend, 1);
    EXPECT_EQ(b.d2(1).inlegend, 1);
    EXPECT_EQ(b.d2(1).text, "O'Brien region");
    EXPECT_EQ(b.st.Lgnum, 3);
    // The longest label as the legend shows it: "Sales, East 2024" whole,
    // "O'Brien region" only up to its apostrophe.
    EXPECT_EQ(b.st.Lmaxtext, 16);
}

TEST(SeriesFinishing, BarGroupsIntervalsAndTheCrossingOfTheXAxis) {
    SeriesBench side;
    side.st.XYcross = 1;
    side.finish("D1;R;50;;;;;1\nD1;R;80;;;;;1\nD2;L;;;;;;1\n");
    EXPECT_EQ(side.st.kolR1_D1, 2);
    EXPECT_EQ(side.st.intR1_D1, 50);
    EXPECT_EQ(side.st.XYcross, -1);
    EXPECT_EQ(side.st.Y1pxlocate, 1);
    EXPECT_EQ(side.st.Y1xlocate, 0.0f);
    EXPECT_EQ(side.st.kolR1_D2, 0);
    EXPECT_EQ(side.st.Y2pxlocate, -1);

    SeriesBench stacked;
    stacked.st.XYcross = 1;
    stacked.st.Y2pxlocate = 1;
    stacked.st.Y2xlocate = 5;
    stacked.finish("D1;RS;;;;;;1\nD1;RS;900;;;;;1\nD2;R;900;;;;;1\n");
    EXPECT_EQ(stacked.st.kolR1_D1, 1);
    EXPECT_EQ(stacked.st.intR1_D1, 100);
    EXPECT_EQ(stacked.st.XYcross, 1);
    EXPECT_EQ(stacked.st.kolR1_D2, 1);
    EXPECT_EQ(stacked.st.intR1_D2, 500);
    EXPECT_EQ(stacked.st.Y2xlocate, 5.0f);
}

TEST(SeriesFinishing, IdsJoinTheChartIdAndTheRecordOrdinal) {
    SeriesBench b;
    b.st.Aid = "chart1";
    b.finish("D2;L;;;;;;1\nD1;L;;;;;;1\n");
    EXPECT_EQ(b.d2(0).id, "chart1_1");
    EXPECT_EQ(b.d1(0).id, "chart1_2");

    // A long chart id is cut from its end; "_" and the ordinal stay whole.
    const std::string aid = "c" + std::string(254, 'a');
    SeriesBench longer;
    longer.st.Aid = aid;
    longer.st.koldata = 11;
    longer.finish("D1;L;;;;;;1\n");
    EXPECT_EQ(longer.d1(0).id, aid.substr(0, 116) + "_12");
    EXPECT_EQ(longer.d1(0).id.size(), 119u);
}

}  // namespace
}  // namespace qp
