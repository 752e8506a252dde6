// The record scanner: lines, record letters and defaults, stencil files, the
// charts that later AREA records close, and the output-name check.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/chart_reader_bench.h"

namespace qp {
namespace {

using Calls = std::vector<std::string>;
const std::string kLetters = "\nIt is expected A B P D L T X Y\n";

TEST(RecordScanner, LinesDefaultsSeriesCountAndPresence) {
    ChartBench b;
    b.read("TITLE;;;;;;Sales\nX;;;;;;;;;;a;b;c;Mar;\nD1;L;;;;;;7;8\nLEGEND\n");
    // The next file starts from the defaults, X labels too; value tables stay.
    b.read("\n   \n  TITLE;;;;;;Hi\n  #x\nd1;L1;;;;;;1;\n D2;L1;;;;;;2;\nplot;5");   // the last line without line feed
    EXPECT_EQ(b.log(), "Line 4:   [#]x" + kLetters);
    EXPECT_EQ(join(b.st.legend.Lp, b.st.title.Ttext, b.st.plot.Cleft, b.st.X[3], b.st.x.Xi, b.st.area.Awidth, b.v1(0, 1)), "-1|Hi|5||-1|400|8");
    EXPECT_EQ(join(b.st.koldata, b.st.d1.num, b.st.d2.num, b.st.d2.rec[0].pornum), "2|0|0|2");
    EXPECT_EQ(join(b.st.file.ONE_file, b.st.file.numAREA, b.run.file_error), "-1|0|1");
    for (float v : {0.0f, -3.5f, 1.0e-29f}) EXPECT_TRUE(is_present(v)) << v;
    EXPECT_FALSE(is_present(kEmptyValue) || is_present(-kEmptyValue));
}

TEST(RecordScanner, LaterAreaRecordsCloseTheChartReadSoFar) {
    ChartBench b;
    b.read("AREA;1\nTITLE;;;;;;One\nLEGEND\nAREA;2\nTITLE;;;;;;Two\nAREA;3\n");
    EXPECT_EQ(b.calls, (Calls{"output 1|0|One", "end 1|0|One", "output 2|0|Two", "end 2|0|Two"}));
    // The last chart stays in the state, with nothing of the earlier ones.
    EXPECT_EQ(join(b.st.area.Aleft, b.st.title.Ttext, b.st.legend.Lp, b.st.file.numAREA, b.st.file.ONE_file), "3||-1|3|1");
    EXPECT_EQ(ChartBench().read("AREA;1\nPLOT;x\nAREA;2\n").calls, (Calls{"end 1|1|"}));
}

TEST(OutputNameCheck, AtTheFieldAndAtTheRecordEndBothWays) {
    const std::string must = "\nName of output file must be coded\n", cant = "\nName of output file can not be coded\n";
    expect_logs({{"AREA;1\nAREA;2;;;;;;;x.htm;\n", "Line 2: AREA;2;;;;;;;[x.htm;]" + cant},
                 {"AREA;;;;;;;;a.htm;\nAREA;;;;;;;;b.htm\nAREA;;;;;;;;;;\n", "Line 3: AREA;;;;;;;;[;];" + must},
                 // A record that stops before or inside the field: at its end.
                 {"AREA;;;;;;;;a.htm\nAREA;5\n", "Line 2: AREA;[5]" + must},
                 {"AREA;;;;;;;;a.htm\nAREA;;;;;;;;\n", "Line 2: AREA;;;;;;;;[]" + must},
                 {"AREA\nAREA;;;;;;;;b.htm\n", "Line 2: AREA;;;;;;;;[b.htm]" + cant},
                 {"AREA\nAREA;;;;;;;;b.htm", "Line 2: AREA;;;;;;;;[b.htm]" + cant}});
    EXPECT_EQ(ChartBench().read("AREA;1\nAREA;2;;;;;;;x.htm;\n").st.area.Afile_output, "");
    EXPECT_EQ(ChartBench().read("AREA;;;;;;;;a.htm;\nAREA;;;;;;;;b.htm\nAREA;;;;;;;;;;\n").calls.size(), 4u);
}

struct StencilBench : ChartBench {
    StencilBench() { run.input_dir = "in\\"; }
};

TEST(Stencil, RecordsAreReadInPlaceUntilABadFirstCharacter) {
    StencilBench b;
    b.fs.files["in\\st.csv"] = "TITLE;;;;;;From stencil\nPLOT;1;1\nAREA;9;;;;;id;x.csv;out.htm\n";
    b.read("AREA;5;6;7;8;red;chart;st.csv;\nPLOT;2\n");
    const std::string line = "Stencil is inputted from in\\st.csv\n";
    EXPECT_EQ(b.console.str() + b.log(), line + line);
    // The stencil's AREA gives place, size and background only.
    const ChartState& s = b.st;
    EXPECT_EQ(join(s.title.Ttext, s.plot.Cleft, s.plot.Cright, s.area.Aleft, s.area.Atop, s.area.Awidth, s.area.Aheight, s.area.Abgcolor),
              "From stencil|2|-1|9|-1|400|400|white");
    EXPECT_EQ(join(b.st.area.Aid, b.st.area.Afile_output, b.st.file.ONE_file, b.run.file_error), "chart||1|0");
    // An error before a clean stencil stays, without the stencil's error line.
    b.read("?\nAREA;;;;;;;st.csv\n");
    EXPECT_EQ(join(b.run.file_error, b.st.title.Ttext, b.console.str()), "1|From stencil|" + line + line);

    // A bad first character ends the stencil.
    StencilBench bad;
    bad.fs.files["in\\st.csv"] = "TITLE;;;;;;A\n#bad\nPLOT;9\n";
    bad.read("AREA;;;;;;;st.csv;\nLEGEND\n?\n");
    EXPECT_EQ(join(bad.st.title.Ttext, bad.st.plot.Cleft, bad.st.legend.Lp, bad.run.file_error), "A|-1|1|1");
    EXPECT_EQ(bad.log(), "Stencil is inputted from in\\st.csv\nLine 2: [#]bad" + kLetters +
                           "Errors are found in file in\\st.csv \nLine 3: [?]" + kLetters);
    // A later chart's stencil is an ordinary input, without the error line.
    StencilBench later;
    later.fs.files["in\\st.csv"] = "TITLE;;;;;;S\nQ\n";
    later.read("AREA\nAREA;;;;;;;st.csv\nPLOT;4\n");
    EXPECT_EQ(later.log(), "Input from in\\st.csv\nLine 2: [Q]" + kLetters);
    EXPECT_EQ(join(later.st.title.Ttext, later.st.plot.Cleft, later.st.file.numAREA, later.run.file_error), "S|4|2|1");
    // A stencil that cannot be opened.
    StencilBench none;
    none.read("AREA;;;;;;;none.csv\nTITLE;;;;;;T\n");
    const std::string lines = "Stencil is inputted from in\\none.csv\nFile in\\none.csv does not found\n";
    EXPECT_EQ(join(none.log(), none.console.str(), none.run.file_error, none.st.title.Ttext), join(lines, lines, 1, "T"));
}

}  // namespace
}  // namespace qp
