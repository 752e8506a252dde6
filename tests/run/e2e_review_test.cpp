// Whole runs through run_program: the console keeps the built-in texts
// while every run-log line, from the run loop, the stencil step, the
// diagnostics, the series finishing and the page writing alike, takes the
// catalog text; and a job's directories place the stencil and the page but
// not the heading and ending files.  Expected lines are written out by hand
// from the console and run-log formats.
#include <gtest/gtest.h>

#include "run_session.h"

namespace qp::test {
namespace {

// A message file that renames entry n to "Mn", for all 34 entries.
std::string renaming_message_file() {
    std::string file = "<html><body>";
    for (int n = 1; n <= 34; ++n) file += std::to_string(n) + ":M" + std::to_string(n) + "<br>\n";
    return file + "</body></html>";
}

TEST(E2EReview, RunLogTakesCatalogTextsEverywhereWhileTheConsoleKeepsBuiltIns) {
    Session run;
    run.fs.files["/prog/qplotmsg.htm"] = renaming_message_file();
    // A drawn chart with a stencil, a heading file and an ending file.
    run.fs.files["a.csv"] = "AREA;;;;;;;st.txt;;h.txt;e.txt;\nD1;L;;;;;;1\n";
    run.fs.files["st.txt"] = "BORDER;1\n";
    run.fs.files["h.txt"] = "<html><body>\n";
    run.fs.files["e.txt"] = "</body></html>\n";
    // A stencil with a bad keyword, a bad record letter, a Y without scale.
    run.fs.files["b.csv"] = "AREA;;;;;;;bad.txt;;;\nQ\nY\n";
    run.fs.files["bad.txt"] = "TITLEx\n";
    // A series without values, found by the series finishing.
    run.fs.files["c.csv"] = "AREA;;;;;;;;;;\nD1;L;;;;;;\n";
    // A job file without its second line.
    run.fs.files["j.qpj"] = "in\n";

    EXPECT_EQ(run.run({"a.csv", "b.csv", "c.csv", "x.txt", "nf.csv", "j.qpj"}), 1);

    EXPECT_EQ(run.console.str(),
              kStartConsole + "Messages are inputted from /prog/qplotmsg.htm\n" +
                  "Input from a.csv\nStencil is inputted from st.txt\n\aFile a.csv OK\n" +
                  "Input from b.csv\nStencil is inputted from bad.txt\n" +
                  "Errors are found in file bad.txt\nErrors are found in file b.csv\n" +
                  "Input from c.csv\nErrors are found in file c.csv\n" +
                  "Input from nf.csv\nFile nf.csv does not found\n" +
                  "Input data is placed in in/\nFile j.qpj: Data miss\n" +
                  kEndConsole);

    const std::string red = "<font color='red'>";
    EXPECT_EQ(run.log(),
              "<html><body>\n" + Session::started("qplot.exe a.csv b.csv c.csv x.txt nf.csv j.qpj ") +
                  // a.csv
                  "M8 a.csv<br>\nM11 st.txt<br>\nM4 h.txt<br>\nM3 e.txt<br>\n"
                  "M2 a.htm M22<br>\nM2 a.csv M14<br>\n"
                  // b.csv: the stencil's error, its file line, then the file's own errors
                  "M8 b.csv<br>\nM11 bad.txt<br>\n" +
                  red + "M10 1:</font> <font color='black'>TITLE</font>" +
                  "<font color='red' size='5'>x</font><font color='black'></font><br>\n" + red +
                  "M16 ;  </font><br>\n" + red + "M23 bad.txt </font><br>\n" + red +
                  "M10 2:</font> <font color='red' size='5'>Q</font><font color='black'></font>"
                  "<br>\n" +
                  red + "M16 A B P D L T X Y</font><br>\n" + red + "M16 1 2</font><br>\n" + red +
                  "M23 b.csv </font><br>\n"
                  // c.csv
                  "M8 c.csv<br>\n" +
                  red + "M5 \xB9 1 M19</font><br>\n" + red + "M23 c.csv </font><br>\n" +
                  // x.txt, nf.csv, j.qpj
                  red + "M1: x.txt M34</font><br>\n" + "M8 nf.csv<br>\n" + red +
                  "M2 nf.csv M26</font><br>\n" + "M8 j.qpj<br>\nM7 in/<br>\n" + red +
                  "M2 j.qpj: M19</font><br>\n" + kEndLog);
}

TEST(E2EReview, JobDirectoriesPlaceStencilsAndPagesButNotHeadingOrEndingFiles) {
    Session run;
    run.fs.files["j.qpj"] = "in\nout\nc.csv\n";
    run.fs.files["in/c.csv"] =
        "AREA;;;;;;;st.txt;;h.txt;e.txt;\nD1;L;;;;;;1\nAREA;;;;;;;st.txt;;;\nD1;L;;;;;;2\n";
    run.fs.files["in/st.txt"] = "TITLE;;;;;;Sales\n";
    run.fs.files["h.txt"] = "HEAD\n";
    run.fs.files["e.txt"] = "END\n";

    EXPECT_EQ(run.run({"j.qpj"}), 0);
    // The later AREA record announces its stencil as an ordinary input.
    EXPECT_EQ(run.console.str(), kStartConsole + "Input data is placed in in/\n" +
                                     "Output data will be placed into out/\n" +
                                     "Input from in/c.csv\nStencil is inputted from in/st.txt\n" +
                                     "Input from in/st.txt\nFile in/c.csv OK\n" +
                                     kEndConsole);
    EXPECT_EQ(run.log(), kHead + Session::started("qplot.exe j.qpj ") +
                             "Input from j.qpj<br>\n"
                             "Input data is placed in in/<br>\n"
                             "Output data will be placed into out/<br>\n"
                             "Input from in/c.csv<br>\n"
                             "Stencil is inputted from in/st.txt<br>\n"
                             "Heading file is h.txt<br>\n"
                             "Ending file is e.txt<br>\n"
                             "File out/c.htm is generated<br>\n"
                             "Input from in/st.txt<br>\n"
                             "File out/c.htm is generated<br>\n"
                             "File in/c.csv OK<br>\n" +
                             kEndLog);
    // Both charts share the page: the heading once, the first chart's
    // ending after it, and the page end after the second chart.
    const std::string page = run.fs.files["out/c.htm"];
    EXPECT_EQ(page.rfind("HEAD\n", 0), 0u);
    ASSERT_NE(page.find("END\n"), std::string::npos);
    EXPECT_NE(page.find("<v:group", page.find("END\n")), std::string::npos);
    EXPECT_EQ(page.rfind("</body></html>"), page.size() - 14);
}

}  // namespace
}  // namespace qp::test
