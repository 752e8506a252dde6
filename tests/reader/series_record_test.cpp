// D records: heads, type fields, sizes, colours, texts, values and limits.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "chart_reader_bench.h"

namespace qp {
namespace {

std::string series(const SeriesRecord& r) {
    return join(r.tip, r.width, r.color1, r.color2, r.text, r.url, r.stacked, r.pornum, r.kolpoint);
}

TEST(SeriesRecord, HeadsTypesSizesColoursAndTexts) {
    const std::string x119(119, 'x');
    ChartBench b;
    b.read("D1;L;;;;;;5;7\nD1;RS;\n d 2 ; m s 4 ;\nD1;L3s;\nD1;M;12 ;Red; #aB ;  Sales, East ;http://x/a b;1\n"
           "D1;L;99999999999;b lue;Rd\nD1;L;;;;" + x119 + ";;1\n");
    EXPECT_EQ(join(b.run.file_error, b.log(), b.st.D1num, b.st.D2num), "0||5|0");
    EXPECT_EQ(series(b.d1(0)) + join("", b.v1(0, 0), b.v1(0, 1)), "L1|-1|||||-1|1|1|5|7");
    EXPECT_EQ(series(b.d1(1)), "R1|-1|||||1|2|-1");
    EXPECT_EQ(series(b.st.D2rec[0]), "M4|-1|||||1|3|-1");   // blanks between the items, lower case
    EXPECT_EQ(series(b.d1(2)), "L3|-1|||||1|4|-1");
    EXPECT_EQ(series(b.d1(3)), "M1|12|red|#aB|  Sales, East |http://x/a b|-1|5|0");
    // A colour name that the line end cuts off is not tested.
    EXPECT_EQ(series(b.d1(4)), "L1|2147483647|blue|rd|||-1|6|-1");
    EXPECT_EQ(series(b.d1(5)), "L1|-1|||" + x119 + "||-1|7|0");
}

TEST(SeriesRecord, ErrorsEchoTheSpotAndTheMessage) {
    const std::string a21(21, 'a'), x119(119, 'x'), digits = "\nIt is expected 01234567890\n";
    expect_logs({
        {"D2;R1;\n", "Line 1: D2;R[1];\nIt is expected S s ;\n"}, {"D1;L12;\n", "Line 1: D1;L1[2];\nIt is expected ;\n"},
        {"D1;MSs;\n", "Line 1: D1;MS[s];\nIt is expected ;\n"},
        {"D1;PS;\n", "Line 1: D1;P[S];\nIt is expected 1 2 3 4 ;\n"},
        {"D3;L\n", "Line 1: D[3];L\nIt is expected 12\n"}, {"D1,L\n", "Line 1: D1[,]L\nIt is expected ;\n"},
        {"D1;X;\n", "Line 1: D1;[X];\nIt is expected L M P R V l m p r v\n"}, {"D1\nD2;\n", ""},
        // The size takes blanks only after the number.
        {"D1;M; 3;\n", "Line 1: D1;M; [3];\nIt is expected ;\n"},
        {"D1;M;1 2;\n", "Line 1: D1;M;1 [2];\nIt is expected ;\n"},
        {"D1;M;a;\n", "Line 1: D1;M;[a];\nIt is expected 0123456789\n"},
        // A wrong colour is marked whole.
        {"D1;L;;  purplish;\n", "Line 1: D1;L;;  [purplish;]\nWrong color\n"},
        {"D1;L;;#1234567;\n", "Line 1: D1;L;;[#1234567];\nWrong color\n"},
        {"D1;L;;" + a21 + ";\n", "Line 1: D1;L;;[" + a21 + "];\nWrong color\n"},
        {"D1;L;;#12g;\n", "Line 1: D1;L;;#12[g];\nIt is expected 01234567890ABCDEFabcdef\n"},
        {"D1;L;;;;" + x119 + "y;;1\n", "Line 1: D1;L;;;;[" + x119 + "y];;1\nWrong name length\n"},
        {"D1;L;;;;;;1-2\n", "Line 1: D1;L;;;;;;1[-]2" + digits}, {"D1;L;;;;;;--1\n", "Line 1: D1;L;;;;;;-[-]1" + digits},
        {"D1;L;;;;;;1.2,3\n", "Line 1: D1;L;;;;;;1.2[,]3" + digits},
        // An error on a continuation line echoes from the record start.
        {"D1;L;;;;;;1\\\n2x\n", "Line 2: D1;L;;;;;;1\\\n2[x]" + digits},
        {"D1;L;;;;;;1;2;\\\n3;4\nD1;Q\n", "Line 3: D1;[Q]\nIt is expected L M P R V l m p r v\n"},
    });
    // Heads cut short make no series; later errors keep the slot as far as
    // it was read, and a too long text ends the record.
    ChartBench b;
    b.read("D1\nD2;\nD3;L\n");
    EXPECT_EQ(join(b.st.D1num, b.st.D2num), "-1|-1");
    b.read("D2;R1;\nD1;L12;\nD1;M;1 2;\nD1;L;;;;" + x119 + "y;;1\nD1;L;;;;;;1.2,3\n");
    EXPECT_EQ(join(b.st.D2num, b.d1(0).tip, b.d1(1).width, b.d1(2).text == x119, b.d1(2).kolpoint, b.d1(3).kolpoint),
              "0|L1|1|1|-1|-1");
}

TEST(SeriesRecord, ValuesEmptyMarkersSignsContinuationAndComments) {
    ChartBench b;
    b.read("D1;L;;;;;;1;;3\nD1;L;;;;;;1;2;\nD1;L;;;;;;-0.5; 1,5 ;-;.;\nD1;P;;;;;;-4;2\n"
           // The value being built goes on across the break: 1, 23, 4.
           "D1;L;;;;;;1;2\\\n3;4\nD1;L;;;;;;1;2;\\\n3;4\n"
           // "#" ends the record after storing the value in hand.
           "D1;L;;;;;;5#6;7\n D1;L;;;;a#b;;1;#\n"
           // 16777216 * 10 + 1 rounds to 167772160 after each digit; the
           // whole number rounded once would give 167772176.
           "D1;L;;;;;;167772171\n");
    EXPECT_EQ(join(b.run.file_error, b.log(), b.st.D1num, b.d1(7).text), "0||8|a#b");
    const char* expected[] = {"2|1|1e-36|3", "1|1|2",  "3|-0.5|1.5|1e-36|1e-36", "1|4|2", "2|1|23|4",
                              "3|1|2|3|4",   "0|5",    "0|1",                    "0|167772160"};
    for (int s = 0; s < 9; ++s) {
        std::string values = std::to_string(b.d1(s).kolpoint);
        for (int k = 0; k <= b.d1(s).kolpoint; ++k) values += join("", b.v1(s, k));
        EXPECT_EQ(values, expected[s]) << "series " << s;
    }
}

// D7: the 1001st value is reported at the first character of its field,
// the field whose ";" overflowed the row; the 101st series of an axis at
// its type letter, and it is then read into the last slot.
TEST(SeriesRecord, ValueAndSeriesLimits) {
    std::string ones, text;
    for (int i = 0; i < 999; ++i) ones += "1;";
    ChartBench b;
    b.read("D1;L;;;;;;" + ones + "5\n");
    EXPECT_EQ(join(b.log(), b.d1(0).kolpoint, b.v1(0, 999)), "|999|5");
    b.read("D1;L;;;;;;" + ones + "1;7;8\n");
    EXPECT_EQ(b.log(), "Line 1: D1;L;;;;;;" + ones + "1;[7];8\nNumber of values is more, than 1000\n");
    EXPECT_EQ(join(b.run.file_error, b.d1(0).kolpoint), "1|999");

    for (int i = 1; i <= 101; ++i) text += "D1;L;;;;;;" + std::to_string(i) + "\n";
    ChartBench many;
    many.read(text + "D2;L;;;;;;9\n");
    EXPECT_EQ(many.log(), "Line 101: D1;[L];;;;;;101\nNumber of charts with D1 is more, than\n");
    EXPECT_EQ(join(many.st.D1num, many.d1(98).pornum, many.d1(99).pornum, many.v1(99, 0)), "99|99|101|101");
    EXPECT_EQ(join(many.st.D2num, many.st.D2rec[0].pornum), "0|102");
}

}  // namespace
}  // namespace qp
