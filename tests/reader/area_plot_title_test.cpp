// AREA, BORDER, PLOT and TITLE records read from chart description texts.
#include <gtest/gtest.h>

#include <string>

#include "chart_reader_bench.h"

namespace qp {
namespace {

std::string area(const ChartState& st) {
    return join(st.Aleft, st.Atop, st.Awidth, st.Aheight, st.Abgcolor);
}

TEST(AreaRecord, EmptyFieldsDifferFromAbsentOnes) {
    ChartBench empty;
    empty.read("AREA;;;;;\n");
    EXPECT_EQ(area(empty.st), "0|-1|0|0|");
    ChartBench absent;
    absent.read("AREA\n");
    EXPECT_EQ(area(absent.st), "0|-1|400|400|white");
    EXPECT_EQ(empty.log() + absent.log(), "");
}

TEST(AreaRecord, KeywordCutToAnyBeginningInAnyCase) {
    for (const char* line : {"A;7", "a;7", "aReA;7", "A r e A ;7"}) {
        ChartBench b;
        b.read(line);
        EXPECT_EQ(join(b.st.Aleft, b.run.file_error), "7|0") << line;
    }
    ChartBench wrong;
    wrong.read("AREX;1\n");
    EXPECT_EQ(wrong.log(), expected_report(1, "ARE", "X", ";1", "A a"));
    ChartBench missing;
    missing.read("AREA5\n");
    EXPECT_EQ(missing.log(), expected_report(1, "AREA", "5", "", ";  "));
}

TEST(AreaRecord, FullRecord) {
    ChartBench b;
    b.fs.files["my stencil.csv"] = "";
    b.read("AREA; 1 0;20;500;300;Navy;c h_1;my stencil.csv;my page.htm;head er.htm;foot.htm;x*\n");
    EXPECT_EQ(area(b.st), "10|20|500|300|navy");
    EXPECT_EQ(join(b.st.Aid, b.st.Afile_markup, b.st.Afile_output, b.st.Afile_header, b.st.Afile_footer),
              "ch_1|my stencil.csv|my page.htm|head er.htm|foot.htm");
    EXPECT_EQ(join(b.st.ONE_file, b.st.numAREA, b.run.file_error), "-1|1|0");
}

TEST(AreaRecord, NumberAndColourErrors) {
    ChartBench big;
    big.read("AREA;99999999999;\n");
    EXPECT_EQ(big.st.Aleft, 2147483647);

    ChartBench bad;
    bad.read("AREA;1x;\nPLOT;4\n");
    EXPECT_EQ(bad.log(), expected_report(1, "AREA;1", "x", ";", "0123456789"));
    EXPECT_EQ(join(bad.st.Aleft, bad.st.Cleft), "1|4");   // kept; the next line is read

    ChartBench clear;
    clear.read("AREA;;;;;Transparent\n");
    EXPECT_EQ(clear.st.Abgcolor, "transparent");
    ChartBench wrong;
    wrong.read("AREA;;;;; pinky\n");
    EXPECT_EQ(wrong.log(), rest_report(1, "AREA;;;;; ", "pinky", "Wrong color"));
}

TEST(AreaRecord, IdentifierAndFileNameErrors) {
    ChartBench digit;
    digit.read("AREA;;;;;;1a;\n");
    EXPECT_EQ(digit.log(), symbol_report(1, "AREA;;;;;;", "", "1", "a;"));
    ChartBench other;
    other.read("AREA;;;;;;a-b;\n");
    EXPECT_EQ(other.log(), expected_report(1, "AREA;;;;;;a", "-", "b;", 
                                           "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ_0123456789"));
    ChartBench longer;
    const std::string id(256, 'z');
    longer.read("AREA;;;;;;" + id + ";\n");
    EXPECT_EQ(longer.log(), field_report(1, "AREA;;;;;;", id, ";", "Wrong name length"));

    ChartBench star;
    star.read("AREA;;;;;;;;a*b.htm;\n");
    EXPECT_EQ(star.log(), symbol_report(1, "AREA;;;;;;;;", "a", "*", "b.htm;"));
    EXPECT_EQ(star.st.Afile_output, "");
    ChartBench path;
    const std::string name(260, 'n');
    path.read("AREA;;;;;;;;" + name + ";\n");
    EXPECT_EQ(path.log(), field_report(1, "AREA;;;;;;;;", name, ";", "Wrong name length"));
    EXPECT_EQ(path.st.Afile_output, "");
}

TEST(BorderRecord, FieldsFlagsAndRecordStartValues) {
    ChartBench b;
    b.read("BORDER;2;;S;R\n");
    EXPECT_EQ(join(b.st.B, b.st.Bwidth, b.st.Bcolor, b.st.Bshadow, b.st.Bround), "1|2|black|1|1");
    // A later BORDER counts alone; a line ending after the width keeps the rest.
    b.read("BORDER;1;red;SHADOW;ROUND;\nB;5\n");
    EXPECT_EQ(join(b.st.B, b.st.Bwidth, b.st.Bcolor, b.st.Bshadow, b.st.Bround), "1|5|black|-1|-1");

    ChartBench letter;
    letter.read("BORDER;1;;SHX;\n");
    EXPECT_EQ(letter.log(), expected_report(1, "BORDER;1;;SH", "X", ";", "A a ;"));
    EXPECT_EQ(letter.st.Bshadow, 1);   // on from its first letter
    ChartBench semicolon;
    semicolon.read("BORDER;1;;;roundx\n");
    EXPECT_EQ(semicolon.log(), expected_report(1, "BORDER;1;;;round", "x", "", "; ; ;"));
}

TEST(PlotRecord, MarginsAndColours) {
    ChartBench b;
    b.read("PLOT;;7;;\n");
    EXPECT_EQ(join(b.st.Cleft, b.st.Cright, b.st.Ctop, b.st.Cbottom, b.st.Ccolor), "-1|7|-1|-1|");
    b.read("PLOT;0;1;2;3;#0a\n");   // a "#" value at the line end stands as written
    EXPECT_EQ(join(b.st.Cleft, b.st.Cright, b.st.Ctop, b.st.Cbottom, b.st.Ccolor), "0|1|2|3|#0a");

    ChartBench seven;
    seven.read("PLOT;;;;;#1234567;\n");
    EXPECT_EQ(seven.log(), field_report(1, "PLOT;;;;;", "#1234567", ";", "Wrong color"));
    ChartBench hex;
    hex.read("PLOT;;;;;#12g;\n");
    EXPECT_EQ(hex.log(), expected_report(1, "PLOT;;;;;#12", "g", ";", "01234567890ABCDEFabcdef"));
    ChartBench clear;
    clear.read("PLOT;;;;;transparent;\n");
    EXPECT_EQ(clear.log(), field_report(1, "PLOT;;;;;", "transparent;", "", "Wrong color"));
}

std::string title(const ChartState& st) {
    return join(st.Tsize, st.Tfont, st.Tcolor, st.Tbold, st.Titalic, st.Ttext, st.Tbgcolor);
}

TEST(TitleRecord, ClosingAFieldGivesTheNextItsEmptyValue) {
    ChartBench b;
    b.read("TITLE;;Times;\n");
    EXPECT_EQ(title(b.st), "0|Times||normal|normal||");
    b.read("TITLE\n");
    EXPECT_EQ(title(b.st), "18|Arial|black|normal|normal||");
    b.read("TITLE;20;Times New Roman;RED;bo;ITALIC; Sales 2024 ;na vy;junk\n");
    EXPECT_EQ(title(b.st), "20|Times New Roman|red|bold|italic| Sales 2024 |navy");
    // Given twice, only the second counts.
    b.read("TITLE;20;Times;RED;B;I;First;navy\nT;;;;;;Second\n");
    EXPECT_EQ(title(b.st), "0|||normal|normal|Second|");
    EXPECT_EQ(b.run.file_error, 0);
}

TEST(TitleRecord, Errors) {
    ChartBench letter;
    letter.read("TITLE;;;;BOX;\n");
    EXPECT_EQ(letter.log(), expected_report(1, "TITLE;;;;BO", "X", ";", "L l"));
    ChartBench semicolon;
    semicolon.read("TITLE;;;;BOLDX\n");
    EXPECT_EQ(semicolon.log(), expected_report(1, "TITLE;;;;BOLD", "X", "", ";  "));
    // A colour is marked from its first non-blank character.
    ChartBench unknown;
    unknown.read("TITLE;;;  pink;\n");
    EXPECT_EQ(unknown.log(), field_report(1, "TITLE;;;  ", "pink;", "", "Wrong color"));
    ChartBench twenty;
    twenty.read("TITLE;;;abcdefghijklmnopqrst;\n");
    EXPECT_EQ(twenty.log(), field_report(1, "TITLE;;;", "abcdefghijklmnopqrst", ";", "Wrong color"));
    ChartBench font;
    const std::string name(100, 'f');
    font.read("TITLE;;" + name + ";\n");
    EXPECT_EQ(font.log(), field_report(1, "TITLE;;", name, ";", "Wrong name length"));
    ChartBench text;
    text.read("TITLE;;;;;;" + std::string(499, 't') + "\nTITLE;;;;;;" + std::string(500, 't') + "\n");
    EXPECT_EQ(text.st.Ttext.size(), 499u);
    EXPECT_EQ(text.log().find("Line 1:"), std::string::npos);
    EXPECT_NE(text.log().find("Line 2:"), std::string::npos);
}

}  // namespace
}  // namespace qp
