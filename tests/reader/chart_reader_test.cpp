// The chart state's defaults and the record scanner: lines and record
// letters, stencil files, the charts that later AREA records close, and the
// output-name check between them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chart_reader_bench.h"

namespace qp {
namespace {

using Calls = std::vector<std::string>;
const std::string kLetters = "\nIt is expected A B P D L T X Y\n";

TEST(ChartState, DefaultsRestoreFieldsButKeepFileCountersAndEmptyLabels) {
    ChartState st;
    st.ONE_file = 1;
    st.numAREA = 2;
    st.Ttext = "Sales";
    st.X[3] = "Mar";
    st.D1num = 4;
    st.D1val[0][0] = 7;   // value tables are not cleared
    set_defaults(st);
    EXPECT_EQ(join(st.ONE_file, st.numAREA, st.Ttext, st.X[3], st.D1num, st.Awidth, st.Atop, st.D1val[0][0]),
              "1|2|||-1|400|-1|7");
    EXPECT_EQ(st.X.size(), static_cast<size_t>(kMaxXLabels));
    for (float v : {0.0f, -3.5f, 1.0e-29f}) EXPECT_TRUE(is_present(v)) << v;
    EXPECT_FALSE(is_present(kEmptyValue) || is_present(-kEmptyValue));
}

TEST(RecordScanner, LinesDefaultsAndSeriesCount) {
    ChartBench b;
    b.st.Lp = 1;   // left over from an earlier file
    b.read("\n   \n  TITLE;;;;;;Hi\n  #x\nd1;L1;;;;;;1;\n D2;L1;;;;;;2;\nplot;5");
    EXPECT_EQ(b.log(), "Line 4:   [#]x" + kLetters);
    EXPECT_EQ(join(b.st.Lp, b.st.Ttext, b.st.Cleft), "-1|Hi|5");   // last line without line feed
    EXPECT_EQ(join(b.st.koldata, b.st.D1num, b.st.D2num, b.st.D2rec[0].pornum), "2|0|0|2");
    EXPECT_EQ(join(b.st.ONE_file, b.st.numAREA, b.run.file_error), "-1|0|1");
}

TEST(RecordScanner, LaterAreaRecordsCloseTheChartReadSoFar) {
    ChartBench b;
    b.read("AREA;1\nTITLE;;;;;;One\nLEGEND\nAREA;2\nTITLE;;;;;;Two\nAREA;3\n");
    EXPECT_EQ(b.calls, (Calls{"output 1|0|One", "end 1|0|One", "output 2|0|Two", "end 2|0|Two"}));
    // The last chart stays in the state, with nothing of the earlier ones.
    EXPECT_EQ(join(b.st.Aleft, b.st.Ttext, b.st.Lp, b.st.numAREA, b.st.ONE_file), "3||-1|3|1");
    EXPECT_EQ(ChartBench().read("AREA;1\nPLOT;x\nAREA;2\n").calls, (Calls{"end 1|1|"}));
}

TEST(OutputNameCheck, AtTheFieldAndAtTheRecordEndBothWays) {
    const std::string must = "\nName of output file must be coded\n";
    const std::string cannot = "\nName of output file can not be coded\n";
    expect_logs({{"AREA;1\nAREA;2;;;;;;;x.htm;\n", "Line 2: AREA;2;;;;;;;[x.htm;]" + cannot},
                 {"AREA;;;;;;;;a.htm;\nAREA;;;;;;;;b.htm\nAREA;;;;;;;;;;\n", "Line 3: AREA;;;;;;;;[;];" + must},
                 // A record that stops before or inside its output field is
                 // tested at its end.
                 {"AREA;;;;;;;;a.htm\nAREA;5\n", "Line 2: AREA;[5]" + must},
                 {"AREA;;;;;;;;a.htm\nAREA;;;;;;;;\n", "Line 2: AREA;;;;;;;;[]" + must},
                 {"AREA\nAREA;;;;;;;;b.htm\n", "Line 2: AREA;;;;;;;;[b.htm]" + cannot},
                 {"AREA\nAREA;;;;;;;;b.htm", "Line 2: AREA;;;;;;;;[b.htm]" + cannot}});
    EXPECT_EQ(ChartBench().read("AREA;1\nAREA;2;;;;;;;x.htm;\n").st.Afile_output, "");
    EXPECT_EQ(ChartBench().read("AREA;;;;;;;;a.htm;\nAREA;;;;;;;;b.htm\nAREA;;;;;;;;;;\n").calls.size(), 4u);
}

struct StencilBench : ChartBench {
    StencilBench() { run.input_dir = "in\\"; }
    std::string area() const { return join(st.Aleft, st.Atop, st.Awidth, st.Aheight, st.Abgcolor); }
};

TEST(Stencil, RecordsAreReadInPlaceAndLaterRecordsOverrideThem) {
    StencilBench b;
    b.fs.files["in\\st.csv"] = "TITLE;;;;;;From stencil\nPLOT;1;1\nAREA;9;;;;;id;x.csv;out.htm\n";
    b.read("AREA;5;6;7;8;red;chart;st.csv;\nPLOT;2\n");
    EXPECT_EQ(b.console.str() + b.log(), "Stencil is inputted from in\\st.csv\nStencil is inputted from in\\st.csv\n");
    // The stencil's AREA gives place, size and background only.
    EXPECT_EQ(join(b.st.Ttext, b.st.Cleft, b.st.Cright, b.area()), "From stencil|2|-1|9|-1|400|400|white");
    EXPECT_EQ(join(b.st.Aid, b.st.Afile_output, b.st.ONE_file, b.run.file_error), "chart||1|0");
    b.fs.files["C:st.csv"] = "A;1;2;3;4;Transparent;x\n";   // a drive letter: as written
    b.read("AREA;;;;;;;C:st.csv\n");
    EXPECT_EQ(b.area(), "1|2|3|4|transparent");
}

TEST(Stencil, ABadFirstCharacterEndsTheStencil) {
    StencilBench b;
    b.fs.files["in\\st.csv"] = "TITLE;;;;;;A\n#bad\nPLOT;9\n";
    b.read("AREA;;;;;;;st.csv;\nLEGEND\n?\n");
    EXPECT_EQ(join(b.st.Ttext, b.st.Cleft, b.st.Lp, b.run.file_error), "A|-1|1|1");
    EXPECT_EQ(b.log(), "Stencil is inputted from in\\st.csv\nLine 2: [#]bad" + kLetters +
                           "Errors are found in file in\\st.csv \nLine 3: [?]" + kLetters);
    EXPECT_EQ(b.console.str(), "Stencil is inputted from in\\st.csv\nErrors are found in file in\\st.csv\n");
    // A later chart's stencil is an ordinary input, without the error line.
    StencilBench later;
    later.fs.files["in\\st.csv"] = "TITLE;;;;;;S\nQ\n";
    later.read("AREA\nAREA;;;;;;;st.csv\nPLOT;4\n");
    EXPECT_EQ(later.console.str() + later.log(), "Input from in\\st.csv\nInput from in\\st.csv\nLine 2: [Q]" + kLetters);
    EXPECT_EQ(join(later.st.Ttext, later.st.Cleft, later.st.numAREA, later.run.file_error), "S|4|2|1");
}

TEST(Stencil, MissingStencilsAndEarlierErrors) {
    StencilBench none;
    none.read("AREA;;;;;;;none.csv\nTITLE;;;;;;T\n");
    const std::string lines = "Stencil is inputted from in\\none.csv\nFile in\\none.csv does not found\n";
    EXPECT_EQ(join(none.log(), none.console.str(), none.run.file_error, none.st.Ttext), join(lines, lines, 1, "T"));
    // An error before a clean stencil stays, without the stencil's error line.
    StencilBench earlier;
    earlier.fs.files["in\\st.csv"] = "TITLE;;;;;;S\n";
    earlier.read("?\nAREA;;;;;;;st.csv\n");
    EXPECT_EQ(join(earlier.run.file_error, earlier.console.str()), "1|Stencil is inputted from in\\st.csv\n");
}

}  // namespace
}  // namespace qp
