#include <gtest/gtest.h>

#include "render/painters.h"
#include "render/series_test_support.h"
#include "vml_writer.h"

namespace qp {
namespace {

using test::count_of;
using test::line;

std::string paint(ChartState& st, int number, int s) {
    std::string page;
    VmlWriter out(page);
    paint_line_series(st, out, data_axis(st, number), s);
    return page;
}

TEST(LinePainter, ThickLinesGetJointsAtInnerPositionsOnly) {
    ChartState st = test::framed_chart();
    SeriesRecord& rec = test::add_series(st, 1, "L1", {50, 100, 0, 50});
    rec.width = 6;
    rec.text = "T";
    rec.url = "u.htm";
    rec.id = "c_1";
    // Circles of size 4 in the line colour at positions 1 (200, 50) and 2
    // (300, 250), with link and id but no title; then the three segments.
    const std::string a = "id='c_1'", l = "href='u.htm'", t = "title='T'";
    EXPECT_EQ(paint(st, 1, 0),
              "<v:oval id='c_1' fillcolor='red' strokecolor='red' strokeweight='1px' "
              "style='position:absolute;top:48;left:198;width:4;height:4' href='u.htm'  >\n"
              "</v:oval>\n"
              "<v:oval id='c_1' fillcolor='red' strokecolor='red' strokeweight='1px' "
              "style='position:absolute;top:248;left:298;width:4;height:4' href='u.htm'  >\n"
              "</v:oval>\n" +
                  line(100, 150, 200, 50, 6, "red", a, l, t) +
                  line(200, 50, 300, 250, 6, "red", a, l, t) +
                  line(300, 250, 400, 150, 6, "red", a, l, t));

    rec.width = 4;
    EXPECT_EQ(count_of(paint(st, 1, 0), "<v:oval"), 0);
}

TEST(LinePainter, EmptyValueBreaksTheLine) {
    ChartState st = test::framed_chart();
    SeriesRecord& rec = test::add_series(st, 1, "L1", {50, kEmptyValue, 100, 0, 50});
    rec.width = 6;
    // Segments 2-3 and 3-4 only; the one joint is at position 3 (400, 250),
    // none at 2, whose preceding segment is missing.
    EXPECT_EQ(paint(st, 1, 0),
              "<v:oval  fillcolor='red' strokecolor='red' strokeweight='1px' "
              "style='position:absolute;top:248;left:398;width:4;height:4'   >\n</v:oval>\n" +
                  line(300, 50, 400, 250, 6, "red") + line(400, 250, 500, 150, 6, "red"));

    SeriesRecord& single = test::add_series(st, 1, "L2", {50});
    single.width = 6;
    EXPECT_EQ(paint(st, 1, 1), "");
}

TEST(LinePainter, DropLinesOnBoundaryPositionsSkipTheAxisLines) {
    ChartState st = test::framed_chart();
    st.XYcross = 1;
    st.dXstepm = 0;   // x(i) = 50 + 100 i
    st.Y2p = 1;
    test::add_series(st, 1, "L2", {50, 100, 0, 50});
    // No drop line at position 0 (on the Y1 axis) or 3 (on the Y2 axis);
    // positions 1 and 2 get theirs twice.
    EXPECT_EQ(paint(st, 1, 0),
              line(50, 150, 150, 50, 1, "red") + line(150, 50, 150, 250, 1, "red") +
                  line(150, 50, 250, 250, 1, "red") + line(150, 50, 150, 250, 1, "red") +
                  line(250, 250, 250, 250, 1, "red") + line(250, 250, 350, 150, 1, "red") +
                  line(250, 250, 250, 250, 1, "red"));

    // A D2 series reaches down to the Y2 crossing row; without a Y1 scale
    // its first drop line stays.
    st.Y1p = -1;
    st.Y2xrow = 230;
    test::add_series(st, 2, "L2", {5, 10});
    EXPECT_EQ(paint(st, 2, 0),
              line(50, 150, 150, 50, 1, "red") + line(50, 150, 50, 230, 1, "red"));

    // In the middle of the slots every drop line is drawn.
    st.XYcross = -1;
    st.dXstepm = 50;
    EXPECT_EQ(paint(st, 2, 0), line(100, 150, 200, 50, 1, "red") +
                                   line(100, 150, 100, 230, 1, "red") +
                                   line(200, 50, 200, 230, 1, "red"));
}

TEST(LinePainter, FilledAreaDrawsQuadrilateralsThenTheLines) {
    ChartState st = test::framed_chart();
    SeriesRecord& rec = test::add_series(st, 1, "L3", {50, 100, kEmptyValue, 0, 50});
    rec.text = "It's";
    const std::string t = "title='It&#39;s'";
    EXPECT_EQ(paint(st, 1, 0),
              "<v:polyline  style='position:absolute' fillcolor='yellow' strokecolor='red' "
              "points='100,250 100,150 200,50 200,250'  title='It&#39;s'>\n</v:polyline>\n"
              "<v:polyline  style='position:absolute' fillcolor='yellow' strokecolor='red' "
              "points='400,250 400,250 500,150 500,250'  title='It&#39;s'>\n</v:polyline>\n" +
                  line(100, 150, 200, 50, 1, "red", "", "", t) +
                  line(400, 250, 500, 150, 1, "red", "", "", t));

    // Below the crossing the area reaches up to it.
    st.Y1min = -100;
    st.Y1xrow = 150;   // y(v) = 150 - v
    rec.kolpoint = 1;
    st.D1val[0][0] = -50;
    st.D1val[0][1] = 50;
    EXPECT_EQ(count_of(paint(st, 1, 0), "points='100,150 100,200 200,100 200,150'"), 1);
}

}  // namespace
}  // namespace qp
