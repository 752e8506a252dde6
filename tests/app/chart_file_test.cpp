// One chart description file into its pages: page names, own and shared
// pages, error pages, heading and ending files, pages that fail.
#include <gtest/gtest.h>

#include <tuple>

#include "support/render_test_support.h"
#include "support/run_session.h"

namespace qp {
namespace {

using test::count_of;

struct FileRun {
    MemoryFileSystem fs;
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
    std::string page(const std::string& name) { return fs.files[name]; }
};

const std::string kEnd = "</body></html>";

// A page that starts with the page heading and ends with one page end.
void expect_whole_page(const std::string& page) {
    EXPECT_EQ(page.rfind("<html>\n", 0), 0u);
    EXPECT_EQ(count_of(page, "<html>"), 1);
    EXPECT_EQ(count_of(page, kEnd), 1);
    EXPECT_EQ(page.rfind(kEnd), page.size() - kEnd.size());
}

// The error page's heading, written out from its lines.
std::string error_heading(const std::string& title) {
    return "<html>\n<xml:namespace prefix=\"v\"/>\n" +
           (title.empty() ? "" : "<title>" + title + "</title>\n") +
           "<head><META Name=\"Generator\" Content=\"Quillplot\"></head>\n<style>\n"
           "v\\:* {behavior=url(#default#VML)}\n</style>\n<body>\n";
}

// The error page's box for an area of w by h placed at (left, top).
std::string error_box(int left, int top, const std::string& chart, int w = 400, int h = 400) {
    auto n = [](int v) { return std::to_string(v); };
    return (top == -1 ? "<div style='position:relative;left:" + n(left) + "px'>\n"
                      : "<div style='position:absolute;top:" + n(top) + "px;left:" + n(left) + "px'>\n") +
           "<v:group style='antialias:false;width:" + n(w) + "px;height:" + n(h) + "px' coordsize='" +
           n(w) + "," + n(h) + "'>\n<v:roundrect arcsize='0' fillcolor='red' strokecolor='blue' "
           "strokeweight='1px' style='position:absolute;top:1px;left:1px;width:" + n(w - 2) +
           "px;height:" + n(h - 2) + "px' >\n</v:roundrect>\n<v:shape style='position:absolute;top:2;"
           "left:2;text-align:center;width:" + n(w - 4) + ";height:" + n(h - 4) +
           ";font:normal normal bold 16 Arial;color:white;background:red' >\n"
           "<v:textbox/>ERRORS in " + chart + "</v:textbox/>\n</v:shape>\n</v:group></div>\n";
}

TEST(ChartFile, DefaultPageNames) {
    // A leading "." does not count, nor the "." of a directory.
    FileRun r;
    for (auto [dir, chart, page] : {std::tuple{"", "a.b.csv", "a.b.htm"}, {"", "report.", "report.htm"},
                                    {"out\\", "s.CSV", "out\\s.htm"}, {"", ".csv", ".csv.htm"},
                                    {"", "..\\data\\s", "..\\data\\s.htm"}, {"", "v1.2/s", "v1.2/s.htm"}}) {
        r.run.output_dir = dir;
        r.run.chart_name = chart;
        EXPECT_EQ(default_page_name(r.run), page) << chart;
    }
}

TEST(ChartFile, OwnAndSharedPages) {
    FileRun shared;
    EXPECT_EQ(shared.process("three.csv", "AREA;10;10\nD1;L;;;;;;1\nAREA;10;500\nD1;L;;;;;;3\n"
                                          "AREA;10;900\nD1;L;;;;;;5\n"), 0);
    const std::string page = shared.page("three.htm");
    expect_whole_page(page);
    for (const char* top : {"top:10px;left:10px", "top:500px;left:10px", "top:900px;left:10px"})
        EXPECT_EQ(count_of(page, top), 1) << top;
    EXPECT_EQ(shared.log(), "File three.htm is generated<br>\nFile three.htm is generated<br>\n"
                            "File three.htm is generated<br>\n");
    FileRun own;
    EXPECT_EQ(own.process("own.csv", "AREA;;;;;;;;a.htm\nD1;L;;;;;;1\nAREA;;;;;;;;b.htm\nD1;L;;;;;;3\n"), 0);
    expect_whole_page(own.page("a.htm"));
    expect_whole_page(own.page("b.htm"));
    EXPECT_EQ(own.fs.files.count("own.htm") + shared.fs.files.size(), 1u);
    EXPECT_EQ(own.log(), "File a.htm is generated<br>\nFile b.htm is generated<br>\n");
}

TEST(ChartFile, AnErrorTurnsThatChartAndEveryLaterOneIntoErrorPages) {
    FileRun r;   // the second of three shared charts
    EXPECT_EQ(r.process("mix.csv", "AREA;10;10\nD1;L;;;;;;1\nAREA;20;500\n#bad line\nD1;L;;;;;;3\n"
                                   "AREA;30;900\nD1;L;;;;;;5\n"), 1);
    const std::string page = r.page("mix.htm");
    EXPECT_EQ(count_of(page, "<html>") + count_of(page, "position:absolute;top:10px;left:10px"), 2);
    const std::string tail = error_box(20, 500, "mix.csv") + error_box(30, 900, "mix.csv") + kEnd;
    EXPECT_EQ(page.rfind(tail), page.size() - tail.size());
    EXPECT_EQ(count_of(r.log(), "is generated"), 1);
    // The first of named charts: each page holds its error page only.
    FileRun n;
    EXPECT_EQ(n.process("named.csv", "AREA;;;;;;;;first.htm\nTITLE;;;;;;Sales\n#bad line\n"
                                     "D1;L;;;;;;1\nAREA;7;8;;;;;;second.htm\nD1;L;;;;;;1\n"), 1);
    EXPECT_EQ(n.page("first.htm"), error_heading("Sales") + error_box(0, -1, "named.csv") + kEnd);
    EXPECT_EQ(n.page("second.htm"), error_heading("") + error_box(7, 8, "named.csv") + kEnd);
    EXPECT_EQ(count_of(n.log(), "is generated"), 0);
    // A shared first chart's error page has no title line and takes its
    // size from the area; a second file with the same default page name
    // replaces the page.
    FileRun s;
    EXPECT_EQ(s.process("u.csv", "AREA;3;;100;60\nTITLE;;;;;;Sales\n#bad line\n"), 1);
    EXPECT_EQ(s.page("u.htm"), error_heading("") + error_box(3, -1, "u.csv", 100, 60) + kEnd);
    EXPECT_EQ(s.process("u.csv", "TITLE;;;;;;T\n#bad line\n"), 1);
    EXPECT_EQ(s.page("u.htm"), error_heading("T") + error_box(0, -1, "u.csv") + kEnd);
}

// A value label of "-0" shows its sign.
TEST(ChartFile, MinusZeroValueLabel) {
    FileRun r;
    EXPECT_EQ(r.process("z.csv", "Y1;;;-1;1;0.25\nD1;V;;;;;;-0;0\n"), 0);
    const std::string page = r.page("z.htm");
    EXPECT_EQ(count_of(page, "<v:textbox/>-0.00</v:textbox/>\n"), 1);
    EXPECT_EQ(count_of(page, "<v:textbox/>0.00</v:textbox/>\n"), 1);
}

TEST(ChartFile, HeadingAndEndingFiles) {
    FileRun r;
    r.fs.files["end.htm"] = "<p>bye</p>\r\n</body></html>\r\n";
    EXPECT_EQ(r.process("e.csv", "AREA;;;;;;;;p.htm;;end.htm\nD1;L;;;;;;1;2\n"), 0);
    const std::string tail = "</v:group></div>\n<p>bye</p>\n</body></html>\n";
    EXPECT_EQ(r.page("p.htm").rfind(tail), r.page("p.htm").size() - tail.size());
    EXPECT_EQ(count_of(r.page("p.htm"), kEnd), 1);
    EXPECT_EQ(r.log(), "Ending file is end.htm<br>\nFile p.htm is generated<br>\n");
    // A shared page whose last chart names an ending file gets no page end.
    FileRun s;
    s.fs.files["end.htm"] = "<p>bye</p>\n";
    EXPECT_EQ(s.process("s.csv", "AREA\nD1;L;;;;;;1\nAREA;;;;;;;;;;end.htm\nD1;L;;;;;;2\n"), 0);
    EXPECT_EQ(s.page("s.htm").rfind("</v:group></div>\n<p>bye</p>\n"), s.page("s.htm").size() - 28);
    EXPECT_EQ(count_of(s.page("s.htm"), kEnd), 0);
    // Missing ending or heading file: an error page, no "is generated".
    for (const std::string name : {"end.htm", "head.htm"}) {
        FileRun m;
        const std::string fields = name == "end.htm" ? ";;end.htm" : ";head.htm";
        EXPECT_EQ(m.process("m.csv", "AREA;;;;;;;;p.htm" + fields + "\nD1;L;;;;;;1\n"), 1);
        EXPECT_EQ(m.log(), "<font color='red'>File " + name + " does not found</font><br>\n");
        EXPECT_EQ(m.page("p.htm"), error_heading("") + error_box(0, -1, "m.csv") + kEnd);
    }
}

TEST(ChartFile, PagesThatFail) {
    FileRun r;   // written incompletely: not generated
    r.fs.unwritable["full.htm"] = r.fs.unwritable["w.htm"] = true;
    EXPECT_EQ(r.process("w.csv", "AREA;;;;;;;;full.htm\nD1;L;;;;;;1;2\n"), 1);
    EXPECT_EQ(r.process("w.csv", "AREA\nD1;L;;;;;;1\nAREA\nD1;L;;;;;;2\n"), 1);
    EXPECT_EQ(r.console.str(), "File full.htm does not generated\nFile w.htm does not generated\n");
    EXPECT_EQ(r.log(), "<font color='red'>File full.htm does not generated</font><br>\n"
                       "<font color='red'>File w.htm does not generated</font><br>\n");
    // A page that cannot be opened: reported for the chart and its error page.
    test::ReadOnlyFileSystem refusing;
    RunContext run(refusing, r.console, r.keyboard);
    run.chart_name = "o.csv";
    process_chart_file(r.st, run, "AREA;;;;;;;;p.htm\nD1;L;;;;;;1;2\n");
    EXPECT_EQ(run.file_error, 1);
    EXPECT_EQ(run.log.pending(), "<font color='red'>File p.htm: can not be opened</font><br>\n"
                                 "<font color='red'>File p.htm: can not be opened</font><br>\n");
}

}  // namespace
}  // namespace qp
