// The run loop end to end through run_program, with a fixed platform and
// the memory file system.  Expected lines are written out from the console
// and run-log formats.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "run_loop.h"

namespace qp {
namespace {

const std::string kHead =
    "<HTML>\n<head><META Name=\"Generator\" Content=\"Quillplot\"></head>\n<BODY text='green'>\n";
const std::string kStartConsole =
    "Quillplot started in /work/ at 10:00:00 on 12/06/26\nLog file is /work/qplotlog.htm\n";
const std::string kEndConsole = "Quillplot finished at 10:00:07\n";
const std::string kEndLog = "Quillplot finished at 10:00:07<br>\n</BODY>\n</HTML>\n";
const std::string kLogPath = "/work/qplotlog.htm";

class FakePlatform : public Platform {
public:
    bool has_current_dir = true;
    std::string program_dir(const char*) override { return "/prog/"; }
    bool current_dir(std::string* dir) override {
        if (!has_current_dir) return false;
        *dir = "/work/";
        return true;
    }
    std::string local_time() override { return calls_++ == 0 ? "10:00:00" : "10:00:07"; }
    std::string local_date() override { return "12/06/26"; }
    char separator() const override { return '/'; }

private:
    int calls_ = 0;
};

// A file system on which nothing can be created.
class ReadOnlyFileSystem : public MemoryFileSystem {
public:
    std::unique_ptr<OutputFile> open_write(const std::string&) override { return nullptr; }
};

struct Session {
    FakePlatform platform;
    MemoryFileSystem fs;
    std::ostringstream console;
    std::istringstream keyboard;
    int code = -2;

