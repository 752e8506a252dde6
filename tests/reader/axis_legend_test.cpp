// X, Y1/Y2 and LEGEND records read from chart description texts.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "chart_reader_bench.h"

namespace qp {
namespace {

// The X record's ten fields before its label list, all left empty.
const std::string kXHead = "X;;;;;;;;;;";

std::string x_axis(const ChartState& st) {
    return join(st.X1p, st.Xgrid, st.XYcross, st.Xgrad, st.Xwidth, st.Xgcolor, st.Xsize, st.Xfont,
                st.Xcolor, st.Xbold, st.Xitalic, st.Xtext, st.Xbgcolor, st.Xi);
}

TEST(XRecord, MarksAngleAndFields) {
    ChartBench b;
    b.read("X\n");
    EXPECT_EQ(x_axis(b.st), "1|-1|-1|0|1|black|14|Arial|black|normal|normal|||-1");
    b.read("X|+45;2;Red;12;Courier;blue;B;I;Month;#ff0\n");
    EXPECT_EQ(x_axis(b.st), "1|1|1|45|2|red|12|Courier|blue|bold|italic|Month|#ff0|-1");
    b.read("X180;;\n");
    EXPECT_EQ(x_axis(b.st), "1|-1|-1|180|0||14|Arial|black|normal|normal|||-1");
    EXPECT_EQ(b.run.file_error, 0);
}

TEST(XRecord, MarkAngleColourAndCaptionErrors) {
    // The angle is reported at the record letter, the field's start.
    ChartBench wide;
    wide.read("X181;\n");
    EXPECT_EQ(wide.log(), field_report(1, "", "X", "181;", "does not between 0 and 180"));
    ChartBench plus;
    plus.read("X+4+;\n");
    EXPECT_EQ(plus.log(), expected_report(1, "X+4", "+", ";", ";"));
    ChartBench other;
    other.read("X?;\n");
    EXPECT_EQ(other.log(), expected_report(1, "X", "?", ";", "0123456789 | + ;"));
    ChartBench hex;
    hex.read("X;;#1g\n");
    EXPECT_EQ(hex.log(), expected_report(1, "X;;#1", "g", "", "0123456789ABCDEFabcdef"));
    // A caption over 99 characters: "Wrong symbol" at the hundredth.
    ChartBench caption;
    caption.read("X;;;;;;;;" + std::string(100, 'c') + ";\n");
    EXPECT_EQ(caption.log(), symbol_report(1, "X;;;;;;;;", std::string(99, 'c'), "c", ";"));
}

TEST(XRecord, LabelLists) {
    ChartBench b;
    b.read(kXHead + "a;b;c;\n");
    EXPECT_EQ(join(b.st.Xi, b.st.X[0], b.st.X[1], b.st.X[2]), "3|a|b|c");
    // The last label without its ";" is stored but not counted.
    b.read(kXHead + "a;b; c \n");
    EXPECT_EQ(join(b.st.Xi, b.st.X[2]), "2| c ");
    b.read(kXHead + "a;;b;\n");
    EXPECT_EQ(join(b.st.Xi, b.st.X[0], b.st.X[1], b.st.X[2]), "3|a||b");
    // A second X record replaces the labels of the first.
    b.read(kXHead + "a;b;c\n" + kXHead + "d;\n");
    EXPECT_EQ(join(b.st.Xi, b.st.X[0], b.st.X[2]), "1|d|");
    EXPECT_EQ(b.log(), "");
}

TEST(XRecord, ContinuationGoesOnInTheSameLabel) {
    ChartBench b;
    b.read(kXHead + "Jan;Fe\\ rest ignored\nb;Mar;\n#\n");
    EXPECT_EQ(join(b.st.Xi, b.st.X[0], b.st.X[1], b.st.X[2]), "3|Jan|Feb|Mar");
    EXPECT_EQ(b.st.B, -1);   // the continuation line is no BORDER record
    // The continuation line was counted: the bad line is line 3.
    EXPECT_EQ(b.log(), expected_report(3, "", "#", "", "A B P D L T X Y"));

    // A report on a continuation line echoes the record from its first line.
    ChartBench longer;
    longer.read(kXHead + "a;\\\n" + std::string(100, 'l') + ";\nPLOT;3\n");
    EXPECT_EQ(longer.log(), field_report(2, kXHead + "a;", "\\\n" + std::string(100, 'l'), ";",
                                         "Wrong name length"));
    EXPECT_EQ(longer.st.Cleft, 3);
}

TEST(XRecord, ThousandLabelsAtMost) {
    std::string list;
    for (int i = 0; i < 1000; ++i) list += "x;";
    ChartBench full;
    full.read(kXHead + list + "\n");
    EXPECT_EQ(join(full.st.Xi, full.run.file_error), "1000|0");
    ChartBench over;
    over.read(kXHead + list + "y;\n");
    EXPECT_EQ(over.log(), field_report(1, kXHead + list, "y", ";", "Number of arguments is more, than 1000"));
    EXPECT_EQ(over.st.Xi, 1000);
}

std::string presence(const YAxis& y) { return join(y.p, y.grid, y.pmin, y.pmax, y.pstep, y.pxlocate); }

TEST(YRecord, SignedAndUnsignedReals) {
    ChartBench b;
    b.read("Y1;;;-5;5;2.5;0,5;0;\n");
    const YAxis y1 = y_axis(b.st, 1);
    EXPECT_EQ(presence(y1), "1|-1|1|1|1|1");
    EXPECT_EQ(y1.min, -5.0f);
    EXPECT_EQ(y1.max, 5.0f);
    EXPECT_EQ(y1.step, 2.5f);
    EXPECT_EQ(y1.sstep, "5");
    EXPECT_EQ(y1.substep, 0.5f);
    EXPECT_EQ(y1.xlocate, 0.0f);
    EXPECT_EQ(b.st.Y2p, -1);

    // 0-5 reads as -5; "-" alone leaves the field absent and 0.
    b.read("Y2-;;;0-5;-;;;\n");
    const YAxis y2 = y_axis(b.st, 2);
    EXPECT_EQ(presence(y2), "1|1|1|-1|-1|-1");
    EXPECT_EQ(y2.min, -5.0f);
    EXPECT_EQ(y2.max, 0.0f);
    EXPECT_FALSE(std::signbit(y2.max));
    EXPECT_EQ(b.run.file_error, 0);
}

TEST(YRecord, StepDigits) {
    ChartBench b;
    b.read("Y1;;;;;0.125\n");
    EXPECT_EQ(join(b.st.Y1sstep, b.st.Y1pstep), "125|1");
    EXPECT_EQ(b.st.Y1step, 0.125f);
    b.read("Y2;;;;;2,50;\n");
    EXPECT_EQ(b.st.Y2sstep, "50");
    b.read("Y1;;;;;5;\n");
    EXPECT_EQ(b.st.Y1sstep, "");
    // At most 39 digits are kept; all of them count in the value.
    b.read("Y1;;;;;0." + std::string(45, '1') + ";\n");
    EXPECT_EQ(b.st.Y1sstep, std::string(39, '1'));
    EXPECT_NEAR(b.st.Y1step, 1.0f / 9.0f, 1e-6f);
}

TEST(YRecord, Errors) {
    struct Case { const char* line; const char* before; const char* bad; const char* rest; const char* expected; };
    for (const Case& c : {Case{"Y2--;", "Y2-", "-", ";", ";"}, Case{"Y1x;", "Y1", "x", ";", "- ;"},
                          Case{"Y1;;;5-;", "Y1;;;5", "-", ";", "0123456789"},
                          Case{"Y1;;;;;-1;", "Y1;;;;;", "-", "1;", "0123456789"},
                          Case{"Y1;;;1.2.3;", "Y1;;;1.2", ".", "3;", "0123456789"},
                          Case{"Y3;", "Y", "3", ";", "1 2"}}) {
        ChartBench b;
        b.read(std::string(c.line) + "\n");
        EXPECT_EQ(b.log(), expected_report(1, c.before, c.bad, c.rest, c.expected)) << c.line;
    }
    ChartBench bare;
    bare.read("Y\nTITLE;;;;;;T");
    EXPECT_EQ(bare.log(), "<font color='red'>It is expected 1 2</font><br>\n");
    EXPECT_EQ(join(bare.run.file_error, bare.st.Ttext), "1|T");

    ChartBench caption;
    const std::string head = "Y2" + std::string(13, ';');
    caption.read(head + std::string(100, 'u') + "\n");
    EXPECT_EQ(caption.log(), field_report(1, head, std::string(100, 'u'), "", "Wrong name length"));
}

TEST(YRecord, FlagsAndRecordStartValues) {
    ChartBench b;
    b.read("Y1-;3;red;1;2;;;;;;;BOLD;it;Units\nY1;4\n");
    EXPECT_EQ(join(b.st.Y1bold, b.st.Y1italic, b.st.Y1text), "normal|normal|");
    EXPECT_EQ(join(b.st.Y1width, b.st.Y1gcolor), "4|black");
    EXPECT_EQ(presence(y_axis(b.st, 1)), "1|-1|-1|-1|-1|-1");
    b.read("Y2;;;;;;;;;;;BOLD;it;Units\n");
    EXPECT_EQ(join(b.st.Y2bold, b.st.Y2italic, b.st.Y2text, b.st.Y1bold), "bold|italic|Units|normal");
}

std::string legend(const ChartState& st) {
    return join(st.Lp, st.Lgrid, st.Lonly, st.Lleft, st.Ltop, st.Lwidth, st.Lheight, st.Lcolor, st.Lcols,
                st.Lrows, st.Lfsize, st.Lfont, st.Lfcolor, st.Lbold, st.Litalic, st.Lborder, st.Lbwidth,
                st.Lbcolor, st.Lshadow, st.Lround);
}
const std::string kLegendStart = "-1|-1|0|0||0|0|14|Arial|black|normal|normal|-1|0|black|-1|-1";

TEST(LegendRecord, KeywordFormsAndMarks) {
    for (const char* line : {"LEGEND", "L;", "legend;", "LeGeNd;", "LEGEND;;;;"}) {
        ChartBench b;
        b.read(line);
        EXPECT_EQ(legend(b.st), "1|-1|-1|" + kLegendStart) << line;
        EXPECT_EQ(b.log(), "") << line;
    }
    ChartBench b;
    b.read("L!;\n");
    EXPECT_EQ(legend(b.st), "1|-1|1|" + kLegendStart);
    b.read("LEGEND+!;\n");
    EXPECT_EQ(join(b.st.Lgrid, b.st.Lonly), "1|1");
    b.read("LEG+END;\n");
    EXPECT_EQ(join(b.st.Lgrid, b.st.Lonly), "1|-1");

    ChartBench letter;
    letter.read("LEX;\n");
    EXPECT_EQ(letter.log(), expected_report(1, "LE", "X", ";", "G g ;"));
    EXPECT_EQ(letter.st.Lp, 1);   // set after the reader, whatever it read
    ChartBench semicolon;
    semicolon.read("LEGEND?\n");
    EXPECT_EQ(semicolon.log(), expected_report(1, "LEGEND", "?", "", "+ ! ;"));
}

TEST(LegendRecord, FieldsAndTheFrameFlag) {
    ChartBench b;
    // A width of 0 still means a frame; the colour after it is empty.
    b.read("LEGEND;1;2;3;4;red;5;6;7;Verdana;blue;B;I;0;;S;R\n");
    EXPECT_EQ(legend(b.st), "1|-1|-1|1|2|3|4|red|5|6|7|Verdana|blue|bold|italic|1|0||1|1");
    b.read("LEGEND;;;;;;;;;;;;;;;S\n");
    EXPECT_EQ(join(b.st.Lborder, b.st.Lbwidth, b.st.Lshadow, b.st.Lround), "1|0|1|-1");
    EXPECT_EQ(b.run.file_error, 0);

    ChartBench font;
    const std::string head = "LEGEND" + std::string(9, ';');
    font.read(head + std::string(20, 'f') + ";\n");
    EXPECT_EQ(font.log(), field_report(1, head, std::string(20, 'f'), ";", "Wrong name length"));
}

}  // namespace
}  // namespace qp
