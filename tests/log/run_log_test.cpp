// The run log's buffer and its hand-over to the file.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "log/run_log.h"
#include "support/memory_file_system.h"

namespace qp {
namespace {

// Parts taken back (a shared page's announcements when the page was not
// stored) leave the log as if they had never been written, whether they
// are still in the buffer or already in the file.
TEST(RunLog, PartsTakenBackFromTheBufferOrTheFile) {
    for (const std::size_t between : {10, 100000}) {
        SCOPED_TRACE(between);
        MemoryFileSystem fs;
        RunLog log(fs.open_write("log"));
        std::vector<WrittenPart> parts;
        std::string kept = "head\n";
        log << kept;
        for (const char c : std::string("xyz")) {
            const std::uint64_t at = log.position();
            log << "announced\n";
            parts.push_back({at, log.position() - at});
            const std::string text(between, c);
            log << text;
            kept += text;
        }
        log.withdraw(parts);
        EXPECT_EQ(log.position(), kept.size());
        log << "tail";
        ASSERT_TRUE(log.close());
        EXPECT_TRUE(fs.files["log"] == kept + "tail");
    }
}

TEST(RunLog, AFailedWriteOrCloseIsReported) {
    struct Failing : OutputFile {
        bool write_ok, close_ok;
        Failing(bool w, bool c) : write_ok(w), close_ok(c) {}
        bool write(std::string_view) override { return write_ok; }
        bool close() override { return close_ok; }
    };
    for (const auto& [write_ok, close_ok] : {std::pair{false, true}, {true, false}}) {
        RunLog log(std::make_unique<Failing>(write_ok, close_ok));
        log << "text";
        EXPECT_FALSE(log.close()) << "write " << write_ok << ", close " << close_ok;
    }
}

}  // namespace
}  // namespace qp
