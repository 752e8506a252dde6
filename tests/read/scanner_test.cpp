// Where reading goes on after a report: the echo reads the line again from
// its start, and the reader resumes where the echo stopped, which may lie
// before the place the report was made at.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/chart_reader_bench.h"

namespace qp {
namespace {

const std::string kLetters = "\nIt is expected A B P D L T X Y\n";

// Read from a file a few bytes at a time, the scanner keeps only the line
// in hand and what was read after it; a report still sees the whole line,
// continuation lines included, up to its end.
TEST(Scanner, TheWindowHoldsTheLineInHandToItsEnd) {
    std::string text;
    for (int i = 0; i < 2000; ++i) text += "PLOT;1;2;3;4\n";
    text += "X;a\\\nb;c\nY\n";
    TextPieces file(MemoryFileSystem::input_file("c.csv", text, 16), 16);
    Scanner sc(file);
    std::size_t most = 0;
    for (int line = 0; line < 2000; ++line) {
        sc.start_line();
        sc.skip_rest_of_line();
        most = std::max(most, sc.held());
    }
    EXPECT_LE(most, 13u + 17u);   // a line and a piece
    sc.start_line();
    for (int i = 0; i < 7; ++i) sc.next_char();   // "X;a\\\nb;"
    EXPECT_EQ(sc.spot().from_line_start.substr(0, 9), "X;a\\\nb;c\n");
    EXPECT_FALSE(sc.cut_short());
    while (sc.next_char() != kEof) {
    }
    EXPECT_FALSE(sc.cut_short());

    // A line longer than the longest allowed ends the reading.
    const std::string long_line = "PLOT;1\nTITLE;;;;;;" + std::string(100, 'x') + "\nPLOT;2\n";
    TextPieces long_file(MemoryFileSystem::input_file("c.csv", long_line, 8), 8);
    Scanner cut(long_file, 40);
    while (cut.next_char() != kEof) {
    }
    EXPECT_TRUE(cut.cut_short());
}

// The reports and the reading after them are the same whether the file
// is held whole or read in pieces of any size.
TEST(Scanner, PiecesOfAnySizeReadAsTheWholeText) {
    std::string many_values = "D1;L;;;;;;";
    for (int i = 0; i < 1000; ++i) many_values += "1;";
    const std::vector<std::string> texts{
        "PLOT;1\nX;a\\\nb;c\nY\n",
        many_values + "4\\\n5;6\nPLOT;7\n",
        "TITLE;;;;;;T\r\nPLOT;x",
        "D1;L;;;;;;1\\\r\n2x",
        "AREA;0;;300;200;white\nD1;L1;2;navy;;S;;1;2;3;x;\n\nZ<b>\nD1;L;;red;;;;" + many_values,
    };
    for (const std::string& text : texts) {
        ChartBench whole;
        whole.read(drop_cr_before_lf(text));
        for (std::size_t size : {1, 2, 3, 7, 64}) {
            SCOPED_TRACE(text.substr(0, 20) + " in pieces of " + std::to_string(size));
            ChartBench pieces;
            pieces.read(text, size);
            EXPECT_EQ(pieces.log(), whole.log());
            EXPECT_EQ(pieces.calls, whole.calls);
            EXPECT_EQ(join(pieces.st.plot.Cleft, pieces.st.d1.num, pieces.sc.line_number),
                      join(whole.st.plot.Cleft, whole.st.d1.num, whole.sc.line_number));
        }
    }
}

// A value that began before a continuation and was refused after it: the
// echo stops at the first line end after the value's start, so the
// continuation line is read again as a record of its own.
TEST(ReadingAfterAReport, AContinuationLineIsReadAgainWhenTheEchoStopsBeforeIt) {
    std::string full = "D1;L;;;;;;";   // 1000 values, the most a series holds
    for (int i = 0; i < 1000; ++i) full += "1;";
    const std::string too_many = "\nNumber of values is more, than 1000\n";
    ChartBench b;
    b.read(full + "4\\\n5;6\nPLOT;7\n");
    EXPECT_EQ(b.log(), "Line 2: " + full + "[4]\\" + too_many + "Line 3: [5];6" + kLetters);
    EXPECT_EQ(join(b.d1(0).kolpoint, b.st.plot.Cleft, b.run.file_error), "999|7|1");
    // Refused on the continuation line itself: the echo runs through it.
    full.pop_back();
    full.pop_back();
    ChartBench after;
    after.read(full + "\\\n1;4;5\nPLOT;7\n");
    EXPECT_EQ(after.log(), "Line 2: " + full + "\\\n1;[4];5" + too_many);
    EXPECT_EQ(join(after.d1(0).kolpoint, after.st.plot.Cleft), "999|7");
}

TEST(ReadingAfterAReport, TheLastLineWithoutALineEnd) {
    // The echo meets the end of the file; nothing is read after it.
    expect_logs({{"PLOT;1\nPLOT;x", "Line 2: PLOT;[x]\nIt is expected 0123456789\n"},
                 {"D1;L;;;;;;1\\\n2x", "Line 2: D1;L;;;;;;1\\\n2[x]\nIt is expected 01234567890\n"},
                 {"TITLE;;;;;;T\n?", "Line 2: [?]" + kLetters}});
    ChartBench b;
    b.read("TITLE;;;;;;T\nPLOT;x");
    EXPECT_EQ(join(b.st.title.Ttext, b.sc.at_eof, static_cast<int>(b.sc.pos)), "T|1|19");
}

// A series beyond the axis' limit is reported at its type letter and still
// read, into the last slot: reading goes on where it was, not where the
// echo stopped, also when the echo ran into the end of the file.
TEST(ReadingAfterAReport, ASeriesBeyondTheLimitIsStillRead) {
    std::string full;   // 100 series, the most an axis holds
    for (int i = 0; i < 100; ++i) full += "D1;L;;;;;;1\n";
    for (const std::string end : {"\nD2;L;;;;;;9\nPLOT;3\n", ""}) {
        SCOPED_TRACE(end.empty() ? "without a line end" : "with a line end");
        ChartBench b;
        b.read(full + "D1;M;;;;;;7;8;9" + end);
        EXPECT_EQ(b.log(), "Line 101: D1;[M];;;;;;7;8;9\nNumber of charts with D1 is more, than\n");
        EXPECT_EQ(join(b.st.d1.num, b.d1(98).pornum, b.d1(99).pornum, b.d1(99).tip, b.d1(99).kolpoint, b.v1(99, 2)),
                  "99|99|101|M1|2|9");
        // Ordinals go on after the refused series.
        EXPECT_EQ(join(b.st.plot.Cleft, b.sc.at_eof, b.st.d2.num, b.st.d2.rec[0].pornum),
                  end.empty() ? "-1|1|-1|0" : "3|1|0|102");
    }
}

}  // namespace
}  // namespace qp
