#include "render.h"

#include <gtest/gtest.h>

#include <sstream>

#include "chart_state.h"
#include "render/render_test_support.h"

namespace qp {
namespace {

const std::string kHeadingStart = "<html>\n<xml:namespace prefix=\"v\"/>\n";
const std::string kHeadingEnd =
    "<head>\n"
    "<META Name=\"Generator\" Content=\"Quillplot\">\n"
    "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252          \">\n"
    "</head>\n"
    "<style>\n"
    "v\\:* {behavior=url(#default#VML)}\n"
    "</style>\n"
    "<body>\n";

struct RenderDriver : ::testing::Test {
    MemoryFileSystem fs;
    std::ostringstream console;
    std::istringstream keyboard;
    RunContext run{fs, console, keyboard};
    ChartState st;
    std::string page;

    RenderDriver() {
        test::completed_chart(st);
        st.numAREA = 1;
    }
    void render() { render_chart(st, run, page); }
    // The page after the standard heading (with or without a title).
    std::string chart_part() const {
        const auto at = page.find("<body>\n");
        return at == std::string::npos ? page : page.substr(at + 7);
    }
    void add_series(int axis, int index, std::string tip, int pornum, std::string id,
                    std::vector<float> values) {
        DataAxis d = data_axis(st, axis);
        SeriesRecord& rec = d.rec[static_cast<std::size_t>(index)];
        rec = SeriesRecord{};
        rec.tip = std::move(tip);
        rec.pornum = pornum;
        rec.id = std::move(id);
        rec.width = 2;
        rec.color1 = "red";
        rec.color2 = "blue";
        rec.kolpoint = static_cast<int>(values.size()) - 1;
        for (std::size_t k = 0; k < values.size(); ++k) d.val[static_cast<std::size_t>(index)][k] = values[k];
        d.num = std::max(d.num, index);
        st.koldata = std::max(st.koldata, pornum);
    }
    void two_scales() {
        test::scale_0_100(st, 1);
        test::scale_0_100(st, 2);
        st.X1p = 1;
        st.Xi = 3;
        st.X[0] = "A";
        st.X[1] = "B";
        st.X[2] = "C";
    }
};

TEST_F(RenderDriver, StandardHeadingOfAFirstOrOwnPage) {
    st.Ttext = "Bob's <i>sales</i>";
    render();
    EXPECT_EQ(page.substr(0, kHeadingStart.size()), kHeadingStart);
    EXPECT_EQ(page.substr(kHeadingStart.size()),
              "<title>Bob's <i>sales</i></title>\n" + kHeadingEnd + chart_part());
    EXPECT_EQ(chart_part().substr(0, 35), "<div style='position:absolute;top:0");
}

TEST_F(RenderDriver, TitleLineRulesForSharedPages) {
    st.Ttext = "Sales";
    st.ONE_file = 1;   // first chart of a shared page: no title line
    render();
    EXPECT_EQ(page.substr(0, kHeadingStart.size() + kHeadingEnd.size()),
              kHeadingStart + kHeadingEnd);

    page.clear();
    st.numAREA = 2;   // later chart of the same shared page: no heading
    test::completed_chart(st);
    render();
    EXPECT_EQ(page.substr(0, 5), "<div ");

    page.clear();
    st.ONE_file = -1;   // later chart with a page of its own
    test::completed_chart(st);
    render();
    EXPECT_EQ(page.substr(0, kHeadingStart.size()), kHeadingStart);
    EXPECT_EQ(page.substr(kHeadingStart.size(), 21), "<title>Sales</title>\n");

    page.clear();
    st.Ttext.clear();
    test::completed_chart(st);
    render();
    EXPECT_EQ(page.substr(0, kHeadingStart.size() + kHeadingEnd.size()),
              kHeadingStart + kHeadingEnd);
}

TEST_F(RenderDriver, HeadingFileReplacesTheHeading) {
    fs.files["head.htm"] = "<html>\r\n<body bgcolor='x'>\r\n";
    st.Afile_header = "head.htm";
    st.Ttext = "Sales";
    render();
    EXPECT_EQ(page.substr(0, 27), "<html>\n<body bgcolor='x'>\n<");
    EXPECT_EQ(test::count_of(page, "<title>"), 0);
    EXPECT_EQ(run.log.pending(), "Heading file is head.htm<br>\n");
    EXPECT_EQ(run.file_error, 0);
}

TEST_F(RenderDriver, MissingHeadingFileStopsTheChart) {
    st.Afile_header = "nohead.htm";
    render();
    EXPECT_EQ(page, "");
    EXPECT_EQ(run.log.pending(),
              "<font color='red'>File nohead.htm does not found</font><br>\n");
    EXPECT_EQ(run.file_error, 1);
}

TEST_F(RenderDriver, LegendOnlyChartHasNoFrame) {
    st.Lonly = 1;
    st.Atop = 7;
    render();
    EXPECT_EQ(st.Atop0, -1);   // the frame painter never ran
    EXPECT_EQ(test::count_of(page, "<v:group style='antialias:false;width:400px"), 0);
}

TEST_F(RenderDriver, ChartWithoutOtherSeriesThanPiesHasNoScales) {
    two_scales();
    render();
    EXPECT_EQ(chart_part(),
              "<div style='position:absolute;top:0px;left:0px' >\n"
              "<v:group style='antialias:false;width:400px;height:300px' coordsize='400,300'>\n"
              "<v:rect fillcolor='white' strokecolor='white' strokeweight='1px' "
              "style='position:absolute;top:0;left:0;width:400;height:300' >\n"
              "</v:rect>\n"
              "</v:group></div>\n");
}

TEST_F(RenderDriver, SharedValuesAndCrossingRows) {
    two_scales();
    st.Y1min = -50;
    st.Y1max = 50;   // 2 pixels per unit, 0 lies 50 below the top
    st.Y2max = 0;    // crossing at the top
    st.Y2min = -10;
    add_series(1, 0, "M1", 1, "", {1});
    render();
    EXPECT_EQ(st.Cx1, 50);
    EXPECT_EQ(st.Cx2, 350);
    EXPECT_EQ(st.Y1xrow, 150);
    EXPECT_EQ(st.Y2xrow, 50);
    EXPECT_EQ(test::count_of(page, test::tick(45, 50, 150)), 0);   // X axis line there
    EXPECT_EQ(test::count_of(page, test::tick(350, 356, 50)), 2);
    const std::string end =
        "<v:line style='position:absolute' from='50,150' to='350,150' strokeweight='1px' "
        "strokecolor='black' >\n</v:line>\n</v:group></div>\n";
    ASSERT_GT(page.size(), end.size());
    EXPECT_EQ(page.substr(page.size() - end.size()), end);

    // The crossing at the bottom, and a scale of zero width at the top.
    ChartState other;
    test::completed_chart(other);
    test::scale_0_100(other, 1);
    test::scale_0_100(other, 2);
    other.Y2min = other.Y2max = 5;
    other.Y2xlocate = 0;
    other.koldata = 1;
    other.D1num = 0;
    other.D1rec[0].tip = "M1";
    other.D1rec[0].pornum = 1;
    std::string other_page;
    render_chart(other, run, other_page);
    EXPECT_EQ(other.Y1xrow, 250);
    EXPECT_EQ(other.Y2xrow, 50);
}

TEST_F(RenderDriver, BarWidthTakesTheIntervalAsAPercentage) {
    two_scales();   // pitch 300 / 3 = 100
    add_series(1, 0, "R1", 1, "", {10, 20, 30});
    add_series(2, 0, "R1", 2, "", {10, 20, 30});
    st.kolR1_D1 = 2;
    st.intR1_D1 = 50;    // 100 / 2.5
    st.kolR1_D2 = 1;
    st.intR1_D2 = 100;   // 100 / 2
    render();
    EXPECT_EQ(st.Rwidth_D1, 40);
    EXPECT_EQ(st.Rwidth_D2, 50);
}

TEST_F(RenderDriver, DrawingOrderByPassAndOrdinal) {
    two_scales();
    // In file order: D2 markers, D1 line, D1 value labels, D2 filled line.
    add_series(2, 0, "M1", 1, "d", {50, 60, 70});
    add_series(1, 0, "L1", 2, "a", {10, 20, 30});
    add_series(1, 1, "V1", 3, "b", {40, 50, 60});
    add_series(2, 1, "L3", 4, "c", {5, 6, 7});
    render();
    const auto at = [&](const std::string& needle) { return page.find(needle); };
    ASSERT_NE(at("id='c'"), std::string::npos);
    ASSERT_NE(at("id='d'"), std::string::npos);
    ASSERT_NE(at("id='a'"), std::string::npos);
    ASSERT_NE(at("id='b'"), std::string::npos);
    EXPECT_LT(at("id='c'"), at("id='d'"));
    EXPECT_LT(at("id='d'"), at("id='a'"));
    EXPECT_LT(at("id='a'"), at("id='b'"));
    // Scales below the series, axis lines (Y2, Y1, X) over them.
    EXPECT_LT(at(test::tick(45, 50, 200)), at("id='c'"));
    const std::string y2_line = "<v:line style='position:absolute' from='350,250' to='350,50' "
                                "strokeweight='1px' strokecolor='black' >\n";
    const std::string y1_line = "<v:line style='position:absolute' from='50,250' to='50,50' "
                                "strokeweight='1px' strokecolor='black' >\n";
    EXPECT_LT(page.rfind("id='b'"), at(y2_line));
    EXPECT_LT(at(y2_line), at(y1_line));
    EXPECT_LT(at(y1_line), at("from='50,250' to='350,250'"));
}

}  // namespace
}  // namespace qp
