// AREA, BORDER, PLOT, TITLE, X, Y1/Y2 and LEGEND records read from chart
// description texts.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "support/chart_reader_bench.h"

namespace qp {
namespace {

// The X record's ten fields before its label list, all left empty.
const std::string kXHead = "X;;;;;;;;;;";

TEST(AreaRecord, KeywordsEmptyAndAbsentFieldsAndAFullRecord) {
    ChartBench b;
    auto area = [&b](const std::string& text) {
        const ChartState& st = b.read(text).st;
        return join(st.area.Aleft, st.area.Atop, st.area.Awidth, st.area.Aheight, st.area.Abgcolor, st.area.Aid, st.area.Afile_markup);
    };
    for (const char* a : {"A;7", "a;7", "aReA;7", "A r e A ;7"}) EXPECT_EQ(area(a), "7|-1|400|400|white||") << a;
    EXPECT_EQ(area("AREA;;;;;\n"), "0|-1|0|0|||");
    EXPECT_EQ(area("AREA\n"), "0|-1|400|400|white||");
    EXPECT_EQ(area("AREA;99999999999;;;;Transparent\n"), "2147483647|-1|0|0|transparent||");
    b.fs.files["my stencil.csv"] = "";
    EXPECT_EQ(area("AREA; 1 0;20;500;300;Navy;c h_1;my stencil.csv;my page.htm;head er.htm;foot.htm;x*\n"),
              "10|20|500|300|navy|ch_1|my stencil.csv");
    EXPECT_EQ(join(b.st.area.Afile_output, b.st.area.Afile_header, b.st.area.Afile_footer, b.st.file.ONE_file, b.st.file.numAREA),
              "my page.htm|head er.htm|foot.htm|-1|1");
}

TEST(RecordFields, ErrorsEchoTheSpotAndTheMessage) {
    const std::string z(256, 'z'), n(260, 'n'), f(100, 'f'), c99(99, 'c'), l100(100, 'l'), u(100, 'u');
    const std::string y2 = "Y2" + std::string(13, ';'), legend = "LEGEND" + std::string(9, ';');
    const std::string digits = "\nIt is expected 0123456789\n", semicolon = "\nIt is expected ;\n";
    const std::string color = "\nWrong color\n", length = "\nWrong name length\n", symbol = "\nWrong symbol\n";
    expect_logs({
        {"AREX;1\n", "Line 1: ARE[X];1\nIt is expected A a\n"}, {"AREA5\n", "Line 1: AREA[5]\nIt is expected ;  \n"},
        {"AREA;1x;\n", "Line 1: AREA;1[x];" + digits}, {"AREA;;;;; pinky\n", "Line 1: AREA;;;;; [pinky]" + color},
        {"AREA;;;;;;1a;\n", "Line 1: AREA;;;;;;[1]a;" + symbol},
        {"AREA;;;;;;a-b;\n", "Line 1: AREA;;;;;;a[-]b;\nIt is expected "
                             "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ_0123456789\n"},
        {"AREA;;;;;;" + z + ";\n", "Line 1: AREA;;;;;;[" + z + "];" + length},
        {"AREA;;;;;;;;a*b.htm;\n", "Line 1: AREA;;;;;;;;a[*]b.htm;" + symbol},
        {"AREA;;;;;;;;" + n + ";\n", "Line 1: AREA;;;;;;;;[" + n + "];" + length},
        {"BORDER;1;;SHX;\n", "Line 1: BORDER;1;;SH[X];\nIt is expected A a ;\n"},
        {"BORDER;1;;;roundx\n", "Line 1: BORDER;1;;;round[x]\nIt is expected ; ; ;\n"},
        {"PLOT;;;;;#1234567;\n", "Line 1: PLOT;;;;;[#1234567];" + color},
        {"PLOT;;;;;#12g;\n", "Line 1: PLOT;;;;;#12[g];\nIt is expected 01234567890ABCDEFabcdef\n"},
        {"PLOT;;;;;transparent;\n", "Line 1: PLOT;;;;;[transparent;]" + color},
        {"TITLE;;;;BOX;\n", "Line 1: TITLE;;;;BO[X];\nIt is expected L l\n"},
        {"TITLE;;;;BOLDX\n", "Line 1: TITLE;;;;BOLD[X]\nIt is expected ;  \n"},
        {"TITLE;;;  pink;\n", "Line 1: TITLE;;;  [pink;]" + color},   // from the first non-blank
        {"TITLE;;;abcdefghijklmnopqrst;\n", "Line 1: TITLE;;;[abcdefghijklmnopqrst];" + color},
        {"TITLE;;" + f + ";\n", "Line 1: TITLE;;[" + f + "];" + length},
        // The angle is reported at the record letter, the field's start.
        {"X181;\n", "Line 1: [X]181;\ndoes not between 0 and 180\n"}, {"X+4+;\n", "Line 1: X+4[+];" + semicolon},
        {"X?;\n", "Line 1: X[?];\nIt is expected 0123456789 | + ;\n"},
        {"X;;#1g\n", "Line 1: X;;#1[g]\nIt is expected 0123456789ABCDEFabcdef\n"},
        {"X;;;;;;;;" + c99 + "c;\n", "Line 1: X;;;;;;;;" + c99 + "[c];" + symbol},
        // A report on a continuation line echoes the record from its first line.
        {kXHead + "a;\\\n" + l100 + ";\n", "Line 2: " + kXHead + "a;[\\\n" + l100 + "];" + length},
        {"Y2--;\n", "Line 1: Y2-[-];" + semicolon}, {"Y1x;\n", "Line 1: Y1[x];\nIt is expected - ;\n"},
        {"Y3;\n", "Line 1: Y[3];\nIt is expected 1 2\n"}, {"LEGEND?\n", "Line 1: LEGEND[?]\nIt is expected + ! ;\n"},
        {"Y1;;;5-;\n", "Line 1: Y1;;;5[-];" + digits}, {"Y1;;;;;-1;\n", "Line 1: Y1;;;;;[-]1;" + digits},
        {"Y1;;;1.2.3;\n", "Line 1: Y1;;;1.2[.]3;" + digits}, {y2 + u + "\n", "Line 1: " + y2 + "[" + u + "]" + length},
        {"LEX;\n", "Line 1: LE[X];\nIt is expected G g ;\n"}, {"Y\nTITLE;;;;;;T", "It is expected 1 2\n"},
        {legend + f.substr(80) + ";\n", "Line 1: " + legend + "[" + f.substr(80) + "];" + length},
    });
    // What was read stays, the next line is read, bad names are not kept.
    ChartBench b;
    b.read("AREA;1x;\nPLOT;4\nBORDER;1;;SHX;\nY\nTITLE;;;;;;T\n" + kXHead + "a;\\\n" + l100 + ";\nLEX;\n");
    EXPECT_EQ(join(b.st.area.Aleft, b.st.plot.Cleft, b.st.border.Bshadow, b.st.title.Ttext, b.st.legend.Lp), "1|4|1|T|1");
    EXPECT_EQ(b.read("AREA;;;;;;;;a*b.htm;\n").st.area.Afile_output, "");
    EXPECT_EQ(b.read("AREA;;;;;;;;" + n + ";\n").st.area.Afile_output, "");
    ChartBench text;
    text.read("TITLE;;;;;;" + std::string(499, 't') + "\nTITLE;;;;;;" + std::string(500, 't') + "\n");
    EXPECT_EQ(text.st.title.Ttext.size(), 499u);
    EXPECT_EQ(text.log().substr(0, 8), "Line 2: ");
}

TEST(BorderPlotAndTitleRecords, ClosingAFieldGivesTheNextItsEmptyValue) {
    ChartBench b;
    const ChartState& st = b.st;
    // A later BORDER counts alone; a line ending after the width keeps the rest.
    b.read("BORDER;1;red;SHADOW;ROUND;\nB;5\n");
    EXPECT_EQ(join(st.border.B, st.border.Bwidth, st.border.Bcolor, st.border.Bshadow, st.border.Bround), "1|5|black|-1|-1");
    b.read("PLOT;;7;;\n");
    EXPECT_EQ(join(st.plot.Cleft, st.plot.Cright, st.plot.Ctop, st.plot.Cbottom, st.plot.Ccolor), "-1|7|-1|-1|");
    b.read("PLOT;0;1;2;3;#0a\n");   // a "#" value at the line end stands as written
    EXPECT_EQ(join(st.plot.Cleft, st.plot.Cright, st.plot.Ctop, st.plot.Cbottom, st.plot.Ccolor), "0|1|2|3|#0a");
    auto title = [&b, &st](const std::string& text) {
        b.read(text);
        return join(st.title.Tsize, st.title.Tfont, st.title.Tcolor, st.title.Tbold, st.title.Titalic, st.title.Ttext, st.title.Tbgcolor);
    };
    EXPECT_EQ(title("TITLE;;Times;\n"), "0|Times||normal|normal||");
    EXPECT_EQ(title("TITLE\n"), "18|Arial|black|normal|normal||");
    EXPECT_EQ(b.run.file_error, 0);
}

TEST(XRecord, MarksAngleFieldsLabelsAndContinuation) {
    ChartBench b;
    auto x_axis = [&b](const std::string& text) {
        const ChartState& st = b.read(text).st;
        return join(st.x.X1p, st.x.Xgrid, st.x.XYcross, st.x.Xgrad, st.x.Xwidth, st.x.Xgcolor, st.x.Xsize, st.x.Xfont, st.x.Xtext,
                    st.x.Xi, st.X[0], st.X[1], st.X[2]);
    };
    EXPECT_EQ(x_axis("X\n"), "1|-1|-1|0|1|black|14|Arial||-1|||");
    EXPECT_EQ(x_axis("X|+45;2;Red;12;Courier\n"), "1|1|1|45|2|red|12|Courier||-1|||");
    EXPECT_EQ(x_axis("X180;;\n"), "1|-1|-1|180|0||14|Arial||-1|||");
    EXPECT_EQ(x_axis(kXHead + "a;;b;\n"), "1|-1|-1|0|0||0|||3|a||b");
    // The last label without ";" is kept but not counted.
    EXPECT_EQ(x_axis(kXHead + "a;b; c \n"), "1|-1|-1|0|0||0|||2|a|b| c ");
    // A second X record replaces the labels of the first.
    EXPECT_EQ(x_axis(kXHead + "a;b;c\n" + kXHead + "d;\n"), "1|-1|-1|0|0||0|||1|d||");
    // A continuation goes on in the same label; its line counts, as no record.
    EXPECT_EQ(x_axis(kXHead + "Jan;Fe\\ rest ignored\nb;Mar;\n#\n"), "1|-1|-1|0|0||0|||3|Jan|Feb|Mar");
    EXPECT_EQ(join(b.st.border.B, b.log()), "-1|Line 3: [#]\nIt is expected A B P D L T X Y\n");

    std::string list;
    for (int i = 0; i < 1000; ++i) list += "x;";
    EXPECT_EQ(ChartBench().read(kXHead + list + "\n").log(), "");
    ChartBench over;
    EXPECT_EQ(over.read(kXHead + list + "y;\n").st.x.Xi, 1000);
    EXPECT_EQ(over.log(), "Line 1: " + kXHead + list + "[y];\nNumber of arguments is more, than 1000\n");
}

TEST(YRecord, RealsPresenceStepDigitsAndRecordStartValues) {
    ChartBench b;
    // A ";" gives the next field its empty value: width and size 0, texts empty.
    EXPECT_EQ(b.read("Y1;;;-5;5;2.5;0,5;0;\n").st.y1,
              (Scale{.p = 1, .width = 0, .gcolor = "", .pmin = 1, .min = -5, .pmax = 1, .max = 5, .pstep = 1,
                     .step = 2.5f, .sstep = "5", .substep = 0.5f, .pxlocate = 1, .xlocate = 0, .size = 0}));
    // 0-5 reads as -5; "-" alone leaves the field absent and a plain 0.
    EXPECT_EQ(b.read("Y2-;;;0-5;-;;;\n").st.y2, (Scale{.p = 1, .grid = 1, .width = 0, .gcolor = "", .pmin = 1, .min = -5}));
    EXPECT_FALSE(std::signbit(b.st.y2.max));
    // Single precision after each digit: float(1.2f + 3 * 0.01f) is 1.23f.
    EXPECT_EQ(b.read("Y1;;;1.23;;0.125\n").st.y1,
              (Scale{.p = 1, .width = 0, .gcolor = "", .pmin = 1, .min = 1.23f, .pstep = 1, .step = 0.125f,
                     .sstep = "125"}));
    EXPECT_EQ(b.read("Y2;;;;;2,50;\n").st.y2,
              (Scale{.p = 1, .width = 0, .gcolor = "", .pstep = 1, .step = 2.5f, .sstep = "50"}));
    EXPECT_EQ(b.read("Y1;;;;;5;\n").st.y1.sstep, "");
    // The crossing value may be negative, the minor step may not; a second
    // record starts from the defaults again.
    EXPECT_EQ(ChartBench().read("Y1;;;;;;;-3;\n").st.y1,
              (Scale{.p = 1, .width = 0, .gcolor = "", .pxlocate = 1, .xlocate = -3, .size = 0}));
    EXPECT_EQ(ChartBench().read("Y1;;;;;;-1;\n").run.file_error, 1);
    EXPECT_EQ(ChartBench().read("Y1;;;;;5;\nY1;;;1;\n").st.y1,
              (Scale{.p = 1, .width = 0, .gcolor = "", .pmin = 1, .min = 1}));
    // Sixty nines stay at the largest float; 39 step digits kept, all counted.
    EXPECT_EQ(b.read("Y1;;;" + std::string(60, '9') + ";\n").st.y1.min, std::numeric_limits<float>::max());
    b.read("Y1;;;;;0." + std::string(45, '1') + ";\n");
    EXPECT_EQ(b.st.y1.sstep, std::string(39, '1'));
    EXPECT_NEAR(b.st.y1.step, 1.0f / 9.0f, 1e-6f);

    b.read("Y1-;3;red;1;2;;;;;;;BOLD;it;Units\nY1;4\n");
    EXPECT_EQ(join(b.st.y1.bold, b.st.y1.italic, b.st.y1.text, b.st.y1.width, b.st.y1.gcolor, b.st.y1.pmin),
              "normal|normal||4|black|-1");
    b.read("Y2;;;;;;;;;;;BOLD;it;Units\n");
    EXPECT_EQ(join(b.st.y2.bold, b.st.y2.italic, b.st.y2.text, b.run.file_error), "bold|italic|Units|0");
}

TEST(LegendRecord, KeywordFormsMarksFieldsAndTheFrameFlag) {
    ChartBench b;
    auto legend = [&b](const std::string& text) { return b.read(text).st.legend; };
    for (const char* line : {"LEGEND", "L;", "legend;", "LeGeNd;", "LEGEND;;;;"})
        EXPECT_EQ(legend(line), (Legend{.Lp = 1})) << line;
    EXPECT_EQ(legend("L!;\n"), (Legend{.Lp = 1, .Lonly = 1}));
    EXPECT_EQ(legend("LEGEND+!;\n"), (Legend{.Lp = 1, .Lgrid = 1, .Lonly = 1}));
    EXPECT_EQ(legend("LEG+END;\n"), (Legend{.Lp = 1, .Lgrid = 1}));
    // A width of 0 still means a frame; the colour after it is empty.
    EXPECT_EQ(legend("LEGEND;1;2;3;4;red;5;6;7;Verdana;blue;B;I;0;;S;R\n"),
              (Legend{.Lp = 1, .Lleft = 1, .Ltop = 2, .Lwidth = 3, .Lheight = 4, .Lcolor = "red", .Lcols = 5,
                      .Lrows = 6, .Lfsize = 7, .Lfont = "Verdana", .Lfcolor = "blue", .Lbold = "bold",
                      .Litalic = "italic", .Lborder = 1, .Lbwidth = 0, .Lbcolor = "", .Lshadow = 1, .Lround = 1}));
    // Empty left and top stay not given; empty flag words leave "normal".
    EXPECT_EQ(legend("LEGEND;;;;;;;;;;;;;;;S\n"),
              (Legend{.Lp = 1, .Lfsize = 0, .Lfont = "", .Lfcolor = "", .Lborder = 1, .Lbcolor = "", .Lshadow = 1}));
    EXPECT_EQ(join(b.run.file_error, b.log()), "0|");
}

}  // namespace
}  // namespace qp
