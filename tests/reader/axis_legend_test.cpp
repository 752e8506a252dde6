// X, Y1/Y2 and LEGEND records read from chart description texts.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "chart_reader_bench.h"

namespace qp {
namespace {

// The X record's ten fields before its label list, all left empty.
const std::string kXHead = "X;;;;;;;;;;";

TEST(XRecord, MarksAngleFieldsLabelsAndContinuation) {
    ChartBench b;
    auto x_axis = [&b](const std::string& text) {
        const ChartState& st = b.read(text).st;
        return join(st.X1p, st.Xgrid, st.XYcross, st.Xgrad, st.Xwidth, st.Xgcolor, st.Xsize, st.Xfont, st.Xtext,
                    st.Xi, st.X[0], st.X[1], st.X[2]);
    };
    EXPECT_EQ(x_axis("X\n"), "1|-1|-1|0|1|black|14|Arial||-1|||");
    EXPECT_EQ(x_axis("X|+45;2;Red;12;Courier\n"), "1|1|1|45|2|red|12|Courier||-1|||");
    EXPECT_EQ(x_axis("X180;;\n"), "1|-1|-1|180|0||14|Arial||-1|||");   // closing sets the next empty
    EXPECT_EQ(x_axis(kXHead + "a;;b;\n"), "1|-1|-1|0|0||0|||3|a||b");
    // The last label without ";" is kept but not counted.
    EXPECT_EQ(x_axis(kXHead + "a;b; c \n"), "1|-1|-1|0|0||0|||2|a|b| c ");
    // A second X record replaces the labels of the first.
    EXPECT_EQ(x_axis(kXHead + "a;b;c\n" + kXHead + "d;\n"), "1|-1|-1|0|0||0|||1|d||");
    EXPECT_EQ(b.log(), "");
    // A continuation goes on in the same label; its line is counted and is
    // no BORDER record.
    EXPECT_EQ(x_axis(kXHead + "Jan;Fe\\ rest ignored\nb;Mar;\n#\n"), "1|-1|-1|0|0||0|||3|Jan|Feb|Mar");
    EXPECT_EQ(join(b.st.B, b.log()), "-1|Line 3: [#]\nIt is expected A B P D L T X Y\n");

    std::string list;
    for (int i = 0; i < 1000; ++i) list += "x;";
    ChartBench full, over;
    full.read(kXHead + list + "\n");
    EXPECT_EQ(join(full.st.Xi, full.run.file_error), "1000|0");
    EXPECT_EQ(over.read(kXHead + list + "y;\n").st.Xi, 1000);
    EXPECT_EQ(over.log(), "Line 1: " + kXHead + list + "[y];\nNumber of arguments is more, than 1000\n");
}

TEST(XYAndLegendRecords, ErrorsEchoTheSpotAndTheMessage) {
    const std::string c99(99, 'c'), l100(100, 'l'), u100(100, 'u'), f20(20, 'f');
    const std::string y2 = "Y2" + std::string(13, ';'), legend = "LEGEND" + std::string(9, ';');
    expect_logs({
        // The angle is reported at the record letter, the field's start.
        {"X181;\n", "Line 1: [X]181;\ndoes not between 0 and 180\n"},
        {"X+4+;\n", "Line 1: X+4[+];\nIt is expected ;\n"},
        {"X?;\n", "Line 1: X[?];\nIt is expected 0123456789 | + ;\n"},
        {"X;;#1g\n", "Line 1: X;;#1[g]\nIt is expected 0123456789ABCDEFabcdef\n"},
        {"X;;;;;;;;" + c99 + "c;\n", "Line 1: X;;;;;;;;" + c99 + "[c];\nWrong symbol\n"},
        // A report on a continuation line echoes the record from its first line.
        {kXHead + "a;\\\n" + l100 + ";\n", "Line 2: " + kXHead + "a;[\\\n" + l100 + "];\nWrong name length\n"},
        {"Y2--;\n", "Line 1: Y2-[-];\nIt is expected ;\n"},
        {"Y1x;\n", "Line 1: Y1[x];\nIt is expected - ;\n"},
        {"Y1;;;5-;\n", "Line 1: Y1;;;5[-];\nIt is expected 0123456789\n"},
        {"Y1;;;;;-1;\n", "Line 1: Y1;;;;;[-]1;\nIt is expected 0123456789\n"},
        {"Y1;;;1.2.3;\n", "Line 1: Y1;;;1.2[.]3;\nIt is expected 0123456789\n"},
        {"Y3;\n", "Line 1: Y[3];\nIt is expected 1 2\n"},
        {"Y\nTITLE;;;;;;T", "It is expected 1 2\n"},
        {y2 + u100 + "\n", "Line 1: " + y2 + "[" + u100 + "]\nWrong name length\n"},
        {"LEX;\n", "Line 1: LE[X];\nIt is expected G g ;\n"},
        {"LEGEND?\n", "Line 1: LEGEND[?]\nIt is expected + ! ;\n"},
        {legend + f20 + ";\n", "Line 1: " + legend + "[" + f20 + "];\nWrong name length\n"},
    });
    // The next line is read after each report; LEGEND is on whatever it read.
    ChartBench b;
    b.read("Y\nTITLE;;;;;;T\n" + kXHead + "a;\\\n" + l100 + ";\nPLOT;3\nLEX;\n");
    EXPECT_EQ(join(b.run.file_error, b.st.Ttext, b.st.Cleft, b.st.Lp), "1|T|3|1");
}

std::string y_record(ChartBench& b, const std::string& text, int n) {
    const YAxis y = y_axis(b.read(text).st, n);
    return join(y.p, y.grid, y.pmin, y.pmax, y.pstep, y.pxlocate, y.min, y.max, y.step, y.sstep, y.substep, y.xlocate);
}

TEST(YRecord, RealsPresenceAndStepDigits) {
    ChartBench b;
    EXPECT_EQ(y_record(b, "Y1;;;-5;5;2.5;0,5;0;\n", 1), "1|-1|1|1|1|1|-5|5|2.5|5|0.5|0");
    EXPECT_EQ(b.st.Y2p, -1);
    // 0-5 reads as -5; "-" alone leaves the field absent and a plain 0.
    EXPECT_EQ(y_record(b, "Y2-;;;0-5;-;;;\n", 2), "1|1|1|-1|-1|-1|-5|0|0||0|0");
    EXPECT_FALSE(std::signbit(b.st.Y2max));
    // Single precision after each digit: float(1.2f + 3 * 0.01f) is 1.23f.
    EXPECT_EQ(y_record(b, "Y1;;;1.23;;0.125\n", 1), "1|-1|1|-1|1|-1|1.23|0|0.125|125|0|0");
    EXPECT_EQ(b.read("Y2;;;;;2,50;\n").st.Y2sstep, "50");
    EXPECT_EQ(b.read("Y1;;;;;5;\n").st.Y1sstep, "");
    // Sixty nines stay at the largest float; at most 39 step digits are
    // kept, all of them counting in the value.
    EXPECT_EQ(b.read("Y1;;;" + std::string(60, '9') + ";\n").st.Y1min, std::numeric_limits<float>::max());
    b.read("Y1;;;;;0." + std::string(45, '1') + ";\n");
    EXPECT_EQ(b.st.Y1sstep, std::string(39, '1'));
    EXPECT_NEAR(b.st.Y1step, 1.0f / 9.0f, 1e-6f);
    EXPECT_EQ(b.run.file_error, 0);
}

TEST(YRecord, FlagsAndRecordStartValues) {
    ChartBench b;
    b.read("Y1-;3;red;1;2;;;;;;;BOLD;it;Units\nY1;4\n");
    EXPECT_EQ(join(b.st.Y1bold, b.st.Y1italic, b.st.Y1text, b.st.Y1width, b.st.Y1gcolor, b.st.Y1pmin),
              "normal|normal||4|black|-1");
    b.read("Y2;;;;;;;;;;;BOLD;it;Units\n");
    EXPECT_EQ(join(b.st.Y2bold, b.st.Y2italic, b.st.Y2text, b.st.Y1bold), "bold|italic|Units|normal");
}

TEST(LegendRecord, KeywordFormsMarksFieldsAndTheFrameFlag) {
    ChartBench b;
    auto legend = [&b](const std::string& text) {
        const ChartState& st = b.read(text).st;
        return join(st.Lp, st.Lgrid, st.Lonly, st.Lleft, st.Ltop, st.Lwidth, st.Lheight, st.Lcolor, st.Lcols,
                    st.Lrows, st.Lfsize, st.Lfont, st.Lfcolor, st.Lbold, st.Litalic, st.Lborder, st.Lbwidth,
                    st.Lbcolor, st.Lshadow, st.Lround);
    };
    const std::string start = "-1|-1|0|0||0|0|14|Arial|black|normal|normal|-1|0|black|-1|-1";
    for (const char* line : {"LEGEND", "L;", "legend;", "LeGeNd;", "LEGEND;;;;"})
        EXPECT_EQ(legend(line), "1|-1|-1|" + start) << line;
    EXPECT_EQ(legend("L!;\n"), "1|-1|1|" + start);
    EXPECT_EQ(legend("LEGEND+!;\n"), "1|1|1|" + start);
    EXPECT_EQ(legend("LEG+END;\n"), "1|1|-1|" + start);
    // A width of 0 still means a frame; the colour after it is empty.
    EXPECT_EQ(legend("LEGEND;1;2;3;4;red;5;6;7;Verdana;blue;B;I;0;;S;R\n"),
              "1|-1|-1|1|2|3|4|red|5|6|7|Verdana|blue|bold|italic|1|0||1|1");
    b.read("LEGEND;;;;;;;;;;;;;;;S\n");
    EXPECT_EQ(join(b.st.Lborder, b.st.Lbwidth, b.st.Lshadow, b.st.Lround), "1|0|1|-1");
    EXPECT_EQ(join(b.run.file_error, b.log()), "0|");
}

}  // namespace
}  // namespace qp
