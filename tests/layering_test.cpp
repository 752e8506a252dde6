// The source tree keeps its layers: each folder of src/ includes headers of
// its own layer and of the layers below it only, and only the platform
// layer holds conditional compilation.  Read from the source tree itself.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <utility>

namespace {

namespace fs = std::filesystem;

// The layers from the bottom up.
constexpr std::array<std::string_view, 8> kLayers = {"platform", "model", "log", "read",
                                                      "layout", "page", "draw", "app"};

int rank_of(std::string_view layer) {
    for (std::size_t i = 0; i < kLayers.size(); ++i) {
        if (kLayers[i] == layer) return static_cast<int>(i);
    }
    return -1;
}

// Includes that still reach up a layer, as "file -> included header"; the
// list shrinks to nothing as the last of them are mended.
const std::set<std::string> kKnownUpward = {};

std::string read_file(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

struct SourceFile {
    std::string name;    // relative to src/, for example "draw/frame_painter.cpp"
    std::string layer;
    std::string text;
};

std::vector<SourceFile> source_files() {
    const fs::path src = fs::path(QP_SOURCE_DIR) / "src";
    std::vector<SourceFile> files;
    for (const auto& entry : fs::recursive_directory_iterator(src)) {
        if (!entry.is_regular_file()) continue;
        const std::string name = fs::relative(entry.path(), src).generic_string();
        files.push_back({name, name.substr(0, name.find('/')), read_file(entry.path())});
    }
    return files;
}

TEST(Layering, EveryFileLivesInALayerFolder) {
    const auto files = source_files();
    ASSERT_FALSE(files.empty());
    for (const SourceFile& f : files) {
        EXPECT_NE(f.name.find('/'), std::string::npos) << f.name << " stands outside the layers";
        EXPECT_GE(rank_of(f.layer), 0) << f.name << " is in a folder that is no layer";
    }
    EXPECT_FALSE(fs::exists(fs::path(QP_SOURCE_DIR) / "include"))
        << "headers live beside their sources";
}

TEST(Layering, IncludesNameTheirLayerAndNeverReachUp) {
    const std::regex quoted_include(R"re(#include\s+"([^"]+)")re");
    std::set<std::string> upward;
    for (const SourceFile& f : source_files()) {
        for (std::sregex_iterator it(f.text.begin(), f.text.end(), quoted_include), end; it != end;
             ++it) {
            const std::string header = (*it)[1];
            const std::string layer = header.substr(0, header.find('/'));
            ASSERT_GE(rank_of(layer), 0) << f.name << " includes \"" << header
                                         << "\" without naming its layer";
            if (rank_of(layer) > rank_of(f.layer)) upward.insert(f.name + " -> " + header);
        }
    }
    for (const std::string& arrow : upward) {
        EXPECT_TRUE(kKnownUpward.count(arrow)) << "an include reaches up a layer: " << arrow;
    }
    for (const std::string& arrow : kKnownUpward) {
        EXPECT_TRUE(upward.count(arrow)) << "mended, so strike it from the known list: " << arrow;
    }
}

TEST(Layering, OnlyThePlatformLayerCompilesConditionally) {
    const std::regex conditional(R"(^\s*#\s*(if|ifdef|ifndef|elif)\b)", std::regex::multiline);
    for (const SourceFile& f : source_files()) {
        if (f.layer == "platform") continue;
        EXPECT_FALSE(std::regex_search(f.text, conditional))
            << f.name << " compiles conditionally; that belongs to the platform layer";
    }
}

}  // namespace
