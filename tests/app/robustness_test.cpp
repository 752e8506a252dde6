// Hostile inputs through whole runs: each must end with the run log closed,
// a clear diagnostic and the right exit code.
#include <gtest/gtest.h>

#include "support/run_session.h"

namespace qp::test {
namespace {

using namespace std::string_literals;

std::string repeat(const std::string& part, int n) {
    std::string out;
    while (n-- > 0) out += part;
    return out;
}

const std::string kSeries = "D1;L;;;;;;1\n";
const std::string kOk = "\aFile x.csv OK\n";
const std::string kBad = "Errors are found in file x.csv\n";

TEST(Robustness, HostileInputsEndInADiagnosticAndTheRightExitCode) {
    const struct {
        const char* what;
        std::string name, bytes;
        int code;
        std::string console, log, page = "</v:group></div>\n</body></html>";   // on success
    } cases[] = {
        {"NUL in a number", "x.csv", "AREA;1\0;\n"s + kSeries, 1, kBad,
         "Line 1:</font> <font color='black'>AREA;1</font><font color='red' size='5'>\0</font>"
         "<font color='black'>;</font><br>\n<font color='red'>It is expected 0123456789</font>"s},
        {"binary garbage", "x.csv", "\xff\xfe\x01garbage\n" + kSeries, 1, kBad,
         "Line 1:</font> <font color='red' size='5'>\xff</font><font color='black'>\xfe\x01garbage"
         "</font><br>\n<font color='red'>It is expected A B P D L T X Y</font>"},
        {"a line of 1 MB", "x.csv", "D1;L;;;;;;1" + std::string(1 << 20, ' ') + ";2\n", 0, kOk,
         "File x.htm is generated<br>\n"},
        {"100,000 lines", "x.csv", repeat("TITLE;;;;;;t\n", 100000) + "Q\n", 1, kBad,
         kRed + "Line 100001:</font> "},
        {"30 digits", "x.csv", "AREA;123456789012345678901234567890;5\n" + kSeries, 0, kOk,
         "File x.htm is generated<br>\n", "position:absolute;top:5px;left:2147483647px"},
        {"30-digit value", "x.csv", "D1;L;;;;;;1;123456789012345678901234567890\n", 0, kOk,
         "File x.htm is generated<br>\n"},
        {"1000 values", "x.csv", "D1;L;;;;;;" + repeat("1;", 1000) + "\n", 0, kOk, "OK<br>\n"},
        {"1001st value", "x.csv", "D1;L;;;;;;" + repeat("1;", 1001) + "\n", 1, kBad,
         kRed + "Number of values is more, than 1000</font><br>\n"},
        {"100 series", "x.csv", repeat(kSeries, 100), 0, kOk, "OK<br>\n"},
        {"101st series", "x.csv", repeat(kSeries, 101), 1, kBad,
         kRed + "Number of charts with D1 is more, than</font><br>\n"},
        {"NUL in a job", "j.qpj", "in\nout\n\0a.csv\n"s, 0, "File in/\0a.csv does not found\n"s,
         kRed + "File in/\0a.csv does not found</font><br>\n"s},
        {"garbage job", "j.qpj", "\xff\n\x01\x02\n\x80.csv\n", 0,
         "Input data is placed in \xff/\nOutput data will be placed into \x01\x02/\n",
         kRed + "File \xff/\x80.csv does not found</font><br>\n"},
        {"a directory", "j.qpj", "in\nout\nsub\n", 0, "File in/sub does not found\n",
         kRed + "File in/sub does not found</font><br>\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Session s;
        s.fs.files[c.name] = c.bytes;
        s.fs.files["in/a.csv"] = s.fs.files["in/sub/a.csv"] = kGoodChart;
        EXPECT_EQ(s.run({c.name}), c.code);
        const std::string log = s.log();
        EXPECT_TRUE(has(s.console.str(), c.console)) << s.console.str();
        EXPECT_TRUE(has(log, c.log)) << log.substr(0, 2000);
        EXPECT_EQ(log.substr(log.size() - kEndLog.size()), kEndLog);
        // A chart file's page is drawn, or holds the error page in its place.
        const std::string page = c.name != "x.csv" ? "" : c.code ? "ERRORS in x.csv" : c.page;
        EXPECT_NE(s.fs.files["x.htm"].find(page), std::string::npos);
    }
}

}  // namespace
}  // namespace qp::test
