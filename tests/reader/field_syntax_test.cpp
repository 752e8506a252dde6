// The field syntaxes on their own: word matching and its expected texts,
// whole and real numbers, colours.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "reader/field_syntax.h"

namespace qp {
namespace {

TEST(FieldSyntaxWords, MatchInAnyCaseAndNameTheNextLetter) {
    WordMatch area("AREA", 1);   // the A chose the record
    EXPECT_EQ(area.expected(WordForm::Plain), "R r");
    EXPECT_TRUE(area.feed('r'));
    EXPECT_TRUE(area.feed('E'));
    EXPECT_FALSE(area.feed('x'));
    EXPECT_TRUE(area.feed('a'));
    EXPECT_TRUE(area.complete());
    EXPECT_FALSE(area.feed('a'));
    EXPECT_EQ(area.expected(WordForm::Plain), ";  ");

    WordMatch shadow("SHADOW");
    EXPECT_FALSE(shadow.started());
    EXPECT_EQ(shadow.expected(WordForm::Border), "S s ;");
    for (char c : std::string("sHaDoW")) EXPECT_TRUE(shadow.feed(c));
    EXPECT_EQ(shadow.expected(WordForm::Border), "; ; ;");

    WordMatch legend("LEGEND", 1);
    EXPECT_EQ(legend.expected(WordForm::Legend), "E e ;");
    for (char c : std::string("egend")) EXPECT_TRUE(legend.feed(c));
    EXPECT_EQ(legend.expected(WordForm::Legend), "+ ! ;");
}

TEST(FieldSyntaxNumbers, WholeNumbersStopAtTheLargestInt) {
    EXPECT_EQ(add_digit(214748364, 7), 2147483647);
    EXPECT_EQ(add_digit(214748364, 8), 2147483647);
    EXPECT_EQ(add_digit(2147483647, 9), 2147483647);
    EXPECT_EQ(add_digit(12, 3), 123);
}

float read_real(const std::string& s, bool allow_sign, bool* refused = nullptr) {
    RealNumber r;
    for (char c : s) {
        if (r.feed(c, allow_sign) == RealNumber::Step::Refused && refused != nullptr) *refused = true;
    }
    return r.result();
}

TEST(FieldSyntaxNumbers, RealSignPointAndDigits) {
    EXPECT_EQ(read_real("-5", true), -5.0f);
    EXPECT_EQ(read_real("0-5", true), -5.0f);   // the value is still 0 at the sign
    EXPECT_EQ(read_real("2,50", false), 2.5f);
    EXPECT_EQ(read_real("1.23", false), 1.23f);
    // A "-" alone gives a plain 0, not a negative zero.
    EXPECT_FALSE(std::signbit(read_real("-", true)));

    bool refused = false;
    read_real("5-", true, &refused);
    EXPECT_TRUE(refused);
    refused = false;
    read_real("-1", false, &refused);
    EXPECT_TRUE(refused);
    refused = false;
    read_real("--1", true, &refused);
    EXPECT_TRUE(refused);
    refused = false;
    EXPECT_EQ(read_real("1.2.3", false, &refused), 1.23f);
    EXPECT_TRUE(refused);

    RealNumber r;
    EXPECT_EQ(r.feed('.', false), RealNumber::Step::Point);
    EXPECT_FALSE(r.has_digits());
    EXPECT_EQ(r.feed('7', false), RealNumber::Step::FractionDigit);
    EXPECT_TRUE(r.has_digits());
}

TEST(FieldSyntaxNumbers, HugeRealsStayFinite) {
    const std::string digits(60, '9');
    EXPECT_EQ(read_real(digits, false), std::numeric_limits<float>::max());
    EXPECT_EQ(to_float(-1e300), -std::numeric_limits<float>::max());
}

TEST(FieldSyntaxColors, HexNamesAndLimits) {
    ColorField hex;
    EXPECT_TRUE(hex.empty());
    EXPECT_EQ(hex.feed(' '), ColorField::Step::Refused);
    EXPECT_EQ(hex.feed('#'), ColorField::Step::Started);
    for (char c : std::string("0aF9b1")) EXPECT_EQ(hex.feed(c), ColorField::Step::Accepted);
    EXPECT_EQ(hex.feed('2'), ColorField::Step::TooLong);
    EXPECT_EQ(hex.feed('g'), ColorField::Step::Refused);
    std::string out;
    ASSERT_TRUE(hex.finish(false, &out));
    EXPECT_EQ(out, "#0aF9b1");   // as written

    ColorField name;
    for (char c : std::string("NaVy")) name.feed(c);
    ASSERT_TRUE(name.finish(false, &out));
    EXPECT_EQ(out, "navy");

    ColorField clear;
    for (char c : std::string("Transparent")) clear.feed(c);
    EXPECT_FALSE(clear.finish(false, &out));
    ASSERT_TRUE(clear.finish(true, &out));
    EXPECT_EQ(out, "transparent");

    // Nineteen characters fit, the twentieth is too many.
    ColorField longer;
    for (int i = 0; i < 19; ++i) EXPECT_NE(longer.feed('a'), ColorField::Step::TooLong);
    EXPECT_EQ(longer.feed('a'), ColorField::Step::TooLong);
    // A word that only begins a colour name is not one.
    ColorField part;
    for (char c : std::string("bla")) part.feed(c);
    EXPECT_FALSE(part.finish(true, &out));
}

}  // namespace
}  // namespace qp
