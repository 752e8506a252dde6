#include <gtest/gtest.h>

#include "chart_state.h"
#include "render/painters.h"
#include "render/render_test_support.h"
#include "vml_writer.h"

namespace qp {
namespace {

// Plot x 50..350, rows 50..250; the bottom margin of 50 gives ticks of 5
// pixels below the plot and label rows at 250 + 5 + 5 = 260.
struct XAxisPainter : ::testing::Test {
    ChartState st;
    std::string page;
    VmlWriter out{page};
    XAxisPainter() {
        test::framed_chart(st);
        st.X1p = 1;
        st.Y1p = 1;
        set_labels({"A", "B", "C"});
    }
    void set_labels(std::vector<std::string> labels) {
        st.Xi = static_cast<int>(labels.size());
        for (std::size_t i = 0; i < labels.size(); ++i) st.X[i] = labels[i];
    }
    std::vector<int> tick_xs() const {
        std::vector<int> xs;
        for (const auto& line : test::page_lines(page)) {
            if (line.rfind("<v:line style='position:absolute' from='", 0) == 0) {
                xs.push_back(std::stoi(line.substr(40)));
            }
        }
        return xs;
    }
    std::vector<std::string> label_texts() const {
        std::vector<std::string> texts;
        for (const auto& line : test::page_lines(page)) {
            if (line.rfind("<v:textbox/>", 0) == 0) texts.push_back(line.substr(12, line.size() - 26));
        }
        return texts;
    }
};

TEST_F(XAxisPainter, CellsTicksAndHorizontalLabels) {
    paint_x_axis(st, out);
    EXPECT_EQ(st.Xstepr, 100.0f);
    EXPECT_EQ(st.Xstepm, 100.0f);
    EXPECT_EQ(st.dXstepm, 50.0f);
    const auto lines = test::page_lines(page);
    ASSERT_EQ(lines.size(), 13u);
    EXPECT_EQ(lines[0], "<v:line style='position:absolute' from='150,255' to='150,250' "
                        "strokeweight='1px' strokecolor='black' >\n");
    EXPECT_EQ(lines[2], "<v:line style='position:absolute' from='250,255' to='250,250' "
                        "strokeweight='1px' strokecolor='black' >\n");
    // Centre 100: left round(100 - 0.21 x 14) = 97, width round(9.8) = 10.
    EXPECT_EQ(lines[4], "<v:shape style='position:absolute;top:260;left:97;height:16;width:10; "
                        "font:normal normal normal 14 Arial;color:black;background:' >\n");
    EXPECT_EQ(lines[5], "<v:textbox/>A</v:textbox/>\n");
    EXPECT_EQ(lines[6], "</v:shape>\n");
    EXPECT_NE(lines[7].find("top:260;left:197;"), std::string::npos);
    EXPECT_NE(lines[10].find("top:260;left:297;"), std::string::npos);
}

TEST_F(XAxisPainter, TickRangesFollowTheScalesAndCrossing) {
    st.X[3] = "|";   // an entry left at index Xi
    st.Y1p = -1;
    paint_x_axis(st, out);
    EXPECT_EQ(tick_xs(), (std::vector<int>{50, 150, 250, 350}));

    page.clear();
    st.Y1p = 1;
    st.Y2p = 1;
    paint_x_axis(st, out);
    EXPECT_EQ(tick_xs(), (std::vector<int>{150, 250}));

    // Categories on the grid positions: 5 labels, 4 steps of 75.
    page.clear();
    st.X[3].clear();
    set_labels({"1", "2", "3", "4", "5"});
    st.XYcross = 1;
    paint_x_axis(st, out);
    EXPECT_EQ(st.Xstepr, 75.0f);
    EXPECT_EQ(st.dXstepm, 0.0f);
    EXPECT_EQ(tick_xs(), (std::vector<int>{125, 200, 275}));

    page.clear();
    st.Y2p = -1;
    paint_x_axis(st, out);
    EXPECT_EQ(tick_xs(), (std::vector<int>{125, 200, 275, 350}));
}

TEST_F(XAxisPainter, GridLinesAndBarOrEmptyLabels) {
    set_labels({"A", "|", "", "D"});
    st.Xgrid = 1;
    st.Xgcolor = "silver";
    paint_x_axis(st, out);
    // Pitch 75: lines at 125 ("|") and 275 ("D") across the plot.
    const auto lines = test::page_lines(page);
    EXPECT_EQ(lines[0], "<v:line style='position:absolute' from='125,255' to='125,50' "
                        "strokeweight='1px' strokecolor='silver' >\n");
    EXPECT_EQ(tick_xs(), (std::vector<int>{125, 275}));
    EXPECT_EQ(label_texts(), (std::vector<std::string>{"A", "D"}));
}

TEST_F(XAxisPainter, Caption) {
    st.Xi = 0;
    st.Xtext = ">Months";
    paint_x_axis(st, out);
    EXPECT_EQ(page,
              "<v:shape style='position:absolute;top:279;left:60;text-align:right;width:280;"
              "height:16; font:normal normal normal 14 Arial;color:black;background:' >\n"
              "<v:textbox/>Months</v:textbox/>\n</v:shape>\n");
}

TEST_F(XAxisPainter, SlantedAndVerticalLabels) {
    set_labels({"Jan"});
    st.Y2p = 1;   // no ticks: with both scales the range 1..Xi-1 is empty
    // One cell of 300: centre 200.  Text length 3 x 14 x 0.7 = 29.4.
    st.Xgrad = 90;
    paint_x_axis(st, out);
    EXPECT_EQ(page,
              "<v:line from='200 289' to='200 260' strokecolor='black'>\n"
              "<v:fill on='True' color='black'/>\n"
              "<v:path textpathok='True'/>\n"
              "<v:textpath on='True' string='Jan' style='v-text-align:right;"
              "font:normal normal normal 14 Arial'/>\n"
              "</v:line>\n");

    // 45 degrees: a = 0.785, sin a x 29.4 = 20.78, cos a x 29.4 = 20.80.
    page.clear();
    st.Xgrad = 45;
    st.Xbgcolor = "yellow";
    paint_x_axis(st, out);
    auto lines = test::page_lines(page);
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[0], "<v:line from='179 281' to='200 260' strokecolor='yellow' "
                        "strokeweight='16px'>\n");
    EXPECT_EQ(lines[2], "<v:line from='179 281' to='200 260' strokecolor='black'>\n");

    // 135 degrees falls to the right from the anchor.
    page.clear();
    st.Xgrad = 135;
    st.Xbgcolor.clear();
    paint_x_axis(st, out);
    lines = test::page_lines(page);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], "<v:line from='200 260' to='221 281' strokecolor='black'>\n");
    EXPECT_NE(lines[3].find("v-text-align:left;"), std::string::npos);

    page.clear();
    st.Xgrad = -1;
    paint_x_axis(st, out);
    EXPECT_EQ(page, "");
}

TEST_F(XAxisPainter, PitchWithoutFiniteValueIsThePlotWidth) {
    st.X1p = -1;
    st.Xi = 0;
    paint_x_axis(st, out);
    EXPECT_EQ(st.Xstepr, 300.0f);
    EXPECT_EQ(st.Xstepm, 300.0f);
    EXPECT_EQ(st.dXstepm, 150.0f);

    st.Xi = 1;
    st.XYcross = 1;
    paint_x_axis(st, out);
    EXPECT_EQ(st.Xstepr, 300.0f);
    EXPECT_EQ(st.dXstepm, 0.0f);
    EXPECT_EQ(page, "");   // without an X record nothing is drawn
}

}  // namespace
}  // namespace qp
