// X, Y1/Y2 and LEGEND records read from chart description texts.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "chart_reader_bench.h"

namespace qp {
namespace {

// The X record's ten fields before its label list, all left empty.
const std::string kXHead = "X;;;;;;;;;;";

TEST(XRecord, AloneItOnlyMarksTheAxisPresent) {
    ChartBench b;
    b.read("X\n");
    EXPECT_EQ(b.st.X1p, 1);
    EXPECT_EQ(b.st.Xi, -1);
    EXPECT_EQ(b.st.Xgrad, 0);
    EXPECT_EQ(b.st.Xwidth, 1);
    EXPECT_EQ(b.st.Xgcolor, "black");
    EXPECT_EQ(b.st.Xfont, "Arial");
    EXPECT_EQ(b.st.Xgrid, -1);
    EXPECT_EQ(b.st.XYcross, -1);
}

TEST(XRecord, MarksAndAngle) {
    ChartBench b;
    b.read("X|+45;2;Red;12;Courier;blue;B;I;Month;#ff0\n");
    EXPECT_EQ(b.st.Xgrid, 1);
    EXPECT_EQ(b.st.XYcross, 1);
    EXPECT_EQ(b.st.Xgrad, 45);
    EXPECT_EQ(b.st.Xwidth, 2);
    EXPECT_EQ(b.st.Xgcolor, "red");
    EXPECT_EQ(b.st.Xsize, 12);
    EXPECT_EQ(b.st.Xfont, "Courier");
    EXPECT_EQ(b.st.Xcolor, "blue");
    EXPECT_EQ(b.st.Xbold, "bold");
    EXPECT_EQ(b.st.Xitalic, "italic");
    EXPECT_EQ(b.st.Xtext, "Month");
    EXPECT_EQ(b.st.Xbgcolor, "#ff0");
    EXPECT_EQ(b.st.Xi, -1);
    EXPECT_EQ(b.run.file_error, 0);

    ChartBench right;
    right.read("X180;\n");
    EXPECT_EQ(right.st.Xgrad, 180);
    EXPECT_EQ(right.run.file_error, 0);

    ChartBench empty;
    empty.read("X;;\n");
    EXPECT_EQ(empty.st.Xwidth, 0);
    EXPECT_EQ(empty.st.Xgcolor, "");
}

TEST(XRecord, MarkAndAngleErrors) {
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

    // A caption over 99 characters is refused with "Wrong symbol" at the
    // hundredth character.
    ChartBench caption;
    caption.read("X;;;;;;;;" + std::string(100, 'c') + ";\n");
    EXPECT_EQ(caption.log(), symbol_report(1, "X;;;;;;;;", std::string(99, 'c'), "c", ";"));
}

TEST(XRecord, LabelLists) {
    ChartBench closed;
    closed.read(kXHead + "a;b;c;\n");
    EXPECT_EQ(closed.st.Xi, 3);
    EXPECT_EQ(closed.st.X[2], "c");

    // The last label without its ";" is stored but not counted.
    ChartBench open;
    open.read(kXHead + "a;b; c \n");
    EXPECT_EQ(open.st.Xi, 2);
    EXPECT_EQ(open.st.X[2], " c ");

    ChartBench gap;
    gap.read(kXHead + "a;;b;\n");
    EXPECT_EQ(gap.st.Xi, 3);
    EXPECT_EQ(gap.st.X[1], "");
    EXPECT_EQ(gap.st.X[2], "b");

    // A list that begins with its ";" has one empty label.
    ChartBench begun;
    begun.read(kXHead + ";\n");
    EXPECT_EQ(begun.st.Xi, 1);

    // A second X record replaces the labels of the first.
    ChartBench twice;
    twice.read(kXHead + "a;b;c\n" + kXHead + "d;\n");
    EXPECT_EQ(twice.st.Xi, 1);
    EXPECT_EQ(twice.st.X[0], "d");
    EXPECT_EQ(twice.st.X[2], "");
}

TEST(XRecord, ContinuationGoesOnInTheSameLabel) {
    ChartBench b;
    b.read(kXHead + "Jan;Fe\\ rest ignored\nb;Mar;\n#\nTITLE;;;;;;T\n");
    EXPECT_EQ(b.st.Xi, 3);
    EXPECT_EQ(b.st.X[0], "Jan");
    EXPECT_EQ(b.st.X[1], "Feb");
    EXPECT_EQ(b.st.X[2], "Mar");
    EXPECT_EQ(b.st.B, -1);   // the continuation line is no BORDER record
    // The continuation line was counted: the bad line is line 3.
    EXPECT_EQ(b.log(), expected_report(3, "", "#", "", "A B P D L T X Y"));
    EXPECT_EQ(b.st.Ttext, "T");

    // A report on a continuation line echoes the record from its first line.
    ChartBench longer;
    longer.read(kXHead + "a;\\\n" + std::string(100, 'l') + ";\nPLOT;3\n");
    EXPECT_EQ(longer.log(), field_report(2, kXHead + "a;", "\\\n" + std::string(99, 'l') + "l",
                                         ";", "Wrong name length"));
    EXPECT_EQ(longer.st.Cleft, 3);
}

TEST(XRecord, ThousandLabelsAtMost) {
    std::string list;
    for (int i = 0; i < 1000; ++i) list += "x;";
    ChartBench full;
    full.read(kXHead + list + "\n");
    EXPECT_EQ(full.st.Xi, 1000);
    EXPECT_EQ(full.run.file_error, 0);

    ChartBench over;
    over.read(kXHead + list + "y;\n");
    EXPECT_EQ(over.log(), field_report(1, kXHead + list, "y", ";",
                                       "Number of arguments is more, than 1000"));
    EXPECT_EQ(over.st.Xi, 1000);
}

TEST(YRecord, SignedAndUnsignedReals) {
    ChartBench b;
    b.read("Y1;;;-5;5;2.5;0,5;0;\n");
    EXPECT_EQ(b.st.Y1p, 1);
    EXPECT_EQ(b.st.Y1min, -5.0f);
    EXPECT_EQ(b.st.Y1pmin, 1);
    EXPECT_EQ(b.st.Y1max, 5.0f);
    EXPECT_EQ(b.st.Y1pmax, 1);
    EXPECT_EQ(b.st.Y1step, 2.5f);
    EXPECT_EQ(b.st.Y1pstep, 1);
    EXPECT_EQ(b.st.Y1sstep, "5");
    EXPECT_EQ(b.st.Y1substep, 0.5f);
    EXPECT_EQ(b.st.Y1xlocate, 0.0f);
    EXPECT_EQ(b.st.Y1pxlocate, 1);
    EXPECT_EQ(b.st.Y2p, -1);
    EXPECT_EQ(b.run.file_error, 0);

    ChartBench y2;
    y2.read("Y2;;;0-5;-;;;\n");
    EXPECT_EQ(y2.st.Y2min, -5.0f);
    EXPECT_EQ(y2.st.Y2pmin, 1);
    EXPECT_EQ(y2.st.Y2max, 0.0f);
    EXPECT_FALSE(std::signbit(y2.st.Y2max));
    EXPECT_EQ(y2.st.Y2pmax, -1);
    EXPECT_EQ(y2.st.Y2pxlocate, -1);
    EXPECT_EQ(y2.st.Y1p, -1);
}

TEST(YRecord, StepDigits) {
    ChartBench b;
    b.read("Y1;;;;;0.125\n");
    EXPECT_EQ(b.st.Y1step, 0.125f);
    EXPECT_EQ(b.st.Y1sstep, "125");

    b.read("Y2;;;;;2,50;\n");
    EXPECT_EQ(b.st.Y2sstep, "50");

    b.read("Y1;;;;;5;\n");
    EXPECT_EQ(b.st.Y1sstep, "");
    EXPECT_EQ(b.st.Y1step, 5.0f);

    // At most 39 digits are kept; all of them count in the value.
    b.read("Y1;;;;;0." + std::string(45, '1') + ";\n");
    EXPECT_EQ(b.st.Y1sstep, std::string(39, '1'));
    EXPECT_NEAR(b.st.Y1step, 1.0f / 9.0f, 1e-6f);
}

TEST(YRecord, MarksAndErrors) {
    ChartBench grid;
    grid.read("Y2-;\n");
    EXPECT_EQ(grid.st.Y2grid, 1);

    ChartBench twice;
    twice.read("Y2--;\n");
    EXPECT_EQ(twice.log(), expected_report(1, "Y2-", "-", ";", ";"));

    ChartBench mark;
    mark.read("Y1x;\n");
    EXPECT_EQ(mark.log(), expected_report(1, "Y1", "x", ";", "- ;"));

    ChartBench sign;
    sign.read("Y1;;;5-;\n");
    EXPECT_EQ(sign.log(), expected_report(1, "Y1;;;5", "-", ";", "0123456789"));

    ChartBench unsigned_step;
    unsigned_step.read("Y1;;;;;-1;\n");
    EXPECT_EQ(unsigned_step.log(), expected_report(1, "Y1;;;;;", "-", "1;", "0123456789"));

    ChartBench point;
    point.read("Y1;;;1.2.3;\n");
    EXPECT_EQ(point.log(), expected_report(1, "Y1;;;1.2", ".", "3;", "0123456789"));

    ChartBench scale;
    scale.read("Y3;\nY1\n");
    EXPECT_EQ(scale.log(), expected_report(1, "Y", "3", ";", "1 2"));
    EXPECT_EQ(scale.st.Y1p, 1);   // the next line is read

    ChartBench bare;
    bare.read("Y\nTITLE;;;;;;T");
    EXPECT_EQ(bare.log(), "<font color='red'>It is expected 1 2</font><br>\n");
    EXPECT_EQ(bare.run.file_error, 1);
    EXPECT_EQ(bare.st.Ttext, "T");
}

TEST(YRecord, FontFlagsAndCaption) {
    ChartBench b;
    b.read("Y1" + std::string(11, ';') + "BOLD;it;Units\n");
    EXPECT_EQ(b.st.Y1bold, "bold");
    EXPECT_EQ(b.st.Y1italic, "italic");
    EXPECT_EQ(b.st.Y1text, "Units");
    EXPECT_EQ(b.st.Y2bold, "normal");

    ChartBench caption;
    const std::string head = "Y2" + std::string(13, ';');
    caption.read(head + std::string(100, 'u') + "\n");
    EXPECT_EQ(caption.log(), field_report(1, head, std::string(100, 'u'), "", "Wrong name length"));

    // The record starts from the scale's defaults each time.
    ChartBench again;
    again.read("Y1-;3;red;1;2;\nY1\n");
    EXPECT_EQ(again.st.Y1p, 1);
    EXPECT_EQ(again.st.Y1grid, -1);
    EXPECT_EQ(again.st.Y1width, 1);
    EXPECT_EQ(again.st.Y1gcolor, "black");
    EXPECT_EQ(again.st.Y1pmin, -1);
    EXPECT_EQ(again.st.Y1min, 0.0f);
}

TEST(LegendRecord, KeywordFormsAndMarks) {
    for (const char* line : {"LEGEND", "L;", "legend;", "LeGeNd;"}) {
        ChartBench b;
        b.read(line);
        EXPECT_EQ(b.st.Lp, 1) << line;
        EXPECT_EQ(b.st.Lgrid, -1) << line;
        EXPECT_EQ(b.st.Lleft, -1) << line;
        EXPECT_EQ(b.st.Lfsize, 14) << line;
        EXPECT_EQ(b.st.Lborder, -1) << line;
        EXPECT_EQ(b.log(), "") << line;
    }
    ChartBench only;
    only.read("L!;\n");
    EXPECT_EQ(only.st.Lonly, 1);
    EXPECT_EQ(only.st.Lgrid, -1);

    ChartBench both;
    both.read("LEGEND+!;\n");
    EXPECT_EQ(both.st.Lgrid, 1);
    EXPECT_EQ(both.st.Lonly, 1);

    ChartBench inside;
    inside.read("LEG+END;\n");
    EXPECT_EQ(inside.st.Lgrid, 1);
    EXPECT_EQ(inside.st.Lonly, -1);

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
    b.read("LEGEND;1;2;3;4;red;5;6;7;Verdana;blue;B;I;0;;S;R\n");
    EXPECT_EQ(b.st.Lleft, 1);
    EXPECT_EQ(b.st.Ltop, 2);
    EXPECT_EQ(b.st.Lwidth, 3);
    EXPECT_EQ(b.st.Lheight, 4);
    EXPECT_EQ(b.st.Lcolor, "red");
    EXPECT_EQ(b.st.Lcols, 5);
    EXPECT_EQ(b.st.Lrows, 6);
    EXPECT_EQ(b.st.Lfsize, 7);
    EXPECT_EQ(b.st.Lfont, "Verdana");
    EXPECT_EQ(b.st.Lfcolor, "blue");
    EXPECT_EQ(b.st.Lbold, "bold");
    EXPECT_EQ(b.st.Litalic, "italic");
    EXPECT_EQ(b.st.Lbwidth, 0);
    EXPECT_EQ(b.st.Lborder, 1);    // the digit 0 counts
    EXPECT_EQ(b.st.Lbcolor, "");   // empty after a written width
    EXPECT_EQ(b.st.Lshadow, 1);
    EXPECT_EQ(b.st.Lround, 1);
    EXPECT_EQ(b.run.file_error, 0);

    ChartBench shadow;
    shadow.read("LEGEND" + std::string(15, ';') + "S\n");
    EXPECT_EQ(shadow.st.Lbwidth, 0);
    EXPECT_EQ(shadow.st.Lborder, 1);
    EXPECT_EQ(shadow.st.Lshadow, 1);
    EXPECT_EQ(shadow.st.Lround, -1);

    ChartBench plain;
    plain.read("LEGEND;;;;\n");
    EXPECT_EQ(plain.st.Lleft, -1);
    EXPECT_EQ(plain.st.Ltop, -1);
    EXPECT_EQ(plain.st.Lwidth, 0);
    EXPECT_EQ(plain.st.Lborder, -1);
    EXPECT_EQ(plain.st.Lbcolor, "black");

    ChartBench font;
    const std::string head = "LEGEND" + std::string(9, ';');
    font.read(head + std::string(20, 'f') + ";\n");
    EXPECT_EQ(font.log(), field_report(1, head, std::string(20, 'f'), ";", "Wrong name length"));
}

}  // namespace
}  // namespace qp
