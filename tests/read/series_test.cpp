// D records, and the finishing of the series read: defaults, ranges, missing
// data, stacking totals, legend entries, bar groups and ids.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "support/chart_reader_bench.h"

namespace qp {
namespace {

TEST(SeriesRecord, HeadsTypesSizesColoursAndTexts) {
    const std::string x119(119, 'x');
    ChartBench b;
    b.read("D1;L;;;;;;5;7\nD1;RS;\n d 2 ; m s 4 ;\nD1;L3s;\nD1;M;12 ;Red; #aB ;  Sales, East ;http://x/a b;1\n"
           "D1;L;99999999999;b lue;Rd\nD1;L;;;;" + x119 + ";;1\n");
    EXPECT_EQ(b.log(), "");
    EXPECT_EQ(b.st.d1.num, 5);
    EXPECT_EQ(b.st.d2.num, 0);
    EXPECT_EQ(b.d1(0), (SeriesRecord{.kolpoint = 1, .tip = "L1", .pornum = 1}));
    EXPECT_EQ(b.values1(0), (std::vector<float>{5, 7}));
    // Blanks between the items and lower case in the head and type.
    EXPECT_EQ(b.d1(1), (SeriesRecord{.tip = "R1", .pornum = 2, .stacked = 1}));
    EXPECT_EQ(b.st.d2.rec[0], (SeriesRecord{.tip = "M4", .pornum = 3, .stacked = 1}));
    EXPECT_EQ(b.d1(2), (SeriesRecord{.tip = "L3", .pornum = 4, .stacked = 1}));
    EXPECT_EQ(b.d1(3), (SeriesRecord{.width = 12, .color1 = "red", .text = "  Sales, East ", .kolpoint = 0,
                                     .tip = "M1", .color2 = "#aB", .pornum = 5, .url = "http://x/a b"}));
    // A size that stays at the largest whole number; a name cut off by the line end.
    EXPECT_EQ(b.d1(4), (SeriesRecord{.width = 2147483647, .color1 = "blue", .tip = "L1", .color2 = "rd", .pornum = 6}));
    EXPECT_EQ(b.d1(5), (SeriesRecord{.text = x119, .kolpoint = 0, .tip = "L1", .pornum = 7}));
}

TEST(SeriesRecord, ErrorsEchoTheSpotAndTheMessage) {
    const std::string a21(21, 'a'), x119(119, 'x'), value = "\nIt is expected 01234567890\n";
    const std::string types = "\nIt is expected L M P R V l m p r v\n", semicolon = "\nIt is expected ;\n";
    const std::string color = "\nWrong color\n";
    expect_logs({
        {"D2;R1;\n", "Line 1: D2;R[1];\nIt is expected S s ;\n"}, {"D1;L12;\n", "Line 1: D1;L1[2];" + semicolon},
        {"D1;MSs;\n", "Line 1: D1;MS[s];" + semicolon}, {"D1;PS;\n", "Line 1: D1;P[S];\nIt is expected 1 2 3 4 ;\n"},
        {"D3;L\n", "Line 1: D[3];L\nIt is expected 12\n"}, {"D1,L\n", "Line 1: D1[,]L" + semicolon},
        {"D1;X;\n", "Line 1: D1;[X];" + types}, {"D1\nD2;\n", ""},
        // The size takes blanks only after the number; a wrong colour is marked whole.
        {"D1;M; 3;\n", "Line 1: D1;M; [3];" + semicolon}, {"D1;M;1 2;\n", "Line 1: D1;M;1 [2];" + semicolon},
        {"D1;M;a;\n", "Line 1: D1;M;[a];\nIt is expected 0123456789\n"},
        {"D1;L;;  purplish;\n", "Line 1: D1;L;;  [purplish;]" + color},
        {"D1;L;;#1234567;\n", "Line 1: D1;L;;[#1234567];" + color},
        {"D1;L;;" + a21 + ";\n", "Line 1: D1;L;;[" + a21 + "];" + color},
        {"D1;L;;#12g;\n", "Line 1: D1;L;;#12[g];\nIt is expected 01234567890ABCDEFabcdef\n"},
        {"D1;L;;;;" + x119 + "y;;1\n", "Line 1: D1;L;;;;[" + x119 + "y];;1\nWrong name length\n"},
        {"D1;L;;;;;;1-2\n", "Line 1: D1;L;;;;;;1[-]2" + value}, {"D1;L;;;;;;--1\n", "Line 1: D1;L;;;;;;-[-]1" + value},
        {"D1;L;;;;;;1.2,3\n", "Line 1: D1;L;;;;;;1.2[,]3" + value},
        // An error on a continuation line echoes from the record start.
        {"D1;L;;;;;;1\\\n2x\n", "Line 2: D1;L;;;;;;1\\\n2[x]" + value},
    });
    // Heads cut short make no series; other errors keep the slot as far as read.
    ChartBench b;
    b.read("D1\nD2;\nD3;L\n");
    EXPECT_EQ(b.st.d1.num, -1);
    EXPECT_EQ(b.st.d2.num, -1);
    b.read("D2;R1;\nD1;L12;\nD1;M;1 2;\nD1;L;;;;" + x119 + "y;;1\nD1;L;;;;;;1.2,3\n");
    EXPECT_EQ(b.st.d2.num, 0);
    EXPECT_EQ(b.d1(0), (SeriesRecord{.tip = "L1", .pornum = 2}));
    EXPECT_EQ(b.d1(1), (SeriesRecord{.width = 1, .tip = "M1", .pornum = 3}));
    EXPECT_EQ(b.d1(2), (SeriesRecord{.text = x119, .tip = "L1", .pornum = 4}));
    EXPECT_EQ(b.values1(3), std::vector<float>{});
}

TEST(SeriesRecord, ValuesEmptyMarkersSignsContinuationAndComments) {
    ChartBench b;
    b.read("D1;L;;;;;;1;;3\nD1;L;;;;;;1;2;\nD1;L;;;;;;-0.5; 1,5 ;-;.;\nD1;P;;;;;;-4;2\n"
           // The value being built goes on across the break: 1, 23, 4.
           "D1;L;;;;;;1;2\\\n3;4\nD1;L;;;;;;1;2;\\\n3;4\n"
           // "#" ends the record after storing the value in hand.
           "D1;L;;;;;;5#6;7\n D1;L;;;;a#b;;1;#\n"
           // 16777216 * 10 + 1 rounds to 167772160; 167772171 rounded once is 167772176.
           "D1;L;;;;;;167772171\n");
    EXPECT_EQ(b.log(), "");
    EXPECT_EQ(b.st.d1.num, 8);
    EXPECT_EQ(b.d1(7).text, "a#b");
    const std::vector<std::vector<float>> expected = {
        {1, kEmptyValue, 3}, {1, 2}, {-0.5f, 1.5f, kEmptyValue, kEmptyValue}, {4, 2}, {1, 23, 4},
        {1, 2, 3, 4}, {5}, {1}, {167772160}};
    for (int s = 0; s < 9; ++s) EXPECT_EQ(b.values1(s), expected[s]) << "series " << s;
}

// Where the D record reads colours and values unlike the other records.
TEST(SeriesRecord, ColourNamesTakeTwentyCharactersAndAreKeptUncheckedAtTheLineEnd) {
    const std::string a20(20, 'a'), color = "\nWrong color\n";
    // Other records refuse the twentieth character; a D colour the twenty-first.
    expect_logs({{"D1;L;;" + a20 + ";\n", "Line 1: D1;L;;[" + a20 + ";]" + color},
                 {"PLOT;;;;;Pinky\n", "Line 1: PLOT;;;;;[Pinky]" + color}});
    ChartBench b;
    b.read("D1;L;;" + a20 + "\nD1;L;;red;Pinky\nD1;L;;#0aF9;#1\n");
    EXPECT_EQ(b.log(), "");
    EXPECT_EQ(b.d1(0).color1, a20);
    EXPECT_EQ(b.d1(1).color2, "pinky");
    EXPECT_EQ(b.d1(2).color1, "#0aF9");
    EXPECT_EQ(b.d1(2).color2, "#1");
}

TEST(SeriesRecord, MinusZeroKeepsItsSignButNotOnPies) {
    ChartBench b;
    b.read("D1;V;;;;;;-0;0;-0.0\nD1;P;;;;;;-0\nY1;;;-0\n");
    EXPECT_TRUE(std::signbit(b.v1(0, 0)));
    EXPECT_FALSE(std::signbit(b.v1(0, 1)));
    EXPECT_TRUE(std::signbit(b.v1(0, 2)));
    EXPECT_FALSE(std::signbit(b.v1(1, 0)));
    EXPECT_FALSE(std::signbit(b.st.y1.min));   // other records never keep -0
}

// The 1001st value is reported at its field, whose ";" overflowed the row.
TEST(SeriesRecord, ValueLimit) {
    std::string ones;
    for (int i = 0; i < 999; ++i) ones += "1;";
    ChartBench b;
    b.read("D1;L;;;;;;" + ones + "5\n");
    EXPECT_EQ(join(b.log(), b.d1(0).kolpoint, b.v1(0, 999)), "|999|5");
    b.read("D1;L;;;;;;" + ones + "1;7;8\n");
    EXPECT_EQ(b.log(), "Line 1: D1;L;;;;;;" + ones + "1;[7];8\nNumber of values is more, than 1000\n");
    EXPECT_EQ(join(b.run.file_error, b.d1(0).kolpoint), "1|999");
}

TEST(SeriesFinishing, DefaultsRangesAndMissingData) {
    ChartBench b;
    const ChartState& s = b.st;
    b.finish("D1;L;;;;;;5;7\n");
    const SeriesRecord& r = b.d1(0);
    EXPECT_EQ(join(b.run.file_error, b.log(), r.width, r.color1, r.color2, r.inlegend, r.id), "0||1|black|white|-1|");
    EXPECT_EQ(join(s.legend.Lgnum, s.d1.min, s.d1.max, s.x.Xi, s.d1.kolR1, s.y1.pxlocate), "0|5|7|2|0|-1");
    // Ranges skip empty values; Xi covers the longest series, or the labels.
    b.finish("D1;L;;;;;;3;;-2\nD1;M;;;;;;10\nD2;R;;;;;;4;6\n");
    EXPECT_EQ(join(b.d1(0).vmin, b.d1(0).vmax, s.d1.min, s.d1.max, s.d2.min, s.d2.max, s.x.Xi), "-2|3|-2|10|4|6|3");
    b.finish("X;;;;;;;;;;a;b;c;d;e;\nD1;L;;;;;;1\n");
    EXPECT_EQ(s.x.Xi, 5);

    ChartBench none, some;
    none.finish("");
    EXPECT_EQ(join(none.log(), none.run.file_error), "Data miss\n|1");
    some.finish("D1;L;;;;;;5\nD1;M\nD2;R;;;;;;;;\n");
    EXPECT_EQ(some.log(), "In D1 chart \xB9 2 Data miss\nIn D2 chart \xB9 1 Data miss\n");
}

TEST(SeriesFinishing, StackedSeriesHoldRunningTotalsFromTheLastOneUp) {
    ChartBench b;
    b.finish("D1;L2S;;;;;;1;2\nD1;L2S;;;;;;3;;\n");
    EXPECT_EQ(join(b.v1(0, 0), b.v1(0, 1), b.v1(1, 0), b.v1(1, 1), b.st.d1.min, b.st.d1.max), "4|2|3|0|0|4");
    // Types and axes stack apart; marker shapes stack together.
    ChartBench m;
    m.st.d1.val[2][1] = 50;   // left from an earlier chart, beyond the series' values
    m.finish("D1;L1S;;;;;;1;2\nD1;RS;;;;;;10\nD1;L1S;;;;;;3\nD1;M2S;;;;;;1\nD1;M5S;;;;;;2\n"
             "D1;L1;;;;;;7\nD2;L1S;;;;;;100\n");
    EXPECT_EQ(join(m.v1(0, 0), m.v1(0, 1), m.v1(1, 0), m.v1(2, 0), m.v1(2, 1), m.d1(2).kolpoint, m.v1(3, 0),
                   m.v1(4, 0), m.v1(5, 0), m.st.d2.val[0][0]),
              "4|2|10|3|0|0|3|2|7|100");
    EXPECT_EQ(join(m.st.d1.kolR2, m.st.d2.kolR2, m.st.d1.max), "1|-1|10");
}

TEST(SeriesFinishing, SizesColoursAndLegendEntries) {
    ChartBench b;
    b.finish("D1;L;0;;;;;1\nD1;L;401;;;;;1\nD1;L;3;;;;;1\nD1;M;;;;;;1\nD1;M;3;;;;;1\n"
             "D1;M;500;;;;;1\nD1;M;7;;;;;1\nD1;V;;;;;;1\nD1;V;20;;;;;1\nD1;R;;;;;;1\nD1;P;90;;;;;1\n");
    const int expected[] = {1, 1, 3, 10, 5, 10, 7, 14, 20, -1, 90};
    for (int i = 0; i < 11; ++i) EXPECT_EQ(b.d1(i).width, expected[i]) << "series " << i;

    b.finish("D1;L;;;;  ~Sales;;1\nD1;M;;Red;#ab;^note;;1\nD1;V;;;;Values shown;;1\nD1;L;;;;  North;;1\n"
             "D2;R;;#abcd;;Sales, East 2024;;1\nD2;L;;;;O'Brien region;;1\nD1;L;;;;;;1\n");
    auto entry = [](const SeriesRecord& r) { return join(r.text, r.color1, r.color2, r.inlegend) + "/"; };
    EXPECT_EQ(entry(b.d1(0)) + entry(b.d1(1)), "Sales|black|white|-1/^note|red|#ab0|-1/");
    EXPECT_EQ(entry(b.d1(2)), "Values shown|black||-1/");   // value labels: no background
    EXPECT_EQ(entry(b.d1(3)) + entry(b.d1(4)), "North|black|white|1/|black|white|-1/");
    EXPECT_EQ(entry(b.st.d2.rec[0]) + entry(b.st.d2.rec[1]),
              "Sales, East 2024|#abcd00|white|1/O'Brien region|black|white|1/");
    // Labels as the legend shows them: "O'Brien region" up to its apostrophe.
    EXPECT_EQ(join(b.st.legend.Lgnum, b.st.legend.Lmaxtext), "3|16");
}

TEST(SeriesFinishing, SizesUpToTheAreaHeightAreKept) {
    ChartBench b;
    b.finish("AREA;;;;150\nD1;L;150;;;;;1\nD1;L;151;;;;;1\nD1;M;150;;;;;1\nD1;M;151;;;;;1\n"
             "D1;V;150;;;;;1\nD1;V;151;;;;;1\n");
    EXPECT_EQ(join(b.d1(0).width, b.d1(1).width, b.d1(2).width, b.d1(3).width, b.d1(4).width, b.d1(5).width),
              "150|1|150|10|150|14");
}

TEST(SeriesFinishing, BarGroupsIntervalsCrossingAndIds) {
    ChartBench b;
    const ChartState& s = b.st;
    b.finish("X|+\nD1;R;50;;;;;1\nD1;R;80;;;;;1\nD2;L;;;;;;1\n");
    EXPECT_EQ(join(s.d1.kolR1, s.d1.intR1, s.x.XYcross, s.y1.pxlocate, s.y1.xlocate, s.d2.kolR1, s.y2.pxlocate),
              "2|50|-1|1|0|0|-1");
    b.finish("X|+\nY2;;;;;;;5\nD1;RS;;;;;;1\nD1;RS;900;;;;;1\nD2;R;900;;;;;1\n");
    EXPECT_EQ(join(s.d1.kolR1, s.d1.intR1, s.x.XYcross, s.d2.kolR1, s.d2.intR1, s.y2.xlocate), "1|100|1|1|500|5");
    b.finish("X|+\nD2;R;;;;;;1\nD2;R;;;;;;1\n");   // D2 bar groups also need the cells
    EXPECT_EQ(join(s.d2.kolR1, s.x.XYcross), "2|-1");
    // Ids join the chart id and the record ordinal.
    b.finish("AREA;;;;;;chart1\nD2;L;;;;;;1\nD1;L;;;;;;1\n");
    EXPECT_EQ(join(b.st.d2.rec[0].id, b.d1(0).id), "chart1_1|chart1_2");
    // A long chart id is cut from its end; "_" and the ordinal stay whole.
    const std::string aid = "c" + std::string(254, 'a');
    std::string text = "AREA;;;;;;" + aid + "\n";
    for (int i = 0; i < 11; ++i) text += "D2;L;;;;;;1\n";
    b.finish(text + "D1;L;;;;;;1\n");
    EXPECT_EQ(b.d1(0).id, aid.substr(0, 116) + "_12");
}

}  // namespace
}  // namespace qp
