// The texts of an SVG page: encodings, escaping, markup as tspans, and the
// checks on links, colours and font words.  Expected texts are worked out
// by hand from the UTF-8 and windows-1252 tables.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "page/svg_text.h"

namespace qp::svg {
namespace {

struct Case {
    std::string in;
    std::string out;
};

std::string escaped(std::string_view s) {
    std::string out;
    append_escaped(out, s);
    return out;
}
std::string plain(std::string_view s) {
    std::string out;
    append_plain(out, s);
    return out;
}
std::string markup(std::string_view s) {
    std::string out;
    append_markup(out, s, TextFrame{"5", 10});
    return out;
}
std::string link(std::string_view s) {
    std::string out = "?";
    return append_link(out, s) ? out.substr(1) : "(none)";
}

TEST(SvgText, Utf8IsKeptOtherBytesAreWindows1252) {
    EXPECT_TRUE(is_valid_utf8("Gr\xC3\xBC\xC3\x9F \xE2\x82\xAC \xF0\x9F\x98\x80"));
    EXPECT_FALSE(is_valid_utf8("caf\xE9"));
    EXPECT_FALSE(is_valid_utf8("\xC0\xAF"));           // overlong '/'
    EXPECT_FALSE(is_valid_utf8("\xED\xA0\x80"));       // a surrogate
    EXPECT_FALSE(is_valid_utf8("\xF4\x90\x80\x80"));   // beyond U+10FFFF
    EXPECT_FALSE(is_valid_utf8("\xE2\x82"));           // cut short
    for (const Case& c : std::vector<Case>{
             {"Gr\xC3\xBC\xC3\x9F \xE2\x82\xAC", "Gr\xC3\xBC\xC3\x9F \xE2\x82\xAC"},
             // One byte that is not UTF-8 makes the whole text windows-1252.
             {"caf\xE9 \x80 \x96 \xC3\xBC", "caf\xC3\xA9 \xE2\x82\xAC \xE2\x80\x93 \xC3\x83\xC2\xBC"},
             {"\x81\x9F", "\xEF\xBF\xBD\xC5\xB8"},   // undefined in 1252; Y diaeresis
             // Characters XML does not allow become U+FFFD; line ends and tabs blanks.
             {"a\x01" "b\tc\nd", "a\xEF\xBF\xBD" "b c d"},
             {"\xEF\xBF\xBF", "\xEF\xBF\xBD"},
             {"a<b>&\"'", "a&lt;b&gt;&amp;&quot;&#39;"},
         }) {
        EXPECT_EQ(escaped(c.in), c.out) << c.in;
    }
}

TEST(SvgText, PlainTextDropsTagsAndResolvesReferences) {
    for (const Case& c : std::vector<Case>{
             {"<b>Bold</b> &amp; <script>alert(1)</script>", "Bold &amp; alert(1)"},
             {"a&nbsp;b<br>c<BR/>d", "a\xC2\xA0" "b c d"},
             {"&#60;&#x3E;&#X41;&#150;&#0;&#1114112;&#99999999999;",
              "&lt;&gt;A\xE2\x80\x93\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
             {"&bogus; &amp &#; &#x; R&D", "&amp;bogus; &amp;amp &amp;#; &amp;#x; R&amp;D"},
             {"a < b > c", "a &lt; b &gt; c"},
             {"<<script>>", "&lt;&gt;"},
             {"x <b", "x &lt;b"},
             {"<!-- note -->x<!DOCTYPE y>z<?pi?>", "xz"},
             {"<abcdefghijk>long</abcdefghijk>", "long"},
             {"&quot;&apos;&lt;", "&quot;&#39;&lt;"},
             {"\xE9t\xE9 &euro;", "\xC3\xA9t\xC3\xA9 \xE2\x82\xAC"},
         }) {
        EXPECT_EQ(plain(c.in), c.out) << c.in;
    }
}

TEST(SvgText, MarkupBecomesFlatTspans) {
    // Font size 10: a line is 11.5 high, sup rises 4 and sub sinks 2.5, each
    // at 8 pixels; lines start again at x 5.
    for (const Case& c : std::vector<Case>{
             {"plain", "plain"},
             {"a<b>b</b>c", "a<tspan font-weight=\"bold\">b</tspan>c"},
             {"<strong><em>x</em></strong>", "<tspan font-weight=\"bold\" font-style=\"italic\">x</tspan>"},
             {"<i><u>iu</u></i>", "<tspan font-style=\"italic\" text-decoration=\"underline\">iu</tspan>"},
             {"x<sup>2</sup>y", "x<tspan dy=\"-4\" font-size=\"8\">2</tspan><tspan dy=\"4\">y</tspan>"},
             {"H<sub>2</sub>O", "H<tspan dy=\"2.5\" font-size=\"8\">2</tspan><tspan dy=\"-2.5\">O</tspan>"},
             {"a<br>b", "a<tspan x=\"5\" dy=\"11.5\">b</tspan>"},
             {"a<br><br>b<br>", "a<tspan x=\"5\" dy=\"23\">b</tspan>"},
             {"<b>a<br>b</b>", "<tspan font-weight=\"bold\">a</tspan>"
                               "<tspan x=\"5\" dy=\"11.5\" font-weight=\"bold\">b</tspan>"},
             // Stray closing tags change nothing; unclosed ones end with the text.
             {"</b></sup>x<b>y", "x<tspan font-weight=\"bold\">y</tspan>"},
             {"<font color=red onclick=x>f</font>", "f"},
             {"<tspan onload=alert(1)>x</tspan><svg/onload=alert(1)>", "x"},
             {"1 &lt; 2<b>&amp;</b>", "1 &lt; 2<tspan font-weight=\"bold\">&amp;</tspan>"},
         }) {
        EXPECT_EQ(markup(c.in), c.out) << c.in;
    }
}

TEST(SvgText, DeepShiftsAreCountedButNotStacked) {
    // Four levels shift by -4, -3.2, -2.56 and -2.048 at sizes 10, 8, 6.4
    // and 5.12; the fifth is counted, so that its closing tag is not taken
    // for the fourth's, and the text ends on its first baseline.
    EXPECT_EQ(markup("<sup><sup><sup><sup><sup>x</sup></sup></sup></sup></sup>y"),
              "<tspan dy=\"-11.8\" font-size=\"4.1\">x</tspan><tspan dy=\"11.8\">y</tspan>");
}

TEST(SvgText, OnlyHarmlessLinksStand) {
    for (const Case& c : std::vector<Case>{
             {"http://x.org/a?b=1&c='2'", "http://x.org/a?b=1&amp;c=&#39;2&#39;"},
             {"HTTPS://x.org", "HTTPS://x.org"},
             {"mailto:a@b.org", "mailto:a@b.org"},
             {"page.htm#top", "page.htm#top"},
             {"../a/b.htm", "../a/b.htm"},
             {"//cdn.example/x", "//cdn.example/x"},
             {"  other.htm", "other.htm"},
             {"a.htm?q=&quot;x&quot;&amp;y", "a.htm?q=&quot;x&quot;&amp;y"},
             {"javascript:alert(1)", "(none)"},
             {" JavaScript:alert(1)", "(none)"},
             {"\x01javascript:alert(1)", "(none)"},
             {"java\tscript:alert(1)", "(none)"},
             {"javascript&#58;alert(1)", "(none)"},
             {"&#106;avascript:alert(1)", "(none)"},
             {"data:text/html,<script>alert(1)</script>", "(none)"},
             {"vbscript:x", "(none)"},
             {"file:///etc/passwd", "(none)"},
             {"averyveryverylongscheme:x", "(none)"},
             {"", "(none)"},
             {"   ", "(none)"},
         }) {
        EXPECT_EQ(link(c.in), c.out) << c.in;
    }
}

TEST(SvgText, ColoursAndFontWordsAreCheckedFontFamiliesFiltered) {
    for (const Case& c : std::vector<Case>{
             {"red", "red"}, {"#abc", "#abc"}, {"#aBc9", "#aBc9"}, {"#00ff00", "#00ff00"},
             {"#00ff00cc", "#00ff00cc"}, {"Transparent", "none"}, {"rgb(1, 2,3)", "rgb(1, 2,3)"},
             {"#12345", ""}, {"#ggg", ""}, {"", ""}, {"red;fill:url(#x)", ""},
             {"red\" onload=\"alert(1)", ""}, {"rgb(1,2,3) x)", ""}, {"url(javascript:x)", ""},
         }) {
        EXPECT_EQ(std::string(safe_color(c.in)), c.out) << c.in;
    }
    EXPECT_EQ(safe_font_word("BOLD"), "bold");
    EXPECT_EQ(safe_font_word("italic"), "italic");
    EXPECT_EQ(safe_font_word("700"), "700");
    EXPECT_EQ(safe_font_word("bold\" onclick=\"x"), "");
    std::string family;
    append_font_family(family, "Times New Roman, serif\"/><script>x</script>'");
    EXPECT_EQ(family, "Times New Roman, serifscriptxscript");
}

TEST(SvgText, DecimalsAreShortAndFinite) {
    const auto text = [](double v, int decimals) {
        char buf[32];
        return std::string(buf, put_decimal(buf, v, decimals));
    };
    EXPECT_EQ(text(1.25, 1), "1.3");
    EXPECT_EQ(text(2.0, 1), "2");
    EXPECT_EQ(text(-0.04, 1), "0");
    EXPECT_EQ(text(3.14159, 2), "3.14");
    EXPECT_EQ(text(-12.5, 0), "-13");
    EXPECT_EQ(text(0.0 / 0.0, 2), "0");
    EXPECT_EQ(text(1e300, 2), "1000000000000000");   // held to 15 digits
}

}  // namespace
}  // namespace qp::svg
