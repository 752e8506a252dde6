#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "series_test_bench.h"

namespace qp {
namespace {

TEST(SeriesRecord, HeadTypeAndEmptyFieldsKeepTheirStartingValues) {
    SeriesBench b;
    b.read("D1;L;;;;;;5;7\nD1;RS;\n d 2 ; m s 4 ;\nD1;L3s;\n");
    EXPECT_EQ(b.run.file_error, 0);
    EXPECT_EQ(b.log(), "");
    ASSERT_EQ(b.st.D1num, 2);
    ASSERT_EQ(b.st.D2num, 0);

    const SeriesRecord& line = b.d1(0);
    EXPECT_EQ(line.tip, "L1");
    EXPECT_EQ(line.width, -1);
    EXPECT_EQ(line.color1, "");
    EXPECT_EQ(line.color2, "");
    EXPECT_EQ(line.text, "");
    EXPECT_EQ(line.url, "");
    EXPECT_EQ(line.stacked, -1);
    EXPECT_EQ(line.pornum, 1);
    EXPECT_EQ(line.kolpoint, 1);
    EXPECT_EQ(b.v1(0, 0), 5.0f);
    EXPECT_EQ(b.v1(0, 1), 7.0f);

    EXPECT_EQ(b.d1(1).tip, "R1");
    EXPECT_EQ(b.d1(1).stacked, 1);
    EXPECT_EQ(b.d1(1).kolpoint, -1);
    // Blanks between the items, lower case, mark before digit.
    EXPECT_EQ(b.d2(0).tip, "M4");
    EXPECT_EQ(b.d2(0).stacked, 1);
    EXPECT_EQ(b.d2(0).pornum, 3);
    EXPECT_EQ(b.d1(2).tip, "L3");
    EXPECT_EQ(b.d1(2).pornum, 4);
}

TEST(SeriesRecord, WrongCharactersInTheTypeFieldShowTheTypesList) {
    SeriesBench b;
    b.read("D2;R1;\nD1;L12;\nD1;MSs;\nD1;PS;\n");
    EXPECT_EQ(b.run.file_error, 1);
    EXPECT_EQ(b.log(), expected_echo(1, "D2;R", "1", ";", "S s ;") +
                           expected_echo(2, "D1;L1", "2", ";", ";") +
                           expected_echo(3, "D1;MS", "s", ";", ";") +
                           expected_echo(4, "D1;P", "S", ";", "1 2 3 4 ;"));
    // The slot stays, filled as far as the reader got.
    EXPECT_EQ(b.st.D2num, 0);
    EXPECT_EQ(b.d1(0).tip, "L1");
}

TEST(SeriesRecord, HeadErrorsAndHeadsCutShortByTheLineEnd) {
    SeriesBench b;
    b.read("D3;L\nD1,L\nD1;X;\nD1\nD2;\n");
    EXPECT_EQ(b.log(), expected_echo(1, "D", "3", ";L", "12") +
                           expected_echo(2, "D1", ",", "L", ";") +
                           expected_echo(3, "D1;", "X", ";", "L M P R V l m p r v"));
    EXPECT_EQ(b.st.D1num, -1);
    EXPECT_EQ(b.st.D2num, -1);
}

TEST(SeriesRecord, SizeFieldTakesBlanksOnlyAfterTheNumber) {
    SeriesBench b;
    b.read("D1;M;12 ;\nD1;M; 3;\nD1;M;1 2;\nD1;M;a;\nD1;L;99999999999;\n");
    EXPECT_EQ(b.d1(0).width, 12);
    EXPECT_EQ(b.d1(2).width, 1);
    EXPECT_EQ(b.d1(4).width, INT_MAX);
    EXPECT_EQ(b.log(), expected_echo(2, "D1;M; ", "3", ";", ";") +
                           expected_echo(3, "D1;M;1 ", "2", ";", ";") +
                           expected_echo(4, "D1;M;", "a", ";", "0123456789"));
}

TEST(SeriesRecord, ColoursAreNamesInLowerCaseOrHexAsWritten) {
    SeriesBench b;
    b.read("D1;L;;Red; #aB ;\nD1;L;;b lue;\nD1;L;;navy;Rd\n");
    EXPECT_EQ(b.run.file_error, 0);
    EXPECT_EQ(b.d1(0).color1, "red");
    EXPECT_EQ(b.d1(0).color2, "#aB");
    EXPECT_EQ(b.d1(1).color1, "blue");
    // A name that the line end cuts off is not tested.
    EXPECT_EQ(b.d1(2).color2, "rd");
}

TEST(SeriesRecord, WrongColoursMarkTheWholeColour) {
    const std::string a21(21, 'a');
    SeriesBench b;
    b.read("D1;L;;  purplish;\nD1;L;;#1234567;\nD1;L;;" + a21 + ";\nD1;L;;#12g;\n");
    EXPECT_EQ(b.log(), field_echo(1, "D1;L;;  ", "purplish;", "", "Wrong color") +
                           field_echo(2, "D1;L;;", "#1234567", ";", "Wrong color") +
                           field_echo(3, "D1;L;;", a21, ";", "Wrong color") +
                           expected_echo(4, "D1;L;;#12", "g", ";", "01234567890ABCDEFabcdef"));
}

TEST(SeriesRecord, TextAndUrlKeepBlanksUpTo119Characters) {
    const std::string x119(119, 'x');
    SeriesBench b;
    b.read("D1;L;;;;  Sales, East ;http://x/a b;1\nD1;L;;;;" + x119 + ";;1\nD1;L;;;;" + x119 + "y;;1\n");
    EXPECT_EQ(b.d1(0).text, "  Sales, East ");
    EXPECT_EQ(b.d1(0).url, "http://x/a b");
    EXPECT_EQ(b.d1(0).kolpoint, 0);
    EXPECT_EQ(b.d1(1).text, x119);
    EXPECT_EQ(b.d1(1).kolpoint, 0);
    // One character more is reported and ends the record.
    EXPECT_EQ(b.log(), field_echo(3, "D1;L;;;;", x119 + "y", ";;1", "Wrong name length"));
    EXPECT_EQ(b.d1(2).text, x119);
    EXPECT_EQ(b.d1(2).kolpoint, -1);
}

TEST(SeriesRecord, ValuesEmptyMarkersSignsAndDecimalCommas) {
    SeriesBench b;
    b.read("D1;L;;;;;;1;;3\nD1;L;;;;;;1;2;\nD1;L;;;;;;-0.5; 1,5 ;-;.;\nD1;P;;;;;;-4;2\n");
    EXPECT_EQ(b.run.file_error, 0);
    EXPECT_EQ(b.d1(0).kolpoint, 2);
    EXPECT_EQ(b.v1(0, 0), 1.0f);
    EXPECT_EQ(b.v1(0, 1), kEmptyValue);
    EXPECT_FALSE(is_present(b.v1(0, 1)));
    EXPECT_EQ(b.v1(0, 2), 3.0f);
    EXPECT_EQ(b.d1(1).kolpoint, 1);   // a trailing ";" adds no value
    EXPECT_EQ(b.d1(2).kolpoint, 3);
    EXPECT_EQ(b.v1(2, 0), -0.5f);
    EXPECT_EQ(b.v1(2, 1), 1.5f);
    EXPECT_EQ(b.v1(2, 2), kEmptyValue);   // "-" alone
    EXPECT_EQ(b.v1(2, 3), kEmptyValue);   // "." alone
    EXPECT_EQ(b.v1(3, 0), 4.0f);          // pies store magnitudes
    EXPECT_EQ(b.v1(3, 1), 2.0f);
}

TEST(SeriesRecord, ValuesAreRoundedToSinglePrecisionAfterEachDigit) {
    // 16777216 * 10 + 1 rounds to 167772160; the whole number 167772171
    // rounded once would give 167772176.
    SeriesBench b;
    b.read("D1;L;;;;;;167772171\n");
    EXPECT_EQ(b.v1(0, 0), 167772160.0f);
}

TEST(SeriesRecord, WrongCharactersInValues) {
    SeriesBench b;
    b.read("D1;L;;;;;;1-2\nD1;L;;;;;;--1\nD1;L;;;;;;1.2,3\n");
    EXPECT_EQ(b.log(), expected_echo(1, "D1;L;;;;;;1", "-", "2", "01234567890") +
                           expected_echo(2, "D1;L;;;;;;-", "-", "1", "01234567890") +
                           expected_echo(3, "D1;L;;;;;;1.2", ",", "3", "01234567890"));
    EXPECT_EQ(b.d1(0).kolpoint, -1);
}

TEST(SeriesRecord, ContinuationLinesAndComments) {
    SeriesBench b;
    b.read("D1;L;;;;;;1;2\\\n3;4\nD1;L;;;;;;1;2;\\\n3;4\nD1;L;;;;;;5#6;7\n"
           " D1;L;;;;a#b;;1;#\nD1;Q\n");
    ASSERT_EQ(b.st.D1num, 3);
    // The value being built goes on across the break.
    EXPECT_EQ(b.d1(0).kolpoint, 2);
    EXPECT_EQ(b.v1(0, 0), 1.0f);
    EXPECT_EQ(b.v1(0, 1), 23.0f);
    EXPECT_EQ(b.v1(0, 2), 4.0f);
    EXPECT_EQ(b.d1(1).kolpoint, 3);
    EXPECT_EQ(b.v1(1, 2), 3.0f);
    EXPECT_EQ(b.v1(1, 3), 4.0f);
    // "#" ends the record after storing the value in hand.
    EXPECT_EQ(b.d1(2).kolpoint, 0);
    EXPECT_EQ(b.v1(2, 0), 5.0f);
    EXPECT_EQ(b.d1(3).text, "a#b");
    EXPECT_EQ(b.d1(3).kolpoint, 0);
    // The continuation lines count: the bad record is on line 7.
    EXPECT_EQ(b.log(), expected_echo(7, "D1;", "Q", "", "L M P R V l m p r v"));
}

TEST(SeriesRecord, ErrorOnAContinuationLineEchoesFromTheRecordStart) {
    SeriesBench b;
    b.read("D1;L;;;;;;1\\\n2x\n");
    EXPECT_EQ(b.log(), expected_echo(2, "D1;L;;;;;;1\\\n2", "x", "", "01234567890"));
    EXPECT_EQ(b.d1(0).kolpoint, -1);
}

// The 1001st value is reported at the first character of its field, the
// field whose ";" overflowed the row.
TEST(SeriesRecord, ThousandValuesFitTheNextIsReportedAtItsField) {
    std::string ones;
    for (int i = 0; i < 999; ++i) ones += "1;";
    SeriesBench fits;
    fits.read("D1;L;;;;;;" + ones + "5\n");
    EXPECT_EQ(fits.log(), "");
    EXPECT_EQ(fits.d1(0).kolpoint, 999);
    EXPECT_EQ(fits.v1(0, 999), 5.0f);

    SeriesBench over;
    over.read("D1;L;;;;;;" + ones + "1;7;8\n");
    EXPECT_EQ(over.log(), field_echo(1, "D1;L;;;;;;" + ones + "1;", "7", ";8",
                                     "Number of values is more, than 1000"));
    EXPECT_EQ(over.run.file_error, 1);
    EXPECT_EQ(over.d1(0).kolpoint, 999);
}

// The 101st series of an axis is reported at its type letter and then read
// into the last slot, replacing the 100th series.
TEST(SeriesRecord, HundredAndFirstSeriesReplacesTheLastSlot) {
    std::string text;
    for (int i = 1; i <= 101; ++i) text += "D1;L;;;;;;" + std::to_string(i) + "\n";
    text += "D2;L;;;;;;9\n";
    SeriesBench b;
    b.read(text);
    EXPECT_EQ(b.log(), field_echo(101, "D1;", "L", ";;;;;;101", "Number of charts with D1 is more, than"));
    EXPECT_EQ(b.run.file_error, 1);
    EXPECT_EQ(b.st.D1num, 99);
    EXPECT_EQ(b.d1(98).pornum, 99);
    EXPECT_EQ(b.d1(99).pornum, 101);
    EXPECT_EQ(b.v1(99, 0), 101.0f);
    EXPECT_EQ(b.st.D2num, 0);
    EXPECT_EQ(b.d2(0).pornum, 102);
}

// Through the record scanner: D lines in either case, counted in koldata,
// a continuation line, and a report that leaves the next line to the scanner.
TEST(SeriesRecord, ReadThroughTheRecordScanner) {
    struct NoOutput : ChartSink {
        void output_chart() override {}
        void end_chart() override {}
    } sink;
    SeriesBench b;
    b.text = "AREA;\n  d1;L;;;;;;1;2\\\n3\nD2;R1;\nD2;V;;;;;;4\n";
    b.sc = Scanner(b.text);
    read_chart_description(b.st, b.run, b.sc, sink);
    EXPECT_EQ(b.st.koldata, 3);
    ASSERT_EQ(b.st.D1num, 0);
    EXPECT_EQ(b.d1(0).kolpoint, 1);
    EXPECT_EQ(b.v1(0, 1), 23.0f);
    ASSERT_EQ(b.st.D2num, 1);
    EXPECT_EQ(b.d2(1).tip, "V1");
    EXPECT_EQ(b.d2(1).pornum, 3);
    EXPECT_EQ(b.v2(1, 0), 4.0f);
    EXPECT_EQ(b.log(), expected_echo(4, "D2;R", "1", ";", "S s ;"));
}

}  // namespace
}  // namespace qp
