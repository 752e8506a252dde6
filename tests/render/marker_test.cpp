#include <gtest/gtest.h>

#include "render/painters.h"
#include "render/series_test_support.h"
#include "vml_writer.h"

namespace qp {
namespace {

using test::box;
using test::line;

std::string marker(int x, int y, int size, char shape, std::string_view id = {},
                   std::string_view link = {}, std::string_view title = {}) {
    std::string page;
    VmlWriter out(page);
    draw_marker(out, x, y, size, "red", title, "yellow", shape, link, id);
    return page;
}

TEST(MarkerPrimitive, SquareBoxes) {
    // Shape 1, size 10: r = round(5 x 0.71) = round(3.55) = 4, a 9-pixel box.
    EXPECT_EQ(marker(100, 200, 10, '1'), box(196, 96, 9, 9, "yellow", "red", 1));
    // Shape 2, size 10: s = round(7.1) = 7, odd, so 8; the box starts at x - 4.
    EXPECT_EQ(marker(100, 200, 10, '2'), box(196, 96, 8, 8, "yellow", "red", 1));
    // Shape 2, size 20: s = round(14.2) = 14 stays even; weight 2 from size 20.
    EXPECT_EQ(marker(100, 200, 20, '2'), box(193, 93, 14, 14, "yellow", "red", 2));
}

TEST(MarkerPrimitive, StrokeWeightChangesAtSize20) {
    // Circle: top and left at the centre minus half the size.
    EXPECT_EQ(marker(100, 200, 19, '4'),
              "<v:oval  fillcolor='yellow' strokecolor='red' strokeweight='1px' "
              "style='position:absolute;top:191;left:91;width:19;height:19'   >\n</v:oval>\n");
    EXPECT_EQ(marker(100, 200, 20, '4'),
              "<v:oval  fillcolor='yellow' strokecolor='red' strokeweight='2px' "
              "style='position:absolute;top:190;left:90;width:20;height:20'   >\n</v:oval>\n");
}

TEST(MarkerPrimitive, TriangleIsClosedAtItsApex) {
    // Size 10: apex (100, 195); base corners 100 -/+ round(4.35) = 4 at
    // row 200 + round(2.5) = 203.
    EXPECT_EQ(marker(100, 200, 10, '3'),
              "<v:polyline  fillcolor='yellow' strokecolor='red' strokeweight='1px' "
              "style='position:absolute' points='100,195 96,203 104,203 100,195'   >\n"
              "</v:polyline>\n");
}

TEST(MarkerPrimitive, CrossGetsInnerLinesFromSize13) {
    // Size 14: a = b = 5, outer weight 5, inner weight 2 in the fill colour.
    EXPECT_EQ(marker(100, 200, 14, '5'),
              line(95, 195, 105, 205, 5, "red") + line(95, 205, 105, 195, 5, "red") +
                  line(97, 197, 103, 203, 2, "yellow") + line(97, 203, 103, 197, 2, "yellow"));
    // Size 6: a = 1, b = 2, weight 1, no inner lines.
    EXPECT_EQ(marker(100, 200, 6, '5'),
              line(99, 199, 102, 202, 1, "red") + line(99, 201, 102, 198, 1, "red"));
    // Size 30 (not in the table): a = b = w1 = 15, w2 = 11.
    EXPECT_EQ(marker(100, 200, 30, '5'),
              line(85, 185, 115, 215, 15, "red") + line(85, 215, 115, 185, 15, "red") +
                  line(96, 196, 104, 204, 11, "yellow") + line(96, 204, 104, 196, 11, "yellow"));
    // A legend sample capped at a 3-pixel font: the inner weight would be
    // negative, so only the outer lines are drawn.
    EXPECT_EQ(marker(100, 200, 3, '5'),
              line(99, 199, 101, 201, 1, "red") + line(99, 201, 101, 199, 1, "red"));
}

TEST(MarkerPrimitive, PlusSignOnAFilledBox) {
    // Size 10: h = 5; the box is filled and outlined in the fill colour, the
    // lines are 3 pixels in the stroke colour and reach one pixel further.
    EXPECT_EQ(marker(100, 200, 10, '6'),
              box(195, 95, 10, 10, "yellow", "yellow", 1) + line(95, 200, 106, 200, 3, "red") +
                  line(100, 195, 100, 206, 3, "red"));
}

TEST(MarkerPrimitive, EveryElementCarriesIdLinkAndEscapedTitle) {
    const std::string id = "id='c_2'";
    const std::string link = "href='a.htm'";
    const std::string title = "title='Bob&#39;s'";
    EXPECT_EQ(marker(100, 200, 10, '6', "c_2", "a.htm", "Bob's"),
              box(195, 95, 10, 10, "yellow", "yellow", 1, id, link, title) +
                  line(95, 200, 106, 200, 3, "red", id, link, title) +
                  line(100, 195, 100, 206, 3, "red", id, link, title));
}

TEST(MarkerSeries, PresentValuesOnlyAndCaretMarkersJoinTheLineBefore) {
    ChartState st = test::framed_chart();
    SeriesRecord& line_rec = test::add_series(st, 2, "L1", {5});
    line_rec.text = "Sales";
    line_rec.id = "c_1";
    SeriesRecord& rec = test::add_series(st, 2, "M2", {5, kEmptyValue, 10});
    rec.text = "^dots";
    rec.id = "c_2";
    rec.width = 10;
    std::string page;
    VmlWriter out(page);
    paint_marker_series(st, out, data_axis(st, 2), 1);
    // Y2: positions 0 and 2 at (100, 150) and (300, 50); the empty value has
    // no marker.  The markers take the line's title and id.
    const std::string id = "id='c_1'", title = "title='Sales'";
    EXPECT_EQ(page, box(146, 96, 8, 8, "yellow", "red", 1, id, "", title) +
                        box(46, 296, 8, 8, "yellow", "red", 1, id, "", title));

    // After a series that is not an L1/L2 line (or as the first series) the
    // markers have no title and keep their own id.
    line_rec.tip = "L3";
    page.clear();
    paint_marker_series(st, out, data_axis(st, 2), 1);
    EXPECT_EQ(page.substr(0, page.find('\n')),
              "<v:rect id='c_2' fillcolor='yellow' strokecolor='red' strokeweight='1px' "
              "style='position:absolute;top:146;left:96;width:8;height:8'   >");
}

}  // namespace
}  // namespace qp
