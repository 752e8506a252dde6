// The render driver, the frame, title and scale painters and the pixel
// mapping, for the rules the golden pages do not reach.  The test chart's
// plot spans x 50..350 and rows 50..250.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "draw/painters.h"
#include "draw/render_driver.h"
#include "support/render_test_support.h"

namespace qp {
namespace {

using test::count_of;
using test::n;
using test::nums;
using test::page_lines;
using test::tick;

// A layout whose plot starts at (40, 40) in an area at `origin`, 200 high.
Layout mapping_layout(int origin) {
    Layout lay;
    lay.frame.area = Box{origin, origin, 400, 300};
    lay.frame.Cleft = lay.frame.Ctop = 40;
    lay.plot.height = 200;
    return lay;
}

TEST(PixelMapping, CellMiddlesAndRowsRoundedOnceAndClamped) {
    ChartState st;
    Layout lay = mapping_layout(0);
    lay.x.Xstepm = 50;
    lay.x.dXstepm = 25;
    st.y1.max = 100;
    const Scale& y1 = st.y1;
    // (100 - 100.25) x 2 = -0.5 rounds away from zero to -1.
    EXPECT_EQ(nums(map_x(lay, 0), map_x(lay, 1), map_x(lay, 2), map_y(lay, y1, 100), map_y(lay, y1, 0),
                   map_y(lay, y1, 50), map_y(lay, y1, 100.25f)),
              "65 115 165 40 240 140 39");
    // A scale of zero width maps every value to the plot top.
    lay.frame.area.top = 3;
    st.y1.min = st.y1.max = 7;
    EXPECT_EQ(map_y(lay, y1, 7), 43);
    EXPECT_EQ(map_y(lay, y1, -1e30f), 43);
    // Rows and positions beyond the int range are clamped.
    lay.frame.area.top = 0;
    st.y1.min = 0;
    st.y1.max = 1e-30f;
    EXPECT_EQ(map_y(lay, y1, -3e38f), 2147483647);
    EXPECT_EQ(map_y(lay, y1, 3e38f), -2147483647 - 1);
    lay.x.Xstepm = 3e38f;
    EXPECT_EQ(map_x(lay, 1000), 2147483647);
}

// Positions are worked out in double precision where that rounds as the
// extended precision of the rule does; the rule itself decides the rest.
TEST(PixelMapping, AgreesWithExtendedPrecisionNearEveryHalf) {
    ChartState st;
    Layout lay = mapping_layout(7);
    const Scale& y1 = st.y1;
    const auto rule_y = [&](float v) {
        const long double row = (static_cast<long double>(st.y1.max) - v) *
                                (200.0L / (static_cast<long double>(st.y1.max) - st.y1.min));
        return truncate_to_int(std::round(row) + 47.0L);
    };
    const auto rule_x = [&](int i) {
        return truncate_to_int(std::round(static_cast<long double>(i) * lay.x.Xstepm + lay.x.dXstepm) +
                               47.0L);
    };
    std::uint32_t seed = 12345;
    const auto next = [&seed] {
        seed = seed * 1664525u + 1013904223u;
        return static_cast<float>(seed >> 8) / 16777216.0f;   // 0 .. 1
    };
    for (int round = 0; round < 2000; ++round) {
        st.y1.min = -next() * 1000;
        st.y1.max = next() * 1000;
        // Values whose rows land on a half, a float step either side of
        // one, and anywhere.
        const float half_row = std::floor(next() * 199) + 0.5f;
        const float v = st.y1.max - half_row * (st.y1.max - st.y1.min) / 200.0f;
        for (const float value : {v, std::nextafter(v, 1e9f), std::nextafter(v, -1e9f),
                                  st.y1.min + next() * (st.y1.max - st.y1.min)}) {
            ASSERT_EQ(map_y(lay, y1, value), rule_y(value)) << st.y1.min << " " << st.y1.max << " " << value;
        }
        lay.x.Xstepm = next() * 40;
        lay.x.dXstepm = round % 2 == 0 ? 0.0f : lay.x.Xstepm / 2;
        const int i = static_cast<int>(next() * 1000);
        ASSERT_EQ(map_x(lay, i), rule_x(i)) << lay.x.Xstepm << " " << i;
    }
    // An exact half: 0.5 x 5 = 2.5 rounds up to 3.
    lay.x.Xstepm = 0.5f;
    lay.x.dXstepm = 0;
    EXPECT_EQ(map_x(lay, 5), 50);
}

struct Drive {
    MemoryFileSystem fs;
    std::ostringstream console;
    std::istringstream keyboard;
    RunContext run{fs, console, keyboard};
    ChartState st;
    PageText page;
    Drive() {
        test::completed_chart(st);
        st.file.numAREA = 1;
    }
    void render() {
        VmlCanvas canvas(page);
        render_chart(st, run, canvas);
    }
};

TEST(RenderDriver, LegendOnlyChartHasNoFrame) {
    Drive r;
    r.st.legend.Lonly = 1;
    r.st.area.Atop = 7;
    r.render();
    EXPECT_EQ(count_of(r.page, "<v:group style='antialias:false;width:400px"), 0);
}

TEST(RenderDriver, ALargeChartIsHandedOnInPiecesOfAboutAMegabyte) {
    // 2 x 10 series of 1,000 values: a page of several megabytes.
    const auto large = [](Drive& r) {
        test::scale_0_100(r.st, 1);
        test::scale_0_100(r.st, 2);
        r.st.x.Xi = 1000;
        for (int s = 0; s < 20; ++s) test::add_series(r.st, 1 + s % 2, "M3", std::vector<float>(1000, 40.0f));
    };
    Drive whole, pieces;
    large(whole);
    large(pieces);
    whole.render();
    std::string handed;
    int spills = 0;
    VmlCanvas canvas(pieces.page, [&] {
        EXPECT_GE(pieces.page.size(), VmlWriter::kSpillBytes);
        EXPECT_LT(pieces.page.size(), VmlWriter::kSpillBytes + 4096);
        handed += pieces.page;
        pieces.page.clear();
        ++spills;
    });
    render_chart(pieces.st, pieces.run, canvas);
    handed += pieces.page;
    EXPECT_GE(spills, 2);
    EXPECT_EQ(handed, whole.page);
}

TEST(RenderDriver, DrawingOrder) {
    Drive r;
    test::scale_0_100(r.st, 1);
    test::scale_0_100(r.st, 2);
    r.st.x.X1p = 1;
    r.st.x.Xi = 3;
    // In file order: D2 markers, D1 line, D1 value labels, D2 filled line.
    const char* series[][3] = {{"2", "M1", "d"}, {"1", "L1", "a"}, {"1", "V1", "b"}, {"2", "L3", "c"}};
    for (const auto& s : series) test::add_series(r.st, s[0][0] - '0', s[1], {5, 6, 7}).id = s[2];
    r.render();
    const auto at = [&](const std::string& needle) { return r.page.view().find(needle); };
    ASSERT_NE(at("id='b'"), std::string::npos);
    EXPECT_LT(at("id='c'"), at("id='d'"));
    EXPECT_LT(at("id='d'"), at("id='a'"));
    EXPECT_LT(at("id='a'"), at("id='b'"));
    // Scales below the series, axis lines (Y2, Y1, X) over them.
    EXPECT_LT(at(tick(45, 50, 200)), at("id='c'"));
    const std::string y2_line = test::rule(350, 250, 350, 50), y1_line = test::rule(50, 250, 50, 50);
    EXPECT_LT(r.page.view().rfind("id='b'"), at(y2_line));
    EXPECT_LT(at(y2_line), at(y1_line));
    EXPECT_LT(at(y1_line), at("from='50,250' to='350,250'"));
}

TEST(RenderDriver, XAxisLineAtTheY2CrossingAndAxesBesidePies) {
    // Without a Y1 scale the X axis line lies on Y2's crossing, 50 of
    // 0..100: row 150.
    Drive r;
    test::scale_0_100(r.st, 2);
    r.st.y1.p = -1;
    r.st.y2.xlocate = 50;
    r.st.x.X1p = 1;
    r.st.x.Xi = 1;
    test::add_series(r.st, 2, "L1", {50});
    r.render();
    EXPECT_EQ(count_of(r.page, "from='50,150' to='350,150'"), 1);
    // A pie beside a line series leaves the scales and the other series
    // drawn; only a chart of pies alone has none.
    Drive p;
    test::scale_0_100(p.st, 1);
    test::add_series(p.st, 1, "P1", {1});
    test::add_series(p.st, 1, "L1", {50, 50});
    p.st.x.Xi = 2;
    p.render();
    EXPECT_EQ(count_of(p.page, test::rule(50, 250, 50, 50)), 1);
    EXPECT_EQ(count_of(p.page, "from='125,150' to='275,150'"), 1);
}

TEST(FramePainter, BorderOfOneTransparentAreaAndTitleAlignment) {
    Drive r;
    PageText& page = r.page;
    VmlCanvas out(page);
    ChartState& st = r.st;
    const std::string block = "<div style='position:absolute;top:0px;left:0px' >\n"
                              "<v:group style='antialias:false;width:400px;height:300px' coordsize='400,300'>\n";
    st.border.B = 1;   // a border of width 1 leaves the area alone
    paint_frame(st, lay_out(st), out);
    EXPECT_EQ(page, block + "<v:roundrect arcsize='0'  fillcolor='white' strokecolor='black' strokeweight='1px' "
                            "style='position:absolute;top:0;left:0;width:399;height:299' >\n</v:roundrect>\n");
    // A transparent area without a border has no background at all.
    page.clear();
    st.border.B = -1;
    st.area.Abgcolor = "TRANSPARENT";
    paint_frame(st, lay_out(st), out);
    EXPECT_EQ(page, block);

    // Title box: top (50 - 18) / 2, height round(20.7); ">" aligns right.
    page.clear();
    st.title.Ttext = ">";
    paint_title(st, lay_out(st), out);
    EXPECT_EQ(page.view().substr(0, page.view().find(" font:")),
              "<v:shape style='position:absolute;top:16;left:5;text-align:right;width:390;height:21;");
}

struct AxisPainter : test::PainterTest {
    void paint_y(int number) { paint_y(number, lay_out(st)); }
    void paint_y(int number, const Layout& lay) {
        page.clear();
        paint_y_axis(st, lay, out, number);
    }
    void paint_x() {
        page.clear();
        paint_x_axis(st, lay_out(st), out);
    }
    void set_labels(std::vector<std::string> labels) {
        st.x.Xi = static_cast<int>(labels.size());
        for (std::size_t i = 0; i < labels.size(); ++i) st.X[i] = labels[i];
    }
    std::string labels() const { return all(test::kLabelText); }
    std::string tick_xs() const { return all(test::kRuleX); }
};

TEST_F(AxisPainter, YLabelFormatsFromStepDecimalsAndScaleEnds) {
    struct Case {
        float min, max, step;
        const char* sstep;
        const char* labels;
    };
    const Case cases[] = {
        {-5, 5, 2.5f, "", "0|3|5|-3|-5|"},   // no decimals: halves away from zero
        // Three places before the point with the sign of -12: "%6.2f".
        {-12, 3, 3, "00", "  0.00|  3.00| -3.00| -6.00| -9.00|-12.00|"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.labels);
        test::scale_0_100(st, 1);
        st.y1.min = c.min;
        st.y1.max = c.max;
        st.y1.step = c.step;
        st.y1.sstep = c.sstep;
        paint_y(1);
        EXPECT_EQ(labels(), c.labels);
    }
}

TEST_F(AxisPainter, YCaptionUpwardAndTheStandInForTheXAxis) {
    // A single marker writes the vertical caption upward; the text path's
    // string is escaped.
    test::scale_0_100(st, 1);
    st.y1.text = ">Bob's";
    Layout caption_only = lay_out(st);
    caption_only.y1.pstep = -1;
    paint_y(1, caption_only);
    EXPECT_EQ(page, "<v:line style='position:absolute' from='12 250' to='12 50' strokecolor='black'>\n"
                    "<v:fill on='True' color='black'/>\n<v:path textpathok='True'/>\n"
                    "<v:textpath on='True' string='Bob&#39;s' style='v-text-align:right;"
                    "font:normal normal normal 14 Arial'/>\n</v:line>\n");
    // Standing in for the X axis only, the painter stops after it: no
    // caption, no value labels.
    test::scale_0_100(st, 1);
    st.y1.p = -1;
    st.x.X1p = 1;
    set_labels({"A", "B"});
    paint_y(1);
    EXPECT_EQ(lay_out(st).x.Xstepr, 150.0f);
    EXPECT_EQ(labels(), "A|B|");
    EXPECT_EQ(count_of(page, "Bob"), 0);
}

TEST_F(AxisPainter, Y2CaptionStartsAtThePlotRightEdgeAtTheLatest) {
    // Widths truncate(14 x L x 0.7); the caption ends 5 inside the area
    // (left 400 - w - 5) unless that starts right of the plot edge 350.
    test::scale_0_100(st, 2);
    for (const auto& [text, box] : {std::pair{"ab", "left:350;text-align:right;width:19;"},
                                    {"abcdef", "left:337;text-align:right;width:58;"}}) {
        st.y2.text = text;
        Layout caption_only = lay_out(st);
        caption_only.y2.pstep = -1;
        paint_y(2, caption_only);
        const std::string caption = page_lines(page)[0];
        EXPECT_EQ(caption.substr(0, caption.find("font:")),
                  std::string("<v:shape style='position:absolute;top:18;") + box + "height:16; ")
            << text;
    }
}

TEST_F(AxisPainter, AY1ScaleWithoutAStepLeavesTheXAxisToY2AndHasNoAxisLine) {
    st.y1.p = 1;
    test::scale_0_100(st, 2);
    st.x.X1p = 1;
    set_labels({"A"});
    Layout lay = lay_out(st);
    lay.y1.pstep = -1;
    paint_y(2, lay);
    EXPECT_EQ(count_of(page, "<v:textbox/>A<"), 1);
    page.clear();
    paint_y_axis_line(st, lay, out, 1);
    EXPECT_EQ(page, "");
}

TEST_F(AxisPainter, YConstantDataAndHostileSteps) {
    st.y1.p = 1;
    st.y1.min = st.y1.max = st.y1.xlocate = 5;
    ASSERT_EQ(lay_out(st).y1.step, 0.0f);   // the automatic step of a zero range
    ASSERT_EQ(lay_out(st).y1.xrow, 50);     // and the crossing at the plot top
    paint_y(1);
    // No value passes 5 < 5 + 0: the crossing is labelled, nothing ticked.
    EXPECT_EQ(count_of(page, "<v:line"), 0);
    EXPECT_EQ(count_of(page, "<v:shape style='position:absolute;top:42;"), 1);
    EXPECT_EQ(labels(), "5|");
    st.y1.pstep = 1;
    st.y1.step = 1;   // 5 < 5.5 ticks the crossing; 6 and 4 fail their tests
    paint_y(1);
    EXPECT_EQ(page_lines(page)[0], tick(45, 50, 50));
    EXPECT_EQ(count_of(page, "<v:line"), 1);
    EXPECT_EQ(labels(), "5|");

    // A step that no longer changes the value ends the walks at once (the
    // crossing tick is the X axis line's); one of a hundred thousand
    // million steps ends them at their bound.
    test::scale_0_100(st, 1);
    st.x.X1p = 1;
    st.x.Xi = 0;
    st.y1.xlocate = 1;
    st.y1.step = 1e-10f;
    paint_y(1);
    EXPECT_EQ(labels(), "1|");
    EXPECT_EQ(count_of(page, "<v:line"), 0);
    st.x.X1p = -1;
    st.y1.xlocate = 0;
    st.y1.max = 1e8f;
    st.y1.step = 0.001f;
    paint_y(1);
    EXPECT_EQ(count_of(page, "<v:line"), kMaxWalkElements);
    EXPECT_EQ(count_of(page, "<v:shape"), kMaxWalkElements + 1);
}

TEST_F(AxisPainter, XTickRangesFollowTheScalesAndCrossing) {
    st.x.X1p = 1;
    set_labels({"A", "|x", "C"});   // a label beginning with a bar: a tick but no text
    st.X[3] = "|";                   // an entry left at index Xi
    paint_x();
    EXPECT_EQ(tick_xs(), "50|150|250|350|");
    EXPECT_EQ(labels(), "A|C|");
    st.y1.p = st.y2.p = 1;
    paint_x();
    EXPECT_EQ(tick_xs(), "150|250|");
    // Categories on the grid positions: 5 labels, 4 steps of 75.
    st.X[3].clear();
    set_labels({"1", "2", "3", "4", "5"});
    st.x.XYcross = 1;
    paint_x();
    EXPECT_EQ(nums(lay_out(st).x.Xstepr, lay_out(st).x.dXstepm), "75 0");
    EXPECT_EQ(tick_xs(), "125|200|275|");
    st.y2.p = -1;
    paint_x();
    EXPECT_EQ(tick_xs(), "125|200|275|350|");
}

TEST_F(AxisPainter, XSlantedAndVerticalLabelsAndThePitchWithoutAFiniteValue) {
    // 45 degrees, pi taken as 3.14: a = 0.785, len = 7 x 14 x 0.7 = 68.6;
    // the text runs from (round(200 - 48.488), round(260 + 48.527)) up to
    // the anchor (200, 260).
    st.x.X1p = 1;
    set_labels({"slanted"});
    st.x.Xgrad = 45;
    paint_x();
    EXPECT_EQ(count_of(page, "<v:line from='152 309' to='200 260' strokecolor='black'>\n"), 1);
    st.y1.p = st.y2.p = 1;   // with both scales one label has no tick
    set_labels({"Jan"});
    // One cell of 300, centre 200; text length 3 x 14 x 0.7 = 29.4.
    st.x.Xgrad = 90;
    paint_x();
    EXPECT_EQ(page_lines(page)[0], "<v:line from='200 289' to='200 260' strokecolor='black'>\n");
    EXPECT_EQ(count_of(page, "string='Jan' style='v-text-align:right;"), 1);

    // No categories, or one on the grid positions: the plot width.
    auto pitch = [&] {
        paint_x();
        const CategoryLayout x = lay_out(st).x;
        return nums(x.Xstepr, x.Xstepm, x.dXstepm);
    };
    st.x.X1p = -1;
    st.x.Xi = 0;
    EXPECT_EQ(pitch(), "300 300 150");
    st.x.Xi = 1;
    st.x.XYcross = 1;
    EXPECT_EQ(pitch(), "300 300 0");
    EXPECT_EQ(page, "");   // without an X record nothing is drawn
}

}  // namespace
}  // namespace qp
