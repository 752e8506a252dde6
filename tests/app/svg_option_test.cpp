// "--svg" on whole runs: the pages become HTML5 pages with one inline svg
// per block, while names, run log, console and exit code stay as without
// the flag; without it the page is the VML page.
#include <gtest/gtest.h>

#include "app/options.h"
#include "support/render_test_support.h"
#include "support/run_session.h"
#include "support/svg_check.h"

namespace qp::test {
namespace {

// A shared page with two charts (each with a legend), then a chart file
// with errors.
const std::string kShared =
    "AREA;0;;300;200;white;s;;;;\nTITLE;;;;;;Sales\nD1;L1;2;red;;North;;1;2;3;\nLEGEND;\n"
    "AREA;0;;300;200;white;t;;;;\nD1;R;2;red;blue;South;;3;2;1;\nLEGEND;\n";

struct TwoFiles {
    Session session;
    int code = 0;
    explicit TwoFiles(const std::vector<std::string>& args) {
        session.fs.files["a.csv"] = kShared;
        session.fs.files["bad.csv"] = "AREA;0;0;300;200;white;b\nD1;Q;\n";
        code = session.run(args);
    }
    std::string page(const std::string& name) { return session.fs.files[name]; }
};

TEST(SvgOption, PagesBecomeSvgAndEverythingElseStays) {
    TwoFiles vml({"a.csv", "bad.csv"});
    TwoFiles svg({"--svg", "a.csv", "bad.csv"});
    TwoFiles last({"a.csv", "bad.csv", "--svg"});

    EXPECT_EQ(svg.code, vml.code);
    EXPECT_EQ(svg.session.console.str(), vml.session.console.str());
    EXPECT_EQ(svg.session.log(), vml.session.log());
    EXPECT_EQ(last.page("a.htm"), svg.page("a.htm"));
    EXPECT_EQ(last.page("bad.htm"), svg.page("bad.htm"));
    std::vector<std::string> vml_names, svg_names;
    for (const auto& [name, text] : vml.session.fs.files) vml_names.push_back(name);
    for (const auto& [name, text] : svg.session.fs.files) svg_names.push_back(name);
    EXPECT_EQ(svg_names, vml_names);

    // Without the flag: the VML page.
    const std::string v = vml.page("a.htm");
    EXPECT_EQ(v.rfind("<html>\n<xml:namespace prefix=\"v\"/>\n", 0), 0u);
    EXPECT_EQ(count_of(v, "<v:group"), 4);
    EXPECT_EQ(count_of(v, "<svg"), 0);

    // With it: an HTML5 page, one svg in each of the four blocks.
    const std::string s = svg.page("a.htm");
    EXPECT_EQ(s.rfind("<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n", 0), 0u);
    EXPECT_EQ(count_of(s, "<div "), 4);
    EXPECT_EQ(count_of(s, "<svg xmlns=\"http://www.w3.org/2000/svg\""), 4);
    EXPECT_EQ(count_of(s, "<v:"), 0);
    const std::size_t body = s.find("<body>\n") + 7;
    const std::size_t end = s.rfind("</body></html>");
    ASSERT_EQ(end, s.size() - 14);
    EXPECT_EQ(svg_markup_fault(std::string_view(s).substr(body, end - body)), "");
    EXPECT_TRUE(has(s, "<title id=\"qp1-t\">Sales</title>"));
    EXPECT_TRUE(has(s, "<title id=\"qp4-t\">Legend: a.htm</title>"));
    EXPECT_TRUE(has(s, "<title>North</title>"));

    // The error page too.
    const std::string e = svg.page("bad.htm");
    EXPECT_EQ(e.rfind("<!DOCTYPE html>", 0), 0u);
    EXPECT_TRUE(has(e, ">ERRORS in bad.csv</text>"));
    EXPECT_TRUE(has(e, "<title id=\"qp1-t\">ERRORS in bad.csv</title>"));
}

}  // namespace
}  // namespace qp::test
