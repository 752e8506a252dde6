// Pixel quantities are formed in double precision and rounded once; only
// the quantities the chart keeps as reals (steps, pixels per unit, the
// crossing row, cell sizes, running sums) are held in single precision.
// Each case below is a chart whose page differs between that reading and
// one that rounds products to single precision on the way: the expected
// numbers are worked out in double, as the comments show.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/render_test_support.h"

namespace qp {
namespace {

struct PrecisionCase {
    const char* site;
    const char* chart;
    std::vector<const char*> expected;   // texts the page must hold
};

// A 400 x 400 area with margins of 40: the plot spans x 40..360 and rows
// 40..360, and X labels stand at row 360 + 5 + 5 = 370.
const PrecisionCase kCases[] = {
    {"horizontal X label width: round(3 x 15 x 0.7 = 31.499999999999996)",
     "X;;;15;;;;;;;abc;\nD1;L;;;;;;1;2;\n",
     {"<v:shape style='position:absolute;top:370;left:111;height:17;width:31; "
      "font:normal normal normal 15 Arial;color:black;background:' >\n"}},
    {"horizontal X label left: the pitch 320 / 3 is 106.666664 in single precision, so the "
     "middle of category 1 is 40 + 106.666664 + 53.333332 = 199.999996 and the label of 5 "
     "characters of size 10 starts at round(199.999996 - 10.5) = 189; its height is "
     "round(10 x 1.15 = 11.5) = 12",
     "X;;;10;;;;;;;a;abcde;c;\nD1;L;;;;;;1;2;3;\n",
     {"top:370;left:189;height:12;width:35;"}},
    {"bar place in its slot: the pitch 320 / 6 is 53.333332, the bar width "
     "truncate(53.333332 / 1.12) = 47, and bar 2 stands at 40 + round(53.333332 + "
     "(53.333332 - 47) / 2 = 56.4999981) = 96, bar 5 at 40 + round(216.4999943) = 256",
     "D1;R;12;;;;;1;1;1;1;1;1;\n",
     {"left:96;width:47;", "left:256;width:47;"}},
    {"legend entry row: the cell height 65 / 3 is 21.666666 in single precision, and entry 2's "
     "middle is round(21.666666 + 10.833333 = 32.4999990) = 32",
     "LEGEND;\nD1;L;;;;a;;1;2;\nD1;L;;;;b;;1;2;\nD1;L;;;;c;;1;2;\n",
     {"from='5,32' to='25,32'"}},
    {"Y1 caption: width round(15 x 3 x 0.7 = 31.499999999999996) = 31, moved to end at the "
     "plot's left edge, 40 - 31 = 9",
     "Y1;;;;;;;;15;;;;;abc;\nD1;L;;;;;;1;2;\n",
     {"<v:shape style='position:absolute;top:6;left:9;text-align:left;width:31;height:17; "
      "font:normal normal normal 15 Arial;color:black;background:' >"}},
    {"Y2 caption: width truncate(30 x 3 x 0.7 = 62.99999999999999) = 62 at 400 - 62 - 5 = 333",
     "Y2;;;;;;;;30;;;;;abc;\nD2;L;;;;;;1;2;\n",
     {"left:333;text-align:right;width:62;height:35;"}},
    {"pie label: one pie of 320 - 10 - 17 = 293 at left 40 + 13, centre 53 + 146 = 199, label "
     "top 45 + 292 + 5 = 342 (the pie's top is round((27 - 17.25) / 2 + 40) = 45), width "
     "round(3 x 15 x 0.7 = 31.499999999999996) = 31 from round(199 - 9.45) = 190",
     "X;;;15;;;;;;;abc;\nD1;P1;;;;;;5;\n",
     {"top:342;left:190;height:17;width:31;"}},
    {"title height: round(50 x 1.15 = 57.49999999999999) = 57",
     "TITLE;50;;;;;Hello;\nD1;L;;;;;;1;2;\n",
     {"<v:shape style='position:absolute;top:-5;left:5;text-align:center;width:390;height:57; "
      "font:normal normal normal 50 Arial;color:black;background:' >\n"}},
    {"value label width: round(1 x 45 x 0.7 = 31.499999999999996) = 31, centred on the only "
     "category at x 200: round(200 - 15.5) = 185 (halves away from zero)",
     "D1;V;45;;;;;5;\n",
     {"left:185;height:52;width:31;"}},
    {"room for a value label's sign: round(90 x 0.35 = 31.499999999999996) = 31 beside "
     "round(90 x 0.7) = 63, so the box is 94 wide from round(200 - 47) = 153",
     "D1;V;90;;;;;-5;\n",
     {"left:153;height:103;width:94;"}},
};

TEST(PixelPrecision, ProductsAreFormedInDoubleAndRoundedOnce) {
    for (const PrecisionCase& c : kCases) {
        const std::string page = test::chart_page("t.csv", c.chart, "t.htm");
        for (const char* text : c.expected) {
            EXPECT_NE(page.find(text), std::string::npos)
                << c.site << "\n  missing: " << text << "\n  page:\n" << page;
        }
    }
}

}  // namespace
}  // namespace qp
