#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

#include "render/painters.h"
#include "render/series_test_support.h"
#include "render/value_label.h"
#include "vml_writer.h"

namespace qp {
namespace {

// "<v:shape %s style='position:absolute;top:%d;left:%d;height:%d;width:%d;
// font:%s normal %s %d %s;color:%s;background:%s' %s  %s>\n", the text box
// and the end tag, for a label without id, link and title.
std::string label(int top, int left, int height, int width, const std::string& font,
                  int size, const std::string& bg, const std::string& text) {
    return "<v:shape  style='position:absolute;top:" + std::to_string(top) + ";left:" +
           std::to_string(left) + ";height:" + std::to_string(height) + ";width:" +
           std::to_string(width) + "; font:normal normal normal " + std::to_string(size) + " " + font +
           ";color:red;background:" + bg + "'   >\n<v:textbox/>" + text +
           "</v:textbox/>\n</v:shape>\n";
}

std::string draw(ChartState& st, int number, int x, int row, float value, int size = 14) {
    std::string page;
    VmlWriter out(page);
    draw_value_label(out, y_axis(st, number), x, row, size, "red", "", "yellow", value, "", "");
    return page;
}

TEST(ValueLabel, WidthCountsDigitsDecimalsAndTheSign) {
    ChartState st = test::framed_chart();
    // -7, size 14, no decimals: width round(9.8) + round(4.9) = 15, left
    // round(200 - 7.5) = 193; above the axis: top 100 - 5 - round(16.1).
    EXPECT_EQ(draw(st, 1, 200, 100, -7), label(79, 193, 16, 15, "Arial", 14, "yellow", "-7"));
    // 1234.5 without decimals: 4 characters, width round(39.2) = 39, left
    // round(180.5) = 181, the value rounded to 1235.
    EXPECT_EQ(draw(st, 1, 200, 100, 1234.5f),
              label(79, 181, 16, 39, "Arial", 14, "yellow", "1235"));
    // With one decimal in the step: 4 + 1 + 1 = 6 characters, width
    // round(58.8) = 59, left round(170.5) = 171, format %6.1f.
    st.Y1sstep = "5";
    EXPECT_EQ(draw(st, 1, 200, 100, 1234.5f),
              label(79, 171, 16, 59, "Arial", 14, "yellow", "1234.5"));
}

TEST(ValueLabel, PlacedBelowPointsUnderTheAxisInTheScalesFormat) {
    ChartState st = test::framed_chart();
    st.Y2sstep = "25";
    st.Y2font = "Courier";
    // A point under the D2 crossing (row 250): the label starts 5 below it.
    // 0.5 with two decimals: %4.2f, width round(4 x 9.8) = 39.
    EXPECT_EQ(draw(st, 2, 100, 260, 0.5f),
              label(265, 81, 16, 39, "Courier", 14, "yellow", "0.50"));
    // On the axis the label stands above; -0.25 needs 5 characters in a
    // field of 4, and its box gets the sign allowance: 39 + 5 = 44.
    EXPECT_EQ(draw(st, 2, 100, 250, -0.25f),
              label(229, 78, 16, 44, "Courier", 14, "yellow", "-0.25"));
}

TEST(ValueLabel, IntegerDigits) {
    EXPECT_EQ(integer_digits(0), 1);
    EXPECT_EQ(integer_digits(-10), 2);
    EXPECT_EQ(integer_digits(999.9f), 3);
    EXPECT_EQ(integer_digits(FLT_MAX), 39);
    EXPECT_EQ(integer_digits(std::numeric_limits<float>::quiet_NaN()), 1);
    EXPECT_GT(integer_digits(std::numeric_limits<float>::infinity()), 39);   // and it stops
}

TEST(ValuePainter, OneLabelPerPresentValueWithSeriesAttributes) {
    ChartState st = test::framed_chart();
    SeriesRecord& rec = test::add_series(st, 1, "V1", {50, kEmptyValue});
    rec.width = 10;
    rec.text = "Q";
    rec.url = "q.htm";
    rec.id = "c_1";
    std::string page;
    VmlWriter out(page);
    paint_value_series(st, out, data_axis(st, 1), 0);
    // Point (100, 150); size 10: height round(11.5) = 12, width round(14) = 14.
    EXPECT_EQ(page,
              "<v:shape id='c_1' style='position:absolute;top:133;left:93;height:12;width:14; "
              "font:normal normal normal 10 Arial;color:red;background:yellow' href='q.htm'  title='Q'>\n"
              "<v:textbox/>50</v:textbox/>\n</v:shape>\n");
}

}  // namespace
}  // namespace qp
