#include "vml_writer.h"

#include <gtest/gtest.h>

#include "render/painters.h"

namespace qp {
namespace {

TEST(VmlWriterAttributes, EmptyOrQuoteEscaped) {
    EXPECT_EQ(VmlWriter::id_attr(""), "");
    EXPECT_EQ(VmlWriter::title_attr(""), "");
    EXPECT_EQ(VmlWriter::link_attr(""), "");
    EXPECT_EQ(VmlWriter::id_attr("c_2"), "id='c_2'");
    EXPECT_EQ(VmlWriter::title_attr("Sales"), "title='Sales'");
    EXPECT_EQ(VmlWriter::link_attr("a.htm#x"), "href='a.htm#x'");
    // Only the delimiting quote is escaped.
    EXPECT_EQ(VmlWriter::title_attr("Bob's <b>\"best\"</b> & co"),
              "title='Bob&#39;s <b>\"best\"</b> & co'");
    EXPECT_EQ(VmlWriter::escape_attr("say \"it's\"", '"'), "say &quot;it's&quot;");
    EXPECT_EQ(VmlWriter::link_attr("x.htm?a='1'"), "href='x.htm?a=&#39;1&#39;'");
}

TEST(LinePrimitive, BothXFirstAndAttributesInOrder) {
    std::string page;
    VmlWriter out(page);
    draw_line(out, 1, 3, 2, 4, 2, "red", "", "", "");
    draw_line(out, -5, 7, 0, 9, 1, "#00ff00", "it's", "a.htm", "id='c_1'");
    EXPECT_EQ(page,
              "<v:line  style='position:absolute' from='1,2' to='3,4' strokeweight='2px' "
              "strokecolor='red'  >\n</v:line>\n"
              "<v:line id='c_1' style='position:absolute' from='-5,0' to='7,9' "
              "strokeweight='1px' strokecolor='#00ff00' href='a.htm' title='it&#39;s'>\n"
              "</v:line>\n");
}

TEST(VmlWriterText, FontNamesAreEscapedTextContentIsNot) {
    std::string page;
    VmlWriter out(page);
    const TextStyle style{"italic", "bold", 12, "Jo's Font", "red", ""};
    out.text_shape(1, 2, "center", 3, 4, style, "<b>Jo's</b>");
    EXPECT_EQ(page,
              "<v:shape style='position:absolute;top:1;left:2;text-align:center;width:3;"
              "height:4; font:italic normal bold 12 Jo&#39;s Font;color:red;background:' >\n"
              "<v:textbox/><b>Jo's</b></v:textbox/>\n</v:shape>\n");
}

TEST(VmlWriterText, ValueLines) {
    std::string page;
    VmlWriter out(page);
    out.value_line_rounded(2.5f);
    out.value_line_rounded(-2.5f);
    out.value_line_rounded(1e30f);   // clamped, not undefined
    out.value_line_fixed(0.25f, 5, 2);
    out.value_line_fixed(-0.4f, 5, 2);
    out.value_line_fixed(-12.0f, 6, 2);
    out.value_line_fixed(1234.5f, 5, 1);   // wider than the field: not cut
    EXPECT_EQ(page,
              "<v:textbox/>3</v:textbox/>\n"
              "<v:textbox/>-3</v:textbox/>\n"
              "<v:textbox/>2147483647</v:textbox/>\n"
              "<v:textbox/> 0.25</v:textbox/>\n"
              "<v:textbox/>-0.40</v:textbox/>\n"
              "<v:textbox/>-12.00</v:textbox/>\n"
              "<v:textbox/>1234.5</v:textbox/>\n");
}

}  // namespace
}  // namespace qp