    int run(const std::vector<std::string>& args, FileSystem* other = nullptr) {
        code = run_program("/prog/qplot", args, platform, other ? *other : fs, console, keyboard);
        return code;
    }
    std::string log() { return fs.files[kLogPath]; }
    std::string started_log(const std::string& command) {
        return "Quillplot started in /work/ at 10:00:00 on 12/06/26 by command:<br>\n &nbsp; " +
               command + "<br>\n";
    }
};

// A chart description with one series, free of errors.
const std::string kGoodChart = "AREA;0;0;300;200;white;c;;;;\nD1;L1;2;red;;Sales;;1;2;3;\n";

TEST(RunLoop, NoArgumentsAndNoJobFile) {
    Session r;
    EXPECT_EQ(r.run({}), 0);
    EXPECT_EQ(r.console.str(),
              kStartConsole + "File /work/qplot.qpj does not found\n" + kEndConsole);
    EXPECT_EQ(r.log(), kHead + r.started_log("qplot.exe") + "Input from /work/qplot.qpj<br>\n" +
                           "<font color='red'>File /work/qplot.qpj does not found</font><br>\n" +
                           kEndLog);
}

TEST(RunLoop, ArgumentsAreClassifiedByExtension) {
    Session r;
    EXPECT_EQ(r.run({"a.CsV", ".csv", "abc.cs", "x.QPJ", "/?", "y.qpjx"}), 0);
    EXPECT_EQ(r.console.str(), kStartConsole + "Input from a.CsV\nFile a.CsV does not found\n" +
                                   "File x.QPJ does not found\n" + kEndConsole);
    EXPECT_EQ(r.log(), kHead + r.started_log("qplot.exe a.CsV .csv abc.cs x.QPJ /? y.qpjx ") +
                           "Input from a.CsV<br>\n" +
                           "<font color='red'>File a.CsV does not found</font><br>\n" +
                           "<font color='red'>Error: .csv invalid file extension</font><br>\n" +
                           "<font color='red'>Error: abc.cs invalid file extension</font><br>\n" +
                           "Input from x.QPJ<br>\n" +
                           "<font color='red'>File x.QPJ does not found</font><br>\n" +
                           "<font color='red'>Error: /? invalid file extension</font><br>\n" +
                           "<font color='red'>Error: y.qpjx invalid file extension</font><br>\n" +
                           kEndLog);
}

TEST(RunLoop, JobFileDirectoriesAndNames) {
    Session r;
    // Empty first line: the input directory is just the separator.  Leading
    // blanks are dropped, trailing blanks belong to the name, blank lines
    // are skipped, and a last line without line end still counts.
    r.fs.files["/work/qplot.qpj"] = "\r\n/out\r\n   data.csv\r\ndata.csv  \n\n   \nlast.csv";
    EXPECT_EQ(r.run({}), 0);
    EXPECT_EQ(r.console.str(), kStartConsole + "Input data is placed in /\n" +
                                   "Output data will be placed into /out/\n" +
                                   "Input from /data.csv\nFile /data.csv does not found\n" +
                                   "Input from /data.csv  \nFile /data.csv   does not found\n" +
                                   "Input from /last.csv\nFile /last.csv does not found\n" +
                                   kEndConsole);
    EXPECT_EQ(r.log(), kHead + r.started_log("qplot.exe") + "Input from /work/qplot.qpj<br>\n" +
                           "Input data is placed in /<br>\n" +
                           "Output data will be placed into /out/<br>\n" +
                           "Input from /data.csv<br>\n" +
                           "<font color='red'>File /data.csv does not found</font><br>\n" +
                           "Input from /data.csv  <br>\n" +
                           "<font color='red'>File /data.csv   does not found</font><br>\n" +
                           "Input from /last.csv<br>\n" +
                           "<font color='red'>File /last.csv does not found</font><br>\n" +
                           kEndLog);
}

TEST(RunLoop, JobFileLinesEndingAtEndOfFile) {
    // Line 2 without a line end keeps its last character.
    Session r;
    r.fs.files["j.qpj"] = "in\nout";
    EXPECT_EQ(r.run({"j.qpj"}), 0);
    EXPECT_EQ(r.console.str(), kStartConsole + "Input data is placed in in/\n" +
                                   "Output data will be placed into out/\n" + kEndConsole);

    // A missing line 2: the data-missing pair, the job abandoned.
    Session m;
    m.fs.files["j.qpj"] = "in";
    EXPECT_EQ(m.run({"j.qpj"}), 0);
    EXPECT_EQ(m.console.str(), kStartConsole + "Input data is placed in in/\n" +
                                   "File j.qpj: Data miss\n" + kEndConsole);
    EXPECT_EQ(m.log(), kHead + m.started_log("qplot.exe j.qpj ") + "Input from j.qpj<br>\n" +
                           "Input data is placed in in/<br>\n" +
                           "<font color='red'>File j.qpj: Data miss</font><br>\n" + kEndLog);

    // An empty job file misses line 1.
    Session e;
    e.fs.files["/work/qplot.qpj"] = "";
    EXPECT_EQ(e.run({}), 0);
    EXPECT_EQ(e.console.str(), kStartConsole + "File /work/qplot.qpj: Data miss\n" + kEndConsole);
}

TEST(RunLoop, BellOnlyForFilesNamedOnTheCommandLine) {
    Session r;
    r.fs.files["a.csv"] = kGoodChart;
    r.fs.files["in/b.csv"] = kGoodChart;
    r.fs.files["j.qpj"] = "in\nout\nb.csv\n";
    EXPECT_EQ(r.run({"a.csv", "j.qpj"}), 0);
    const std::string console = r.console.str();
    EXPECT_NE(console.find("\nInput from a.csv\n"), std::string::npos);
    EXPECT_NE(console.find("\n\aFile a.csv OK\n"), std::string::npos);
    EXPECT_NE(console.find("\nInput from in/b.csv\n"), std::string::npos);
    EXPECT_NE(console.find("\nFile in/b.csv OK\n"), std::string::npos);
    EXPECT_EQ(std::count(console.begin(), console.end(), '\a'), 1);
    const std::string log = r.log();
    EXPECT_NE(log.find("Input from a.csv<br>\n"), std::string::npos);
    EXPECT_NE(log.find("File a.csv OK<br>\n"), std::string::npos);
    EXPECT_NE(log.find("File in/b.csv OK<br>\n"), std::string::npos);
    EXPECT_EQ(log.find('\a'), std::string::npos);
}

TEST(RunLoop, ChartFileAfterAJobKeepsTheJobDirectories) {
    // The file is opened by its own path, not in the job's input directory.
    Session r;
    r.fs.files["j.qpj"] = "in\nout\n";
    r.fs.files["c.csv"] = kGoodChart;
    EXPECT_EQ(r.run({"j.qpj", "c.csv"}), 0);
    EXPECT_NE(r.console.str().find("\aFile c.csv OK\n"), std::string::npos);
}

TEST(RunLoop, FileWithErrorsMakesTheExitCodeOne) {
    Session r;
    r.fs.files["bad.csv"] = "#bad line\n";
    r.fs.files["a.csv"] = kGoodChart;
    EXPECT_EQ(r.run({"bad.csv", "a.csv"}), 1);
    EXPECT_NE(r.console.str().find("\nErrors are found in file bad.csv\n"), std::string::npos);
    EXPECT_NE(r.log().find("<font color='red'>Errors are found in file bad.csv </font><br>\n"),
              std::string::npos);
    // The next file is processed and reported on its own.
    EXPECT_NE(r.console.str().find("\aFile a.csv OK\n"), std::string::npos);
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
    ASSERT_GE(out.size(), tail.size());
    EXPECT_EQ(out.substr(out.size() - tail.size()), tail);
    EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 23 + 19);
    EXPECT_EQ(r.keyboard.get(), 'z');
    EXPECT_TRUE(r.fs.files.empty());   // no run log

