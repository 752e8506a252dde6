// The SVG canvas: every drawing call against the elements it writes,
// worked out by hand (a text starts at its box's left edge, middle or right
// edge, its lines centred as a block on the box's middle, 1.15 font sizes
// apart, a line's baseline 0.35 font sizes below the line's middle), the
// groups that share ids, links and tooltips, and hostile inputs.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "page/svg_canvas.h"
#include "support/svg_check.h"

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
        SvgPage shared("p.htm");
        SvgCanvas canvas(page, shared);
        c.draw(canvas);
        EXPECT_EQ(page.view(), c.expected);
    }
}

const std::string kEnd = "</svg></div>\n";
const TextStyle kStyle{"italic", "bold", 14, "Arial", "blue", ""};
const TextStyle kOnGrey{"normal", "normal", 10, "Arial", "blue", "grey"};
const TextStyle kPlain{"normal", "normal", 10, "Arial", "blue", ""};
const Tags kTags{"s'1", "x.htm?a=1&b=2", "Bob's <b>x</b>"};
const std::string kLines = " fill=\"none\" stroke=\"red\" stroke-width=\"2\" stroke-linejoin=\"round\">";
const std::string kRules = "<g fill=\"none\" stroke=\"black\" stroke-linejoin=\"round\">\n";

std::string svg_head(int n, const std::string& title, const std::string& desc) {
    const std::string id = "qp" + std::to_string(n);
    return "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"400\" height=\"300\" "
           "viewBox=\"0 0 400 300\" role=\"img\" aria-labelledby=\"" + id + "-t " + id +
           "-d\" shape-rendering=\"crispEdges\" overflow=\"visible\">\n<title id=\"" + id +
           "-t\">" + title + "</title>\n<desc id=\"" + id + "-d\">" + desc + "</desc>\n";
}

ChartSummary summary() {
    ChartSummary s;
    s.title = "Sales <i>2024</i>";
    s.series = {{"North", "bars"}, {"A&B'", "line"}, {"", "pie"}};
    s.first_category = "Jan";
    s.last_category = "Dec";
    s.scales[0] = {true, 0, 100};
    s.scales[1] = {true, -2.5f, 7};
    return s;
}

TEST(SvgCanvas, PageAndBlocks) {
    const std::string desc =
        "Series: North (bars); A&amp;B&#39; (line); unnamed (pie). Categories from Jan to Dec. "
        "Left scale from 0 to 100. Right scale from -2.5 to 7.";
    check({
        {"heading with its title, markup resolved",
         [](Canvas& c) { c.heading({false, true, "T&amp;<b>s</b>"}); },
         "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>T&amp;s</title>\n"
         "<meta name=\"generator\" content=\"Quillplot\">\n</head>\n<body>\n"},
        {"error page heading without title line", [](Canvas& c) { c.heading({true, false, "T"}); },
         "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n"
         "<meta name=\"generator\" content=\"Quillplot\">\n</head>\n<body>\n"},
        {"verbatim and page end", [](Canvas& c) { c.verbatim("<p>it's</p>\n"); c.page_end(); },
         "<p>it's</p>\n</body></html>"},
        {"described chart in flow, then its legend",
         [](Canvas& c) {
             c.describe(summary());
             c.begin_block({true, 7, 5, "c\"1", true, 400, 300});
             c.end_block();
             c.begin_block({false, 7, 5, "c\"1_legend", true, 400, 300});
             c.end_block();
         },
         "<div style=\"position:relative;left:7px\" id=\"c&quot;1\">\n" +
             svg_head(1, "Sales 2024", desc) + kEnd +
             "<div style=\"position:absolute;top:5px;left:7px\" id=\"c&quot;1_legend\">\n" +
             svg_head(2, "Legend: Sales 2024", desc) + kEnd},
        {"undescribed block: named by the page; no id slot, no id",
         [](Canvas& c) {
             c.begin_block({false, -3, 9, "x", false, 400, 300});
             c.end_block();
         },
         "<div style=\"position:absolute;top:9px;left:-3px\">\n" + svg_head(1, "p.htm", "") + kEnd},
        {"legend-only chart",
         [](Canvas& c) {
             ChartSummary s;
             s.legend_only = true;
             c.describe(s);
             c.begin_block({true, 0, 0, "", true, 400, 300});
         },
         "<div style=\"position:relative;left:0px\">\n" + svg_head(1, "Legend: p.htm", "")},
    });
}

