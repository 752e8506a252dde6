// The real platform layer on this machine, in a temporary directory.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

#include "app/run_loop.h"

namespace qp {
namespace {

namespace fs = std::filesystem;

TEST(Platform, DirectoriesAndFiles) {
    auto platform = make_real_platform();
    std::string cwd;
    ASSERT_TRUE(platform->current_dir(&cwd));
    const std::string prog = platform->program_dir("ignored");
    EXPECT_EQ(std::string(1, cwd.back()) + prog.back(), std::string(2, platform->separator()));
    EXPECT_TRUE(fs::is_directory(prog));   // where the running program lives

    const fs::path dir = fs::temp_directory_path() / ("qp_platform_" + std::to_string(::getpid()));
    fs::create_directories(dir / "sub");
    const std::string sub = (dir / "sub").string();
    std::ofstream(dir / "sub/a.csv", std::ios::binary) << "A;\r\nB;\r\r\nC\rD\r";
    auto files = make_real_file_system();
    std::string text;
    // Text mode drops a CR before LF only; a name written with "\" opens
    // the same file.
    ASSERT_TRUE(files->read_text(dir.string() + "\\sub\\a.csv", 1000, &text));
    EXPECT_EQ(text, "A;\nB;\r\nC\rD\r");
    ASSERT_TRUE(files->read_binary(sub + "/a.csv", 1000, &text));
    EXPECT_EQ(text, "A;\r\nB;\r\r\nC\rD\r");
    // Directories, missing files and names with a NUL byte are not read.
    for (const std::string& bad : {sub, sub + "/missing.csv", sub + "/a.csv" + '\0' + "x", std::string()})
        EXPECT_FALSE(files->read_text(bad, 1000, &text)) << bad;

    auto out = files->open_write(sub + "/page.htm");
    ASSERT_NE(out, nullptr);
    EXPECT_TRUE(out->write(std::string(100000, 'x')));
    EXPECT_TRUE(out->close());
    EXPECT_EQ(fs::file_size(dir / "sub/page.htm"), 100000u);
    EXPECT_EQ(files->open_write(sub + "/no/dir/page.htm"), nullptr);
    EXPECT_EQ(files->open_write(sub), nullptr);
    fs::remove_all(dir);
}

}  // namespace
}  // namespace qp
