// Whole runs through run_program.  Expected lines are written out by hand
// from the console and run-log formats.
#include <gtest/gtest.h>

#include <algorithm>

#include "support/run_session.h"

namespace qp::test {
namespace {

TEST(RunLoop, NoArgumentsAndNoJobFile) {
    Session r;
    EXPECT_EQ(r.run({}), 0);
    EXPECT_EQ(r.console.str(), kStartConsole + "File /work/qplot.qpj does not found\n" + kEndConsole);
    EXPECT_EQ(r.log(), kHead + Session::started("qplot.exe") + "Input from /work/qplot.qpj<br>\n" +
                           kRed + "File /work/qplot.qpj does not found</font><br>\n" + kEndLog);
}

TEST(RunLoop, ArgumentsAreClassifiedByExtension) {
    Session r;
    EXPECT_EQ(r.run({"a.CsV", ".csv", "abc.cs", "x.QPJ", "/?", "y.qpjx"}), 0);
    EXPECT_EQ(r.console.str(), kStartConsole + "Input from a.CsV\nFile a.CsV does not found\n" +
                                   "File x.QPJ does not found\n" + kEndConsole);
    EXPECT_TRUE(has(r.log(), "x.QPJ does not found</font><br>\n" + kRed + "Error: /? invalid file "
                             "extension</font><br>\n"));
}

TEST(RunLoop, JobFileLines) {
    const std::string dirs = "Input data is placed in /\nOutput data will be placed into /out/\n";
    const std::string miss = "File /work/qplot.qpj: Data miss\n";
    // An empty first line gives just the separator.  Leading blanks are
    // dropped, trailing blanks belong to the name, blank lines are skipped,
    // and a last line without line end still counts; so does line 2's last
    // character.
    for (auto [job, console] : {std::pair<std::string, std::string>{
             "\r\n/out\r\n   data.csv\r\ndata.csv  \n\n   \nlast.csv",
             dirs + "Input from /data.csv\nFile /data.csv does not found\nInput from /data.csv  \n" +
                 "File /data.csv   does not found\nInput from /last.csv\nFile /last.csv does not found\n"},
                                {"\n/out", dirs}, {"in", "Input data is placed in in/\n" + miss}, {"", miss}}) {
        Session r;
        r.fs.files["/work/qplot.qpj"] = job;
        EXPECT_EQ(r.run({}), 0);
        EXPECT_EQ(r.console.str(), kStartConsole + console + kEndConsole) << job;
    }
}

TEST(RunLoop, JobDirectoriesAndTheBellForCommandLineFilesOnly) {
    // The job's directories place the chart file, its stencils and its page,
    // but not the heading and ending files nor a stencil named with a drive;
    // a later AREA record announces its stencil as an ordinary input.  A
    // chart file after a job is opened by its own path, and its page goes to
    // the job's output directory.
    Session r;
    r.fs.files["j.qpj"] = "in\nout\nb.csv\nd.csv\n";
    r.fs.files["in/b.csv"] = "AREA;;;;;;;st.txt;;h.txt;e.txt;\nD1;L;;;;;;1\nAREA;;;;;;;st.txt;;;\nD1;L;;;;;;2\n";
    r.fs.files["in/st.txt"] = r.fs.files["C:st.txt"] = "TITLE;;;;;;Sales\n";
    r.fs.files["in/d.csv"] = "AREA;;;;;;;C:st.txt\nD1;L;;;;;;1\n";
    r.fs.files["h.txt"] = r.fs.files["e.txt"] = "x\n";
    r.fs.files["a.csv"] = kGoodChart;
    EXPECT_EQ(r.run({"j.qpj", "a.csv"}), 0);
    EXPECT_EQ(r.console.str(), kStartConsole + "Input data is placed in in/\nOutput data will be placed "
                                               "into out/\nInput from in/b.csv\nStencil is inputted from "
                                               "in/st.txt\nInput from in/st.txt\nFile in/b.csv OK\n" +
                                   "Input from in/d.csv\nStencil is inputted from C:st.txt\nFile in/d.csv OK\n" +
                                   "Input from a.csv\n\aFile a.csv OK\n" + kEndConsole);
    EXPECT_TRUE(has(r.log(), "<br>\nStencil is inputted from in/st.txt<br>\nHeading file is h.txt<br>\n"
                             "Ending file is e.txt<br>\nFile out/b.htm is generated<br>\n"
                             "Input from in/st.txt<br>\nFile out/b.htm is generated<br>\n"
                             "File in/b.csv OK<br>\nInput from in/d.csv<br>\nStencil is inputted from C:st.txt<br>\n"
                             "File out/d.htm is generated<br>\nFile in/d.csv OK<br>\nInput from a.csv<br>\n"
                             "File out/a.htm is generated<br>\nFile a.csv OK<br>\n"));
}

TEST(RunLoop, HelpTextHasTwoPagesAndReadsOneKeyEach) {
    Session r;
    r.keyboard.str("xyz");
    EXPECT_EQ(r.run({"/?", "a.csv"}), 1);
    std::string out = r.console.str();
    EXPECT_EQ(out.rfind("\nQuillplot    ver. 1.15.\n\nStart:\n      qplot /?\n", 0), 0u);
    EXPECT_TRUE(has(out, "....  etc.\nPress <ENTER> to continueStructure of data in input file "
                         "(description of chart):\n"));
    const std::string tail = "D1|D2;V[S];fontsize;fontcolor;bgcolor;[~]text;url;v1;v2;...\n\n"
                             "Press <ENTER> to continue";
    EXPECT_EQ(out.substr(out.size() - tail.size()), tail);
    EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 23 + 19);
    EXPECT_EQ(r.keyboard.get(), 'z');
    EXPECT_TRUE(r.fs.files.empty());   // no run log
    Session e;                         // the end of input just continues
    EXPECT_EQ(e.run({"/?"}), 1);
    EXPECT_EQ(e.console.str(), out);
    // Piped, each prompt ends with a line end.
    Session piped;
    piped.platform.keyboard_is_terminal = false;
    EXPECT_EQ(piped.run({"/?"}), 1);
    const std::string prompt = "<ENTER> to continue";
    for (auto at = out.find(prompt); at != std::string::npos; at = out.find(prompt, at + 1))
        out.insert(at + prompt.size(), "\n");
    EXPECT_EQ(piped.console.str(), out);
}

TEST(RunLoop, FailuresOfTheRunItself) {
    Session r;
    r.platform.has_current_dir = false;
    EXPECT_EQ(r.run({"a.csv"}), 1);
    EXPECT_EQ(r.console.str(), " Error calling fullpath()");
    EXPECT_TRUE(r.fs.files.empty());
    Session l;
    ReadOnlyFileSystem ro;
    EXPECT_EQ(l.run({"a.csv"}, &ro), 1);
    EXPECT_EQ(l.console.str(), "Quillplot started in /work/ at 10:00:00 on 12/06/26\n"
                               "qplotlog.htm can not open\nQuillplot aborted\n");
    Session w;   // a run log that cannot be written completely
    w.fs.unwritable["/work/qplotlog.htm"] = true;
    w.fs.files["/work/qplotlog.htm"] = "the last run's log";
    EXPECT_EQ(w.run({}), 1);
    EXPECT_EQ(w.console.str(), kStartConsole + "File /work/qplot.qpj does not found\n" + kEndConsole +
                                   "Log file /work/qplotlog.htm could not be written\n");
    EXPECT_EQ(w.errors.str(), "/work/qplot.qpj: does not found\n"
                              "/work/qplotlog.htm: could not be written\n");
    EXPECT_EQ(w.log(), "the last run's log");
    Session m;   // a message file whose body tag a bold tag hides: built-in texts
    m.fs.files["/prog/qplotmsg.htm"] = "<html><b><body>2:Datei<br></body></html>";
    EXPECT_EQ(m.run({"x.qpj"}), 0);
    EXPECT_EQ(m.console.str(), kStartConsole + "Messages are inputted from /prog/qplotmsg.htm\n" +
                                   "Errors are found in file /prog/qplotmsg.htm. File does not used.\n" +
                                   "File x.qpj does not found\n" + kEndConsole);
}

TEST(RunLoop, NamesLongerThanAPathAreRefused) {
    // 259 characters are a path; one more is refused, as an argument, a
    // joined job path, a default page name (for the chart and its error
    // page) and a job's directory line.
    const std::string longest(255, 'n'), too_long = longest + "x.csv", joined = "d/" + longest + ".csv";
    const std::string page = "File o/" + longest + ".htm: Wrong name length\n";
    Session r;
    r.fs.files["j.qpj"] = "d\no\n" + longest + ".csv\n";
    r.fs.files[joined] = r.fs.files[longest + ".csv"] = kGoodChart;
    EXPECT_EQ(r.run({too_long, longest + ".csv", "j.qpj", longest + ".csv"}), 1);
    EXPECT_EQ(r.console.str(),
              kStartConsole + "Input from " + too_long + "\nFile " + too_long + ": Wrong name length\n" +
                  "Input from " + longest + ".csv\n\aFile " + longest + ".csv OK\n" +
                  "Input data is placed in d/\nOutput data will be placed into o/\nInput from " + joined +
                  "\nFile " + joined + ": Wrong name length\nInput from " + longest + ".csv\n" + page +
                  page + "Errors are found in file " + longest + ".csv\n" + kEndConsole);
    EXPECT_TRUE(has(r.log(), "Input from " + too_long + "<br>\n" + kRed + "File " + too_long +
                             ": Wrong name length</font><br>\n"));
    Session d;
    d.fs.files["j.qpj"] = std::string(259, 'd') + "\no\na.csv\n";
    EXPECT_EQ(d.run({"j.qpj"}), 0);
    EXPECT_EQ(d.console.str(),
              kStartConsole + "File " + std::string(259, 'd') + ": Wrong name length\n" + kEndConsole);
}

// A message file that renames entry n to "Mn", for all 34 entries.
std::string renaming_message_file() {
    std::string file = "<html><body>";
    for (int n = 1; n <= 34; ++n) file += std::to_string(n) + ":M" + std::to_string(n) + "<br>\n";
    return file + "</body></html>";
}

TEST(WholeRun, RunLogTakesCatalogTextsEverywhereWhileTheConsoleKeepsBuiltIns) {
    Session run;
    run.fs.files["/prog/qplotmsg.htm"] = renaming_message_file();
    // A drawn chart with a stencil, a heading file and an ending file; a
    // stencil with a bad keyword, then a bad record letter and a Y without
    // scale; a series without values; a job file without its second line.
    run.fs.files["a.csv"] = "AREA;;;;;;;st.txt;;h.txt;e.txt;\nD1;L;;;;;;1\n";
    run.fs.files["st.txt"] = "BORDER;1\n";
    run.fs.files["h.txt"] = run.fs.files["e.txt"] = "x\n";
    run.fs.files["b.csv"] = "AREA;;;;;;;bad.txt;;;\nQ\nY\n";
    run.fs.files["bad.txt"] = "TITLEx\n";
    run.fs.files["c.csv"] = "AREA;;;;;;;;;;\nD1;L;;;;;;\n";
    run.fs.files["j.qpj"] = "in\n";
    EXPECT_EQ(run.run({"a.csv", "b.csv", "c.csv", "x.txt", "nf.csv", "j.qpj"}), 1);
    EXPECT_EQ(run.console.str(),
              kStartConsole + "Messages are inputted from /prog/qplotmsg.htm\nInput from a.csv\n" +
                  "Stencil is inputted from st.txt\n\aFile a.csv OK\nInput from b.csv\n" +
                  "Stencil is inputted from bad.txt\nErrors are found in file bad.txt\n" +
                  "Errors are found in file b.csv\nInput from c.csv\nErrors are found in file c.csv\n" +
                  "Input from nf.csv\nFile nf.csv does not found\nInput data is placed in in/\n" +
                  "File j.qpj: Data miss\n" + kEndConsole);
    const std::string red = kRed, large = "<font color='red' size='5'>";
    EXPECT_EQ(run.log(),
              "<html><body>\n" + Session::started("qplot.exe a.csv b.csv c.csv x.txt nf.csv j.qpj ") +
                  "M8 a.csv<br>\nM11 st.txt<br>\nM4 h.txt<br>\nM3 e.txt<br>\nM2 a.htm M22<br>\n"
                  "M2 a.csv M14<br>\nM8 b.csv<br>\nM11 bad.txt<br>\n" +
                  red + "M10 1:</font> <font color='black'>TITLE</font>" + large + "x</font>" +
                  "<font color='black'></font><br>\n" + red + "M16 ;  </font><br>\n" + red +
                  "M23 bad.txt </font><br>\n" + red + "M10 2:</font> " + large + "Q</font>" +
                  "<font color='black'></font><br>\n" + red + "M16 A B P D L T X Y</font><br>\n" +
                  red + "M16 1 2</font><br>\n" + red + "M23 b.csv </font><br>\nM8 c.csv<br>\n" + red +
                  "M5 \xB9 1 M19</font><br>\n" + red + "M23 c.csv </font><br>\n" + red +
                  "M1: x.txt M34</font><br>\nM8 nf.csv<br>\n" + red + "M2 nf.csv M26</font><br>\n" +
                  "M8 j.qpj<br>\nM7 in/<br>\n" + red + "M2 j.qpj: M19</font><br>\n" + kEndLog);
}

}  // namespace
}  // namespace qp::test
