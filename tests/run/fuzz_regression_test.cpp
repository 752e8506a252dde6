// Replays inputs through the in-process pipelines of the fuzz targets: every
// input the fuzzer once found failing (tests/fuzz_regressions/) and the fuzz
// seeds.  Each must run to its end under the
// sanitizers, report its outcome consistently, keep its output bounded and
// give the same result when run twice.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "../../fuzz/fuzz_harness.h"

namespace qp {
namespace {

namespace fs = std::filesystem;

// No input of a few kilobytes may make the program write more than this.
constexpr std::size_t kOutputBound = 64u << 20;

std::string read_file(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The regular files of a directory, in name order; none when it is absent.
std::vector<fs::path> files_in(const fs::path& dir) {
    std::vector<fs::path> out;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(dir, ec)) {
        if (!entry.is_regular_file()) continue;
        out.push_back(entry.path());
    }
    std::sort(out.begin(), out.end());
    return out;
}

const fs::path kRoot = QP_SOURCE_DIR;

// Every line of the run log's entries ends with a line break tag.
void expect_entries_closed(const std::string& log) {
    std::size_t start = 0;
    while (start < log.size()) {
        std::size_t end = log.find('\n', start);
        ASSERT_NE(end, std::string::npos) << "log ends without a line end";
        std::string line = log.substr(start, end - start);
        EXPECT_TRUE(line.size() >= 4 && line.compare(line.size() - 4, 4, "<br>") == 0)
            << "log line without <br>: " << line;
        start = end + 1;
    }
}

void replay_chart(const fs::path& file) {
    SCOPED_TRACE(file.string());
    std::string bytes = read_file(file);
    fuzz::Outcome first = fuzz::run_chart_bytes(bytes);
    EXPECT_TRUE(first.file_error == 0 || first.file_error == 1);
    EXPECT_LT(first.bytes_written, kOutputBound);
    expect_entries_closed(first.log);
    fuzz::Outcome second = fuzz::run_chart_bytes(bytes);
    EXPECT_EQ(first.log, second.log);
    EXPECT_EQ(first.bytes_written, second.bytes_written);
    EXPECT_EQ(first.files_written, second.files_written);
}

void replay_job(const fs::path& file) {
    SCOPED_TRACE(file.string());
    std::string bytes = read_file(file);
    fuzz::Outcome first = fuzz::run_job_bytes(bytes);
    EXPECT_TRUE(first.exit_code == 0 || first.exit_code == 1);
    EXPECT_LT(first.bytes_written, kOutputBound);
    const std::string tail = "</BODY>\n</HTML>\n";
    ASSERT_GE(first.log.size(), tail.size());
    EXPECT_EQ(first.log.substr(first.log.size() - tail.size()), tail);
    fuzz::Outcome second = fuzz::run_job_bytes(bytes);
    EXPECT_EQ(first.exit_code, second.exit_code);
    EXPECT_EQ(first.log, second.log);
    EXPECT_EQ(first.bytes_written, second.bytes_written);
}

TEST(FuzzRegression, ChartInputsOnceFoundFailingRunCleanly) {
    for (const auto& file : files_in(kRoot / "tests/fuzz_regressions/chart")) replay_chart(file);
}

TEST(FuzzRegression, JobInputsOnceFoundFailingRunCleanly) {
    for (const auto& file : files_in(kRoot / "tests/fuzz_regressions/job")) replay_job(file);
}

TEST(FuzzRegression, SeedCorporaRunCleanly) {
    auto charts = files_in(kRoot / "fuzz/corpus/chart");
    auto jobs = files_in(kRoot / "fuzz/corpus/job");
    EXPECT_FALSE(charts.empty());
    EXPECT_FALSE(jobs.empty());
    for (const auto& file : charts) replay_chart(file);
    for (const auto& file : jobs) replay_job(file);
}

// The job split: the record separator byte divides job, chart and message.
TEST(FuzzRegression, JobInputSplitsAtTheRecordSeparator) {
    auto parts = fuzz::split_job_input("job\x1e" "chart\x1e" "msg\x1e" "more");
    EXPECT_EQ(parts.job, "job");
    EXPECT_EQ(parts.chart, "chart");
    EXPECT_TRUE(parts.has_message);
    EXPECT_EQ(parts.message, "msg\x1e" "more");
    parts = fuzz::split_job_input("only a job");
    EXPECT_EQ(parts.job, "only a job");
    EXPECT_EQ(parts.chart, "");
    EXPECT_FALSE(parts.has_message);
}

}  // namespace
}  // namespace qp
