// Whole runs with options: what each prints, writes and returns.  Without
// options the run is as it always was (the other run tests hold that).
#include <gtest/gtest.h>

#include "app/options.h"
#include "support/run_session.h"

namespace qp::test {
namespace {

// A chart whose page is c.htm (its own page, named in the AREA record).
const std::string kOwnPageChart = "AREA;0;0;300;200;white;c;;c.htm;;\nD1;L1;2;red;;Sales;;1;2;3;\n";

TEST(CommandLine, HelpAndVersionAnswerAtOnceWithoutARun) {
    for (const auto& args : {std::vector<std::string>{"--help"}, {"a.csv", "-h"}, {"--version"}}) {
        Session r;
        EXPECT_EQ(r.run(args), 0);
        const std::string expected(args.back() == "--version" ? version_text() : usage_text());
        EXPECT_EQ(r.console.str(), expected);
        EXPECT_TRUE(r.fs.files.empty()) << "no run log, no page";
        EXPECT_EQ(r.keyboard.tellg(), 0) << "no key is waited for";
    }
    EXPECT_EQ(version_text(), "Quillplot 1.15\n");
    EXPECT_EQ(std::string(usage_text()).rfind("Usage: qplot [options] [file.csv | job.qpj]...\n", 0),
              0u);
}

// The first unknown option is told.
TEST(CommandLine, AnUnknownOptionRunsNothing) {
    Session r;
    r.fs.files["a.csv"] = kGoodChart;
    EXPECT_EQ(r.run({"a.csv", "--tidyish", "--svg", "--nope"}), 2);
    EXPECT_EQ(r.console.str(), "");
    EXPECT_EQ(r.errors.str(), "qplot: unknown option --tidyish (known: --help, -h, --version, "
                              "--svg, --check, --strict, --tidy, --safe, --)\n");
    EXPECT_EQ(r.fs.files.size(), 1u) << "no run log, no page";
}

TEST(CommandLine, TheEndMarkLetsAFileBeNamedLikeAnOption) {
    Session r;
    r.fs.files["--x.csv"] = kGoodChart;
    EXPECT_EQ(r.run({"--", "--x.csv"}), 0);
    EXPECT_TRUE(has(r.console.str(), "File --x.csv OK\n"));
    EXPECT_TRUE(has(r.log(), Session::started("qplot.exe --x.csv ")));
}

TEST(CommandLine, CheckWritesTheSameLogAndConsoleButNoPage) {
    Session plain, checked;
    plain.fs.files["a.csv"] = checked.fs.files["a.csv"] = kOwnPageChart;
    EXPECT_EQ(plain.run({"a.csv"}), 0);
    EXPECT_EQ(checked.run({"--check", "a.csv"}), 0);
    EXPECT_EQ(checked.console.str(), plain.console.str());
    EXPECT_EQ(checked.log(), plain.log());
    EXPECT_EQ(plain.fs.files.count("c.htm"), 1u);
    EXPECT_EQ(checked.fs.files.count("c.htm"), 0u);

    // A chart with errors is reported as without the option, and exits 1.
    Session faulty;
    faulty.fs.files["b.csv"] = "AREA;0;0;300;200;white;b\nD1;Q;\n";
    EXPECT_EQ(faulty.run({"--check", "b.csv"}), 1);
    EXPECT_EQ(faulty.fs.files.count("b.htm"), 0u);
}

TEST(CommandLine, TidyChangesTheChartsLayoutOnlyInBothFormats) {
    // A scale from 0 to 1.6 over 160 rows: the specified step 0.4 is
    // written without decimals, the tidy step 0.5 with one.
    const std::string chart = "AREA;0;0;300;200;white;c;;c.htm;;\nY1;1;black;0;;;;0;11;;;;;;\n"
                              "D1;L1;2;red;;Sales;;0.4;1.1;1.6;\n";
    for (const bool svg : {false, true}) {
        Session plain, tidy;
        plain.fs.files["a.csv"] = tidy.fs.files["a.csv"] = chart;
        std::vector<std::string> args{"a.csv"};
        if (svg) args.push_back("--svg");
        EXPECT_EQ(plain.run(args), 0);
        args.push_back("--tidy");
        EXPECT_EQ(tidy.run(args), 0);
        EXPECT_EQ(tidy.console.str(), plain.console.str());
        EXPECT_EQ(tidy.log().substr(tidy.log().find("<br>")),
                  plain.log().substr(plain.log().find("<br>")));   // all but the command
        const std::string before = plain.fs.files["c.htm"];
        const std::string after = tidy.fs.files["c.htm"];
        const std::string open = svg ? ">" : "<v:textbox/>";
        EXPECT_TRUE(has(before, open + "1<"));
        EXPECT_FALSE(has(before, open + "1.5<"));
        EXPECT_TRUE(has(after, open + "1.5<"));
    }
}

TEST(CommandLine, StrictFailsOnEverySkippedFileAndLostPage) {
    struct Case {
        const char* what;
        std::vector<std::string> args;
        const char* errors;   // what standard error says
    };
    const std::string long_name(300, 'n');
    const Case cases[] = {
        {"not found", {"missing.csv"}, "missing.csv: does not found\n"},
        {"wrong extension", {"notes.txt"}, "notes.txt: invalid file extension\n"},
        {"name too long", {long_name + ".csv"}, ""},
        {"job without its directory lines", {"j.qpj"}, "j.qpj: Data miss\n"},
        {"page not written", {"p.csv"}, "c.htm: does not generated\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (const bool strict : {false, true}) {
            Session r;
            r.fs.files["j.qpj"] = "";
            r.fs.files["p.csv"] = kOwnPageChart;
            r.fs.unwritable["c.htm"] = true;   // like a full device
            std::vector<std::string> args = c.args;
            if (strict) args.insert(args.begin(), "--strict");
            // A page that cannot be written is an error of its chart file anyway.
            const bool page_case = c.args[0] == "p.csv";
            EXPECT_EQ(r.run(args), strict || page_case ? 1 : 0);
            if (std::string(c.errors).empty()) {
                EXPECT_TRUE(has(r.errors.str(), ": Wrong name length\n"));
            } else {
                EXPECT_EQ(r.errors.str(), c.errors);
            }
        }
    }
}

}  // namespace
}  // namespace qp::test
