// The run log's buffer, numbers and write failures; the memory file system.
#include <gtest/gtest.h>

#include <climits>

#include "run_log.h"

namespace qp {
namespace {

TEST(RunLog, KeepsEverythingPendingWithoutAFile) {
    RunLog log;
    log << "Line " << 0 << ' ' << -17 << ' ' << 2147483647 << ' ' << INT_MIN;
    EXPECT_EQ(log.pending(), "Line 0 -17 2147483647 -2147483648");
    EXPECT_TRUE(log.flush());
    EXPECT_TRUE(log.close());
    EXPECT_EQ(log.pending(), "Line 0 -17 2147483647 -2147483648");
}

TEST(RunLog, WritesToItsFileInPieces) {
    MemoryFileSystem fs;
    RunLog log(fs.open_write("log.htm"));
    std::string big(70000, 'x');
    log << big;  // passes the buffer size: handed over at once
    EXPECT_EQ(fs.files["log.htm"].size(), 70000u);
    EXPECT_TRUE(log.pending().empty());
    log << "end" << 5;
    EXPECT_TRUE(log.close());
    EXPECT_EQ(fs.files["log.htm"], big + "end5");
    EXPECT_TRUE(log.ok());
}

TEST(RunLog, ReportsAFileThatCannotBeWritten) {
    MemoryFileSystem fs;
    fs.unwritable["log.htm"] = true;
    RunLog log(fs.open_write("log.htm"));
    log << "text";
    EXPECT_FALSE(log.flush());
    EXPECT_FALSE(log.close());
    EXPECT_FALSE(log.ok());

    RunLog quiet(fs.open_write("log.htm"));
    EXPECT_TRUE(quiet.close());  // nothing written, nothing lost
}

TEST(MemoryFileSystem, TextModeDropsOnlyCarriageReturnsBeforeLineFeeds) {
    MemoryFileSystem fs;
    fs.files["a"] = "x\r\ny\rz\r\r\n\r";
    std::string text;
    ASSERT_TRUE(fs.read_text("a", &text));
    EXPECT_EQ(text, "x\ny\rz\r\n\r");
    ASSERT_TRUE(fs.read_binary("a", &text));
    EXPECT_EQ(text, "x\r\ny\rz\r\r\n\r");
    EXPECT_FALSE(fs.read_text("b", &text));
    EXPECT_FALSE(fs.read_binary("b", &text));
}

}  // namespace
}  // namespace qp
