// The error page as a whole (its title and file name shown as text): its short heading, a block without an id slot
// and the notice, with the default size standing in for a side of 0.
#include <gtest/gtest.h>

#include <string>

#include "page/error_page.h"

namespace qp {
namespace {

TEST(ErrorPage, ShortHeadingBareBlockAndDefaultSize) {
    PageText page;
    append_error_page(page, AreaPlace{3, 9, 0, 100}, ErrorPageHeading{true, true}, "T's",
                      "a'b.txt");
    const std::string text(page.view());
    EXPECT_NE(text.find("<title>T&#39;s</title>\n<head><META"), std::string::npos);
    // The notice is the canvas's; the page gives it a block without an id
    // and the default width.
    EXPECT_NE(text.find("<div style='position:absolute;top:9px;left:3px'>\n"
                        "<v:group style='antialias:false;width:400px;height:100px' coordsize='400,100'>\n"
                        "<v:roundrect arcsize='0' fillcolor='red' strokecolor='blue' strokeweight='1px' "
                        "style='position:absolute;top:1px;left:1px;width:398px;height:98px' >\n"),
              std::string::npos);
    EXPECT_TRUE(text.ends_with("<v:textbox/>ERRORS in a&#39;b.txt</v:textbox/>\n</v:shape>\n</v:group></div>\n"));

    // Without the title line; without the heading, in the page's flow.
    PageText untitled, bare;
    append_error_page(untitled, AreaPlace{3, 9, 0, 100}, ErrorPageHeading{true, false}, "T", "x");
    EXPECT_EQ(untitled.view().find("<title>"), std::string_view::npos);
    append_error_page(bare, AreaPlace{3, -1, 50, 60}, ErrorPageHeading{false, true}, "T", "x");
    EXPECT_EQ(bare.view().substr(0, 59),
              "<div style='position:relative;left:3px'>\n<v:group style='an");
}

// A title or file name with markup shows it as text on the page.
TEST(ErrorPage, TitleAndFileNameAreShownAsText) {
    PageText page;
    append_error_page(page, AreaPlace{}, ErrorPageHeading{true, true},
                      "<b>T</b>&amp;\"</title><script>", "x<img src=y onerror=alert(1)>.csv");
    const std::string text(page.view());
    EXPECT_NE(text.find("<title>&lt;b&gt;T&lt;/b&gt;&amp;amp;&quot;&lt;/title&gt;&lt;script&gt;"
                        "</title>\n"),
              std::string::npos);
    EXPECT_NE(text.find("ERRORS in x&lt;img src=y onerror=alert(1)&gt;.csv</v:textbox/>"),
              std::string::npos);
    EXPECT_EQ(text.find("<script"), std::string::npos);
    EXPECT_EQ(text.find("<img"), std::string::npos);
}

}  // namespace
}  // namespace qp