TEST(SvgCanvas, BoxesAndTheErrorNotice) {
    check({
        {"round box with shadow: radius 5% of the shorter side, shadow 2 right and down",
         [](Canvas& c) { c.frame_box({{10, 20, 200, 100}, "white", "navy", 3, Corners::Round, true}); },
         "<rect x=\"12\" y=\"22\" width=\"200\" height=\"100\" rx=\"5\" fill=\"gray\" stroke=\"gray\" "
         "stroke-width=\"3\"/>\n<rect x=\"10\" y=\"20\" width=\"200\" height=\"100\" rx=\"5\" "
         "fill=\"white\" stroke=\"navy\" stroke-width=\"3\"/>\n"},
        {"square box, invalid colours fall back",
         [](Canvas& c) { c.frame_box({{0, 0, 5, 5}, "x'y", "", 1, Corners::Square, false}); },
         "<rect x=\"0\" y=\"0\" width=\"5\" height=\"5\" fill=\"white\" stroke=\"black\" "
         "stroke-width=\"1\"/>\n"},
        {"filled rectangle; transparent is none",
         [](Canvas& c) { c.fill_rect({1, 2, 3, 4}, "#ccc"); c.fill_rect({0, 0, 1, 1}, "Transparent"); },
         "<rect x=\"1\" y=\"2\" width=\"3\" height=\"4\" fill=\"#ccc\" stroke=\"#ccc\"/>\n"
         "<rect x=\"0\" y=\"0\" width=\"1\" height=\"1\" fill=\"none\" stroke=\"none\"/>\n"},
        {"error notice: red box, white bold text centred at the top inset",
         [](Canvas& c) { c.error_notice(100, 50, "a<b>.csv"); },
         "<rect x=\"1\" y=\"1\" width=\"98\" height=\"48\" fill=\"red\" stroke=\"blue\"/>\n"
         "<rect x=\"2\" y=\"2\" width=\"96\" height=\"46\" fill=\"red\"/>\n"
         "<text x=\"50\" y=\"21.2\" font-family=\"Arial\" font-size=\"16\" font-weight=\"bold\" "
         "fill=\"white\" text-anchor=\"middle\">ERRORS in a&lt;b&gt;.csv</text>\n"},
    });
}

