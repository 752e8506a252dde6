// AREA, BORDER, PLOT and TITLE records read from chart description texts.
#include <gtest/gtest.h>

#include <string>

#include "chart_reader_bench.h"

namespace qp {
namespace {

TEST(AreaRecord, EmptyFieldsDifferFromAbsentOnes) {
    ChartBench empty;
    empty.read("AREA;;;;;\n");
    EXPECT_EQ(empty.st.Aleft, 0);
    EXPECT_EQ(empty.st.Atop, -1);
    EXPECT_EQ(empty.st.Awidth, 0);
    EXPECT_EQ(empty.st.Aheight, 0);
    EXPECT_EQ(empty.st.Abgcolor, "");
    EXPECT_EQ(empty.run.file_error, 0);

    ChartBench absent;
    absent.read("AREA\n");
    EXPECT_EQ(absent.st.Aleft, 0);
    EXPECT_EQ(absent.st.Atop, -1);
    EXPECT_EQ(absent.st.Awidth, 400);
    EXPECT_EQ(absent.st.Aheight, 400);
    EXPECT_EQ(absent.st.Abgcolor, "white");
    EXPECT_EQ(absent.log(), "");
}

TEST(AreaRecord, KeywordCutToAnyBeginningInAnyCase) {
    for (const char* line : {"A;7", "a;7", "Ar;7", "aReA;7", "A r e A ;7", "AREA;7"}) {
        ChartBench b;
        b.read(line);
        EXPECT_EQ(b.st.Aleft, 7) << line;
        EXPECT_EQ(b.run.file_error, 0) << line;
    }
}

TEST(AreaRecord, KeywordErrorsNameTheMissingLetterOrTheSemicolon) {
    ChartBench wrong;
    wrong.read("AREX;1\n");
    EXPECT_EQ(wrong.log(), expected_report(1, "ARE", "X", ";1", "A a"));
    EXPECT_EQ(wrong.run.file_error, 1);

    ChartBench missing;
    missing.read("AREA5\n");
    EXPECT_EQ(missing.log(), expected_report(1, "AREA", "5", "", ";  "));
}

TEST(AreaRecord, FullRecordWithIdentifierAndFileNames) {
    ChartBench b;
    b.read("AREA; 1 0;20;500;300;Navy;c h_1;my stencil.csv;my page.htm;head er.htm;foot.htm;junk*\n");
    EXPECT_EQ(b.st.Aleft, 10);
    EXPECT_EQ(b.st.Atop, 20);
    EXPECT_EQ(b.st.Awidth, 500);
    EXPECT_EQ(b.st.Aheight, 300);
    EXPECT_EQ(b.st.Abgcolor, "navy");
    EXPECT_EQ(b.st.Aid, "ch_1");   // blanks dropped from the identifier
    EXPECT_EQ(b.st.Afile_markup, "my stencil.csv");
    EXPECT_EQ(b.st.Afile_output, "my page.htm");
    EXPECT_EQ(b.st.Afile_header, "head er.htm");
    EXPECT_EQ(b.st.Afile_footer, "foot.htm");
    EXPECT_EQ(b.st.ONE_file, -1);
    EXPECT_EQ(b.st.numAREA, 1);
}

TEST(AreaRecord, NumbersSaturateAndRefuseOtherCharacters) {
    ChartBench big;
    big.read("AREA;99999999999;\n");
    EXPECT_EQ(big.st.Aleft, 2147483647);
    EXPECT_EQ(big.run.file_error, 0);

    ChartBench bad;
    bad.read("AREA;1x;\nPLOT;4\n");
    EXPECT_EQ(bad.log(), expected_report(1, "AREA;1", "x", ";", "0123456789"));
    EXPECT_EQ(bad.st.Aleft, 1);    // stored before the error
    EXPECT_EQ(bad.st.Cleft, 4);    // the next line is read
}

TEST(AreaRecord, BackgroundAcceptsTransparentAndTestsNamesAtTheLineEnd) {
    ChartBench clear;
    clear.read("AREA;;;;;Transparent\n");
    EXPECT_EQ(clear.st.Abgcolor, "transparent");
    EXPECT_EQ(clear.run.file_error, 0);

    ChartBench wrong;
    wrong.read("AREA;;;;; pinky\n");
    EXPECT_EQ(wrong.log(), rest_report(1, "AREA;;;;; ", "pinky", "Wrong color"));
}

TEST(AreaRecord, IdentifierErrors) {
    ChartBench digit;
    digit.read("AREA;;;;;;1a;\n");
    EXPECT_EQ(digit.log(), symbol_report(1, "AREA;;;;;;", "", "1", "a;"));
    EXPECT_EQ(digit.st.Aid, "");

    ChartBench other;
    other.read("AREA;;;;;;a-b;\n");
    EXPECT_EQ(other.log(), expected_report(1, "AREA;;;;;;a", "-", "b;",
                                           "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ_0123456789"));

    ChartBench longer;
    const std::string id(256, 'z');
    longer.read("AREA;;;;;;" + id + ";\n");
    EXPECT_EQ(longer.log(), field_report(1, "AREA;;;;;;", id, ";", "Wrong name length"));
    EXPECT_EQ(longer.st.Aid, std::string(255, 'z'));
}

TEST(AreaRecord, FileNameErrorsEmptyTheField) {
    ChartBench star;
    star.read("AREA;;;;;;;;a*b.htm;\n");
    EXPECT_EQ(star.log(), symbol_report(1, "AREA;;;;;;;;", "a", "*", "b.htm;"));
    EXPECT_EQ(star.st.Afile_output, "");

    ChartBench longer;
    const std::string name(260, 'n');
    longer.read("AREA;;;;;;;" + name + ";\n");
    EXPECT_EQ(longer.log(), field_report(1, "AREA;;;;;;;", name, ";", "Wrong name length"));
    EXPECT_EQ(longer.st.Afile_markup, "");

    ChartBench fits;
    fits.read("AREA;;;;;;;;" + std::string(259, 'n') + "\n");
    EXPECT_EQ(fits.st.Afile_output.size(), 259u);
    EXPECT_EQ(fits.run.file_error, 0);
}

TEST(BorderRecord, FieldsFlagsAndRecordStartValues) {
    ChartBench b;
    b.read("BORDER;2;;S;R\n");
    EXPECT_EQ(b.st.B, 1);
    EXPECT_EQ(b.st.Bwidth, 2);
    EXPECT_EQ(b.st.Bcolor, "black");
    EXPECT_EQ(b.st.Bshadow, 1);
    EXPECT_EQ(b.st.Bround, 1);

    // A later BORDER counts alone; a line ending after the width keeps the rest.
    b.read("BORDER;1;red;SHADOW;ROUND;\nB;5\n");
    EXPECT_EQ(b.st.Bwidth, 5);
    EXPECT_EQ(b.st.Bcolor, "black");
    EXPECT_EQ(b.st.Bshadow, -1);
    EXPECT_EQ(b.st.Bround, -1);
    EXPECT_EQ(b.st.B, 1);

    ChartBench empty;
    empty.read("BORDER;\n");
    EXPECT_EQ(empty.st.Bwidth, 0);
    EXPECT_EQ(empty.st.B, 1);
}

TEST(BorderRecord, FlagWordsShowTheBorderFormOfTheExpectedText) {
    ChartBench letter;
    letter.read("BORDER;1;;SHX;\n");
    EXPECT_EQ(letter.log(), expected_report(1, "BORDER;1;;SH", "X", ";", "A a ;"));
    EXPECT_EQ(letter.st.Bshadow, 1);   // on from its first letter
    EXPECT_EQ(letter.st.B, 1);

    ChartBench semicolon;
    semicolon.read("BORDER;1;;;roundx\n");
    EXPECT_EQ(semicolon.log(), expected_report(1, "BORDER;1;;;round", "x", "", "; ; ;"));
}

TEST(PlotRecord, EmptyMarginsStayNotGiven) {
    ChartBench b;
    b.read("PLOT;;7;;\n");
    EXPECT_EQ(b.st.Cleft, -1);
    EXPECT_EQ(b.st.Cright, 7);
    EXPECT_EQ(b.st.Ctop, -1);
    EXPECT_EQ(b.st.Cbottom, -1);
    EXPECT_EQ(b.st.Ccolor, "");

    b.read("PLOT;0;1;2;3;#0a\n");
    EXPECT_EQ(b.st.Cleft, 0);
    EXPECT_EQ(b.st.Cbottom, 3);
    EXPECT_EQ(b.st.Ccolor, "#0a");   // a "#" value at the line end stands as written
}

TEST(PlotRecord, ColourErrors) {
    ChartBench seven;
    seven.read("PLOT;;;;;#1234567;\n");
    EXPECT_EQ(seven.log(), field_report(1, "PLOT;;;;;", "#1234567", ";", "Wrong color"));
    EXPECT_EQ(seven.st.Ccolor, "");

    ChartBench hex;
    hex.read("PLOT;;;;;#12g;\n");
    EXPECT_EQ(hex.log(), expected_report(1, "PLOT;;;;;#12", "g", ";", "01234567890ABCDEFabcdef"));

    ChartBench transparent;
    transparent.read("PLOT;;;;;transparent;\n");
    EXPECT_EQ(transparent.log(), field_report(1, "PLOT;;;;;", "transparent;", "", "Wrong color"));
}

TEST(TitleRecord, ClosingAFieldGivesTheNextItsEmptyValue) {
    ChartBench b;
    b.read("TITLE;;Times;\n");
    EXPECT_EQ(b.st.Tsize, 0);
    EXPECT_EQ(b.st.Tfont, "Times");
    EXPECT_EQ(b.st.Tcolor, "");

    ChartBench bare;
    bare.read("TITLE\n");
    EXPECT_EQ(bare.st.Tsize, 18);
    EXPECT_EQ(bare.st.Tfont, "Arial");
    EXPECT_EQ(bare.st.Tcolor, "black");
}

TEST(TitleRecord, GivenTwiceOnlyTheSecondCounts) {
    ChartBench b;
    b.read("TITLE;20;Times New Roman;RED;B;I; Sales 2024 ;navy;junk\nT;;;;;;Second\n");
    EXPECT_EQ(b.st.Tsize, 0);
    EXPECT_EQ(b.st.Tfont, "");
    EXPECT_EQ(b.st.Tcolor, "");
    EXPECT_EQ(b.st.Tbold, "normal");
    EXPECT_EQ(b.st.Titalic, "normal");
    EXPECT_EQ(b.st.Ttext, "Second");
    EXPECT_EQ(b.st.Tbgcolor, "");

    b.read("TITLE;20;Times New Roman;RED;bo;ITALIC; Sales 2024 ;navy;junk\n");
    EXPECT_EQ(b.st.Tsize, 20);
    EXPECT_EQ(b.st.Tfont, "Times New Roman");
    EXPECT_EQ(b.st.Tcolor, "red");
    EXPECT_EQ(b.st.Tbold, "bold");
    EXPECT_EQ(b.st.Titalic, "italic");
    EXPECT_EQ(b.st.Ttext, " Sales 2024 ");
    EXPECT_EQ(b.st.Tbgcolor, "navy");
    EXPECT_EQ(b.run.file_error, 0);
}

TEST(TitleRecord, PlainFlagFormAndColourNames) {
    ChartBench letter;
    letter.read("TITLE;;;;BOX;\n");
    EXPECT_EQ(letter.log(), expected_report(1, "TITLE;;;;BO", "X", ";", "L l"));

    ChartBench semicolon;
    semicolon.read("TITLE;;;;BOLDX\n");
    EXPECT_EQ(semicolon.log(), expected_report(1, "TITLE;;;;BOLD", "X", "", ";  "));

    ChartBench spaced;
    spaced.read("TITLE;;;na vy;\n");
    EXPECT_EQ(spaced.st.Tcolor, "navy");

    ChartBench unknown;
    unknown.read("TITLE;;;  pink;\n");
    EXPECT_EQ(unknown.log(), field_report(1, "TITLE;;;  ", "pink;", "", "Wrong color"));

    ChartBench twenty;
    twenty.read("TITLE;;;abcdefghijklmnopqrst;\n");
    EXPECT_EQ(twenty.log(),
              field_report(1, "TITLE;;;", "abcdefghijklmnopqrst", ";", "Wrong color"));
}

TEST(TitleRecord, TextLengths) {
    ChartBench font;
    const std::string name(100, 'f');
    font.read("TITLE;;" + name + ";\n");
    EXPECT_EQ(font.log(), field_report(1, "TITLE;;", name, ";", "Wrong name length"));
    EXPECT_EQ(font.st.Tfont, std::string(99, 'f'));

    ChartBench title;
    title.read("TITLE;;;;;;" + std::string(499, 't') + "\n");
    EXPECT_EQ(title.st.Ttext.size(), 499u);
    EXPECT_EQ(title.run.file_error, 0);
    title.read("TITLE;;;;;;" + std::string(500, 't') + "\n");
    EXPECT_EQ(title.run.file_error, 1);
}

}  // namespace
}  // namespace qp
