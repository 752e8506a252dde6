// The examples gallery rendered as examples/render.sh renders it: the job
// examples.qpj run from examples/out/, with the gallery files in memory.
// Every page is written and finished, and only errors.csv has errors.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "../../fuzz/fuzz_harness.h"

namespace qp {
namespace {

namespace fs = std::filesystem;

std::string read_file(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::size_t count(const std::string& text, const std::string& word) {
    std::size_t n = 0;
    for (std::size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) ++n;
    return n;
}

bool ends_with(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

TEST(Gallery, EveryPageIsWrittenAndOnlyTheErrorExampleFails) {
    MemoryFileSystem files;
    const fs::path dir = fs::path(QP_SOURCE_DIR) / "examples";
    // The run stands in examples/out/ (working directory "/work/"): the
    // job's input directory ".." makes "../name"; heading and ending files
    // are named with a backslash and opened as written.
    for (const auto& entry : fs::directory_iterator(dir)) {
        if (!entry.is_regular_file()) continue;
        std::string name = entry.path().filename().string();
        files.files["../" + name] = read_file(entry.path());
        files.files["..\\" + name] = read_file(entry.path());
    }
    fuzz::FuzzPlatform platform;
    std::ostringstream console;
    std::istringstream keyboard;
    int code = run_program("/prog/qplot", {"../examples.qpj"}, platform, files, console, keyboard);
    const std::string& log = files.files["/work/qplotlog.htm"];

    EXPECT_EQ(code, 1);   // errors.csv holds deliberate errors
    EXPECT_EQ(count(log, "Errors are found in file"), 1u) << log;
    EXPECT_EQ(count(log, "Errors are found in file ../errors.csv"), 1u) << log;

    const char* pages[] = {
        "line_plain", "line_drop", "line_area", "line_stacked", "markers",
        "markers_on_line", "markers_stacked", "bars", "bars_stacked", "values",
        "dual_scales", "slanted_labels", "frame_and_grid", "transparent",
        "legend_right", "legend_columns", "legend_rows", "legend_only", "pie_single",
        "pies_variants", "stencil_a", "stencil_b", "shared_page", "errors"};
    for (const char* page : pages) {
        std::string path = std::string("./") + page + ".htm";
        ASSERT_EQ(files.files.count(path), 1u) << path;
        EXPECT_TRUE(ends_with(files.files[path], "</body></html>")) << path;
    }
    for (const char* own : {"own_pages_first.htm", "own_pages_second.htm"}) {
        ASSERT_EQ(files.files.count(own), 1u) << own;
        EXPECT_TRUE(ends_with(files.files[own], "</body></html>")) << own;
    }
    // The heading and ending files frame their page.
    const std::string& framed = files.files["./heading_ending.htm"];
    EXPECT_EQ(framed.rfind(read_file(dir / "gallery_heading.htm"), 0), 0u);
    EXPECT_TRUE(ends_with(framed, read_file(dir / "gallery_ending.htm")));
    // The shared page holds its three charts and the stencil was read twice.
    EXPECT_EQ(count(files.files["./shared_page.htm"], "<v:group"), 3u);
    EXPECT_EQ(count(log, "Stencil is inputted from ../house_style.stencil"), 2u);
}

}  // namespace
}  // namespace qp