TEST(SvgCanvas, RulesAndLinesShareOnePathPerLook) {
    check({
        {"rules of one look in one path, horizontal and vertical ones short",
         [](Canvas& c) {
             c.rule({0, 7}, {42, 7}, 1, "black");
             c.rule({5, 0}, {5, 9}, 1, "black");
             c.rule({0, 0}, {3, 4}, 2, "red");
             c.end_block();
         },
         kRules + "<path d=\"M0 7H42M5 0V9\"/>\n</g>\n<g" + kLines + "\n<path d=\"M0 0L3 4\"/>\n</g>\n" +
             kEnd},
        {"rules never join, even end to start",
         [](Canvas& c) {
             c.rule({0, 0}, {3, 4}, 1, "black");
             c.rule({3, 4}, {6, 0}, 1, "black");
             c.end_block();
         },
         kRules + "<path d=\"M0 0L3 4M3 4L6 0\"/>\n</g>\n" + kEnd},
        {"a series' lines: joined where one starts at the last one's end; link, id, tooltip once",
         [](Canvas& c) {
             c.line({0, 0}, {10, 5}, 2, "red", kTags);
             c.line({10, 5}, {20, -1}, 2, "red", kTags);
             c.line({30, 0}, {40, 0}, 2, "red", kTags);
             c.end_block();
         },
         "<a href=\"x.htm?a=1&amp;b=2\" id=\"s&#39;1\"" + kLines +
             "<title>Bob&#39;s x</title>\n<path d=\"M0 0L10 5 20 -1M30 0L40 0\"/>\n</a>\n" + kEnd},
        {"another look opens another group; a used id is not written again",
         [](Canvas& c) {
             c.line({0, 0}, {1, 1}, 2, "red", Tags{"s", "", ""});
             c.line({1, 1}, {2, 2}, 3, "red", Tags{"s", "", ""});
             c.rect({0, 0, 1, 1}, Paint{"red", "red", {}}, Tags{"s", "", ""});
         },
         "<g id=\"s\"" + kLines + "\n<path d=\"M0 0L1 1\"/>\n</g>\n"
         "<g fill=\"none\" stroke=\"red\" stroke-width=\"3\" stroke-linejoin=\"round\">\n"
         "<path d=\"M1 1L2 2\"/>\n</g>\n<g fill=\"red\" stroke=\"red\">\n"
         "<rect x=\"0\" y=\"0\" width=\"1\" height=\"1\"/>\n"},
    });
}

TEST(SvgCanvas, TextsCentredInTheirBoxes) {
    const std::string font = " font-family=\"Arial\" font-size=\"10\" fill=\"blue\"";
    check({
        {"centred title: x 5 + 390 / 2, baseline 10 + 21 / 2 + 0.35 x 14",
         [](Canvas& c) { c.text_box(TextRole::Title, {5, 10, 390, 21}, Align::Center, kStyle, "Hi"); },
         "<text x=\"200\" y=\"25.4\" font-family=\"Arial\" font-size=\"14\" font-weight=\"bold\" "
         "font-style=\"italic\" fill=\"blue\" text-anchor=\"middle\">Hi</text>\n"},
        {"right-aligned caption on its background, two lines centred as a block: "
         "baseline 10 - 11.5 / 2 + 3.5 = 7.75, the next 11.5 lower",
         [](Canvas& c) { c.text_box(TextRole::XCaption, {0, 0, 100, 20}, Align::Right, kOnGrey, "a<br>b"); },
         "<rect x=\"0\" y=\"0\" width=\"100\" height=\"20\" fill=\"grey\"/>\n<text x=\"100\" "
         "y=\"7.8\"" + font + " text-anchor=\"end\">a<tspan x=\"100\" dy=\"11.5\">b</tspan></text>\n"},
        {"a line break after the last character adds no line",
         [](Canvas& c) { c.text_box(TextRole::XCaption, {0, 0, 100, 20}, Align::Left, kStyle, "a<br><b></b>"); },
         "<text x=\"0\" y=\"14.9\" font-family=\"Arial\" font-size=\"14\" font-weight=\"bold\" "
         "font-style=\"italic\" fill=\"blue\">a</text>\n"},
        {"category and legend labels start at the box's left edge whatever the alignment: "
         "baseline 12 / 2 + 3.5",
         [](Canvas& c) { c.text_box(TextRole::CategoryLabel, {20, 0, 30, 12}, Align::Center, kOnGrey, "Mon"); },
         "<rect x=\"20\" y=\"0\" width=\"30\" height=\"12\" fill=\"grey\"/>\n"
         "<text x=\"20\" y=\"9.5\"" + font + ">Mon</text>\n"},
        {"text along a level line over its stripe: centred on the line",
         [](Canvas& c) { c.text_along(TextRole::CategoryLabel, {10, 50}, {110, 50}, Align::Left, kOnGrey, "x"); },
         "<line x1=\"10\" y1=\"50\" x2=\"110\" y2=\"50\" stroke=\"grey\" stroke-width=\"12\"/>\n"
         "<text x=\"10\" y=\"53.5\"" + font + ">x</text>\n"},
        {"two lines along a line: centred on it as a block, 50 - 5.75 + 3.5",
         [](Canvas& c) {
             c.text_along(TextRole::CategoryLabel, {10, 50}, {110, 50}, Align::Left, kPlain, "x<br>y");
         },
         "<text x=\"10\" y=\"47.8\"" + font + ">x<tspan x=\"10\" dy=\"11.5\">y</tspan></text>\n"},
        {"text reading upward, centred: laid out level, turned about its start",
         [](Canvas& c) { c.text_along(TextRole::YCaption, {20, 200}, {20, 100}, Align::Center, kStyle, "up"); },
         "<text x=\"70\" y=\"204.9\" transform=\"rotate(-90 20 200)\" font-family=\"Arial\" "
         "font-size=\"14\" font-weight=\"bold\" font-style=\"italic\" fill=\"blue\" "
         "text-anchor=\"middle\">up</text>\n"},
        {"text falling to the right, right-aligned: ends at the line's end",
         [](Canvas& c) { c.text_along(TextRole::CategoryLabel, {0, 0}, {30, 40}, Align::Right, kPlain, "d"); },
         "<text x=\"50\" y=\"3.5\" transform=\"rotate(53.13 0 0)\"" + font +
             " text-anchor=\"end\">d</text>\n"},
        {"scale labels: whole numbers rounded half away from zero, or fixed decimals; "
         "right-aligned at the box's right edge, left-aligned at its left edge",
         [](Canvas& c) {
             c.scale_label({0, 0, 50, 12}, Align::Right, kOnGrey, Number{-12.5f, 0, 0});
             c.scale_label({0, 0, 50, 12}, Align::Left, kPlain, Number{3.14159f, 2, 6});
         },
         "<rect x=\"0\" y=\"0\" width=\"50\" height=\"12\" fill=\"grey\"/>\n<text x=\"50\" "
         "y=\"9.5\"" + font + " text-anchor=\"end\">-13</text>\n<text x=\"0\" y=\"9.5\"" + font +
             ">3.14</text>\n"},
        {"value label in a group of its own for its id, link and tooltip",
         [](Canvas& c) { c.value_label({0, 0, 50, 12}, kPlain, Number{7, 0, 0}, Tags{"v", "", "t"}); },
         "<g id=\"v\"><title>t</title>\n<text x=\"0\" y=\"9.5\"" + font + ">7</text>\n</g>\n"},
    });
}

