// The series, pie and legend painters on the test chart as laid out (x(i)
// = 100 + 100 i; Y1 y(v) = 250 - 2 v; Y2 y(v) = 250 - 20 v), for the rules
// the golden pages do not reach.
#include <gtest/gtest.h>

#include <climits>
#include <limits>

#include "draw/painters.h"
#include "layout/layout.h"
#include "support/render_test_support.h"

namespace qp {
namespace {

using test::add_series;
using test::box;
using test::count_of;
using test::line;
using test::n;
using test::painted;

// A marker, bar or sample box in yellow edged in red.
std::string bar(int top, int left, int width, int height, int weight = 1) {
    return box(top, left, width, height, "yellow", "red", weight);
}

// A bar too narrow for a stroke weight.
std::string narrow(int top, int left, int width, int height) {
    return "<v:rect  fillcolor='yellow' strokecolor='yellow' style='position:absolute;top:" + n(top) +
           ";left:" + n(left) + ";width:" + n(width) + ";height:" + n(height) + "'   >\n</v:rect>\n";
}

// The circle of shape 4, a marker or a thick line's joint: edged 2 wide from size 20 on.
std::string oval(int top, int left, int size, const std::string& fill, const std::string& stroke,
                 const std::string& attrs = "  ", const std::string& id = "") {
    return "<v:oval " + id + " fillcolor='" + fill + "' strokecolor='" + stroke + "' strokeweight='" +
           n(size < 20 ? 1 : 2) + "px' style='position:absolute;top:" + n(top) + ";left:" + n(left) +
           ";width:" + n(size) + ";height:" + n(size) + "' " + attrs + ">\n</v:oval>\n";
}

TEST(MarkerPrimitive, ShapeGeometryAndStrokeWeight) {
    const std::string title = "title='Bob&#39;s'", id = "id='c_2'", link = "href='a.htm'";
    const std::pair<int, std::string> cases[] = {   // size x 10 + shape, the elements
        // Shape 2, size 10: s = round(7.1) = 7, odd, so 8, from x - 4;
        // size 20: 14 stays even, and the stroke weight is 2 from size 20.
        {10 * 10 + 2, bar(196, 96, 8, 8)},
        {20 * 10 + 2, bar(193, 93, 14, 14, 2)},
        {19 * 10 + 4, oval(191, 91, 19, "yellow", "red")},
        {20 * 10 + 4, oval(190, 90, 20, "yellow", "red")},
        // Cross of size 3 (a capped legend sample): a = b = 1, no inner
        // lines, whose weight would be negative.
        {3 * 10 + 5, line(99, 199, 101, 201, 1, "red") + line(99, 201, 101, 199, 1, "red")},
        // Size 16: a = b = 6, weights 7 and 3; size 20: size / 2 = 10, inner 6.
        {16 * 10 + 5, line(94, 194, 106, 206, 7, "red") + line(94, 206, 106, 194, 7, "red") +
                          line(97, 197, 103, 203, 3, "yellow") + line(97, 203, 103, 197, 3, "yellow")},
        {20 * 10 + 5, line(90, 190, 110, 210, 10, "red") + line(90, 210, 110, 190, 10, "red") +
                          line(96, 196, 104, 204, 6, "yellow") + line(96, 204, 104, 196, 6, "yellow")},
        // Plus on a box, size 10: h = 5, lines of 3 reaching one further;
        // every element carries the id, link and escaped title.
        {10 * 10 + 6, box(195, 95, 10, 10, "yellow", "yellow", 1, id, link, title) +
                          line(95, 200, 106, 200, 3, "red", id, link, title) +
                          line(100, 195, 100, 206, 3, "red", id, link, title)},
    };
    for (const auto& [size_shape, expected] : cases) {
        SCOPED_TRACE(size_shape);
        const bool plus = size_shape % 10 == 6;
        EXPECT_EQ(painted([&](Canvas& out) {
                      draw_marker(out, Marker{{100, 200}, size_shape / 10,
                                              static_cast<MarkerShape>('0' + size_shape % 10), "red",
                                              "yellow",
                                              plus ? Tags{"c_2", "a.htm", "Bob's"} : Tags{}});
                  }),
                  expected);
    }
}

TEST(LinePainter, JointsBreaksAndFilledAreas) {
    ChartState st = test::series_chart();
    SeriesRecord& rec = add_series(st, 1, "L1", {50, 100, 0, kEmptyValue, 50});
    rec.width = 6;
    rec.text = "T";
    rec.url = "u.htm";
    rec.id = "c_1";
    auto paint = [&](int number, int s) {
        return painted([&](Canvas& out) { paint_line_series(st, lay_out(st), out, number, s); });
    };
    // Segments 0-1 and 1-2; one joint of size width - 2 in the line colour
    // at the inner position 1 (200, 50), with link and id but no title;
    // none at the start, none at 2 beside the break, none below width 5.
    const std::string a = "id='c_1'", l = "href='u.htm'", t = "title='T'";
    const auto segments = [&](int width) {
        return line(100, 150, 200, 50, width, "red", a, l, t) + line(200, 50, 300, 250, width, "red", a, l, t);
    };
    EXPECT_EQ(paint(1, 0), oval(48, 198, 4, "red", "red", l + "  ", a) + segments(6));
    rec.width = 5;
    EXPECT_EQ(paint(1, 0), oval(49, 199, 3, "red", "red", l + "  ", a) + segments(5));
    rec.width = 4;
    EXPECT_EQ(paint(1, 0), segments(4));

    // Filled areas: quadrilaterals first, then the lines; above and below
    // the crossing the area reaches to it.
    rec.tip = "L3";
    rec.width = 1;
    rec.url = rec.id = "";
    st.y1.min = -100;   // y(v) = 150 - v, crossed at row 150
    rec.kolpoint = 2;
    st.d1.val[0][0] = -50;
    st.d1.val[0][1] = 50;
    st.d1.val[0][2] = kEmptyValue;
    EXPECT_EQ(paint(1, 0), "<v:polyline  style='position:absolute' fillcolor='yellow' strokecolor='red' "
                           "points='100,150 100,200 200,100 200,150'  title='T'>\n</v:polyline>\n" +
                               line(100, 200, 200, 100, 1, "red", "", "", t));
}

TEST(LinePainter, DropLinesOnTheBoundariesLeaveOutOnlyThoseOnADrawnScaleLine) {
    // Positions on the slot boundaries, x(i) = 50 + 150 i; 50, 100, 25 at
    // rows 150, 50, 200.  The first drop line lies on the Y1 axis line, the
    // last on the Y2 axis line; each is left out only where its scale is.
    const auto drop = [](int x, int y) { return line(x, y, x, 250, 1, "red"); };
    const std::string first = line(50, 150, 200, 50, 1, "red"), second = line(200, 50, 350, 200, 1, "red");
    const struct {
        int y1p, y2p;
        std::string page;
    } cases[] = {
        {1, -1, first + drop(200, 50) + second + drop(200, 50) + drop(350, 200)},
        {-1, 1, first + drop(50, 150) + drop(200, 50) + second + drop(200, 50)},
        {1, 1, first + drop(200, 50) + second + drop(200, 50)},
    };
    for (const auto& c : cases) {
        ChartState st = test::series_chart();
        st.x.XYcross = 1;
        st.y1.p = c.y1p;
        st.y2.p = c.y2p;
        add_series(st, 1, "L2", {50, 100, 25});
        Layout lay = lay_out(st);
        lay.x.Xstepm = 150;
        lay.x.dXstepm = 0;
        EXPECT_EQ(painted([&](Canvas& out) { paint_line_series(st, lay, out, 1, 0); }), c.page)
            << "Y1p " << c.y1p << ", Y2p " << c.y2p;
    }
}

TEST(MarkerPainter, CaretMarkersTakeTheTitleAndIdOfTheLineJustBefore) {
    // A '^' marker series after an L1 or L2 series takes its title and id;
    // after any other series, or as the first, it has no title and keeps
    // its own id.  The marker at 50 sits at (100, 150).
    const std::pair<std::string, std::string> cases[] = {
        {"L1", "  title='T'"}, {"L2", "  title='T'"}, {"L3", "  "}, {"", "  "}};
    for (const auto& [before, attrs] : cases) {
        ChartState st = test::series_chart();
        if (!before.empty()) {
            SeriesRecord& line_rec = add_series(st, 1, before, {1});
            line_rec.text = "T";
            line_rec.id = "c_1";
        }
        SeriesRecord& rec = add_series(st, 1, "M4", {50});
        rec.width = 10;
        rec.text = "^m";
        rec.id = "c_2";
        const std::string id = attrs.size() > 2 ? "id='c_1'" : "id='c_2'";
        EXPECT_EQ(painted([&](Canvas& out) { paint_marker_series(st, lay_out(st), out, 1, st.d1.num); }),
                  oval(145, 95, 10, "yellow", "red", attrs, id))
            << "after " << before;
    }
}

TEST(BarPrimitive, StrokeWeightFrom4PixelsWide) {
    auto bar_of_width = [&](int width) {
        return painted([&](Canvas& out) { draw_bar(out, Bar{100, 100 + width, 150, 250, 1, "red", "yellow", {}}); });
    };
    EXPECT_EQ(bar_of_width(4), bar(150, 100, 4, 100));
    EXPECT_EQ(bar_of_width(3), narrow(150, 100, 3, 100));
}

TEST(BarPainter, OffsetsSideBySideStackedAndAtTheBoundaries) {
    ChartState st = test::series_chart();
    Layout lay;
    auto paint = [&](int number) {
        return painted([&](Canvas& out) { paint_bars(st, lay, out, number); });
    };
    st.d1.kolR1 = 2;   // bars of 100 / (1 + 2) = 33
    add_series(st, 1, "R1", {100, kEmptyValue});
    add_series(st, 1, "L1", {100});   // not a bar: takes no place
    add_series(st, 1, "R1", {50, 50});
    // Offset round((100 - 66) / 2) = 17 into the slot, the second series 33
    // further; each bar reaches down to the crossing row 250.
    lay = lay_out(st);
    EXPECT_EQ(paint(1), bar(50, 67, 33, 200) + bar(150, 100, 33, 100) + bar(150, 200, 33, 100));
    // One group (stacked): every series in the first place, 25 into its slot.
    st.d1.kolR1 = st.d1.kolR2 = 1;
    lay = lay_out(st);
    ASSERT_EQ(lay.bars1.Rwidth, 50);
    EXPECT_EQ(paint(1), bar(50, 75, 50, 200) + bar(150, 75, 50, 100) + bar(150, 175, 50, 100));

    // On the grid positions D1 takes round(5 / 2.0) = 3 pixels at position
    // 0, too narrow for a stroke weight; position 3 is cut at the plot's
    // right edge 350.
    st = test::series_chart();
    st.x.XYcross = 1;
    st.d1.kolR1 = st.d2.kolR1 = 1;
    add_series(st, 1, "R1", {100, 100, kEmptyValue, 100});
    lay = lay_out(st);
    lay.x.Xstepm = 100;
    lay.bars1.Rwidth = lay.bars2.Rwidth = 5;
    EXPECT_EQ(paint(1), narrow(50, 50, 3, 200) + bar(50, 148, 5, 200) + narrow(50, 348, 2, 200));
    // D2 takes the integer half, 2 pixels, from its own crossing row.
    lay.y2.xrow = 240;
    add_series(st, 2, "R1", {10});
    EXPECT_EQ(paint(2), narrow(50, 50, 2, 190));
}

TEST(ValueLabel, WidthFromDigitsDecimalsAndSignPlaceByTheCrossing) {
    ChartState st = test::series_chart();
    // The label of `value` at (200, `row`), from its top to its font.
    auto label = [&](float value, int row = 100) {
        const std::string page = painted([&](Canvas& out) {
            draw_value_label(out, st.y1, ValueLabel{{200, row}, 250, 14, "red", "", value, {}});
        });
        const auto top = page.find("top:");
        return page.substr(top, page.find(";color") - top) + page.substr(page.find("<v:textbox/>"));
    };
    const std::string font = "; font:normal normal normal 14 Arial<v:textbox/>";
    // -7 in whole numbers: round(9.8) + round(4.9) = 15 wide, left
    // round(200 - 7.5); above the point: 100 - 5 - round(16.1).
    EXPECT_EQ(label(-7), "top:79;left:193;height:16;width:15" + font + "-7</v:textbox/>\n</v:shape>\n");
    // 1234.5 with one decimal in the step: 6 characters, round(58.8) = 59,
    // "%6.1f".
    st.y1.sstep = "5";
    EXPECT_EQ(label(1234.5f), "top:79;left:171;height:16;width:59" + font + "1234.5</v:textbox/>\n</v:shape>\n");
    // A label stands above a point on the crossing row 250 and below one
    // under it.
    for (const auto& [row, top] : {std::pair{249, "top:228;"}, {250, "top:229;"}, {251, "top:256;"}}) {
        EXPECT_EQ(label(5, row).substr(0, 8), top) << "row " << row;
    }
}

TEST(PiePainter, CentredPieSectorsStartAngleAndAttributes) {
    ChartState st = test::series_chart();
    st.y1.p = -1;
    auto paint = [&] { return painted([&](Canvas& out) { paint_pies(st, lay_out(st), out); }); };
    // A sector of a pie in the 400 x 300 area; angles in whole degrees.
    auto sector = [](int cy, int r, long long start, long long sweep, const std::string& attrs = " ") {
        return "<v:shape style='position:absolute;top:0;left:0;width:400;height:300' coordsize='400,300' "
               "path='m 200," + n(cy) + " ae 200," + n(cy) + "," + n(r) + "," + n(r) + "," +
               n(start * 65536) + "," + n(-sweep * 65536) + " x e' fillcolor='yellow' strokecolor='red' " +
               attrs + "></v:shape>\n";
    };
    add_series(st, 1, "L1", {1, 2});
    EXPECT_EQ(paint(), "");   // no pie series: nothing
    add_series(st, 1, "P1", {1});
    add_series(st, 2, "P1", {2});
    add_series(st, 1, "P1", {1});
    // d = 200 (the height limits it) centred in the plot: r = 100 at (200,
    // 150).  D1 first, then D2: 90, 90 and 180 degrees clockwise from the top.
    EXPECT_EQ(paint(), sector(150, 100, 90, 90) + sector(150, 100, 0, 90) + sector(150, 100, -90, 180));
    // The link text takes the id after it; the title follows.
    st.d1.rec[1].url = "a.htm";
    st.d1.rec[1].id = "c_1";
    st.d1.rec[1].text = "Q'1";
    EXPECT_EQ(test::page_lines(paint())[0], sector(150, 100, 90, 90, "href='a.htm' id='c_1' title='Q&#39;1'"));

    // With an X record the label line is kept free: d = 200 - 10 - 16 = 174,
    // left 50 + 63, top round((26 - 16.1) / 2 + 50) = 55, r = 87.  Text
    // falling at 120 degrees from under the centre (200, 234): len =
    // truncate(29.4) = 29, dx = round(29 sin(30 / 57.296)) = round(14.49995)
    // = 14, dy = round(29 cos(30 / 57.296)) = 25.
    st = test::series_chart();
    st.y1.p = -1;
    st.x.X1p = 1;
    st.X[0] = "Jan";
    st.x.Xgrad = 120;
    add_series(st, 2, "P3", {7});
    const std::string page = paint();
    EXPECT_EQ(page.substr(0, page.find("<v:fill")),
              sector(142, 87, 90, 360) + "<v:line from='200 234' to='214 259' strokecolor='black'>\n");
    EXPECT_EQ(count_of(page, "string='Jan' style='v-text-align:left;"), 1);
    st.X[0] = "|Jan";
    EXPECT_EQ(paint(), sector(142, 87, 90, 360));
    // Falling at 100 degrees the length drops its fraction: truncate(9.8)
    // = 9, dx = round(1.563) = 2, dy = round(8.863) = 9.
    st.X[0] = "J";
    st.x.Xgrad = 100;
    EXPECT_EQ(test::page_lines(paint())[1], "<v:line from='200 234' to='202 243' strokecolor='black'>\n");
}

// A legend at (400, 40) on the test chart; no entries yet.
ChartState legend_chart(int cols, int rows, int width, int height) {
    ChartState st = test::series_chart();
    st.legend.Lp = st.legend.Lbwidth = 1;
    st.legend.Lleft = 400;
    st.legend.Ltop = 40;
    st.legend.Lcolor = "white";
    st.legend.Lfsize = 14;
    st.legend.Lcols = cols;
    st.legend.Lrows = rows;
    st.legend.Lwidth = width;
    st.legend.Lheight = height;
    return st;
}

void entry(ChartState& st, int number, const std::string& tip, const std::string& label) {
    SeriesRecord& rec = add_series(st, number, tip, {1});
    rec.text = label;
    rec.inlegend = 1;
    ++st.legend.Lgnum;
    if (tip == "M2") rec.width = 10;
}

std::string legend(ChartState& st) {
    return painted([&](Canvas& out) { paint_legend(st, lay_out(st), out); });
}

// The label box of a legend cell in size 14 Arial, with its text.
std::string text(int top, int left, int width, const std::string& label) {
    return "<v:shape style='position:absolute;top:" + n(top) + ";left:" + n(left) +
           ";height:16;width:" + n(width) + "; font:normal normal normal 14 Arial;color:black' >\n"
           "<v:textbox/>" + label + "</v:textbox/>\n</v:shape>\n";
}

const std::string kLegendBlock = "<div style='position:absolute;top:40px;left:400px' >\n";

TEST(LegendPainter, FiveEntriesInTwoColumnsWithSamplesAndSeparators) {
    ChartState st = legend_chart(2, 3, 200, 90);
    st.legend.Lgrid = st.legend.Lborder = st.legend.Lround = st.legend.Lshadow = 1;
    entry(st, 1, "M2", "m");
    entry(st, 2, "R1", "r");
    entry(st, 1, "V1", "v");
    entry(st, 2, "L3", "a");
    entry(st, 1, "P1", "p");
    // Cells of 100 x 30 filled row by row, middle rows 15, 45, 75.  Bars
    // are 20 x 6 around the middle row, the marker sits at xc + 15, value
    // series have no sample; separators between the rows and columns.
    EXPECT_EQ(legend(st),
              kLegendBlock +
                  "<v:group style='antialias:false;width:200px;height:90px' coordsize='200,90'>\n"
                  "<v:roundrect arcsize='0.05'  fillcolor='white' strokecolor='black' strokeweight='1px' "
                  "style='position:absolute;top:0;left:0;width:199;height:89' >\n"
                  "<v:shadow  on=\"t\" />\n</v:roundrect>\n" +
                  bar(11, 11, 8, 8) + text(7, 30, 70, "m") + bar(12, 105, 20, 6) + text(7, 130, 70, "r") +
                  text(37, 30, 70, "v") + bar(42, 105, 20, 6) + text(37, 130, 70, "a") +
                  bar(72, 5, 20, 6) + text(67, 30, 70, "p") + line(0, 30, 200, 30, 1, "black") +
                  line(0, 60, 200, 60, 1, "black") + line(100, 0, 100, 90, 1, "black") +
                  "</v:group></div>\n");
}

TEST(LegendPainter, SamplesStayWithinTheFontSizeAndCaretMarkersSitOnTheirLine) {
    // One cell of 100 x 50 in size 14: samples around (15, 25), between
    // the box and the text.
    const std::string caret_marker = oval(18, 8, 14, "yellow", "red", "href='m.htm'  title='T'", "id='c_1'");
    const struct {
        std::string tip;
        int width;
        bool caret;
        std::string sample;
    } cases[] = {
        {"L1", 20, false, line(5, 25, 25, 25, 14, "red")},
        {"M4", 20, false, oval(18, 8, 14, "yellow", "red")},
        {"M4", 12, false, oval(19, 9, 12, "yellow", "red")},
        {"L1", 2, true, line(5, 25, 25, 25, 2, "red", "id='c_1'", "", "title='T'") + caret_marker},
        {"L2", 2, true, line(5, 25, 25, 25, 2, "red", "id='c_1'", "", "title='T'") + caret_marker},
    };
    for (const auto& c : cases) {
        ChartState st = legend_chart(1, 1, 100, 50);
        entry(st, 1, c.tip, c.caret ? "a'T" : "a");
        st.d1.rec[0].width = c.width;
        if (c.caret) {
            st.d1.rec[0].id = "c_1";
            SeriesRecord& marker = add_series(st, 1, "M4", {1});   // no entry of its own
            marker.width = 20;
            marker.text = "^m";
            marker.url = "m.htm";
            marker.id = "c_2";
        }
        const std::string page = legend(st);
        const auto from = page.find("</v:rect>\n") + 10;
        EXPECT_EQ(page.substr(from, page.find("<v:shape") - from), c.sample) << c.tip << " " << c.width;
    }
}

TEST(LegendPainter, TextBoxIsTheFontSizeTimes1_15High) {
    // Size 60: round(69) high; its top round(ch / 2 - 34.5) = round(0.6)
    // with ch = 351 / 5 = 70.2.
    ChartState st = legend_chart(1, 5, 200, 351);
    st.legend.Lfsize = 60;
    entry(st, 1, "V1", "v");
    EXPECT_EQ(count_of(legend(st), "<v:shape style='position:absolute;top:1;left:30;height:69;width:170; "), 1);
}

TEST(LegendPainter, TransparentBoxWithBorder3) {
    ChartState st = legend_chart(1, 1, 100, 50);
    st.legend.Lcolor = "Transparent";
    st.legend.Lborder = 1;
    st.legend.Lbwidth = 3;
    st.legend.Lbcolor = "navy";
    entry(st, 1, "L1", "x");
    // Edge lines 3 wide, round(1.5) = 2 inside the box; the cells then
    // start 3 inside: one cell of 94 x 44 from (3, 3), middle row 25.
    EXPECT_EQ(legend(st), kLegendBlock +
                              "<v:group style='antialias:false;width:100px;height:50px' coordsize='100,50'>\n" +
                              line(0, 2, 100, 2, 3, "navy") + line(98, 0, 98, 50, 3, "navy") +
                              line(100, 48, 0, 48, 3, "navy") + line(2, 50, 2, 0, 3, "navy") +
                              line(8, 25, 28, 25, 1, "red") + text(17, 33, 64, "x") + "</v:group></div>\n");
}

TEST(LegendPainter, SeparatorsBoundedAndNothingWithoutEntries) {
    ChartState st = legend_chart(1, 1, 30, 30);
    entry(st, 1, "V1", "x");
    st.legend.Lgrid = 1;
    st.legend.Lrows = 2000000000;
    EXPECT_EQ(count_of(legend(st), "<v:line"), 100000);   // separators are bounded
    st.legend.Lgnum = 0;
    EXPECT_EQ(legend(st), "");
    st.legend.Lgnum = 1;
    st.legend.Lp = -1;
    EXPECT_EQ(legend(st), "");
}

// Hostile sizes and values draw something finite: no overflow, no undefined
// conversion, no endless loop (checked in the sanitizer build).
TEST(SeriesLimits, ExtremeSizesAndValuesStayInRange) {
    ChartState st = test::series_chart();
    const float huge = std::numeric_limits<float>::max();
    add_series(st, 1, "L2", {-huge, huge, 1e-30f}).width = INT_MAX;
    add_series(st, 1, "M5", {huge, -huge}).width = INT_MAX;
    add_series(st, 1, "R1", {huge, -huge});
    add_series(st, 1, "V1", {huge, -huge, std::numeric_limits<float>::infinity()}).width = INT_MAX;
    add_series(st, 2, "P2", {huge, huge, 1e-38f}).width = INT_MAX;
    st.d1.rec[0].inlegend = st.d1.rec[1].inlegend = 1;
    st.y1.sstep = std::string(39, '9');
    st.area.Awidth = st.legend.Lcols = st.legend.Lbwidth = st.legend.Lfsize = INT_MAX;
    st.plot.Cright = st.legend.Lwidth = INT_MIN;
    st.d1.kolR1 = st.legend.Lp = st.legend.Lgrid = st.legend.Lgnum = 1;
    st.legend.Lrows = 0;
    Layout lay = lay_out(st);
    lay.x.Xstepm = huge;
    lay.plot.left = lay.bars1.Rwidth = INT_MAX;
    lay.plot.right = INT_MIN;
    const std::string page = painted([&](Canvas& out) {
        for (int s = 0; s <= st.d1.num; ++s) {
            paint_line_series(st, lay, out, 1, s);
            paint_marker_series(st, lay, out, 1, s);
            paint_value_series(st, lay, out, 1, s);
        }
        paint_bars(st, lay, out, 1);
        paint_pies(st, lay, out);
        paint_legend(st, lay, out);
    });
    EXPECT_EQ(lay.pies.series, 1);
    EXPECT_FALSE(page.empty());
}

}  // namespace
}  // namespace qp
