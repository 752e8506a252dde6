// The record scanner: lines and record letters, stencil files, the charts
// that later AREA records close, and the output-name check between them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chart_reader_bench.h"

namespace qp {
namespace {

using Calls = std::vector<std::string>;
const std::string kLetters = "A B P D L T X Y";

TEST(RecordScanner, LinesDefaultsAndSeriesCount) {
    ChartBench b;
    b.st.Lp = 1;   // left over from an earlier file
    b.read("\n   \n  TITLE;;;;;;Hi\n  #x\nd1;L1;;;;;;1;\n D2;L1;;;;;;2;\nplot;5");
    EXPECT_EQ(b.log(), expected_report(4, "  ", "#", "x", kLetters));
    EXPECT_EQ(join(b.st.Lp, b.st.Ttext, b.st.Cleft), "-1|Hi|5");   // last line without line feed
    EXPECT_EQ(join(b.st.koldata, b.st.D1num, b.st.D2num, b.st.D2rec[0].pornum), "2|0|0|2");
    EXPECT_EQ(join(b.st.ONE_file, b.st.numAREA, b.run.file_error), "-1|0|1");
}

TEST(RecordScanner, LaterAreaRecordsCloseTheChartReadSoFar) {
    ChartBench b;
    b.read("AREA;1\nTITLE;;;;;;One\nLEGEND\nAREA;2\nTITLE;;;;;;Two\nAREA;3\n");
    EXPECT_EQ(b.sink.calls, (Calls{"output 1 error=0 title=One", "end 1 error=0 title=One",
                                   "output 2 error=0 title=Two", "end 2 error=0 title=Two"}));
    // The last chart stays in the state, with nothing of the earlier ones.
    EXPECT_EQ(join(b.st.Aleft, b.st.Ttext, b.st.Lp, b.st.numAREA, b.st.ONE_file), "3||-1|3|1");

    ChartBench error;
    error.read("AREA;1\nPLOT;x\nAREA;2\n");
    EXPECT_EQ(error.sink.calls, (Calls{"end 1 error=1 title="}));
}

TEST(OutputNameCheck, SharedPageRefusesAName) {
    ChartBench b;
    b.read("AREA;1\nAREA;2;;;;;;;x.htm;\n");
    EXPECT_EQ(b.log(), field_report(2, "AREA;2;;;;;;;", "x.htm;", "", "Name of output file can not be coded"));
    EXPECT_EQ(b.st.Afile_output, "");
}

TEST(OutputNameCheck, OwnPagesNeedANameAtTheFieldOrAtTheRecordEnd) {
    ChartBench field;
    field.read("AREA;;;;;;;;a.htm;\nAREA;;;;;;;;b.htm\nAREA;;;;;;;;;;\n");
    EXPECT_EQ(field.log(), field_report(3, "AREA;;;;;;;;", ";", ";", "Name of output file must be coded"));
    EXPECT_EQ(field.sink.calls.size(), 4u);
    // A record that stops before its output field is tested at its end.
    ChartBench short_record;
    short_record.read("AREA;;;;;;;;a.htm\nAREA;5\n");
    EXPECT_EQ(short_record.log(), rest_report(2, "AREA;", "5", "Name of output file must be coded"));
}

TEST(OutputNameCheck, ALineEndingInsideTheOutputFieldIsCheckedAsTheRecordEnd) {
    ChartBench own;
    own.read("AREA;;;;;;;;a.htm\nAREA;;;;;;;;\n");
    EXPECT_EQ(own.log(), rest_report(2, "AREA;;;;;;;;", "", "Name of output file must be coded"));
    ChartBench shared;
    shared.read("AREA\nAREA;;;;;;;;b.htm\n");
    EXPECT_EQ(shared.log(), rest_report(2, "AREA;;;;;;;;", "b.htm", "Name of output file can not be coded"));
    ChartBench at_end;
    at_end.read("AREA\nAREA;;;;;;;;b.htm");
    EXPECT_EQ(at_end.log(), rest_report(2, "AREA;;;;;;;;", "b.htm", "Name of output file can not be coded"));
}

struct StencilBench : ChartBench {
    StencilBench() { run.input_dir = "in\\"; }
    std::string area() const { return join(st.Aleft, st.Atop, st.Awidth, st.Aheight, st.Abgcolor); }
};

TEST(Stencil, RecordsAreReadInPlaceAndLaterRecordsOverrideThem) {
    StencilBench b;
    b.fs.files["in\\st.csv"] = "TITLE;;;;;;From stencil\nPLOT;1;1\nAREA;9;;;;;id;x.csv;out.htm\n";
    b.read("AREA;5;6;7;8;red;chart;st.csv;\nPLOT;2\n");
    EXPECT_EQ(b.console.str(), "Stencil is inputted from in\\st.csv\n");
    EXPECT_EQ(b.log(), "Stencil is inputted from in\\st.csv<br>\n");
    EXPECT_EQ(join(b.st.Ttext, b.st.Cleft, b.st.Cright), "From stencil|2|-1");
    // The stencil's AREA gives place, size and background only.
    EXPECT_EQ(b.area(), "9|-1|400|400|white");
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
    EXPECT_EQ(b.log(), "Stencil is inputted from in\\st.csv<br>\n" +
                           expected_report(2, "", "#", "bad", kLetters) +
                           "<font color='red'>Errors are found in file in\\st.csv </font><br>\n" +
                           expected_report(3, "", "?", "", kLetters));
    EXPECT_EQ(b.console.str(), "Stencil is inputted from in\\st.csv\nErrors are found in file in\\st.csv\n");
}

TEST(Stencil, AStencilThatCannotBeOpened) {
    StencilBench b;
    b.read("AREA;;;;;;;none.csv\nTITLE;;;;;;T\n");
    EXPECT_EQ(b.log(), "Stencil is inputted from in\\none.csv<br>\n"
                       "<font color='red'>File in\\none.csv does not found</font><br>\n");
    EXPECT_EQ(b.console.str(), "Stencil is inputted from in\\none.csv\nFile in\\none.csv does not found\n");
    EXPECT_EQ(join(b.run.file_error, b.st.Ttext), "1|T");
}

TEST(Stencil, LaterAreaVariant) {
    StencilBench b;
    b.fs.files["in\\st.csv"] = "TITLE;;;;;;S\nQ\n";
    b.read("AREA\nAREA;;;;;;;st.csv\nPLOT;4\n");
    EXPECT_EQ(b.console.str(), "Input from in\\st.csv\n");
    // No "Errors are found" line for a later chart's stencil.
    EXPECT_EQ(b.log(), "Input from in\\st.csv<br>\n" + expected_report(2, "", "Q", "", kLetters));
    EXPECT_EQ(join(b.st.Ttext, b.st.Cleft, b.st.numAREA, b.run.file_error), "S|4|2|1");

    // An error before a clean stencil stays, without the stencil's error line.
    StencilBench earlier;
    earlier.fs.files["in\\st.csv"] = "TITLE;;;;;;S\n";
    earlier.read("?\nAREA;;;;;;;st.csv\n");
    EXPECT_EQ(join(earlier.run.file_error, earlier.console.str()), "1|Stencil is inputted from in\\st.csv\n");
}

}  // namespace
}  // namespace qp
