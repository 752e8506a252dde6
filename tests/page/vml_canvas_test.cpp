// The VML canvas: every drawing call against its element text, spelled out
// by hand from the element formats, and the writer's attribute texts.
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

void check(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PageText page;
        VmlCanvas canvas(page);
        c.draw(canvas);
        EXPECT_EQ(page.view(), c.expected);
    }
}

const TextStyle kStyle{"italic", "bold", 14, "Arial", "blue", ""};
const TextStyle kOnGrey{"normal", "normal", 14, "Arial", "blue", "grey"};
const Tags kTags{"a'1", "x.htm", "Bob's"};
const std::string kGroup =
    "<v:group style='antialias:false;width:400px;height:300px' coordsize='400,300'>\n";

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

TEST(VmlCanvas, PageBlocksAndBoxes) {
    const std::string head = "<html>\n<xml:namespace prefix=\"v\"/>\n<title>T&amp;'s</title>\n";
    check({
        {"standard heading", [](Canvas& c) { c.heading({false, true, "T&amp;'s"}); },
         head + "<head>\n<META Name=\"Generator\" Content=\"Quillplot\">\n"
                "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252          \">\n"
                "</head>\n<style>\nv\\:* {behavior=url(#default#VML)}\n</style>\n<body>\n"},
        // The error page shows its title as text.
        {"error page heading: the head on one line, no character set",
         [](Canvas& c) { c.heading({true, true, "T&amp;'s"}); },
         "<html>\n<xml:namespace prefix=\"v\"/>\n<title>T&amp;amp;&#39;s</title>\n<head><META Name=\"Generator\" Content=\"Quillplot\"></head>\n"
                "<style>\nv\\:* {behavior=url(#default#VML)}\n</style>\n<body>\n"},
        {"no title line", [](Canvas& c) { c.heading({true, false, "T"}); },
         "<html>\n<xml:namespace prefix=\"v\"/>\n<head><META Name=\"Generator\" "
         "Content=\"Quillplot\"></head>\n<style>\nv\\:* {behavior=url(#default#VML)}\n</style>\n"
         "<body>\n"},
        {"verbatim and page end",
         [](Canvas& c) { c.verbatim("<p>it's</p>\n"); c.page_end(); },
         "<p>it's</p>\n</body></html>"},
        {"block in flow without id", [](Canvas& c) { c.begin_block({true, 7, 5, "", true, 400, 300}); },
         "<div style='position:relative;left:7px' >\n" + kGroup},
        {"positioned block with id", [](Canvas& c) { c.begin_block({false, 7, 5, "c'1", true, 400, 300}); },
         "<div style='position:absolute;top:5px;left:7px'  id='c&#39;1'>\n" + kGroup},
        {"blocks without an id slot",
         [](Canvas& c) {
             c.begin_block({true, 7, 5, "ignored", false, 400, 300});
             c.begin_block({false, 7, 5, "", false, 400, 300});
         },
         "<div style='position:relative;left:7px'>\n" + kGroup +
             "<div style='position:absolute;top:5px;left:7px'>\n" + kGroup},
        {"end of block", [](Canvas& c) { c.end_block(); }, "</v:group></div>\n"},
        {"round frame with shadow",
         [](Canvas& c) { c.frame_box({{2, 1, 30, 40}, "white", "black", 3, Corners::Round, true}); },
         "<v:roundrect arcsize='0.05'  fillcolor='white' strokecolor='black' strokeweight='3px' "
         "style='position:absolute;top:1;left:2;width:30;height:40' >\n<v:shadow  on=\"t\" />\n"
         "</v:roundrect>\n"},
        {"square frame, colours escaped",
         [](Canvas& c) { c.frame_box({{2, 1, 30, 40}, "w'", "b", 1, Corners::Square, false}); },
         "<v:roundrect arcsize='0'  fillcolor='w&#39;' strokecolor='b' strokeweight='1px' "
         "style='position:absolute;top:1;left:2;width:30;height:40' >\n</v:roundrect>\n"},
        {"filled rectangle", [](Canvas& c) { c.fill_rect({1, 2, 3, 4}, "red"); },
         "<v:rect fillcolor='red' strokecolor='red' strokeweight='1px' "
         "style='position:absolute;top:2;left:1;width:3;height:4' >\n</v:rect>\n"},
        {"error notice", [](Canvas& c) { c.error_notice(400, 300, "a b.txt"); },
         "<v:roundrect arcsize='0' fillcolor='red' strokecolor='blue' strokeweight='1px' "
         "style='position:absolute;top:1px;left:1px;width:398px;height:298px' >\n</v:roundrect>\n"
         "<v:shape style='position:absolute;top:2;left:2;text-align:center;width:396;height:296;"
         "font:normal normal bold 16 Arial;color:white;background:red' >\n"
         "<v:textbox/>ERRORS in a b.txt</v:textbox/>\n</v:shape>\n"},
        {"error notice of the smallest size: no wrap-around",
         [](Canvas& c) { c.error_notice(INT_MIN, 0, ""); },
         "<v:roundrect arcsize='0' fillcolor='red' strokecolor='blue' strokeweight='1px' "
         "style='position:absolute;top:1px;left:1px;width:-2147483650px;height:-2px' >\n"
         "</v:roundrect>\n<v:shape style='position:absolute;top:2;left:2;text-align:center;"
         "width:-2147483652;height:-4;font:normal normal bold 16 Arial;color:white;background:red' >\n"
         "<v:textbox/>ERRORS in </v:textbox/>\n</v:shape>\n"},
    });
}

