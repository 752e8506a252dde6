// The finishing of the series read: defaults, ranges, missing data,
// stacking totals, legend entries, bar groups and ids.
#include <gtest/gtest.h>

#include <string>

#include "chart_reader_bench.h"

namespace qp {
namespace {

TEST(SeriesFinishing, DefaultsRangesAndMissingData) {
    ChartBench b;
    b.finish("D1;L;;;;;;5;7\n");
    const SeriesRecord& r = b.d1(0);
    EXPECT_EQ(join(b.run.file_error, b.log(), r.width, r.color1, r.color2, r.inlegend, r.id), "0||1|black|white|-1|");
    EXPECT_EQ(join(b.st.Lgnum, b.st.D1min, b.st.D1max, b.st.Xi, b.st.kolR1_D1, b.st.Y1pxlocate), "0|5|7|2|0|-1");
    // Ranges skip empty values; Xi covers the longest series, or the labels.
    b.finish("D1;L;;;;;;3;;-2\nD1;M;;;;;;10\nD2;R;;;;;;4;6\n");
    EXPECT_EQ(join(b.d1(0).vmin, b.d1(0).vmax, b.st.D1min, b.st.D1max, b.st.D2min, b.st.D2max, b.st.Xi), "-2|3|-2|10|4|6|3");
    b.finish("X;;;;;;;;;;a;b;c;d;e;\nD1;L;;;;;;1\n");
    EXPECT_EQ(b.st.Xi, 5);

    ChartBench none;
    none.finish("");
    EXPECT_EQ(join(none.log(), none.run.file_error), "Data miss\n|1");
    ChartBench some;
    some.finish("D1;L;;;;;;5\nD1;M\nD2;R;;;;;;;;\n");
    EXPECT_EQ(some.log(), "In D1 chart \xB9 2 Data miss\nIn D2 chart \xB9 1 Data miss\n");
}

TEST(SeriesFinishing, StackedSeriesHoldRunningTotalsFromTheLastOneUp) {
    ChartBench b;
    b.finish("D1;L2S;;;;;;1;2\nD1;L2S;;;;;;3;;\n");
    EXPECT_EQ(join(b.v1(0, 0), b.v1(0, 1), b.v1(1, 0), b.v1(1, 1), b.st.D1min, b.st.D1max), "4|2|3|0|0|4");

    // Types and axes stack apart; marker shapes stack together.
    ChartBench mixed;
    mixed.st.D1val[2][1] = 50;   // left from an earlier chart, beyond the series' values
    mixed.finish("D1;L1S;;;;;;1;2\nD1;RS;;;;;;10\nD1;L1S;;;;;;3\nD1;M2S;;;;;;1\nD1;M5S;;;;;;2\n"
                 "D1;L1;;;;;;7\nD2;L1S;;;;;;100\n");
    EXPECT_EQ(join(mixed.v1(0, 0), mixed.v1(0, 1), mixed.v1(1, 0), mixed.v1(2, 0), mixed.v1(2, 1),
                   mixed.d1(2).kolpoint, mixed.v1(3, 0), mixed.v1(4, 0), mixed.v1(5, 0), mixed.st.D2val[0][0]),
              "4|2|10|3|0|0|3|2|7|100");
    EXPECT_EQ(join(mixed.st.kolR2_D1, mixed.st.kolR2_D2, mixed.st.D1max), "1|-1|10");
}

TEST(SeriesFinishing, SizesColoursAndLegendEntries) {
    ChartBench b;
    b.finish("D1;L;0;;;;;1\nD1;L;401;;;;;1\nD1;L;3;;;;;1\nD1;M;;;;;;1\nD1;M;3;;;;;1\n"
             "D1;M;500;;;;;1\nD1;M;7;;;;;1\nD1;V;;;;;;1\nD1;V;20;;;;;1\nD1;R;;;;;;1\nD1;P;90;;;;;1\n");
    const int expected[] = {1, 1, 3, 10, 5, 10, 7, 14, 20, -1, 90};
    for (int i = 0; i < 11; ++i) EXPECT_EQ(b.d1(i).width, expected[i]) << "series " << i;

    b.finish("D1;L;;;;  ~Sales;;1\nD1;M;;Red;#ab;^note;;1\nD1;V;;;;Values shown;;1\nD1;L;;;;  North;;1\n"
             "D2;R;;#abcd;;Sales, East 2024;;1\nD2;L;;;;O'Brien region;;1\nD1;L;;;;;;1\n");
    auto entry = [](const SeriesRecord& r) { return join(r.text, r.color1, r.color2, r.inlegend); };
    EXPECT_EQ(entry(b.d1(0)), "Sales|black|white|-1");
    EXPECT_EQ(entry(b.d1(1)), "^note|red|#ab0|-1");
    EXPECT_EQ(entry(b.d1(2)), "Values shown|black||-1");   // value labels: no background
    EXPECT_EQ(entry(b.d1(3)) + entry(b.d1(4)), "North|black|white|1|black|white|-1");
    EXPECT_EQ(entry(b.st.D2rec[0]), "Sales, East 2024|#abcd00|white|1");
    EXPECT_EQ(entry(b.st.D2rec[1]), "O'Brien region|black|white|1");
    // D6: the longest label as the legend shows it: "Sales, East 2024"
    // whole, "O'Brien region" only up to its apostrophe.
    EXPECT_EQ(join(b.st.Lgnum, b.st.Lmaxtext), "3|16");
}

TEST(SeriesFinishing, BarGroupsIntervalsAndTheCrossingOfTheXAxis) {
    ChartBench b;
    b.read("D1;R;50;;;;;1\nD1;R;80;;;;;1\nD2;L;;;;;;1\n");
    b.st.XYcross = 1;
    b.finish();
    EXPECT_EQ(join(b.st.kolR1_D1, b.st.intR1_D1, b.st.XYcross, b.st.Y1pxlocate, b.st.Y1xlocate, b.st.kolR1_D2,
                   b.st.Y2pxlocate),
              "2|50|-1|1|0|0|-1");
    b.read("D1;RS;;;;;;1\nD1;RS;900;;;;;1\nD2;R;900;;;;;1\n");
    b.st.XYcross = 1;
    b.st.Y2pxlocate = 1;
    b.st.Y2xlocate = 5;
    b.finish();
    EXPECT_EQ(join(b.st.kolR1_D1, b.st.intR1_D1, b.st.XYcross, b.st.kolR1_D2, b.st.intR1_D2, b.st.Y2xlocate),
              "1|100|1|1|500|5");
}

TEST(SeriesFinishing, IdsJoinTheChartIdAndTheRecordOrdinal) {
    ChartBench b;
    b.finish("AREA;;;;;;chart1\nD2;L;;;;;;1\nD1;L;;;;;;1\n");
    EXPECT_EQ(join(b.st.D2rec[0].id, b.d1(0).id), "chart1_1|chart1_2");
    // D5: a long chart id is cut from its end; "_" and the ordinal stay whole.
    const std::string aid = "c" + std::string(254, 'a');
    std::string text = "AREA;;;;;;" + aid + "\n";
    for (int i = 0; i < 11; ++i) text += "D2;L;;;;;;1\n";
    b.finish(text + "D1;L;;;;;;1\n");
    EXPECT_EQ(b.d1(0).id, aid.substr(0, 116) + "_12");
}

}  // namespace
}  // namespace qp