    // The end of input just continues.
    Session e;
    EXPECT_EQ(e.run({"/?"}), 1);
    EXPECT_EQ(e.console.str(), out);
}

TEST(RunLoop, StartFailuresAbortWithExitCodeOne) {
    Session r;
    r.platform.has_current_dir = false;
    EXPECT_EQ(r.run({"a.csv"}), 1);
    EXPECT_EQ(r.console.str(), " Error calling fullpath()");
    EXPECT_TRUE(r.fs.files.empty());

    Session l;
    ReadOnlyFileSystem ro;
    EXPECT_EQ(l.run({"a.csv"}, &ro), 1);
    EXPECT_EQ(l.console.str(),
              "Quillplot started in /work/ at 10:00:00 on 12/06/26\n"
              "qplotlog.htm can not open\nQuillplot aborted\n");
}

TEST(RunLoop, RunLogThatCannotBeWrittenMakesTheExitCodeOne) {
    Session r;
    r.fs.unwritable[kLogPath] = true;
    EXPECT_EQ(r.run({}), 1);
    EXPECT_EQ(r.console.str(),
              kStartConsole + "File /work/qplot.qpj does not found\n" + kEndConsole);
}

TEST(RunLoop, MessageFileReplacesRunLogTextsOnly) {
    Session r;
    r.fs.files["/prog/qplotmsg.htm"] =
        "<html>\r\n<body>\r\n1:Fehler<br>\r\n2:Datei<br>\r\n18:nicht gefunden<br>\r\n</body>";
    EXPECT_EQ(r.run({"x.qpj", "x.txt"}), 0);
    EXPECT_EQ(r.console.str(), "Quillplot started in /work/ at 10:00:00 on 12/06/26\n"
                               "Log file is /work/qplotlog.htm\n"
                               "Messages are inputted from /prog/qplotmsg.htm\n"
                               "File x.qpj does not found\n" +
                                   kEndConsole);
    EXPECT_EQ(r.log(), "<html>\n<body>\n" + r.started_log("qplot.exe x.qpj x.txt ") +
                           "Input from x.qpj<br>\n" +
                           "<font color='red'>Datei x.qpj does not found</font><br>\n" +
                           "<font color='red'>Fehler: x.txt invalid file extension</font><br>\n" +
                           kEndLog);
}

TEST(RunLoop, InvalidMessageFileFallsBackToBuiltInTexts) {
    Session r;
    r.fs.files["/prog/qplotmsg.htm"] = "<html><b><body>2:Datei<br></body></html>";
    EXPECT_EQ(r.run({"x.qpj"}), 0);
    EXPECT_EQ(r.console.str(), "Quillplot started in /work/ at 10:00:00 on 12/06/26\n"
                               "Log file is /work/qplotlog.htm\n"
                               "Messages are inputted from /prog/qplotmsg.htm\n"
                               "Errors are found in file /prog/qplotmsg.htm. File does not used.\n"
                               "File x.qpj does not found\n" +
                                   kEndConsole);
    EXPECT_EQ(r.log(), kHead + r.started_log("qplot.exe x.qpj ") + "Input from x.qpj<br>\n" +
                           "<font color='red'>File x.qpj does not found</font><br>\n" + kEndLog);
}

TEST(RunLoop, NamesLongerThanAPathAreRefused) {
    const std::string longest(255, 'n');   // with ".csv": 259 characters
    Session r;
    r.fs.files["j.qpj"] = "d\no\n" + longest + ".csv\n";
    r.fs.files["d/" + longest + ".csv"] = kGoodChart;
    EXPECT_EQ(r.run({longest + "x.csv", "j.qpj"}), 0);
    const std::string too_long = longest + "x.csv";
    const std::string joined = "d/" + longest + ".csv";
    EXPECT_EQ(r.console.str(), kStartConsole + "Input from " + too_long + "\n" + "File " +
                                   too_long + ": Wrong name length\n" +
                                   "Input data is placed in d/\nOutput data will be placed into o/\n" +
                                   "Input from " + joined + "\n" + "File " + joined +
                                   ": Wrong name length\n" + kEndConsole);
    EXPECT_NE(r.log().find("Input from " + too_long + "<br>\n<font color='red'>File " + too_long +
                           ": Wrong name length</font><br>\n"),
              std::string::npos);

    // An argument of exactly 259 characters is opened.
    Session ok;
    ok.fs.files[longest + ".csv"] = kGoodChart;
    EXPECT_EQ(ok.run({longest + ".csv"}), 0);
    EXPECT_NE(ok.console.str().find("\aFile " + longest + ".csv OK\n"), std::string::npos);

    // A directory line too long for a path abandons the job file.
    Session d;
    d.fs.files["j.qpj"] = std::string(259, 'd') + "\no\na.csv\n";
    EXPECT_EQ(d.run({"j.qpj"}), 0);
    EXPECT_EQ(d.console.str(),
              kStartConsole + "File " + std::string(259, 'd') + ": Wrong name length\n" + kEndConsole);
}

}  // namespace
}  // namespace qp
