// Whole runs through run_program: the console keeps the built-in texts
// while every run-log line, from the run loop, the stencil step, the
// diagnostics, the series finishing and the page writing alike, takes the
// catalog text; and a job's directories place the stencil and the page but
// not the heading and ending files.  Expected lines are written out by hand
// from the console and run-log formats.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "run_loop.h"

namespace qp {
namespace {

class FixedPlatform : public Platform {
public:
    std::string program_dir(const char*) override { return "/prog/"; }
    bool current_dir(std::string* dir) override {
        *dir = "/work/";
        return true;
    }
    std::string local_time() override { return calls_++ == 0 ? "10:00:00" : "10:00:07"; }
    std::string local_date() override { return "12/06/26"; }
    char separator() const override { return '/'; }

private:
    int calls_ = 0;
};

struct WholeRun {
    FixedPlatform platform;
    MemoryFileSystem fs;
    std::ostringstream console;
    std::istringstream keyboard;

    int operator()(const std::vector<std::string>& args) {
        return run_program("/prog/qplot", args, platform, fs, console, keyboard);
    }
    std::string log() { return fs.files["/work/qplotlog.htm"]; }
};

const std::string kConsoleStart =
    "Quillplot started in /work/ at 10:00:00 on 12/06/26\nLog file is /work/qplotlog.htm\n";
const std::string kLogStart = "Quillplot started in /work/ at 10:00:00 on 12/06/26 by command:<br>\n";
const std::string kLogEnd = "Quillplot finished at 10:00:07<br>\n</BODY>\n</HTML>\n";

// A message file that renames entry n to "Mn", for all 34 entries.
std::string renaming_message_file() {
    std::string file = "<html><body>";
    for (int n = 1; n <= 34; ++n) file += std::to_string(n) + ":M" + std::to_string(n) + "<br>\n";
    return file + "</body></html>";
}

TEST(E2EReview, RunLogTakesCatalogTextsEverywhereWhileTheConsoleKeepsBuiltIns) {
    WholeRun run;
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

    EXPECT_EQ(run({"a.csv", "b.csv", "c.csv", "x.txt", "nf.csv", "j.qpj"}), 1);

    EXPECT_EQ(run.console.str(),
              kConsoleStart + "Messages are inputted from /prog/qplotmsg.htm\n" +
                  "Input from a.csv\nStencil is inputted from st.txt\n\aFile a.csv OK\n" +
                  "Input from b.csv\nStencil is inputted from bad.txt\n" +
                  "Errors are found in file bad.txt\nErrors are found in file b.csv\n" +
                  "Input from c.csv\nErrors are found in file c.csv\n" +
                  "Input from nf.csv\nFile nf.csv does not found\n" +
                  "Input data is placed in in/\nFile j.qpj: Data miss\n" +
                  "Quillplot finished at 10:00:07\n");

    const std::string red = "<font color='red'>";
    EXPECT_EQ(run.log(),
              "<html><body>\n" + kLogStart +
                  " &nbsp; qplot.exe a.csv b.csv c.csv x.txt nf.csv j.qpj <br>\n"
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
                  "M2 j.qpj: M19</font><br>\n" + kLogEnd);

    // The heading and ending files stand in for the page's own beginning
    // and end.
    const std::string page = run.fs.files["a.htm"];
    EXPECT_EQ(page.rfind("<html><body>\n", 0), 0u);
    const std::string end = "</body></html>\n";
    ASSERT_GE(page.size(), end.size());
    EXPECT_EQ(page.substr(page.size() - end.size()), end);
}

TEST(E2EReview, JobDirectoriesPlaceStencilsAndPagesButNotHeadingOrEndingFiles) {
    WholeRun run;
    run.fs.files["j.qpj"] = "in\nout\nc.csv\n";
    run.fs.files["in/c.csv"] =
        "AREA;;;;;;;st.txt;;h.txt;e.txt;\nD1;L;;;;;;1\nAREA;;;;;;;st.txt;;;\nD1;L;;;;;;2\n";
    run.fs.files["in/st.txt"] = "TITLE;;;;;;Sales\n";
    run.fs.files["h.txt"] = "HEAD\n";
    run.fs.files["e.txt"] = "END\n";

    EXPECT_EQ(run({"j.qpj"}), 0);
    // The later AREA record announces its stencil as an ordinary input.
    EXPECT_EQ(run.console.str(), kConsoleStart + "Input data is placed in in/\n" +
                                     "Output data will be placed into out/\n" +
                                     "Input from in/c.csv\nStencil is inputted from in/st.txt\n" +
                                     "Input from in/st.txt\nFile in/c.csv OK\n" +
                                     "Quillplot finished at 10:00:07\n");
    EXPECT_EQ(run.log(), "<HTML>\n<head><META Name=\"Generator\" Content=\"Quillplot\"></head>\n"
                         "<BODY text='green'>\n" +
                             kLogStart + " &nbsp; qplot.exe j.qpj <br>\n" +
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
                             kLogEnd);
    // Both charts share the page: the heading once, the first chart's
    // ending after it, and the page end after the second chart.
    const std::string page = run.fs.files["out/c.htm"];
    EXPECT_EQ(page.rfind("HEAD\n", 0), 0u);
    EXPECT_NE(page.find("END\n"), std::string::npos);
    const std::string end = "</body></html>";
    ASSERT_GE(page.size(), end.size());
    EXPECT_EQ(page.substr(page.size() - end.size()), end);
}

TEST(E2EReview, SharedPageKeepsEarlierChartsAndGetsErrorPagesForTheRest) {
    WholeRun run;
    run.fs.files["s.csv"] =
        "AREA;;;;;;;;;;\nD1;L;;;;;;1\n"
        "AREA;;;;;;;;;;\nD1;L;;;;;;\n"
        "AREA;5;6;100;50;;;;;;\nD1;L;;;;;;1\n";
    EXPECT_EQ(run({"s.csv"}), 1);
    EXPECT_EQ(run.log(), "<HTML>\n<head><META Name=\"Generator\" Content=\"Quillplot\"></head>\n"
                         "<BODY text='green'>\n" +
                             kLogStart + " &nbsp; qplot.exe s.csv <br>\n" +
                             "Input from s.csv<br>\n"
                             "File s.htm is generated<br>\n"
                             "<font color='red'>In D1 chart \xB9 1 Data miss</font><br>\n"
                             "<font color='red'>Errors are found in file s.csv </font><br>\n" +
                             kLogEnd);
    const std::string page = run.fs.files["s.htm"];
    // The third chart's error page stands where the chart would have stood,
    // added to the shared page without a heading of its own.
    const std::string third =
        "<div style='position:absolute;top:6px;left:5px'>\n"
        "<v:group style='antialias:false;width:100px;height:50px' coordsize='100,50'>\n"
        "<v:roundrect arcsize='0' fillcolor='red' strokecolor='blue' strokeweight='1px' "
        "style='position:absolute;top:1px;left:1px;width:98px;height:48px' >\n"
        "</v:roundrect>\n"
        "<v:shape style='position:absolute;top:2;left:2;text-align:center;width:96;height:46;"
        "font:normal normal bold 16 Arial;color:white;background:red' >\n"
        "<v:textbox/>ERRORS in s.csv</v:textbox/>\n"
        "</v:shape>\n"
        "</v:group></div>\n"
        "</body></html>";
    ASSERT_GE(page.size(), third.size());
    EXPECT_EQ(page.substr(page.size() - third.size()), third);
    std::size_t errors = 0;
    for (std::size_t at = page.find("ERRORS in s.csv"); at != std::string::npos;
         at = page.find("ERRORS in s.csv", at + 1))
        ++errors;
    EXPECT_EQ(errors, 2u);
    std::size_t headings = 0;
    for (std::size_t at = page.find("<html>"); at != std::string::npos; at = page.find("<html>", at + 1))
        ++headings;
    EXPECT_EQ(headings, 1u);
}

}  // namespace
}  // namespace qp
