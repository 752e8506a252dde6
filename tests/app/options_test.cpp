// The command line's options: recognised anywhere among the files until
// "--" ends them.
#include <gtest/gtest.h>

#include "app/options.h"

namespace qp {
namespace {

TEST(Options, AnywhereAmongTheFilesUntilTheEndMark) {
    const Options o = parse_options({"a.csv", "--svg", "b.qpj", "--strict", "--check", "-h",
                                     "--version", "--tidy", "--safe", "--", "--help", "-h",
                                     "c.csv"});
    EXPECT_EQ(o.format, PageFormat::Svg);
    EXPECT_TRUE(o.strict && o.check && o.help && o.version && o.tidy && o.safe);
    EXPECT_TRUE(parse_options({"--safe"}).any());
    EXPECT_FALSE(parse_options({"--", "--safe"}).safe);
    EXPECT_TRUE(parse_options({"--tidy"}).any());
    EXPECT_FALSE(parse_options({"--", "--tidy"}).tidy);
    EXPECT_EQ(o.files, (std::vector<std::string>{"a.csv", "b.qpj", "--help", "-h", "c.csv"}));
    EXPECT_TRUE(o.unknown.empty());
    // Arguments that are no option of this program are files.
    EXPECT_EQ(parse_options({"/?", "-x", "a.csv"}).files, (std::vector<std::string>{"/?", "-x", "a.csv"}));
    EXPECT_FALSE(parse_options({"/?", "-x", "a.csv"}).any());
}

}  // namespace
}  // namespace qp