TEST(SvgCanvas, SeriesShapes) {
    const Tags none{};
    const Paint paint{"yellow", "black", 2};
    const std::string group = "<g fill=\"yellow\" stroke=\"black\" stroke-width=\"2\">\n";
    check({
        {"boxes: a box of negative size is the box between the same edges",
         [&](Canvas& c) { c.rect({10, 10, 4, 6}, paint, none); c.rect({10, 10, -4, -6}, paint, none); },
         group + "<rect x=\"10\" y=\"10\" width=\"4\" height=\"6\"/>\n"
                 "<rect x=\"6\" y=\"4\" width=\"4\" height=\"6\"/>\n"},
        {"a box without weight is outlined 1 wide",
         [&](Canvas& c) { c.rect({0, 0, 2, 2}, Paint{"red", "red", {}}, none); },
         "<g fill=\"red\" stroke=\"red\">\n<rect x=\"0\" y=\"0\" width=\"2\" height=\"2\"/>\n"},
        {"ovals: circles where round",
         [&](Canvas& c) { c.oval({0, 0, 9, 9}, paint, none); c.oval({0, 0, 10, 6}, paint, none); },
         group + "<circle cx=\"4.5\" cy=\"4.5\" r=\"4.5\"/>\n"
                 "<ellipse cx=\"5\" cy=\"3\" rx=\"5\" ry=\"3\"/>\n"},
        {"a triangle as a polygon, an area quadrilateral as a filled polyline left open "
         "along its base",
         [&](Canvas& c) {
             c.triangle({Point{5, 0}, Point{0, 8}, Point{10, 8}}, paint, none);
             c.area_segment({Point{0, 50}, Point{0, 10}, Point{20, 30}, Point{20, 50}},
                            Paint{"yellow", "black", {}}, none);
         },
         group + "<polygon points=\"5,0 0,8 10,8\"/>\n</g>\n<g fill=\"yellow\" stroke=\"black\">\n"
                 "<polyline points=\"0,50 0,10 20,30 20,50\"/>\n"},
    });
}