TEST(VmlCanvas, LinesAndTexts) {
    const std::string textpath = "<v:fill on='True' color='blue'/>\n<v:path textpathok='True'/>\n"
                                 "<v:textpath on='True' string='A&#39;b' style='v-text-align:";
    check({
        {"rule", [](Canvas& c) { c.rule({1, 2}, {3, 4}, 5, "red"); },
         "<v:line style='position:absolute' from='1,2' to='3,4' strokeweight='5px' "
         "strokecolor='red' >\n</v:line>\n"},
        {"line without tags", [](Canvas& c) { c.line({1, 2}, {3, 4}, 5, "red", {}); },
         "<v:line  style='position:absolute' from='1,2' to='3,4' strokeweight='5px' "
         "strokecolor='red'  >\n</v:line>\n"},
        {"line with tags escaped", [](Canvas& c) { c.line({1, 2}, {3, 4}, 5, "red", kTags); },
         "<v:line id='a&#39;1' style='position:absolute' from='1,2' to='3,4' strokeweight='5px' "
         "strokecolor='red' href='x.htm' title='Bob&#39;s'>\n</v:line>\n"},
        {"title box; the text is written as it stands",
         [](Canvas& c) { c.text_box(TextRole::Title, {5, 16, 390, 21}, Align::Center, kStyle, "<b>T'</b>"); },
         "<v:shape style='position:absolute;top:16;left:5;text-align:center;width:390;height:21; "
         "font:italic normal bold 14 Arial;color:blue;background:' >\n"
         "<v:textbox/><b>T'</b></v:textbox/>\n</v:shape>\n"},
        {"scale caption across: no line end",
         [](Canvas& c) { c.text_box(TextRole::YCaption, {5, 16, 390, 21}, Align::Left, kOnGrey, "Y"); },
         "<v:shape style='position:absolute;top:16;left:5;text-align:left;width:390;height:21; "
         "font:normal normal normal 14 Arial;color:blue;background:grey' >\n"
         "<v:textbox/>Y</v:textbox/>\n</v:shape>"},
        {"category label: height before width, no alignment",
         [](Canvas& c) { c.text_box(TextRole::CategoryLabel, {5, 16, 30, 21}, Align::Right, kStyle, "Q1"); },
         "<v:shape style='position:absolute;top:16;left:5;height:21;width:30; "
         "font:italic normal bold 14 Arial;color:blue;background:' >\n<v:textbox/>Q1</v:textbox/>\n"
         "</v:shape>\n"},
        {"legend label: no background",
         [](Canvas& c) { c.text_box(TextRole::LegendLabel, {5, 16, 30, 21}, Align::Left, kOnGrey, "s"); },
         "<v:shape style='position:absolute;top:16;left:5;height:21;width:30; "
         "font:normal normal normal 14 Arial;color:blue' >\n<v:textbox/>s</v:textbox/>\n</v:shape>\n"},
        {"slanted label without background",
         [](Canvas& c) { c.text_along(TextRole::CategoryLabel, {1, 2}, {3, 4}, Align::Right, kStyle, "A'b"); },
         "<v:line from='1 2' to='3 4' strokecolor='blue'>\n" + textpath +
             "right;font:italic normal bold 14 Arial'/>\n</v:line>\n"},
        {"vertical caption over its stripe, both positioned",
         [](Canvas& c) { c.text_along(TextRole::YCaption, {1, 2}, {1, 4}, Align::Center, kOnGrey, "A'b"); },
         "<v:line style='position:absolute' from='1 2' to='1 4' strokecolor='grey' strokeweight='16px'>\n"
         "</v:line>\n<v:line style='position:absolute' from='1 2' to='1 4' strokecolor='blue'>\n" +
             textpath + "center;font:normal normal normal 14 Arial'/>\n</v:line>\n"},
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
    });
}

