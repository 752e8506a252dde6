// The VML canvas: the writer's attribute texts, and the element texts,
// spelled out by hand from the element formats, that the renderer and
// error page tests do not show: escaping, the error page's heading, texts
// and tags as they stand, and sizes at the ends of the int range.
#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <string>
#include <vector>

#include "page/vml_canvas.h"
#include "page/vml_writer.h"

namespace qp {
namespace {

struct Case {
    const char* what;
    std::function<void(Canvas&)> draw;
    std::string expected;
};

const TextStyle kStyle{"italic", "bold", 14, "Arial", "blue", ""};
const TextStyle kOnGrey{"normal", "normal", 14, "Arial", "blue", "grey"};
const Tags kTags{"a'1", "x.htm", "Bob's"};
const std::string kGroup =
    "<v:group style='antialias:false;width:400px;height:300px' coordsize='400,300'>\n";
const std::string kStyleSheet = "<style>\nv\\:* {behavior=url(#default#VML)}\n</style>\n<body>\n";

TEST(VmlWriter, AttributesEscapeOnlyTheirOwnQuote) {
    EXPECT_EQ(VmlWriter::id_attr("") + VmlWriter::title_attr("") + VmlWriter::link_attr(""), "");
    EXPECT_EQ(VmlWriter::title_attr("Bob's <b>\"best\"</b> & co"),
              "title='Bob&#39;s <b>\"best\"</b> & co'");
    EXPECT_EQ(VmlWriter::link_attr("x.htm?a='1'"), "href='x.htm?a=&#39;1&#39;'");
    EXPECT_EQ(VmlWriter::escape_attr("say \"it's\"", '"'), "say &quot;it's&quot;");
}

TEST(VmlCanvas, WholeNumbersOfEveryLength) {
    PageText page;
    VmlCanvas out(page);
    out.rule({0, 7}, {42, 999}, 1000, "a'b");
    out.rule({9999, 10000}, {-5, -2147483647 - 1}, 2147483647, "");
    EXPECT_EQ(page,
              "<v:line style='position:absolute' from='0,7' to='42,999' strokeweight='1000px' "
              "strokecolor='a&#39;b' >\n</v:line>\n"
              "<v:line style='position:absolute' from='9999,10000' to='-5,-2147483648' "
              "strokeweight='2147483647px' strokecolor='' >\n</v:line>\n");
}

TEST(VmlCanvas, Elements) {
    const std::vector<Case> cases = {
        // The error page shows its title as text.
        {"error page heading: the head on one line, no character set",
         [](Canvas& c) { c.heading({true, true, "T&amp;'s"}); },
         "<html>\n<xml:namespace prefix=\"v\"/>\n<title>T&amp;amp;&#39;s</title>\n"
         "<head><META Name=\"Generator\" Content=\"Quillplot\"></head>\n" + kStyleSheet},
        {"no title line", [](Canvas& c) { c.heading({true, false, "T"}); },
         "<html>\n<xml:namespace prefix=\"v\"/>\n<head><META Name=\"Generator\" "
         "Content=\"Quillplot\"></head>\n" + kStyleSheet},
        {"positioned block with id", [](Canvas& c) { c.begin_block({false, 7, 5, "c'1", true, 400, 300}); },
         "<div style='position:absolute;top:5px;left:7px'  id='c&#39;1'>\n" + kGroup},
        {"blocks without an id slot",
         [](Canvas& c) {
             c.begin_block({true, 7, 5, "ignored", false, 400, 300});
             c.begin_block({false, 7, 5, "", false, 400, 300});
         },
         "<div style='position:relative;left:7px'>\n" + kGroup +
             "<div style='position:absolute;top:5px;left:7px'>\n" + kGroup},
        {"error notice of the smallest size: no wrap-around",
         [](Canvas& c) { c.error_notice(INT_MIN, 0, ""); },
         "<v:roundrect arcsize='0' fillcolor='red' strokecolor='blue' strokeweight='1px' "
         "style='position:absolute;top:1px;left:1px;width:-2147483650px;height:-2px' >\n</v:roundrect>\n"
         "<v:shape style='position:absolute;top:2;left:2;text-align:center;"
         "width:-2147483652;height:-4;font:normal normal bold 16 Arial;color:white;background:red' >\n"
         "<v:textbox/>ERRORS in </v:textbox/>\n</v:shape>\n"},
        {"line with tags escaped", [](Canvas& c) { c.line({1, 2}, {3, 4}, 5, "red", kTags); },
         "<v:line id='a&#39;1' style='position:absolute' from='1,2' to='3,4' strokeweight='5px' "
         "strokecolor='red' href='x.htm' title='Bob&#39;s'>\n</v:line>\n"},
        {"title box; the text is written as it stands",
         [](Canvas& c) { c.text_box(TextRole::Title, {5, 16, 390, 21}, Align::Center, kStyle, "<b>T'</b>"); },
         "<v:shape style='position:absolute;top:16;left:5;text-align:center;width:390;height:21; "
         "font:italic normal bold 14 Arial;color:blue;background:' >\n"
         "<v:textbox/><b>T'</b></v:textbox/>\n</v:shape>\n"},
        {"the stripe of the largest font stays in range",
         [](Canvas& c) {
             TextStyle huge = kOnGrey;
             huge.size = INT_MAX;
             c.text_along(TextRole::CategoryLabel, {1, 2}, {3, 4}, Align::Left, huge, "");
         },
         "<v:line from='1 2' to='3 4' strokecolor='grey' strokeweight='2147483647px'>\n</v:line>\n"
         "<v:line from='1 2' to='3 4' strokecolor='blue'>\n<v:fill on='True' color='blue'/>\n"
         "<v:path textpathok='True'/>\n<v:textpath on='True' string='' style='v-text-align:left;"
         "font:normal normal normal 2147483647 Arial'/>\n</v:line>\n"},
        {"value label with tags", [](Canvas& c) { c.value_label({1, 2, 3, 4}, kStyle, {12.25f, 1, 4}, kTags); },
         "<v:shape id='a&#39;1' style='position:absolute;top:2;left:1;height:4;width:3; "
         "font:italic normal bold 14 Arial;color:blue;background:' href='x.htm'  title='Bob&#39;s'>\n"
         "<v:textbox/>12.2</v:textbox/>\n</v:shape>\n"},
        {"area segment: one blank between link and title",
         [](Canvas& c) {
             c.area_segment({Point{1, 9}, Point{1, 5}, Point{4, 3}, Point{4, 9}}, {"y", "r", {}}, kTags);
         },
         "<v:polyline id='a&#39;1' style='position:absolute' fillcolor='y' strokecolor='r' "
         "points='1,9 1,5 4,3 4,9' href='x.htm' title='Bob&#39;s'>\n</v:polyline>\n"},
        {"sector without tags; angles beyond the int range",
         [](Canvas& c) { c.sector({400, 300, {200, 150}, 100, 1LL << 40, -(1LL << 40), {"y", "r", {}}, {}}); },
         "<v:shape style='position:absolute;top:0;left:0;width:400;height:300' coordsize='400,300' "
         "path='m 200,150 ae 200,150,100,100,72057594037927936,-72057594037927936 x e' "
         "fillcolor='y' strokecolor='r'  ></v:shape>\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PageText page;
        VmlCanvas canvas(page);
        c.draw(canvas);
        EXPECT_EQ(page.view(), c.expected);
    }
}

}  // namespace
}  // namespace qp