TEST(SvgCanvas, PieSectorsRunFromTheirStartAngle) {
    const auto sector = [](long long start, long long sweep) {
        return [=](Canvas& c) {
            c.sector(Sector{400, 300, {100, 100}, 50, start, sweep, {"red", "blue", {}}, {}});
        };
    };
    const std::string group = "<g fill=\"red\" stroke=\"blue\">\n<path d=\"M100 100L100 50";
    check({
        {"a quarter clockwise from the top", sector(90, -90),
         group + "A50 50 0 0 1 150 100Z\"/>\n"},
        {"three quarters: the large arc", sector(90, -270),
         group + "A50 50 0 1 1 50 100Z\"/>\n"},
        {"a whole turn as two half arcs", sector(90, -360),
         group + "A50 50 0 0 1 100 150A50 50 0 0 1 100 50Z\"/>\n"},
        {"counter-clockwise from 3 o'clock",
         sector(0, 90), "<g fill=\"red\" stroke=\"blue\">\n<path d=\"M100 100L150 100A50 50 0 0 0 100 50Z\"/>\n"},
        {"no sweep: the line to the start only", sector(450, 0), group + "Z\"/>\n"},
    });
}

// Hostile texts, ids, colours, fonts and links in every call that takes
// them: the page keeps only the canvas's own elements and attributes.
TEST(SvgCanvas, HostileInputsAddNothing) {
    const std::string_view evil = "\"'><script>alert(1)</script><svg onload=alert(1)>&#0;\x01";
    const Tags tags{evil, "javascript:alert(1)", evil};
    const TextStyle style{evil, evil, 12, evil, evil, evil};
    PageText page;
    SvgPage shared(std::string{evil});
    SvgCanvas c(page, shared);
    ChartSummary sum;
    sum.title = evil;
    sum.series = {{evil, "line"}};
    sum.first_category = evil;
    c.describe(sum);
    c.begin_block({true, 0, 0, evil, true, 400, 300});
    c.frame_box({{0, 0, 10, 10}, evil, evil, 1, Corners::Round, true});
    c.fill_rect({0, 0, 1, 1}, evil);
    c.rule({0, 0}, {1, 1}, 1, evil);
    c.line({0, 0}, {1, 1}, 1, evil, tags);
    c.text_box(TextRole::Title, {0, 0, 9, 9}, Align::Center, style, evil);
    c.text_along(TextRole::YCaption, {0, 0}, {0, 9}, Align::Right, style, evil);
    c.scale_label({0, 0, 9, 9}, Align::Right, style, Number{1, 0, 0});
    c.value_label({0, 0, 9, 9}, style, Number{1, 0, 0}, tags);
    c.rect({0, 0, 1, 1}, Paint{evil, evil, 1}, tags);
    c.oval({0, 0, 1, 1}, Paint{evil, evil, 1}, tags);
    c.triangle({}, Paint{evil, evil, 1}, tags);
    c.area_segment({}, Paint{evil, evil, 1}, tags);
    c.sector(Sector{9, 9, {}, 1, 0, 90, Paint{evil, evil, 1}, tags});
    c.error_notice(9, 9, evil);
    c.end_block();
    const std::string_view out = page.view();
    EXPECT_EQ(test::svg_markup_fault(out), "") << out;
    EXPECT_EQ(out.find("<script"), std::string_view::npos);
    EXPECT_EQ(out.find("javascript"), std::string_view::npos);
    EXPECT_EQ(out.find('\x01'), std::string_view::npos);
}

