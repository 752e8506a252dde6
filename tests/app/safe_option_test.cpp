// --safe, for chart files from others: texts shown as text in both page
// formats, and every link, font name and file name that could do harm
// refused as an input error at the character that does it.
#include <gtest/gtest.h>

#include "support/run_session.h"

namespace qp::test {
namespace {

const std::string kSeries = "D1;L1;2;red;;Sales;;1;2;3;\n";

struct SafeRun {
    Session s;
    int code = 0;
    SafeRun(const std::string& chart, bool svg, bool safe = true) {
        s.fs.files["a.csv"] = chart;
        std::vector<std::string> args{"a.csv"};
        if (svg) args.push_back("--svg");
        if (safe) args.push_back("--safe");
        code = s.run(args);
    }
    std::string log() { return s.log(); }
    std::string page(const std::string& name = "a.htm") { return s.fs.files[name]; }
};

TEST(SafeOption, TextsAreShownAsTextInBothFormats) {
    const std::string chart = "AREA;0;0;300;200;white;c\nTITLE;;;;;;T<b>b</b><script>alert(1)</script>\n"
                              "X;;;;;;;;c<i>x</i>;;<u>&lt;</u>;\n"
                              "D1;L1;2;red;;<img src=x onerror=alert(1)>;;1;2;\n";
    for (const bool svg : {false, true}) {
        SCOPED_TRACE(svg ? "svg" : "vml");
        SafeRun safe(chart, svg);
        EXPECT_EQ(safe.code, 0) << safe.log();
        const std::string page = safe.page();
        for (const char* live : {"<b>", "<script", "<img", "<i>", "<u>", "<tspan font-weight"}) {
            EXPECT_FALSE(has(page, live)) << live << "\n" << page;
        }
        EXPECT_TRUE(has(page, "T&lt;b&gt;b&lt;/b&gt;&lt;script&gt;alert(1)&lt;/script&gt;")) << page;
        EXPECT_TRUE(has(page, "&lt;u&gt;&amp;lt")) << page;

        // Without the option markup in the texts keeps working.
        SafeRun plain(chart, svg, false);
        EXPECT_EQ(plain.code, 0);
        EXPECT_TRUE(has(plain.page(), svg ? "font-weight=\"bold\"" : "T<b>b</b>")) << plain.page();
    }
}

// Each refused link: the record is reported with "Wrong symbol" at the
// ":" of a scheme not allowed, or at an "&" before the scheme ends.
TEST(SafeOption, LinksOtherThanHttpHttpsMailtoOrRelativeAreRefused) {
    const std::string refused[][4] = {   // the link; its echo before, at and after the mark
        {"javascript:alert(1)", "javascript", ":", "alert(1)"},
        {" JaVaScRiPt:alert(1)", " JaVaScRiPt", ":", "alert(1)"},
        {"\tjava\tscript:x", "\tjava\tscript", ":", "x"},
        {"vbscript:msgbox", "vbscript", ":", "msgbox"},
        {"data:text/html,<b>", "data", ":", "text/html,&lt;b&gt;"},
        {"file:///etc/passwd", "file", ":", "///etc/passwd"},
        {"javascript&#58;alert(1)", "javascript", "&amp;", "#58;alert(1)"},
        {"ftp://a", "ftp", ":", "//a"},
    };
    for (const bool svg : {false, true}) {
        for (const auto& [link, before, at, after] : refused) {
            SCOPED_TRACE(link);
            SafeRun r("D1;L1;2;red;;Sales;" + link + ";1;2;3;\n", svg);
            EXPECT_EQ(r.code, 1);
            EXPECT_TRUE(has(r.log(), kRed + "Line 1:</font> <font color='black'>D1;L1;2;red;;Sales;</font><font "
                                     "color='black'>" + before + "</font><font color='red' size='5'>" + at +
                                     "</font><font color='black'>" + after + ";1;2;3;</font><br>\n" + kRed +
                                     "Wrong symbol</font><br>\n")) << r.log();
            EXPECT_TRUE(has(r.s.errors.str(), "a.csv:1:")) << r.s.errors.str();
            EXPECT_TRUE(has(r.page(), "ERRORS in a.csv")) << "an error page";
        }
        for (const std::string link : {"http://a.example/b", "HTTPS://a.example", "mailto:a@b.example",
                                        "page.htm", "sub/p.htm?x=a:b&y=1", "#top", " http://x", "http:x"}) {
            SCOPED_TRACE(link);
            SafeRun r("D1;L1;2;red;;Sales;" + link + ";1;2;3;\n", svg);
            EXPECT_EQ(r.code, 0) << r.log();
        }
    }
    // Without the option a link is written as the chart gives it.
    SafeRun plain("D1;L1;2;red;;Sales;javascript:x;1;2;3;\n", false, false);
    EXPECT_EQ(plain.code, 0);
    EXPECT_TRUE(has(plain.page(), "href='javascript:x'"));
}

TEST(SafeOption, FontNamesHoldOnlyLettersDigitsBlanksHyphensAndCommas) {
    for (const bool svg : {false, true}) {
        SafeRun good("TITLE;18;Times New Roman, serif-1;black;;;T\n" + kSeries, svg);
        EXPECT_EQ(good.code, 0) << good.log();
        for (const std::string font : {"Ari'al", "A\"b", "x:expression(alert(1))", "a}b{"}) {
            SCOPED_TRACE(font);
            SafeRun r("TITLE;18;" + font + ";black;;;T\n" + kSeries, svg);
            EXPECT_EQ(r.code, 1);
            EXPECT_TRUE(has(r.log(), "<font color='red'>Wrong symbol</font>")) << r.log();
        }
        // The same rule for every font field.
        for (const std::string rec : {"X;;;;A'b;", "Y1;;;;;;;;;A'b;", "LEGEND;;;;;;;;;A'b;"}) {
            SCOPED_TRACE(rec);
            SafeRun r(rec + "\n" + kSeries, svg);
            EXPECT_TRUE(has(r.log(), "Wrong symbol")) << r.log();
        }
    }
    // A hand-derived echo: the quote is marked.
    SafeRun r("TITLE;18;Ari'al;black;;;T\n" + kSeries, false);
    EXPECT_TRUE(has(r.log(), "<font color='red'>Line 1:</font> <font color='black'>TITLE;18;</font>"
                             "<font color='black'>Ari</font><font color='red' size='5'>&#39;</font>"
                             "<font color='black'>al;black;;;T</font><br>\n"))
        << r.log();
    SafeRun plain("TITLE;18;Ari'al;black;;;T\n" + kSeries, false, false);
    EXPECT_EQ(plain.code, 0);
}

// Stencil, output, heading and ending names stay inside the job's
// directories: no separator at the start, no drive, no ".." part.
TEST(SafeOption, FileNamesStayInsideTheJobsDirectories) {
    const std::string fields[] = {"AREA;;;;;;;", "AREA;;;;;;;;", "AREA;;;;;;;;p.htm;",
                                  "AREA;;;;;;;;p.htm;;"};
    for (const bool svg : {false, true}) {
        for (const std::string& lead : fields) {
            for (const std::string name : {"..\\x.htm", "a\\..\\..\\x.htm", "\\etc\\x.htm",
                                           "\\\\server\\x.htm", "C:x.htm", "c:\\x.htm", "..",
                                           "sub\\..\\x.htm"}) {
                SCOPED_TRACE(lead + name);
                SafeRun r(lead + name + "\n" + kSeries, svg);
                EXPECT_EQ(r.code, 1);
                EXPECT_TRUE(has(r.log(), "<font color='red'>Wrong symbol</font>")) << r.log();
                for (const auto& [file, bytes] : r.s.fs.files) {
                    EXPECT_TRUE(file == "a.csv" || file == "a.htm" || file == "p.htm" ||
                                file == "/work/qplotlog.htm")
                        << file;
                }
            }
        }
    }
    // The second "." of a ".." part is marked.
    SafeRun r("AREA;;;;;;;;..\\x.htm\n" + kSeries, false);
    EXPECT_TRUE(has(r.log(), "<font color='red'>Line 1:</font> <font color='black'>AREA;;;;;;;;"
                             "</font><font color='black'>.</font><font color='red' size='5'>.</font>"
                             "<font color='black'>\\x.htm</font><br>\n"))
        << r.log();
    // Names inside the directories are taken.
    SafeRun sub("AREA;;;;;;;;sub\\p.htm\n" + kSeries, false);
    SafeRun dots("AREA;;;;;;;;.\\a..b.htm\n" + kSeries, false);
    EXPECT_EQ(sub.code, 0) << sub.log();
    EXPECT_EQ(dots.code, 0) << dots.log();
    // Without the option a name leading outside is taken as the chart gives it.
    SafeRun plain("AREA;;;;;;;;..\\x.htm\n" + kSeries, false, false);
    EXPECT_EQ(plain.code, 0) << plain.log();
}

// Ids were never more than letters, digits and "_": a hostile one is
// refused with or without the option.
TEST(SafeOption, HostileIdsAreRefusedAnyway) {
    for (const bool safe : {false, true}) {
        SafeRun r("AREA;;;;;;a'onmouseover=alert(1)\n" + kSeries, false, safe);
        EXPECT_EQ(r.code, 1);
        EXPECT_FALSE(has(r.page(), "onmouseover")) << r.page();
    }
}

}  // namespace
}  // namespace qp::test
