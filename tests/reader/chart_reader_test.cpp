// The record scanner: lines and record letters, stencil files, the charts
// that later AREA records close, and the output-name check between them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chart_reader_bench.h"

namespace qp {
namespace {

using Calls = std::vector<std::string>;

TEST(RecordScanner, BlankLinesLeadingBlanksAndTheLastLine) {
    ChartBench b;
    b.read("\n   \n  TITLE;;;;;;Hi\n  #x\nplot;5");
    EXPECT_EQ(b.st.Ttext, "Hi");
    EXPECT_EQ(b.log(), expected_report(4, "  ", "#", "x", "A B P D L T X Y"));
    EXPECT_EQ(b.st.Cleft, 5);   // read without a final line feed
    EXPECT_EQ(b.run.file_error, 1);
}

TEST(RecordScanner, DefaultsComeFirstAndSeriesLinesAreCounted) {
    ChartBench b;
    b.st.Lp = 1;
    b.st.Ttext = "left over";
    b.read("d1;L1;;;;;;1;\n D2;L1;;;;;;2;\n");
    EXPECT_EQ(b.st.Lp, -1);
    EXPECT_EQ(b.st.Ttext, "");
    EXPECT_EQ(b.st.koldata, 2);
    EXPECT_EQ(b.st.D1num, 0);
    EXPECT_EQ(b.st.D2num, 0);
    EXPECT_EQ(b.st.D2rec[0].pornum, 2);
    EXPECT_EQ(b.st.ONE_file, -1);   // no AREA record
    EXPECT_EQ(b.st.numAREA, 0);
}

TEST(RecordScanner, LaterAreaRecordsCloseTheChartReadSoFar) {
    ChartBench b;
    b.read("AREA;1\nTITLE;;;;;;One\nLEGEND\nAREA;2\nTITLE;;;;;;Two\nAREA;3\n");
    EXPECT_EQ(b.sink.calls, (Calls{"output 1 error=0 title=One", "end 1 error=0 title=One",
                                   "output 2 error=0 title=Two", "end 2 error=0 title=Two"}));
    // The last chart stays in the state, with nothing of the earlier ones.
    EXPECT_EQ(b.st.Aleft, 3);
    EXPECT_EQ(b.st.Ttext, "");
    EXPECT_EQ(b.st.Lp, -1);
    EXPECT_EQ(b.st.numAREA, 3);
    EXPECT_EQ(b.st.ONE_file, 1);
    EXPECT_EQ(b.log(), "");
}

TEST(RecordScanner, AChartWithErrorsIsOnlyEnded) {
    ChartBench b;
    b.read("AREA;1\nPLOT;x\nAREA;2\n");
    EXPECT_EQ(b.sink.calls, (Calls{"end 1 error=1 title="}));
    EXPECT_EQ(b.st.Aleft, 2);
    EXPECT_EQ(b.run.file_error, 1);
}

TEST(OutputNameCheck, SharedPageRefusesANameAtItsField) {
    ChartBench b;
    b.read("AREA;1\nAREA;2;;;;;;;x.htm;\n");
    EXPECT_EQ(b.log(), field_report(2, "AREA;2;;;;;;;", "x.htm;", "",
                                    "Name of output file can not be coded"));
    EXPECT_EQ(b.st.Afile_output, "");
    EXPECT_EQ(b.st.ONE_file, 1);
}

TEST(OutputNameCheck, OwnPagesNeedANameAtTheFieldOrAtTheRecordEnd) {
    ChartBench field;
    field.read("AREA;;;;;;;;a.htm;\nAREA;;;;;;;;;;\n");
    EXPECT_EQ(field.log(), field_report(2, "AREA;;;;;;;;", ";", ";",
                                        "Name of output file must be coded"));

    // A record that stops before its output field is tested at its end.
    ChartBench short_record;
    short_record.read("AREA;;;;;;;;a.htm\nAREA;5\n");
    EXPECT_EQ(short_record.log(), rest_report(2, "AREA;", "5", "Name of output file must be coded"));
    EXPECT_EQ(short_record.st.Aleft, 5);

    ChartBench fine;
    fine.read("AREA;;;;;;;;a.htm;\nAREA;;;;;;;;b.htm\nAREA;;;;;;;;;\n");
    EXPECT_EQ(fine.st.ONE_file, -1);
    EXPECT_EQ(fine.sink.calls.size(), 4u);
    EXPECT_EQ(fine.st.Afile_output, "");
    // Only the third record lacks its name; the first one is never tested.
    EXPECT_EQ(fine.log(), field_report(3, "AREA;;;;;;;;", ";", "",
                                       "Name of output file must be coded"));
}

struct StencilBench : ChartBench {
    StencilBench() { run.input_dir = "in\\"; }
};

TEST(Stencil, RecordsAreReadInPlaceAndLaterRecordsOverrideThem) {
    StencilBench b;
    b.fs.files["in\\st.csv"] = "TITLE;;;;;;From stencil\nPLOT;1;1\nAREA;9;;;;;id;x.csv;out.htm\n";
    b.read("AREA;5;6;7;8;red;chart;st.csv;\nPLOT;2\n");
    EXPECT_EQ(b.console.str(), "Stencil is inputted from in\\st.csv\n");
    EXPECT_EQ(b.log(), "Stencil is inputted from in\\st.csv<br>\n");
    EXPECT_EQ(b.st.Ttext, "From stencil");
    EXPECT_EQ(b.st.Cleft, 2);
    EXPECT_EQ(b.st.Cright, -1);   // the later PLOT record counts alone
    // The stencil's AREA gives place, size and background only.
    EXPECT_EQ(b.st.Aleft, 9);
    EXPECT_EQ(b.st.Atop, -1);
    EXPECT_EQ(b.st.Awidth, 400);
    EXPECT_EQ(b.st.Aheight, 400);
    EXPECT_EQ(b.st.Abgcolor, "white");
    EXPECT_EQ(b.st.Aid, "chart");
    EXPECT_EQ(b.st.Afile_output, "");
    EXPECT_EQ(b.st.ONE_file, 1);
    EXPECT_EQ(b.run.file_error, 0);
}

TEST(Stencil, ANameWithADriveLetterStandsAsItIs) {
    StencilBench b;
    b.fs.files["C:st.csv"] = "TITLE;;;;;;Drive\n";
    b.read("AREA;;;;;;;C:st.csv\n");
    EXPECT_EQ(b.st.Ttext, "Drive");
    EXPECT_EQ(b.log(), "Stencil is inputted from C:st.csv<br>\n");
}

TEST(Stencil, AStencilAreaKeepsRecordStartValuesForEmptyFields) {
    StencilBench b;
    b.fs.files["in\\st.csv"] = "AREA;;;;;\n";
    b.read("AREA;5;6;7;8;red;;st.csv\n");
    EXPECT_EQ(b.st.Aleft, 0);
    EXPECT_EQ(b.st.Atop, -1);
    EXPECT_EQ(b.st.Awidth, 400);
    EXPECT_EQ(b.st.Aheight, 400);
    EXPECT_EQ(b.st.Abgcolor, "white");

    b.fs.files["in\\st.csv"] = "A;1;2;3;4;Transparent;x\n";
    b.read("AREA;;;;;;;st.csv\n");
    EXPECT_EQ(b.st.Aleft, 1);
    EXPECT_EQ(b.st.Atop, 2);
    EXPECT_EQ(b.st.Awidth, 3);
    EXPECT_EQ(b.st.Aheight, 4);
    EXPECT_EQ(b.st.Abgcolor, "transparent");
    EXPECT_EQ(b.run.file_error, 0);
}

TEST(Stencil, ABadFirstCharacterEndsTheStencil) {
    StencilBench b;
    b.fs.files["in\\st.csv"] = "TITLE;;;;;;A\n#bad\nPLOT;9\n";
    b.read("AREA;;;;;;;st.csv;\nLEGEND\n?\n");
    EXPECT_EQ(b.st.Ttext, "A");
    EXPECT_EQ(b.st.Cleft, -1);   // not read
    EXPECT_EQ(b.st.Lp, 1);       // the chart description file goes on
    EXPECT_EQ(b.log(), "Stencil is inputted from in\\st.csv<br>\n" +
                           expected_report(2, "", "#", "bad", "A B P D L T X Y") +
                           "<font color='red'>Errors are found in file in\\st.csv </font><br>\n" +
                           expected_report(3, "", "?", "", "A B P D L T X Y"));
    EXPECT_EQ(b.console.str(),
              "Stencil is inputted from in\\st.csv\nErrors are found in file in\\st.csv\n");
    EXPECT_EQ(b.run.file_error, 1);
}

TEST(Stencil, AStencilThatCannotBeOpened) {
    StencilBench b;
    b.read("AREA;;;;;;;none.csv\nTITLE;;;;;;T\n");
    EXPECT_EQ(b.log(), "Stencil is inputted from in\\none.csv<br>\n"
                       "<font color='red'>File in\\none.csv does not found</font><br>\n");
    EXPECT_EQ(b.console.str(),
              "Stencil is inputted from in\\none.csv\nFile in\\none.csv does not found\n");
    EXPECT_EQ(b.run.file_error, 1);
    EXPECT_EQ(b.st.Ttext, "T");
}

TEST(Stencil, LaterAreaVariant) {
    StencilBench b;
    b.fs.files["in\\st.csv"] = "TITLE;;;;;;S\nQ\n";
    b.read("AREA\nAREA;;;;;;;st.csv\nPLOT;4\n");
    EXPECT_EQ(b.console.str(), "Input from in\\st.csv\n");
    // No "Errors are found" line for a later chart's stencil.
    EXPECT_EQ(b.log(), "Input from in\\st.csv<br>\n" +
                           expected_report(2, "", "Q", "", "A B P D L T X Y"));
    EXPECT_EQ(b.st.Ttext, "S");
    EXPECT_EQ(b.st.Cleft, 4);
    EXPECT_EQ(b.st.numAREA, 2);
    EXPECT_EQ(b.run.file_error, 1);
}

TEST(Stencil, AnEarlierErrorStaysWhenTheStencilIsClean) {
    StencilBench b;
    b.fs.files["in\\st.csv"] = "TITLE;;;;;;S\n";
    b.read("?\nAREA;;;;;;;st.csv\n");
    EXPECT_EQ(b.run.file_error, 1);
    EXPECT_EQ(b.console.str(), "Stencil is inputted from in\\st.csv\n");
}

}  // namespace
}  // namespace qp