TEST(SvgCanvas, IdsStayUniqueAcrossTheChartsOfAPage) {
    PageText page;
    SvgPage shared("p.htm");
    shared.claim("qp1-t");   // a series id that looks like a generated one
    for (int chart = 0; chart < 2; ++chart) {
        SvgCanvas c(page, shared);
        c.begin_block({true, 0, 0, "a", true, 10, 10});
        c.rect({0, 0, 1, 1}, Paint{"red", "red", 1}, Tags{"s", "", ""});
        c.end_block();
    }
    const std::string_view out = page.view();
    EXPECT_EQ(out.find("qp1-"), std::string_view::npos);
    EXPECT_NE(out.find("\"qp2-t\""), std::string_view::npos);
    EXPECT_NE(out.find("\"qp3-d\""), std::string_view::npos);
    EXPECT_EQ(out.find("id=\"a\""), out.rfind("id=\"a\""));
    EXPECT_EQ(out.find("id=\"s\""), out.rfind("id=\"s\""));
    shared.reset("q.htm");   // a new page uses them afresh
    EXPECT_TRUE(shared.claim("a"));
    EXPECT_EQ(shared.claim_block_number(), 1);
}

// A thick line's joints come before its segments; the id belongs to the
// segments, which carry the tooltip, whichever comes first.
TEST(SvgCanvas, TheSeriesIdGoesToTheSeriesElementNotToItsHelpers) {
    const Tags joint{"s1", "", "", true};
    const Tags segments{"s1", "", "Lisbon"};
    const Paint round{"red", "red", 1};
    check({
        {"joints first: a group of their own without the id, the line takes it",
         [&](Canvas& c) {
             c.oval({8, 8, 4, 4}, round, joint);
             c.line({0, 0}, {10, 10}, 2, "red", segments);
             c.line({10, 10}, {20, 0}, 2, "red", segments);
             c.oval({18, 18, 4, 4}, round, joint);
         },
         "<g fill=\"red\" stroke=\"red\">\n<circle cx=\"10\" cy=\"10\" r=\"2\"/>\n</g>\n"
         "<g id=\"s1\"" + kLines +
             "<title>Lisbon</title>\n<path d=\"M0 0L10 10 20 0\"/>\n</g>\n"
             "<g fill=\"red\" stroke=\"red\">\n<circle cx=\"20\" cy=\"20\" r=\"2\"/>\n"},
        {"a helper keeps its link",
         [&](Canvas& c) { c.oval({0, 0, 4, 4}, round, Tags{"s1", "a.htm", "", true}); },
         "<a href=\"a.htm\" fill=\"red\" stroke=\"red\">\n<circle cx=\"2\" cy=\"2\" r=\"2\"/>\n"},
        {"a series without a tooltip: its own element still takes the id",
         [&](Canvas& c) {
             c.oval({8, 8, 4, 4}, round, Tags{"s2", "", "", true});
             c.line({0, 0}, {10, 10}, 6, "red", Tags{"s2", "", ""});
         },
         "<g fill=\"red\" stroke=\"red\">\n<circle cx=\"10\" cy=\"10\" r=\"2\"/>\n</g>\n"
         "<g id=\"s2\" fill=\"none\" stroke=\"red\" stroke-width=\"6\" stroke-linejoin=\"round\">\n"
         "<path d=\"M0 0L10 10"},   // the path stays open for a joining line
    });
}

TEST(SvgCanvas, AGrownPageIsHandedOn) {
    PageText page;
    SvgPage shared("p.htm");
    int spills = 0;
    SvgCanvas c(page, shared, [&] {
        ++spills;
        page.clear();
    });
    for (int i = 0; i < 100000; ++i) c.rule({i, 0}, {i, 100}, 1, "black");
    EXPECT_GE(spills, 1);
    EXPECT_LT(page.size(), SvgCanvas::kSpillBytes);
}

}  // namespace
}  // namespace qp
