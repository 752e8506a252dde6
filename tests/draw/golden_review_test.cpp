// Whole pages drawn from chart descriptions, compared line by line with
// lines worked out by hand from the element texts and the pixel
// arithmetic: round halves away from zero, truncate toward zero, integer
// halves, and single-precision reals for steps and rows.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/render_test_support.h"

namespace qp {
namespace {

using test::n;
using test::page_lines;

// Processes `text` as the chart description file `name` and returns the
// page `page` cut into lines.
std::vector<std::string> draw(const std::string& name, const std::string& text, const std::string& page) {
    return page_lines(test::chart_page(name, text, page));
}

std::vector<std::string> heading(const std::string& title) { return page_lines(test::heading(title)); }

// Appends the lines of `text`.
void add(std::vector<std::string>& lines, const std::string& text) {
    for (std::string& line : page_lines(text)) lines.push_back(std::move(line));
}

void add_rule(std::vector<std::string>& lines, int x1, int y1, int x2, int y2, int weight,
              const std::string& color) {
    add(lines, test::rule(x1, y1, x2, y2, weight, color) + "</v:line>\n");
}

// A text shape: its opening line, its text and its end tag.
void add_text(std::vector<std::string>& lines, const std::string& open, const std::string& text) {
    lines.insert(lines.end(), {open, "<v:textbox/>" + text + "</v:textbox/>\n", "</v:shape>\n"});
}

std::string font(const std::string& italic, const std::string& bold, int size,
                 const std::string& family) {
    return "font:" + italic + " normal " + bold + " " + n(size) + " " + family;
}

void expect_lines(const std::vector<std::string>& actual, const std::vector<std::string>& expected) {
    for (std::size_t i = 0; i < std::min(actual.size(), expected.size()); ++i) {
        EXPECT_EQ(actual[i], expected[i]) << "line " << i + 1;
    }
    EXPECT_EQ(actual.size(), expected.size());
}

// The chart of seven records that shows every record once: a 500 x 300
// area at (10, 20) with a navy border of 2 (shadow, round corners), margins
// 50/20/40/40, a bold title, three X labels with a caption, a Y1 grid from
// 0 to 100 in steps of 20 with minor steps of 5, and one line series.
TEST(GoldenPage, RecordTourChart) {
    const auto lines = draw("sales.csv",
                            "AREA;10;20;500;300;white;chart1;;sales.htm;;\n"
                            "BORDER;2;navy;S;R\n"
                            "PLOT;50;20;40;40;\n"
                            "TITLE;18;Arial;black;B;;Monthly sales;\n"
                            "X;1;black;12;Arial;black;;;Month;;Jan;Feb;Mar;\n"
                            "Y1-;1;black;0;100;20;5;0;12;Arial;black;;;Units;\n"
                            "D1;L1;2;red;;Sales;;10;20;30;\n",
                            "sales.htm");

    std::vector<std::string> e = heading("Monthly sales");
    // Border 2: inset by half of it, 2 narrower and lower.
    e.insert(e.end(), {"<div style='position:absolute;top:20px;left:10px'  id='chart1'>\n",
                       "<v:group style='antialias:false;width:500px;height:300px' coordsize='500,300'>\n",
                       "<v:roundrect arcsize='0.05'  fillcolor='white' strokecolor='navy' strokeweight='2px' "
                       "style='position:absolute;top:1;left:1;width:498;height:298' >\n",
                       "<v:shadow  on=\"t\" />\n", "</v:roundrect>\n"});
    // The area becomes (2, 2) 496 x 296; plot x 52..478, rows 42..258, H 216.
    // Title: top (40 - 18) / 2 + 2 = 13, height round(18 * 1.15) = 21.
    add_text(e, "<v:shape style='position:absolute;top:13;left:7;text-align:center;width:486;height:21; " +
                    font("normal", "bold", 18, "Arial") + ";color:black;background:' >\n",
             "Monthly sales");
    // Category pitch 426 / 3 = 142; ticks at 52 + 142 i for i = 1, 2 (the
    // entry after the last label is empty), 5 long (round(4) limited to 5).
    add_rule(e, 194, 263, 194, 258, 1, "black");
    add_rule(e, 336, 263, 336, 258, 1, "black");
    // Caption: top 2 + 296 - round(13.8) - 5 = 279, width 496 - 50 - 20 - 20.
    const std::string in_12 = font("normal", "normal", 12, "Arial") + ";color:black;background:'";
    add_text(e, "<v:shape style='position:absolute;top:279;left:62;text-align:center;width:406;height:14; " +
                    in_12 + " >\n", "Month");
    // Labels: centre 52 + 142 i + 71, left round(centre - 0.21 * 36),
    // width round(25.2) = 25, top 258 + 5 + 5.
    for (const auto& [left, month] : {std::pair{115, "Jan"}, {257, "Feb"}, {399, "Mar"}}) {
        add_text(e, "<v:shape style='position:absolute;top:268;left:" + n(left) + ";height:14;width:25; " +
                        in_12 + " >\n", month);
    }
    // Grid: 2.16 pixels per unit, 43.2 per step, from the crossing row 258
    // upward without the crossing itself (the X axis line is there).
    for (int row : {215, 172, 128, 85, 42}) add_rule(e, 47, row, 478, row, 1, "black");
    // Minor ticks every 10.8 rows, round(5 * 0.5) = 3 long.
    for (int row : {247, 236, 226, 215, 204, 193, 182, 172, 161, 150, 139, 128, 118, 107, 96,
                    85, 74, 64, 53, 42}) {
        add_rule(e, 49, row, 52, row, 1, "black");
    }
    // Caption "Units": width round(12 * 5 * 0.7) = 42 ends at the plot edge;
    // top round(30 - 6.9 - 10) = 13; no line end after its shape.
    e.push_back("<v:shape style='position:absolute;top:13;left:10;text-align:left;width:42;height:14; " +
                in_12 + " >\n");
    e.push_back("<v:textbox/>Units</v:textbox/>\n");
    // Value labels: first top 258 - 6.9, then 43.2 higher each.
    const int tops[] = {251, 208, 165, 122, 78, 35};
    for (int k = 0; k < 6; ++k) {
        const std::string open = "<v:shape style='position:absolute;top:" + n(tops[k]) +
                                 ";left:7;text-align:right;width:35;height:14; " + in_12 + ">\n";
        add_text(e, k == 0 ? "</v:shape>" + open : open, n(20 * k));
    }
    // The line: x = round(71 + 142 i) + 52, y = round((100 - v) * 2.16) + 42.
    add(e, test::line(123, 236, 265, 215, 2, "red", "id='chart1_1'", "", "title='Sales'") +
               test::line(265, 215, 407, 193, 2, "red", "id='chart1_1'", "", "title='Sales'"));
    add_rule(e, 52, 258, 52, 42, 1, "black");
    add_rule(e, 52, 258, 478, 258, 1, "black");
    e.insert(e.end(), {"</v:group></div>\n", "</body></html>"});
    expect_lines(lines, e);
}

// Two bar series side by side with a bar interval of 50 % and a negative
// value, beside value labels, a thick line and '^' markers riding on it,
// and the two-column legend they get, with a shadowed border of 3 and
// separators.
TEST(GoldenPage, BarsValuesAndLegendCells) {
    const auto lines = draw("mix.csv",
                            "AREA;0;10;400;300;;;;mix.htm;;\n"
                            "X;;;;;;;;;;Q1;Q2;Q3;\n"
                            "Y1;;;;;;;;;;;;;;\n"
                            "LEGEND+;;;;;white;2;;12;;;;;3;gray;S;\n"
                            "D1;R;50;black;red;Sales 'of the year;http://x.y/a;10;-5;20\n"
                            "D1;R;;black;blue;Costs;;5;8;12\n"
                            "D1;V;10;black;;;;10;-5;20\n"
                            "D1;L1;6;green;;Trend;;4;9;16\n"
                            "D1;M5;14;purple;yellow;^dots;;4;9;16\n",
                            "mix.htm");
    // Every line of `text` is on the page.
    auto has = [&](const std::string& text) {
        for (const std::string& line : page_lines(text)) {
            if (std::find(lines.begin(), lines.end(), line) == lines.end()) return false;
        }
        return true;
    };
    using test::box;
    using test::line;
    const std::string link = "href='http://x.y/a'", sales = "title='Sales &#39;of the year'";
    // Plot x 40..360, rows 30..270; range -5..20 crossed at 0: 9.6 pixels
    // per unit, crossing row round(20 * 9.6) + 30 = 222; step round(25 / 6) = 4.
    // Bars: pitch 320 / 3, width truncate(106.67 / (0.5 + 2)) = 42, slot
    // margin (106.67 - 84) / 2; first series at round(11.33), then +106.67.
    EXPECT_TRUE(has(box(126, 51, 42, 96, "red", "black", 1, "", link, sales)));
    // A negative value hangs from the crossing row down to round(25 * 9.6) + 30.
    EXPECT_TRUE(has(box(222, 158, 42, 48, "red", "black", 1, "", link, sales)));
    // Legend: 3 entries (none for the value series and the '^' markers),
    // longest label 6 ("Sales "), 2 columns of round(2 * (6 * 12 * 0.55 +
    // 40)) + 6 = 165, 2 rows of round(18.8) + 6.
    EXPECT_TRUE(has("<div style='position:absolute;top:41px;left:400px' >\n"
                    "<v:group style='antialias:false;width:165px;height:44px' coordsize='165,44'>\n"
                    "<v:roundrect arcsize='0'  fillcolor='white' strokecolor='gray' strokeweight='3px' "
                    "style='position:absolute;top:1;left:1;width:162;height:41' >\n"));
    // Cells 79.5 x 19 from (3, 3): the bar sample is 6 high around ym 13,
    // titled with the text after the apostrophe.
    EXPECT_TRUE(has(box(10, 8, 20, 6, "red", "black", 1, "", link, "title='of the year'")));
    // The line sample in the second row, at round(28.5) + 3.
    EXPECT_TRUE(has(line(8, 32, 28, 32, 6, "green")));
    // Separators at round(3 + 19) and round(3 + 79.5).
    EXPECT_TRUE(has(line(3, 22, 162, 22, 1, "gray") + line(83, 3, 83, 41, 1, "gray")));
}

// Five pies in rows of three (300 x 200 plot, label height 16): cells of
// 100, pies of 74, sectors from two series on both axes, a start angle of
// 450 taken as 90.
TEST(GoldenPage, PieRowsWithTwoAxes) {
    const auto lines = draw("pie.csv",
                            "AREA;0;0;300;200;;pie;;pie.htm;;\n"
                            "PLOT;0;0;0;0;\n"
                            "X;;;;;;;;;;A;B;C;D;E\n"
                            "D1;P1;450;black;red;First;;1;2;3;4;5\n"
                            "D2;P3;10;black;blue;Second;;1;2;;0;5\n",
                            "pie.htm");
    const std::string shape = "<v:shape style='position:absolute;top:0;left:0;width:300;height:200' "
                            "coordsize='300,200' path='m ";
    auto sector = [&](int cx, int cy, long long start, long long sweep, const std::string& fill,
                      const std::string& id, const std::string& title) {
        return shape + n(cx) + "," + n(cy) + " ae " + n(cx) + "," + n(cy) + ",37,37," +
               std::to_string(start * 65536) + "," + std::to_string(-sweep * 65536) +
               " x e' fillcolor='" + fill + "' strokecolor='black' id='" + id + "' title='" + title +
               "'></v:shape>\n";
    };
    std::vector<std::string> e = heading("");
    e.insert(e.end(), {"<div style='position:absolute;top:0px;left:0px'  id='pie'>\n",
                       "<v:group style='antialias:false;width:300px;height:200px' coordsize='300,200'>\n",
                       "<v:rect fillcolor='white' strokecolor='white' strokeweight='1px' "
                       "style='position:absolute;top:0;left:0;width:300;height:200' >\n",
                       "</v:rect>\n"});
    // Labels 5 under the pie (5 + 74 + 5), at round(cx - 0.21 * 14).
    const auto label = [&](int top, int left, const std::string& text) {
        add_text(e, "<v:shape style='position:absolute;top:" + n(top) + ";left:" + n(left) +
                        ";height:16;width:10; " + font("normal", "normal", 14, "Arial") +
                        ";color:black;background:' >\n", text);
    };
    // Pie 0: 1 and 1 give 180 and 180, the first from 90 - 90 = 0.
    e.push_back(sector(42, 42, 0, 180, "red", "pie_1", "First"));
    e.push_back(sector(42, 42, -180, 180, "blue", "pie_2", "Second"));
    label(84, 39, "A");
    e.push_back(sector(142, 42, 0, 180, "red", "pie_1", "First"));
    e.push_back(sector(142, 42, -180, 180, "blue", "pie_2", "Second"));
    label(84, 139, "B");
    // An empty value adds nothing: one full sector.
    e.push_back(sector(242, 42, 0, 360, "red", "pie_1", "First"));
    label(84, 239, "C");
    // A zero value gives no sector.
    e.push_back(sector(42, 142, 0, 360, "red", "pie_1", "First"));
    label(184, 39, "D");
    e.push_back(sector(142, 142, 0, 180, "red", "pie_1", "First"));
    e.push_back(sector(142, 142, -180, 180, "blue", "pie_2", "Second"));
    label(184, 139, "E");
    e.insert(e.end(), {"</v:group></div>\n", "</body></html>"});
    expect_lines(lines, e);
}

// A transparent area with a border of 3: four edge lines half the width
// inside, the area inset by 3 for the plot rectangle and the left-aligned
// title.
TEST(GoldenPage, TransparentBorderedArea) {
    const auto lines = draw("glass.csv",
                            "AREA;5;;300;200;Transparent;;;glass.htm;;\n"
                            "BORDER;3;red;S;R\n"
                            "PLOT;;;;;yellow\n"
                            "TITLE;10;Times;blue;;I;<Left title;silver\n"
                            "D1;M1;;;;;;1;2\n",
                            "glass.htm");
    using test::line;
    std::vector<std::string> e = heading("<Left title");
    e.insert(e.end(), {"<div style='position:relative;left:5px' >\n",
                       "<v:group style='antialias:false;width:300px;height:200px' coordsize='300,200'>\n"});
    add(e, line(0, 1, 300, 1, 3, "red") + line(299, 0, 299, 200, 3, "red") + line(300, 199, 0, 199, 3, "red") +
               line(1, 200, 1, 0, 3, "red"));
    // Margins trunc(30) and trunc(20) inside the inset area (3, 3) 294 x 194.
    e.insert(e.end(), {"<v:rect fillcolor='yellow' strokecolor='yellow' strokeweight='1px' "
                       "style='position:absolute;top:23;left:33;width:234;height:154' >\n",
                       "</v:rect>\n"});
    // Title: top (20 - 10) / 2 + 3, height round(11.5) = 12.
    add_text(e, "<v:shape style='position:absolute;top:8;left:8;text-align:left;width:284;height:12; " +
                    font("italic", "normal", 10, "Times") + ";color:blue;background:silver' >\n",
             "Left title");
    // Boxes of size 10: r = round(5 * 0.71) = 4, 9 wide, at x(0) = round(58.5)
    // + 33 = 92, row 154 + 23 = 177 and x(1) = round(175.5) + 33 = 209, row 23.
    add(e, test::box(173, 88, 9, 9, "white", "black", 1) + test::box(19, 205, 9, 9, "white", "black", 1));
    e.insert(e.end(), {"</v:group></div>\n", "</body></html>"});
    expect_lines(lines, e);
}

// Two scales: Y1 from -0.4 to 3 in steps of 0.25 (two decimals, a minus
// sign in the widest label), crossed at 0, with a downward vertical caption;
// Y2 from 5 to 35 with a filled-in step of 5, grid lines and a centred
// vertical caption; labels slanted at 45 degrees on a background; a line
// with drop lines on the grid positions and triangles on Y2.
TEST(GoldenPage, TwoScalesSlantedLabelsDropLines) {
    const auto lines = draw("dual.csv",
                            "AREA;0;0;400;300;;g1;;dual.htm;;\n"
                            "PLOT;60;70;30;50;\n"
                            "X+45;2;green;10;Arial;black;;;>Cap;silver;Alpha;B;|;Delta;\n"
                            "Y1;1;black;-0.4;3;0.25;0,1;;12;Arial;red;B;;>>Left caption;aqua\n"
                            "Y2-;2;blue;;;;;;10;Verdana;black;;I;|Right;\n"
                            "D1;L2;1;red;;One;;1;2;3;0.5\n"
                            "D2;M3;12;navy;lime;Two;;5;15;25;35\n",
                            "dual.htm");
    auto at = [&](const std::string& line) {
        const auto it = std::find(lines.begin(), lines.end(), line);
        EXPECT_NE(it, lines.end()) << line;
        return it - lines.begin();
    };
    const auto count = [&](const std::string& line) { return std::count(lines.begin(), lines.end(), line); };
    using test::rule;
    // Plot x 60..330, rows 30..250 (H 220).  Y2: 220 / 30 pixels per unit,
    // step round(30 / 5.5) = 5 = 36.67 rows, crossing at its minimum (250).
    // The crossing grid line is written going up and again going down.
    EXPECT_EQ(count(rule(60, 250, 337, 250, 1, "blue")), 2);
    at(rule(60, 213, 337, 213, 1, "blue"));
    // Y2 labels left of the vertical caption: 70 - 5 - 10 - 15 wide, first
    // top 250 - 5.75.
    at("<v:shape style='position:absolute;top:244;left:340;text-align:left;width:40;height:12; " +
       font("italic", "normal", 10, "Verdana") + ";color:black;background:'>\n");
    at("<v:line style='position:absolute' from='390 250' to='390 30' strokecolor='black'>\n");
    at("<v:textpath on='True' string='Right' style='v-text-align:center;" +
       font("italic", "normal", 10, "Verdana") + "'/>\n");
    // Slanted "Alpha": len 35, angle 45 * 3.14 / 180; starts at
    // (round(60 - 24.74), round(260 + 24.76)).
    at("<v:line from='35 285' to='60 260' strokecolor='silver' strokeweight='12px'>\n");
    at("<v:textpath on='True' string='Alpha' style='v-text-align:right;" +
       font("normal", "normal", 10, "Arial") + "'/>\n");
    // Y1: crossing row round(3 * 220 / 3.4) + 30 = 224, 16.18 rows per step;
    // the crossing tick is left to the X axis line.
    EXPECT_EQ(count(rule(54, 224, 60, 224, 1, "black")), 0);
    at(rule(54, 208, 60, 208, 1, "black"));
    at(rule(54, 256, 60, 256, 1, "black"));
    // Labels "%5.2f": D 2, I 2 (round(-0.4) is 0 but the minimum is negative).
    at("<v:textbox/> 0.00</v:textbox/>\n");
    at("<v:textbox/>-0.50</v:textbox/>\n");
    at("<v:shape style='position:absolute;top:217;left:22;text-align:right;width:28;height:14; " +
       font("normal", "bold", 12, "Arial") + ";color:red;background:aqua'>\n");
    at("<v:line style='position:absolute' from='11 30' to='11 250' strokecolor='aqua' strokeweight='14px'>\n");
    // Triangle of size 12 at (60, 250): P2 = (60 - round(5.22), 250 + round(3)).
    at("<v:polyline id='g1_2' fillcolor='lime' strokecolor='navy' strokeweight='1px' "
       "style='position:absolute' points='60,244 55,253 65,253 60,244'   title='Two'>\n");
    // Axis lines last: Y2, Y1, then X at the Y1 crossing row.
    const auto n_lines = lines.size();
    ASSERT_GE(n_lines, 9u);
    EXPECT_EQ(lines[n_lines - 8], rule(330, 250, 330, 30, 2, "blue"));
    EXPECT_EQ(lines[n_lines - 6], rule(60, 250, 60, 30, 1, "black"));
    EXPECT_EQ(lines[n_lines - 4], rule(60, 224, 330, 224, 2, "green"));
}

}  // namespace
}  // namespace qp
