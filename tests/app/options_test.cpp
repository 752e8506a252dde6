// The command line's options: recognised anywhere among the files, "--"
// ends them, and the first unknown one is kept for the message.
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
}

TEST(Options, PlainArgumentsAreFilesAndTheFirstUnknownOptionIsKept) {
    const Options none = parse_options({"/?", "-x", "a.csv"});
    EXPECT_FALSE(none.any());
    EXPECT_EQ(none.files, (std::vector<std::string>{"/?", "-x", "a.csv"}));

    const Options unknown = parse_options({"--tidyx", "--svg", "--nope"});
    EXPECT_EQ(unknown.unknown, "--tidyx");
    EXPECT_TRUE(unknown.any());
    EXPECT_EQ(unknown_option_text("--tidyx"),
              "qplot: unknown option --tidyx (known: --help, -h, --version, --svg, --check, "
              "--strict, --tidy, --safe, --)\n");
}

}  // namespace
}  // namespace qp