TEST(VmlCanvas, LabelsAndSeriesShapes) {
    const std::string scale_open =
        "<v:shape style='position:absolute;top:2;left:1;text-align:right;width:3;height:4; "
        "font:italic normal bold 14 Arial;color:blue;background:'>\n";
    const std::string value_open =
        "<v:shape id='a&#39;1' style='position:absolute;top:2;left:1;height:4;width:3; "
        "font:italic normal bold 14 Arial;color:blue;background:' href='x.htm'  title='Bob&#39;s'>\n";
    const std::string tags = " id='a&#39;1'";
    const std::string ends = " href='x.htm'  title='Bob&#39;s'>\n";
    const std::string box = "style='position:absolute;top:2;left:1;width:3;height:4'";
    const std::string sector =
        "<v:shape style='position:absolute;top:0;left:0;width:400;height:300' coordsize='400,300' "
        "path='m 200,150 ae 200,150,100,100,";
    check({
        {"scale label, whole: halves away from zero",
         [](Canvas& c) { c.scale_label({1, 2, 3, 4}, Align::Right, kStyle, {-2.5f, 0, 0}); },
         scale_open + "<v:textbox/>-3</v:textbox/>\n</v:shape>\n"},
        {"scale label in fixed point, right-aligned in its field",
         [](Canvas& c) { c.scale_label({1, 2, 3, 4}, Align::Right, kStyle, {-1.5f, 2, 7}); },
         scale_open + "<v:textbox/>  -1.50</v:textbox/>\n</v:shape>\n"},
        {"value label with tags",
         [](Canvas& c) { c.value_label({1, 2, 3, 4}, kStyle, {12.25f, 1, 4}, kTags); },
         value_open + "<v:textbox/>12.2</v:textbox/>\n</v:shape>\n"},
        {"weighted box", [](Canvas& c) { c.rect({1, 2, 3, 4}, {"y", "r", 2}, kTags); },
         "<v:rect" + tags + " fillcolor='y' strokecolor='r' strokeweight='2px' " + box + ends +
             "</v:rect>\n"},
        {"box without weight or tags", [](Canvas& c) { c.rect({1, 2, 3, 4}, {"y", "y", {}}, {}); },
         "<v:rect  fillcolor='y' strokecolor='y' " + box + "   >\n</v:rect>\n"},
        {"oval", [](Canvas& c) { c.oval({1, 2, 3, 4}, {"y", "r", 1}, kTags); },
         "<v:oval" + tags + " fillcolor='y' strokecolor='r' strokeweight='1px' " + box + ends +
             "</v:oval>\n"},
        {"triangle closed on its first point",
         [](Canvas& c) { c.triangle({Point{5, 1}, Point{1, 9}, Point{9, 9}}, {"y", "r", 2}, kTags); },
         "<v:polyline" + tags + " fillcolor='y' strokecolor='r' strokeweight='2px' "
             "style='position:absolute' points='5,1 1,9 9,9 5,1'" + ends + "</v:polyline>\n"},
        {"area segment: one blank between link and title",
         [](Canvas& c) {
             c.area_segment({Point{1, 9}, Point{1, 5}, Point{4, 3}, Point{4, 9}}, {"y", "r", {}}, kTags);
         },
         "<v:polyline" + tags + " style='position:absolute' fillcolor='y' strokecolor='r' "
             "points='1,9 1,5 4,3 4,9' href='x.htm' title='Bob&#39;s'>\n</v:polyline>\n"},
        {"sector in 1/65536 degrees, link first",
         [](Canvas& c) { c.sector({400, 300, {200, 150}, 100, 90, -90, {"y", "r", {}}, kTags}); },
         sector + "5898240,-5898240 x e' fillcolor='y' strokecolor='r' href='x.htm'" + tags +
             " title='Bob&#39;s'></v:shape>\n"},
        {"sector without tags; angles beyond the int range",
         [](Canvas& c) { c.sector({400, 300, {200, 150}, 100, 1LL << 40, -(1LL << 40), {"y", "r", {}}, {}}); },
         sector + "72057594037927936,-72057594037927936 x e' fillcolor='y' strokecolor='r'  >"
                  "</v:shape>\n"},
    });
}

}  // namespace
}  // namespace qp
