// Number arithmetic of the field syntaxes: saturation and single precision.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "reader/field_syntax.h"

namespace qp {
namespace {

float read_real(const std::string& s, bool allow_sign, bool* refused = nullptr) {
    RealNumber r;
    for (char c : s) {
        if (r.feed(c, allow_sign) == RealNumber::Step::Refused && refused != nullptr) *refused = true;
    }
    return r.result();
}

TEST(FieldSyntaxNumbers, WholeNumbersStopAtTheLargestInt) {
    EXPECT_EQ(add_digit(214748364, 7), 2147483647);
    EXPECT_EQ(add_digit(214748364, 8), 2147483647);
    EXPECT_EQ(add_digit(2147483647, 9), 2147483647);
}

TEST(FieldSyntaxNumbers, RealsRoundedToSinglePrecisionAfterEachDigit) {
    // 1, then float(1 + 2 * 0.1f) = 1.2f, weight float(0.1f / 10) = 0.01f,
    // then float(1.2f + 3 * 0.01f) = 1.23f.
    EXPECT_EQ(read_real("1.23", false), 1.23f);
    EXPECT_EQ(read_real("2,50", false), 2.5f);
    EXPECT_FALSE(std::signbit(read_real("-", true)));   // a plain 0, not -0
    bool refused = false;
    EXPECT_EQ(read_real("1.2.3", false, &refused), 1.23f);
    EXPECT_TRUE(refused);
    // Sixty nines stay at the largest float instead of overflowing.
    EXPECT_EQ(read_real(std::string(60, '9'), false), std::numeric_limits<float>::max());
    EXPECT_EQ(to_float(-1e300), -std::numeric_limits<float>::max());
}

}  // namespace
}  // namespace qp
