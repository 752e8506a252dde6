#include <gtest/gtest.h>

#include "render/painters.h"
#include "render/pie_layout.h"
#include "render/series_test_support.h"
#include "vml_writer.h"

namespace qp {
namespace {

using test::count_of;

// A pie sector of the 400 x 300 test chart without link, id and title:
// start and sweep in whole degrees, written in 1/65536 degree.
std::string sector(int cx, int cy, int r, long long start, long long sweep,
                   const std::string& attrs = " ") {
    return "<v:shape style='position:absolute;top:0;left:0;width:400;height:300' "
           "coordsize='400,300' path='m " +
           std::to_string(cx) + "," + std::to_string(cy) + " ae " + std::to_string(cx) + "," +
           std::to_string(cy) + "," + std::to_string(r) + "," + std::to_string(r) + "," +
           std::to_string(start * 65536) + "," + std::to_string(-sweep * 65536) +
           " x e' fillcolor='yellow' strokecolor='red' " + attrs + "></v:shape>\n";
}

std::string paint(ChartState& st) {
    std::string page;
    VmlWriter out(page);
    paint_pies(st, out);
    return page;
}

// The plot of the test chart is 300 x 200 from (50, 50).
ChartState pie_chart() {
    ChartState st = test::framed_chart();
    st.Y1p = -1;
    return st;
}

TEST(PiePainter, SinglePieIsCentredInThePlot) {
    ChartState st = pie_chart();
    test::add_series(st, 1, "L1", {1, 2});
    EXPECT_EQ(paint(st), "");   // no pie series: nothing, and kolP stays 0
    EXPECT_EQ(st.kolP, 0);
    test::add_series(st, 1, "P1", {7});
    // d = 200 (the height limits it), left 50 + 50, top 50; r = 100.
    EXPECT_EQ(paint(st), sector(200, 150, 100, 90, 360));
    EXPECT_EQ(st.kolP, 1);

    // With an X record the label line is kept free: d = 200 - 10 - 16 = 174,
    // left 50 + 63, top round((26 - 16.1) / 2 + 50) = 55, r = 87; the label
    // "Jan" goes 5 below the pie: width round(29.4), left round(200 - 8.82).
    st = pie_chart();
    st.X1p = 1;
    st.X[0] = "Jan";
    test::add_series(st, 2, "P3", {7});
    EXPECT_EQ(paint(st), sector(200, 142, 87, 90, 360) +
                             "<v:shape style='position:absolute;top:234;left:191;height:16;"
                             "width:29; font:normal normal normal 14 Arial;color:black;"
                             "background:' >\n<v:textbox/>Jan</v:textbox/>\n</v:shape>\n");
}

TEST(PiePainter, SectorsFollowTheValuesOfBothAxes) {
    ChartState st = pie_chart();
    test::add_series(st, 1, "P1", {1});
    test::add_series(st, 2, "P1", {2});
    test::add_series(st, 1, "P1", {1});
    // D1 first, then D2: 90, 90, 180 degrees clockwise from the top.
    EXPECT_EQ(paint(st), sector(200, 150, 100, 90, 90) + sector(200, 150, 100, 0, 90) +
                             sector(200, 150, 100, -90, 180));
    EXPECT_EQ(st.kolP, 3);

    // A start angle of 450 turns the pie by 90 degrees.
    st.kolP = 0;
    st.D1rec[0].width = 450;
    EXPECT_EQ(paint(st), sector(200, 150, 100, 0, 90) + sector(200, 150, 100, -90, 90) +
                             sector(200, 150, 100, -180, 180));
}

TEST(PiePainter, EmptyAndZeroValuesGiveNoSector) {
    ChartState st = pie_chart();
    st.X1p = 1;
    st.X[0] = "A";
    st.X[1] = "B";
    test::add_series(st, 1, "P1", {1, 0});
    test::add_series(st, 1, "P1", {kEmptyValue, kEmptyValue});
    test::add_series(st, 1, "P1", {3, 0});
    const std::string page = paint(st);
    // Pie 0: total 4, sectors of 90 and 270; pie 1 (all zero or empty) has
    // no sector but keeps its label.
    EXPECT_EQ(count_of(page, "top:0;left:0;"), 2);
    EXPECT_EQ(count_of(page, ",5898240,-5898240 x e'"), 1);
    EXPECT_EQ(count_of(page, ",0,-17694720 x e'"), 1);
    EXPECT_EQ(count_of(page, "<v:textbox/>A</v:textbox/>"), 1);
    EXPECT_EQ(count_of(page, "<v:textbox/>B</v:textbox/>"), 1);
}

TEST(PiePainter, SectorCarriesLinkTextWithTheIdAppendedThenTheTitle) {
    ChartState st = pie_chart();
    SeriesRecord& rec = test::add_series(st, 1, "P1", {7});
    rec.url = "a.htm";
    rec.id = "c_1";
    rec.text = "Q'1";
    EXPECT_EQ(paint(st), sector(200, 150, 100, 90, 360, "href='a.htm' id='c_1' title='Q&#39;1'"));
}

TEST(PiePainter, SlantedAndSkippedLabels) {
    ChartState st = pie_chart();
    st.X1p = 1;
    st.X[0] = "Jan";
    st.Xgrad = 120;
    st.Xbgcolor = "white";
    test::add_series(st, 1, "P1", {7});
    // Falling text from under the centre (200, 234): len = truncate(29.4) =
    // 29, dx = round(29 sin(30 / 57.296)) = round(14.49995) = 14,
    // dy = round(29 cos(30 / 57.296)) = 25.
    const std::string end = "' strokecolor='black'>\n<v:fill on='True' color='black'/>\n"
                            "<v:path textpathok='True'/>\n<v:textpath on='True' string='Jan' ";
    EXPECT_EQ(paint(st),
              sector(200, 142, 87, 90, 360) +
                  "<v:line from='200 234' to='214 259' strokecolor='white' strokeweight='16px'>\n"
                  "</v:line>\n<v:line from='200 234' to='214 259" +
                  end + "style='v-text-align:left;font:normal normal normal 14 Arial'/>\n</v:line>\n");

    // Rising text at 90 degrees ends under the centre: len = round(29.4).
    st.Xgrad = 90;
    st.Xbgcolor.clear();
    EXPECT_EQ(paint(st), sector(200, 142, 87, 90, 360) + "<v:line from='200 263' to='200 234" +
                             end +
                             "style='v-text-align:right;font:normal normal normal 14 Arial'/>\n"
                             "</v:line>\n");

    st.X[0] = "|Jan";
    EXPECT_EQ(paint(st), sector(200, 142, 87, 90, 360));
}

struct Corner {
    int left, top;
};

void expect_boxes(const std::vector<PieBox>& boxes, const std::vector<Corner>& corners, int size) {
    ASSERT_EQ(boxes.size(), corners.size());
    for (std::size_t j = 0; j < boxes.size(); ++j) {
        EXPECT_EQ(boxes[j].left, corners[j].left) << "pie " << j;
        EXPECT_EQ(boxes[j].top, corners[j].top) << "pie " << j;
        EXPECT_EQ(boxes[j].size, size) << "pie " << j;
    }
}

TEST(PieLayout, RowByRowFivePies) {
    // Plot 300 x 200 from (50, 50), label height 16: three pies per row in
    // two rows of 100 x 100 cells, pies of 74.
    ChartState st = pie_chart();
    expect_boxes(lay_out_pies(st, 5, '1'),
                 {{55, 55}, {155, 55}, {255, 55}, {55, 155}, {155, 155}}, 74);
    expect_boxes(lay_out_pies(st, 5, '3'),
                 {{255, 55}, {155, 55}, {55, 55}, {255, 155}, {155, 155}}, 74);

    // A narrow, tall plot (100 x 400): one pie per row; a row of 184 would
    // not fit, so the width sets the pie (90) and the rows share the height.
    st.Awidth = 200;
    st.Aheight = 500;
    expect_boxes(lay_out_pies(st, 2, '1'), {{55, 55}, {55, 255}}, 90);
}

TEST(PieLayout, ColumnByColumnFivePies) {
    // Plot 300 x 400, no X record: two pies per column in three columns of
    // 100; the rows share the height (200 each), pies of 95.
    ChartState st = pie_chart();
    st.Aheight = 500;
    expect_boxes(lay_out_pies(st, 5, '2'),
                 {{55, 55}, {55, 255}, {155, 55}, {155, 255}, {255, 55}}, 95);
    expect_boxes(lay_out_pies(st, 5, '4'),
                 {{255, 55}, {255, 255}, {155, 55}, {155, 255}, {55, 55}}, 95);

    // A flat plot (300 x 50): not even one row fits, so the height sets the
    // pie (45) and the columns share the width.
    st.Aheight = 150;
    expect_boxes(lay_out_pies(st, 2, '2'), {{55, 55}, {205, 55}}, 45);
}

}  // namespace
}  // namespace qp
