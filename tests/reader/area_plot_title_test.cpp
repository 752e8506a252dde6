// AREA, BORDER, PLOT and TITLE records read from chart description texts.
#include <gtest/gtest.h>

#include <string>

#include "chart_reader_bench.h"

namespace qp {
namespace {

std::string area(const ChartState& st) { return join(st.Aleft, st.Atop, st.Awidth, st.Aheight, st.Abgcolor); }

TEST(AreaRecord, KeywordsEmptyAndAbsentFieldsAndAFullRecord) {
    for (const char* line : {"A;7", "a;7", "aReA;7", "A r e A ;7"}) {
        ChartBench b;
        b.read(line);
        EXPECT_EQ(join(b.st.Aleft, b.run.file_error), "7|0") << line;
    }
    EXPECT_EQ(area(ChartBench().read("AREA;;;;;\n").st), "0|-1|0|0|");
    EXPECT_EQ(area(ChartBench().read("AREA\n").st), "0|-1|400|400|white");
    EXPECT_EQ(area(ChartBench().read("AREA;99999999999;;;;Transparent\n").st), "2147483647|-1|0|0|transparent");

    ChartBench b;
    b.fs.files["my stencil.csv"] = "";
    b.read("AREA; 1 0;20;500;300;Navy;c h_1;my stencil.csv;my page.htm;head er.htm;foot.htm;x*\n");
    EXPECT_EQ(area(b.st), "10|20|500|300|navy");
    EXPECT_EQ(join(b.st.Aid, b.st.Afile_markup, b.st.Afile_output, b.st.Afile_header, b.st.Afile_footer),
              "ch_1|my stencil.csv|my page.htm|head er.htm|foot.htm");
    EXPECT_EQ(join(b.st.ONE_file, b.st.numAREA, b.run.file_error), "-1|1|0");
}

TEST(RecordFields, ErrorsEchoTheSpotAndTheMessage) {
    const std::string z(256, 'z'), n(260, 'n'), f(100, 'f');
    expect_logs({
        {"AREX;1\n", "Line 1: ARE[X];1\nIt is expected A a\n"},
        {"AREA5\n", "Line 1: AREA[5]\nIt is expected ;  \n"},
        {"AREA;1x;\n", "Line 1: AREA;1[x];\nIt is expected 0123456789\n"},
        {"AREA;;;;; pinky\n", "Line 1: AREA;;;;; [pinky]\nWrong color\n"},
        {"AREA;;;;;;1a;\n", "Line 1: AREA;;;;;;[1]a;\nWrong symbol\n"},
        {"AREA;;;;;;a-b;\n", "Line 1: AREA;;;;;;a[-]b;\nIt is expected "
                             "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ_0123456789\n"},
        {"AREA;;;;;;" + z + ";\n", "Line 1: AREA;;;;;;[" + z + "];\nWrong name length\n"},
        {"AREA;;;;;;;;a*b.htm;\n", "Line 1: AREA;;;;;;;;a[*]b.htm;\nWrong symbol\n"},
        {"AREA;;;;;;;;" + n + ";\n", "Line 1: AREA;;;;;;;;[" + n + "];\nWrong name length\n"},
        {"BORDER;1;;SHX;\n", "Line 1: BORDER;1;;SH[X];\nIt is expected A a ;\n"},
        {"BORDER;1;;;roundx\n", "Line 1: BORDER;1;;;round[x]\nIt is expected ; ; ;\n"},
        {"PLOT;;;;;#1234567;\n", "Line 1: PLOT;;;;;[#1234567];\nWrong color\n"},
        {"PLOT;;;;;#12g;\n", "Line 1: PLOT;;;;;#12[g];\nIt is expected 01234567890ABCDEFabcdef\n"},
        {"PLOT;;;;;transparent;\n", "Line 1: PLOT;;;;;[transparent;]\nWrong color\n"},
        {"TITLE;;;;BOX;\n", "Line 1: TITLE;;;;BO[X];\nIt is expected L l\n"},
        {"TITLE;;;;BOLDX\n", "Line 1: TITLE;;;;BOLD[X]\nIt is expected ;  \n"},
        {"TITLE;;;  pink;\n", "Line 1: TITLE;;;  [pink;]\nWrong color\n"},   // from the first non-blank
        {"TITLE;;;abcdefghijklmnopqrst;\n", "Line 1: TITLE;;;[abcdefghijklmnopqrst];\nWrong color\n"},
        {"TITLE;;" + f + ";\n", "Line 1: TITLE;;[" + f + "];\nWrong name length\n"},
    });
    // What was read stays; the next line is read; bad names are not kept.
    ChartBench b;
    b.read("AREA;1x;\nPLOT;4\nBORDER;1;;SHX;\n");
    EXPECT_EQ(join(b.st.Aleft, b.st.Cleft, b.st.Bshadow), "1|4|1");
    EXPECT_EQ(ChartBench().read("AREA;;;;;;;;a*b.htm;\n").st.Afile_output +
                  ChartBench().read("AREA;;;;;;;;" + n + ";\n").st.Afile_output, "");
    ChartBench text;
    text.read("TITLE;;;;;;" + std::string(499, 't') + "\nTITLE;;;;;;" + std::string(500, 't') + "\n");
    EXPECT_EQ(text.st.Ttext.size(), 499u);
    EXPECT_EQ(text.log().find("Line 1:"), std::string::npos);
    EXPECT_NE(text.log().find("Line 2:"), std::string::npos);
}

TEST(BorderAndPlotRecords, FieldsFlagsAndRecordStartValues) {
    ChartBench b;
    b.read("BORDER;2;;S;R\n");
    EXPECT_EQ(join(b.st.B, b.st.Bwidth, b.st.Bcolor, b.st.Bshadow, b.st.Bround), "1|2|black|1|1");
    // A later BORDER counts alone; a line ending after the width keeps the rest.
    b.read("BORDER;1;red;SHADOW;ROUND;\nB;5\n");
    EXPECT_EQ(join(b.st.B, b.st.Bwidth, b.st.Bcolor, b.st.Bshadow, b.st.Bround), "1|5|black|-1|-1");
    b.read("PLOT;;7;;\n");
    EXPECT_EQ(join(b.st.Cleft, b.st.Cright, b.st.Ctop, b.st.Cbottom, b.st.Ccolor), "-1|7|-1|-1|");
    b.read("PLOT;0;1;2;3;#0a\n");   // a "#" value at the line end stands as written
    EXPECT_EQ(join(b.st.Cleft, b.st.Cright, b.st.Ctop, b.st.Cbottom, b.st.Ccolor), "0|1|2|3|#0a");
}

TEST(TitleRecord, ClosingAFieldGivesTheNextItsEmptyValue) {
    ChartBench b;
    auto title = [&b](const std::string& text) {
        const ChartState& st = b.read(text).st;
        return join(st.Tsize, st.Tfont, st.Tcolor, st.Tbold, st.Titalic, st.Ttext, st.Tbgcolor);
    };
    EXPECT_EQ(title("TITLE;;Times;\n"), "0|Times||normal|normal||");
    EXPECT_EQ(title("TITLE\n"), "18|Arial|black|normal|normal||");
    EXPECT_EQ(title("TITLE;20;Times New Roman;RED;bo;ITALIC; Sales 2024 ;na vy;junk\n"),
              "20|Times New Roman|red|bold|italic| Sales 2024 |navy");
    // Given twice, only the second counts.
    EXPECT_EQ(title("TITLE;20;Times;RED;B;I;First;navy\nT;;;;;;Second\n"), "0|||normal|normal|Second|");
    EXPECT_EQ(b.run.file_error, 0);
}

}  // namespace
}  // namespace qp
