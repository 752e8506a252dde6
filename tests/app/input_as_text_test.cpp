// The run log and the error page show what comes from input as text: file
// names, directories, the command line, echoed lines and titles have
// < > & " ' written as character references; the console keeps them.
#include <gtest/gtest.h>

#include "support/run_session.h"

namespace qp::test {
namespace {

TEST(InputAsText, FileNamesAndTheCommandLineInTheRunLog) {
    Session s;
    const std::string chart = "a<b>&'.csv";
    s.fs.files[chart] = "AREA;0;0;300;200;white;c;;p&'q.htm;h&'.htm;e&'.htm\n"
                        "D1;L1;2;red;;Sales;;1;2;3;\n";
    s.fs.files["h&'.htm"] = "<html><body>\n";
    s.fs.files["e&'.htm"] = "</body></html>\n";
    s.fs.files["j.qpj"] = "i<n\no&ut\nz\".csv\n";
    EXPECT_EQ(s.run({chart, "x<y>.txt", "m\"<.csv", "j.qpj"}), 0);
    const std::string log = s.log();
    for (const std::string& line : {
             Session::started("qplot.exe a&lt;b&gt;&amp;&#39;.csv x&lt;y&gt;.txt m&quot;&lt;.csv "
                              "j.qpj "),
             std::string("Input from a&lt;b&gt;&amp;&#39;.csv<br>\n"
                         "Heading file is h&amp;&#39;.htm<br>\n"
                         "Ending file is e&amp;&#39;.htm<br>\n"
                         "File p&amp;&#39;q.htm is generated<br>\n"
                         "File a&lt;b&gt;&amp;&#39;.csv OK<br>\n"),
             std::string("<font color='red'>Error: x&lt;y&gt;.txt "),
             std::string("Input from m&quot;&lt;.csv<br>\n<font color='red'>File m&quot;&lt;.csv "
                         "does not found</font><br>\n"),
             std::string("Input data is placed in i&lt;n/<br>\n"
                         "Output data will be placed into o&amp;ut/<br>\n"),
             std::string("<font color='red'>File i&lt;n/z&quot;.csv does not found</font><br>\n"),
         }) {
        EXPECT_TRUE(has(log, line)) << line << "\nin\n" << log;
    }
    EXPECT_FALSE(has(log, "<b>")) << log;
    EXPECT_FALSE(has(log, "<y>")) << log;
    // The console shows the names as they are.
    EXPECT_TRUE(has(s.console.str(), "Input from a<b>&'.csv\n")) << s.console.str();
}

TEST(InputAsText, EchoedLinesAndTheErrorPage) {
    for (const bool svg : {false, true}) {
        SCOPED_TRACE(svg ? "svg" : "vml");
        Session s;
        s.fs.files["t<i>.csv"] = "AREA;;;;;;;;p.htm\nTITLE;;;;;;<i>T</i>\n"
                                 "Z<img src=x onerror=alert(1)>\n";
        std::vector<std::string> args{"t<i>.csv"};
        if (svg) args.push_back("--svg");
        EXPECT_EQ(s.run(args), 1);
        const std::string log = s.log();
        EXPECT_TRUE(has(log, "Errors are found in file t&lt;i&gt;.csv ")) << log;
        EXPECT_FALSE(has(log, "<img")) << log;
        const std::string page = s.fs.files["p.htm"];
        EXPECT_TRUE(has(page, "ERRORS in t&lt;i&gt;.csv<")) << page;
        EXPECT_TRUE(has(page, svg ? "<title>T</title>" : "<title>&lt;i&gt;T&lt;/i&gt;</title>"))
            << page;
        EXPECT_FALSE(has(page, "<i>")) << page;
    }
}

}  // namespace
}  // namespace qp::test
