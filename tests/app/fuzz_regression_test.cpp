// Replays inputs through the in-process pipelines of the fuzz targets: every
// input the fuzzer once found failing (tests/fuzz_regressions/) and the fuzz
// seeds must run to their end under the sanitizers, keep their output
// bounded and give the same result twice (a chart file held whole and read
// in small pieces).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <tuple>

#include "../../fuzz/fuzz_harness.h"

namespace qp {
namespace {

namespace fs = std::filesystem;
const fs::path kRoot = QP_SOURCE_DIR;

std::string read_file(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void replay(const fs::path& dir, bool job) {
    std::error_code absent;   // a folder without inputs may be absent
    for (const auto& entry : fs::directory_iterator(dir, absent)) {
        SCOPED_TRACE(entry.path().string());
        const std::string bytes = read_file(entry.path());
        // A chart file held whole, then read a few bytes at a time.
        const std::size_t read_size = 1 + bytes.size() % 7;
        auto run = [&](std::size_t size) {
            return job ? fuzz::run_job_bytes(bytes) : fuzz::run_chart_bytes(bytes, size);
        };
        const fuzz::Outcome first = run(0), second = run(read_size);
        EXPECT_LT(first.bytes_written, 64u << 20);
        EXPECT_EQ(std::tuple(first.log, first.bytes_written, first.exit_code, first.file_error),
                  std::tuple(second.log, second.bytes_written, second.exit_code, second.file_error));
        // A run closes its log; every line of a chart file's entries ends
        // with a line break tag.
        const std::string& log = first.log;
        EXPECT_EQ(job ? log.substr(log.size() - 16) : "", job ? "</BODY>\n</HTML>\n" : "");
        for (std::size_t end = log.find('\n'); !job && end != std::string::npos; end = log.find('\n', end + 1)) {
            EXPECT_EQ(log.rfind("<br>", end), end - 4);
        }
        EXPECT_TRUE(log.empty() || log.back() == '\n');
    }
}

TEST(FuzzRegression, FoundInputsAndSeedsRunCleanly) {
    replay(kRoot / "tests/fuzz_regressions/chart", false);
    replay(kRoot / "tests/fuzz_regressions/job", true);
    EXPECT_FALSE(fs::is_empty(kRoot / "fuzz/corpus/chart"));
    replay(kRoot / "fuzz/corpus/chart", false);
    replay(kRoot / "fuzz/corpus/job", true);
}

}  // namespace
}  // namespace qp
