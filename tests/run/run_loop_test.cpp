// The run loop end to end through run_program.  Expected lines are written
// out from the console and run-log formats.
#include <gtest/gtest.h>

#include <algorithm>

#include "run_session.h"

namespace qp::test {
namespace {

const std::string kRed = "<font color='red'>";

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
    const std::string invalid = " invalid file extension</font><br>\n";
    EXPECT_EQ(r.log(), kHead + Session::started("qplot.exe a.CsV .csv abc.cs x.QPJ /? y.qpjx ") +
                           "Input from a.CsV<br>\n" + kRed + "File a.CsV does not found</font><br>\n" +
                           kRed + "Error: .csv" + invalid + kRed + "Error: abc.cs" + invalid +
                           "Input from x.QPJ<br>\n" + kRed + "File x.QPJ does not found</font><br>\n" +
                           kRed + "Error: /?" + invalid + kRed + "Error: y.qpjx" + invalid + kEndLog);
}

TEST(RunLoop, JobFileLines) {
    const std::string dirs = "Input data is placed in /\nOutput data will be placed into /out/\n";
    const struct {
        const char* job;
        std::string console;
    } cases[] = {
        // An empty first line gives just the separator.  Leading blanks are
        // dropped, trailing blanks belong to the name, blank lines are
        // skipped, and a last line without line end still counts.
        {"\r\n/out\r\n   data.csv\r\ndata.csv  \n\n   \nlast.csv",
         dirs + "Input from /data.csv\nFile /data.csv does not found\n" +
             "Input from /data.csv  \nFile /data.csv   does not found\n" +
             "Input from /last.csv\nFile /last.csv does not found\n"},
        // Line 2 without a line end keeps its last character.
        {"\n/out", dirs},
        {"in", "Input data is placed in in/\nFile /work/qplot.qpj: Data miss\n"},
        {"", "File /work/qplot.qpj: Data miss\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.job);
        Session r;
        r.fs.files["/work/qplot.qpj"] = c.job;
        EXPECT_EQ(r.run({}), 0);
        EXPECT_EQ(r.console.str(), kStartConsole + c.console + kEndConsole);
    }
    Session m;
    m.fs.files["j.qpj"] = "in";
    m.run({"j.qpj"});
    EXPECT_EQ(m.log(), kHead + Session::started("qplot.exe j.qpj ") + "Input from j.qpj<br>\n" +
                           "Input data is placed in in/<br>\n" + kRed +
                           "File j.qpj: Data miss</font><br>\n" + kEndLog);
}

TEST(RunLoop, BellOnlyForFilesNamedOnTheCommandLine) {
    // A chart file after a job is opened by its own path.
    Session r;
    r.fs.files["a.csv"] = r.fs.files["in/b.csv"] = kGoodChart;
    r.fs.files["j.qpj"] = "in\nout\nb.csv\n";
    EXPECT_EQ(r.run({"j.qpj", "a.csv"}), 0);
    const std::string console = r.console.str();
    EXPECT_NE(console.find("\nInput from in/b.csv\nFile in/b.csv OK\n"), std::string::npos);
    EXPECT_NE(console.find("\nInput from a.csv\n\aFile a.csv OK\n"), std::string::npos);
    EXPECT_EQ(std::count(console.begin(), console.end(), '\a'), 1);
    EXPECT_NE(r.log().find("<br>\nFile a.csv OK<br>\n"), std::string::npos);
}

TEST(RunLoop, HelpTextHasTwoPagesAndReadsOneKeyEach) {
    Session r;
    r.keyboard.str("xyz");
    EXPECT_EQ(r.run({"/?", "a.csv"}), 1);
    std::string out = r.console.str();
    EXPECT_EQ(out.rfind("\nQuillplot    ver. 1.15.\n\nStart:\n      qplot /?\n", 0), 0u);
    EXPECT_NE(out.find("....  etc.\nPress <ENTER> to continueStructure of data in input file "
                       "(description of chart):\n"),
              std::string::npos);
    const std::string tail = "D1|D2;V[S];fontsize;fontcolor;bgcolor;[~]text;url;v1;v2;...\n\n"
                             "Press <ENTER> to continue";
    EXPECT_EQ(out.substr(out.size() - tail.size()), tail);
    EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 23 + 19);
    EXPECT_EQ(r.keyboard.get(), 'z');
    EXPECT_TRUE(r.fs.files.empty());   // no run log

    Session e;   // the end of input just continues
    EXPECT_EQ(e.run({"/?"}), 1);
    EXPECT_EQ(e.console.str(), out);
}

// A file system on which nothing can be created.
struct ReadOnlyFileSystem : MemoryFileSystem {
    std::unique_ptr<OutputFile> open_write(const std::string&) override { return nullptr; }
};

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

    // A run log that cannot be written completely.
    Session w;
    w.fs.unwritable["/work/qplotlog.htm"] = true;
    EXPECT_EQ(w.run({}), 1);
    EXPECT_EQ(w.console.str(), kStartConsole + "File /work/qplot.qpj does not found\n" + kEndConsole);

    // A message file whose body tag a bold tag hides: built-in texts.
    Session m;
    m.fs.files["/prog/qplotmsg.htm"] = "<html><b><body>2:Datei<br></body></html>";
    EXPECT_EQ(m.run({"x.qpj"}), 0);
    EXPECT_EQ(m.console.str(), kStartConsole + "Messages are inputted from /prog/qplotmsg.htm\n" +
                                   "Errors are found in file /prog/qplotmsg.htm. File does not used.\n" +
                                   "File x.qpj does not found\n" + kEndConsole);
    EXPECT_EQ(m.log(), kHead + Session::started("qplot.exe x.qpj ") + "Input from x.qpj<br>\n" +
                           kRed + "File x.qpj does not found</font><br>\n" + kEndLog);
}

TEST(RunLoop, NamesLongerThanAPathAreRefused) {
    const std::string longest(255, 'n');   // with ".csv": 259 characters
    const std::string too_long = longest + "x.csv", joined = "d/" + longest + ".csv";
    Session r;
    r.fs.files["j.qpj"] = "d\no\n" + longest + ".csv\n";
    r.fs.files[joined] = r.fs.files[longest + ".csv"] = kGoodChart;
    EXPECT_EQ(r.run({too_long, longest + ".csv", "j.qpj"}), 0);
    EXPECT_EQ(r.console.str(),
              kStartConsole + "Input from " + too_long + "\nFile " + too_long +
                  ": Wrong name length\nInput from " + longest + ".csv\n\aFile " + longest +
                  ".csv OK\nInput data is placed in d/\nOutput data will be placed into o/\n" +
                  "Input from " + joined + "\nFile " + joined + ": Wrong name length\n" + kEndConsole);
    EXPECT_NE(r.log().find("Input from " + too_long + "<br>\n" + kRed + "File " + too_long +
                           ": Wrong name length</font><br>\n"),
              std::string::npos);

    // A directory line too long for a path abandons the job file.
    Session d;
    d.fs.files["j.qpj"] = std::string(259, 'd') + "\no\na.csv\n";
    EXPECT_EQ(d.run({"j.qpj"}), 0);
    EXPECT_EQ(d.console.str(),
              kStartConsole + "File " + std::string(259, 'd') + ": Wrong name length\n" + kEndConsole);
}

}  // namespace
}  // namespace qp::test
