#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "chart_file.h"
#include "chart_state.h"
#include "file_system.h"
#include "run/error_page.h"
#include "run_context.h"

namespace qp {
namespace {

// A memory file system on which some pages cannot be created.
class RefusingFileSystem : public MemoryFileSystem {
public:
    std::set<std::string> refused;
    std::unique_ptr<OutputFile> open_write(const std::string& path) override {
        if (refused.count(path) != 0) return nullptr;
        return MemoryFileSystem::open_write(path);
    }
};

struct FileRun {
    RefusingFileSystem fs;
    std::ostringstream console;
    std::istringstream keyboard;
    RunContext run{fs, console, keyboard};
    ChartState st;

    int process(const std::string& chart_name, const std::string& text) {
        run.chart_name = chart_name;
        run.file_error = 0;
        process_chart_file(st, run, text);
        return run.file_error;
    }
    const std::string& log() const { return run.log.pending(); }
    std::string page(const std::string& name) const {
        auto it = fs.files.find(name);
        return it == fs.files.end() ? std::string("<missing>") : it->second;
    }
};

int count(const std::string& text, const std::string& part) {
    int n = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

bool ends_with(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

const std::string kEndOfPage = "</body></html>";

// The error page's heading, written out from its lines.
std::string error_heading(const std::string& title) {
    std::string h = "<html>\n<xml:namespace prefix=\"v\"/>\n";
    if (!title.empty()) h += "<title>" + title + "</title>\n";
    h += "<head><META Name=\"Generator\" Content=\"Quillplot\"></head>\n"
         "<style>\n"
         "v\\:* {behavior=url(#default#VML)}\n"
         "</style>\n"
         "<body>\n";
    return h;
}

// The error page's box for a 400 by 400 area placed at (left, top).
std::string error_box(int left, int top, const std::string& chart) {
    std::string div = top == -1
        ? "<div style='position:relative;left:" + std::to_string(left) + "px'>\n"
        : "<div style='position:absolute;top:" + std::to_string(top) + "px;left:" +
              std::to_string(left) + "px'>\n";
    return div +
           "<v:group style='antialias:false;width:400px;height:400px' coordsize='400,400'>\n"
           "<v:roundrect arcsize='0' fillcolor='red' strokecolor='blue' strokeweight='1px' "
           "style='position:absolute;top:1px;left:1px;width:398px;height:398px' >\n"
           "</v:roundrect>\n"
           "<v:shape style='position:absolute;top:2;left:2;text-align:center;width:396;"
           "height:396;font:normal normal bold 16 Arial;color:white;background:red' >\n"
           "<v:textbox/>ERRORS in " + chart + "</v:textbox/>\n"
           "</v:shape>\n"
           "</v:group></div>\n";
}

TEST(ChartFile, DefaultPageNames) {
    MemoryFileSystem fs;
    std::ostringstream console;
    std::istringstream keyboard;
    RunContext run(fs, console, keyboard);
    const struct {
        const char* dir;
        const char* chart;
        const char* page;
    } cases[] = {
        {"", "sales.csv", "sales.htm"},
        {"", "a.b.csv", "a.b.htm"},
        {"", "sales", "sales.htm"},
        {"", "report.", "report.htm"},
        {"out\\", "sales.CSV", "out\\sales.htm"},
        {"", "charts\\2024\\sales.csv", "charts\\2024\\sales.htm"},
        {"", ".csv", ".csv.htm"},                         // a leading "." does not count
        {"", "..\\data\\sales", "..\\data\\sales.htm"},   // nor a "." of a directory
        {"", "v1.2/sales", "v1.2/sales.htm"},
    };
    for (const auto& c : cases) {
        run.output_dir = c.dir;
        run.chart_name = c.chart;
        EXPECT_EQ(default_page_name(run), c.page) << c.chart;
    }
}

TEST(ChartFile, ErrorPageTakesItsSizeFromTheArea) {
    std::string small;
    append_error_page(small, AreaPlace{5, -1, 100, 60}, ErrorPageHeading{}, "Sales", "t.csv");
    EXPECT_EQ(small,
              "<div style='position:relative;left:5px'>\n"
              "<v:group style='antialias:false;width:100px;height:60px' coordsize='100,60'>\n"
              "<v:roundrect arcsize='0' fillcolor='red' strokecolor='blue' strokeweight='1px' "
              "style='position:absolute;top:1px;left:1px;width:98px;height:58px' >\n"
              "</v:roundrect>\n"
              "<v:shape style='position:absolute;top:2;left:2;text-align:center;width:96;"
              "height:56;font:normal normal bold 16 Arial;color:white;background:red' >\n"
              "<v:textbox/>ERRORS in t.csv</v:textbox/>\n"
              "</v:shape>\n"
              "</v:group></div>\n");
}

TEST(ChartFile, FileWithoutAreaGetsOneOwnPageUnderTheDefaultName) {
    FileRun r;
    EXPECT_EQ(r.process("sales.csv", "D1;L;;;;;;1;2;3\n"), 0);
    const std::string page = r.page("sales.htm");
    EXPECT_EQ(page.rfind("<html>\n", 0), 0u);
    EXPECT_TRUE(ends_with(page, kEndOfPage));
    EXPECT_EQ(count(page, kEndOfPage), 1);
    EXPECT_EQ(r.log(), "File sales.htm is generated<br>\n");
}

TEST(ChartFile, ChartsOfAFileWithoutOutputNameShareOnePage) {
    FileRun r;
    EXPECT_EQ(r.process("three.csv",
                        "AREA;10;10\nD1;L;;;;;;1;2\n"
                        "AREA;10;500\nD1;L;;;;;;3;4\n"
                        "AREA;10;900\nD1;L;;;;;;5;6\n"),
              0);
    const std::string page = r.page("three.htm");
    EXPECT_EQ(count(page, "<html>"), 1);
    EXPECT_EQ(count(page, "position:absolute;top:10px;left:10px"), 1);
    EXPECT_EQ(count(page, "position:absolute;top:500px;left:10px"), 1);
    EXPECT_EQ(count(page, "position:absolute;top:900px;left:10px"), 1);
    EXPECT_EQ(count(page, kEndOfPage), 1);
    EXPECT_TRUE(ends_with(page, kEndOfPage));
    EXPECT_EQ(r.log(), "File three.htm is generated<br>\n"
                       "File three.htm is generated<br>\n"
                       "File three.htm is generated<br>\n");
    EXPECT_EQ(r.fs.files.size(), 1u);
}

TEST(ChartFile, NamedOutputsGiveEveryChartItsOwnPage) {
    FileRun r;
    EXPECT_EQ(r.process("own.csv",
                        "AREA;;;;;;;;a.htm\nD1;L;;;;;;1;2\n"
                        "AREA;;;;;;;;b.htm\nD1;L;;;;;;3;4\n"),
              0);
    for (const char* name : {"a.htm", "b.htm"}) {
        const std::string page = r.page(name);
        EXPECT_EQ(page.rfind("<html>\n", 0), 0u) << name;
        EXPECT_EQ(count(page, "<html>"), 1) << name;
        EXPECT_EQ(count(page, kEndOfPage), 1) << name;
        EXPECT_TRUE(ends_with(page, kEndOfPage)) << name;
    }
    EXPECT_EQ(r.page("own.htm"), "<missing>");
    EXPECT_EQ(r.log(), "File a.htm is generated<br>\nFile b.htm is generated<br>\n");
}

TEST(ChartFile, AnErrorTurnsThatChartAndEveryLaterOneIntoErrorPages) {
    FileRun r;
    EXPECT_EQ(r.process("mix.csv",
                        "AREA;10;10\nD1;L;;;;;;1;2\n"
                        "AREA;20;500\n#bad line\nD1;L;;;;;;3;4\n"
                        "AREA;30;900\nD1;L;;;;;;5;6\n"),
              1);
    const std::string page = r.page("mix.htm");
    EXPECT_EQ(count(page, "<html>"), 1);
    EXPECT_EQ(count(page, "position:absolute;top:10px;left:10px"), 1);
    EXPECT_TRUE(ends_with(page, error_box(20, 500, "mix.csv") + error_box(30, 900, "mix.csv") +
                                    kEndOfPage));
    EXPECT_EQ(count(r.log(), "is generated"), 1);
}

TEST(ChartFile, AnErrorInTheFirstOfNamedChartsReplacesEachPage) {
    FileRun r;
    EXPECT_EQ(r.process("named.csv",
                        "AREA;;;;;;;;first.htm\nTITLE;;;;;;Sales\n"
                        "#bad line\nD1;L;;;;;;1\n"
                        "AREA;7;8;;;;;;second.htm\nD1;L;;;;;;1\n"),
              1);
    EXPECT_EQ(r.page("first.htm"),
              error_heading("Sales") + error_box(0, -1, "named.csv") + kEndOfPage);
    EXPECT_EQ(r.page("second.htm"), error_heading("") + error_box(7, 8, "named.csv") + kEndOfPage);
    EXPECT_EQ(count(r.log(), "is generated"), 0);
}

TEST(ChartFile, ErrorPageOfASharedFirstChartHasNoTitleLine) {
    FileRun r;
    EXPECT_EQ(r.process("t.csv", "TITLE;;;;;;Sales\n#bad line\n"), 1);
    // Without an AREA record the chart has its own page: the title line stays.
    EXPECT_EQ(r.page("t.htm"), error_heading("Sales") + error_box(0, -1, "t.csv") + kEndOfPage);

    FileRun shared;
    EXPECT_EQ(shared.process("u.csv", "AREA;3\nTITLE;;;;;;Sales\n#bad line\n"), 1);
    EXPECT_EQ(shared.page("u.htm"), error_heading("") + error_box(3, -1, "u.csv") + kEndOfPage);
}

TEST(ChartFile, EndingFileIsCopiedInPlaceOfThePageEnd) {
    FileRun r;
    r.fs.files["end.htm"] = "<p>bye</p>\r\n</body></html>\r\n";
    EXPECT_EQ(r.process("e.csv", "AREA;;;;;;;;p.htm;;end.htm\nD1;L;;;;;;1;2\n"), 0);
    const std::string page = r.page("p.htm");
    EXPECT_TRUE(ends_with(page, "</v:group></div>\n<p>bye</p>\n</body></html>\n"));
    EXPECT_EQ(count(page, kEndOfPage), 1);
    EXPECT_EQ(r.log(), "Ending file is end.htm<br>\nFile p.htm is generated<br>\n");

    // A shared page whose last chart names an ending file gets no page end
    // of its own.
    FileRun shared;
    shared.fs.files["end.htm"] = "<p>bye</p>\n";
    EXPECT_EQ(shared.process("s.csv", "AREA\nD1;L;;;;;;1\nAREA;;;;;;;;;;end.htm\nD1;L;;;;;;2\n"), 0);
    EXPECT_TRUE(ends_with(shared.page("s.htm"), "</v:group></div>\n<p>bye</p>\n"));
    EXPECT_EQ(count(shared.page("s.htm"), kEndOfPage), 0);
}

TEST(ChartFile, MissingEndingFileGivesAnErrorPage) {
    FileRun r;
    EXPECT_EQ(r.process("e.csv", "AREA;;;;;;;;p.htm;;end.htm\nD1;L;;;;;;1;2\n"), 1);
    EXPECT_EQ(r.log(), "<font color='red'>File end.htm does not found</font><br>\n");
    EXPECT_EQ(r.page("p.htm"), error_heading("") + error_box(0, -1, "e.csv") + kEndOfPage);
}

TEST(ChartFile, MissingHeadingFileIsNotAnnouncedAsGenerated) {
    FileRun r;
    EXPECT_EQ(r.process("h.csv", "AREA;;;;;;;;p.htm;head.htm\nD1;L;;;;;;1;2\n"), 1);
    EXPECT_EQ(count(r.log(), "is generated"), 0);
    EXPECT_EQ(count(r.log(), "<font color='red'>File head.htm does not found</font><br>\n"), 1);
    EXPECT_EQ(r.page("p.htm"), error_heading("") + error_box(0, -1, "h.csv") + kEndOfPage);
}

TEST(ChartFile, TwoFilesWithTheSameDefaultPageNameShareIt) {
    FileRun r;
    EXPECT_EQ(r.process("same.csv", "D1;L;;;;;;1;2\n"), 0);
    EXPECT_EQ(r.process("same.csv", "#bad line\n"), 1);
    EXPECT_EQ(r.page("same.htm"), error_heading("") + error_box(0, -1, "same.csv") + kEndOfPage);
}

TEST(ChartFile, PageThatCannotBeWrittenIsNotGenerated) {
    FileRun r;
    r.fs.unwritable["full.htm"] = true;
    EXPECT_EQ(r.process("w.csv", "AREA;;;;;;;;full.htm\nD1;L;;;;;;1;2\n"), 1);
    EXPECT_EQ(r.console.str(), "File full.htm does not generated\n");
    EXPECT_EQ(r.log(), "<font color='red'>File full.htm does not generated</font><br>\n");

    // The same for a shared page.
    FileRun shared;
    shared.fs.unwritable["w.htm"] = true;
    EXPECT_EQ(shared.process("w.csv", "AREA\nD1;L;;;;;;1\nAREA\nD1;L;;;;;;2\n"), 1);
    EXPECT_EQ(shared.log(), "<font color='red'>File w.htm does not generated</font><br>\n");
}

TEST(ChartFile, PageThatCannotBeOpenedIsReportedForTheChartAndItsErrorPage) {
    FileRun r;
    r.fs.refused.insert("p.htm");
    EXPECT_EQ(r.process("o.csv", "AREA;;;;;;;;p.htm\nD1;L;;;;;;1;2\n"), 1);
    EXPECT_EQ(r.console.str(), "File p.htm: can not be opened\nFile p.htm: can not be opened\n");
    EXPECT_EQ(r.log(), "<font color='red'>File p.htm: can not be opened</font><br>\n"
                       "<font color='red'>File p.htm: can not be opened</font><br>\n");
}

TEST(ChartFile, OverlongPageNameIsRefused) {
    FileRun r;
    r.run.output_dir = std::string(256, 'd') + "\\";
    EXPECT_EQ(r.process("x.csv", "D1;L;;;;;;1\n"), 1);
    const std::string name = r.run.output_dir + "x.htm";
    EXPECT_EQ(count(r.console.str(), "File " + name + ": Wrong name length\n"), 2);
    EXPECT_EQ(count(r.log(), "<font color='red'>File " + name + ": Wrong name length</font><br>\n"), 2);
    EXPECT_TRUE(r.fs.files.empty());
}

}  // namespace
}  // namespace qp
