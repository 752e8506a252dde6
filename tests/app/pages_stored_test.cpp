// Whole runs whose pages cannot all be stored, or are named like the run's
// own files: old pages stay, nothing is announced that was not stored, no
// input is replaced, and heading and ending files go to the page in pieces.
#include <gtest/gtest.h>

#include <algorithm>

#include "support/render_test_support.h"
#include "support/run_session.h"

namespace qp {
namespace {

using test::count_of;
using test::Session;

const std::string kChart = "D1;L;;;;;;1;2\n";

// A memory file system whose pages named in `failing_close` take every
// write but fail at their close (a device that reports a full disk late),
// and which records the largest single write.
struct LateFailures : MemoryFileSystem {
    std::map<std::string, bool> failing_close;
    std::size_t largest_write = 0;

    std::unique_ptr<OutputFile> open_write(const std::string& path) override {
        return std::make_unique<Recorder>(*this, MemoryFileSystem::open_write(path), failing_close[path]);
    }
    struct Recorder : OutputFile {
        Recorder(LateFailures& fs, std::unique_ptr<OutputFile> file, bool fails)
            : fs_(fs), file_(std::move(file)), fails_(fails) {}
        bool write(std::string_view bytes) override {
            fs_.largest_write = std::max(fs_.largest_write, bytes.size());
            return file_->write(bytes);
        }
        bool close() override { return !fails_ && file_->close(); }
        LateFailures& fs_;
        std::unique_ptr<OutputFile> file_;
        bool fails_;
    };
};

TEST(PagesStored, APageNotStoredKeepsItsContentAndBlamesNoInput) {
    Session r;
    r.fs.files["a.csv"] = "AREA;;;;;;;;p.htm\n" + kChart + "AREA;;;;;;;;q.htm\n" + kChart;
    r.fs.files["p.htm"] = "the good page";
    r.fs.unwritable["p.htm"] = true;
    EXPECT_EQ(r.run({"a.csv"}), 1);
    EXPECT_EQ(r.fs.files["p.htm"], "the good page");   // no error page, no empty page
    // The file's next chart is drawn as usual.
    EXPECT_EQ(count_of(r.fs.files["q.htm"], "</body></html>"), 1);
    EXPECT_EQ(count_of(r.fs.files["q.htm"], "<v:group"), 1);
    EXPECT_EQ(r.console.str(), test::kStartConsole + "Input from a.csv\nFile p.htm does not generated\n"
                                   "Errors are found in file a.csv\n" + test::kEndConsole);
    EXPECT_EQ(count_of(r.log(), "File p.htm is generated"), 0);
    EXPECT_EQ(count_of(r.log(), "File q.htm is generated"), 1);
}

TEST(PagesStored, ASharedPageIsAnnouncedOnlyOnceStored) {
    LateFailures fs;
    Session r;
    fs.files["s.csv"] = "AREA\n" + kChart + "AREA\n" + kChart;
    fs.files["s.htm"] = "the good page";
    fs.failing_close["s.htm"] = true;
    EXPECT_EQ(r.run({"s.csv"}, &fs), 1);
    const std::string& log = fs.files["/work/qplotlog.htm"];
    EXPECT_EQ(count_of(log, "is generated"), 0);
    EXPECT_EQ(count_of(log, "File s.htm does not generated"), 1);
    EXPECT_EQ(fs.files["s.htm"], "the good page");
    // Stored: every chart of the page announced where it was drawn.
    fs.failing_close.clear();
    EXPECT_EQ(r.run({"s.csv"}, &fs), 0);
    EXPECT_EQ(count_of(fs.files["/work/qplotlog.htm"], "File s.htm is generated<br>\n"), 2);
}

TEST(PagesStored, NoPageReplacesAFileOfTheRun) {
    Session r;
    r.fs.files["j.qpj"] = "in\nout\na.csv\nb.csv\nc.csv\nd.csv\n";
    r.fs.files["in/a.csv"] = "AREA;;;;;;;;in\\b.csv\n" + kChart;   // a later input of the job
    r.fs.files["in/b.csv"] = "AREA;;;;;;;;same.htm\n" + kChart;
    r.fs.files["in/c.csv"] = "AREA;;;;;;;st.csv;p.htm;h.htm;e.htm\n" + kChart +
                             "AREA;;;;;;;;in\\st.csv\n" + kChart + "AREA;;;;;;;;h.htm\n" + kChart +
                             "AREA;;;;;;;;e.htm\n" + kChart + "AREA;;;;;;;;\\work\\qplotlog.htm\n" +
                             kChart + "AREA;;;;;;;;\\prog\\qplotmsg.htm\n" + kChart +
                             "AREA;;;;;;;;j.qpj\n" + kChart;
    r.fs.files["in/d.csv"] = "AREA;;;;;;;;same.htm\n" + kChart;
    r.fs.files["in/st.csv"] = "PLOT;1;1\n";
    r.fs.files["h.htm"] = "<html><body>";
    r.fs.files["e.htm"] = "</body></html>";
    r.fs.files["/prog/qplotmsg.htm"] = "<html><body>1:File<br></body></html>";
    const auto inputs = r.fs.files;
    EXPECT_EQ(r.run({"j.qpj"}), 1);
    for (const auto& [name, text] : inputs) EXPECT_EQ(r.fs.files[name], text) << name;
    const std::string read = ": can not be opened: this run reads that file\n";
    EXPECT_EQ(r.errors.str(), "in\\b.csv" + read + "in\\b.csv" + read + "in\\st.csv" + read + "in\\st.csv" + read +
                                  "h.htm" + read + "e.htm" + read + "\\work\\qplotlog.htm: can not be opened: the run "
                                  "log is written there\n\\prog\\qplotmsg.htm" + read + "j.qpj" + read);
    EXPECT_EQ(count_of(r.console.str(), ": can not be opened\n"), 9);
    EXPECT_EQ(count_of(r.log(), ": can not be opened</font>"), 9);
    EXPECT_EQ(count_of(r.console.str(), "Errors are found in file in/"), 2);
    // A later chart replaces a page the run wrote earlier.
    EXPECT_EQ(count_of(r.log(), "File same.htm is generated"), 2);
}

TEST(PagesStored, HeadingAndEndingFilesGoToThePageInPieces) {
    LateFailures fs;
    Session r;
    const std::string big(3 << 20, 'h');
    // A line end whose carriage return ends one piece read and whose line
    // feed begins the next is one line end.
    fs.files["h.htm"] = big + std::string(4095 - big.size() % 4096, 'x') + "\r\n<body>\r\n";
    fs.files["e.htm"] = std::string(4095, 'e') + "\r\n" + big;
    fs.files["a.csv"] = "AREA;;;;;;;;p.htm;h.htm;e.htm\n" + kChart;
    EXPECT_EQ(r.run({"a.csv"}, &fs), 0);
    const std::string& page = fs.files["p.htm"];
    EXPECT_EQ(page.find('\r'), std::string::npos);
    EXPECT_EQ(page.rfind(big, 0), 0u);
    EXPECT_EQ(count_of(page, "x\n<body>\n"), 1);
    EXPECT_EQ(count_of(page, "e\n" + big), 1);
    EXPECT_LT(fs.largest_write, std::size_t{2} << 20);
}

}  // namespace
}  // namespace qp
