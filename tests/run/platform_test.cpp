// The real platform layer on this machine: directories and
// file access in a temporary directory.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "run_loop.h"

namespace qp {
namespace {

namespace fs = std::filesystem;

class PlatformTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("qp_platform_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir_ / "sub");
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
    std::string path(const std::string& name) const { return (dir_ / name).string(); }
    void write(const std::string& name, const std::string& bytes) const {
        std::ofstream(dir_ / name, std::ios::binary) << bytes;
    }
    fs::path dir_;
};

TEST_F(PlatformTest, DirectoriesEndWithTheSeparator) {
    auto platform = make_real_platform();
    std::string cwd;
    ASSERT_TRUE(platform->current_dir(&cwd));
    ASSERT_FALSE(cwd.empty());
    EXPECT_EQ(cwd.back(), platform->separator());
    std::string prog = platform->program_dir("ignored");
    ASSERT_FALSE(prog.empty());
    EXPECT_EQ(prog.back(), platform->separator());
    // The program's directory is where the running program lives.
    EXPECT_TRUE(fs::is_directory(prog));
}

TEST_F(PlatformTest, ReadsRegularFilesOnly) {
    auto files = make_real_file_system();
    write("sub/a.csv", "A;\r\nB;\r\r\n");
    std::string text;
    ASSERT_TRUE(files->read_text(path("sub/a.csv"), &text));
    EXPECT_EQ(text, "A;\nB;\r\n");
    ASSERT_TRUE(files->read_binary(path("sub/a.csv"), &text));
    EXPECT_EQ(text, "A;\r\nB;\r\r\n");
#ifndef _WIN32
    // A name written with "\" opens the same file.
    ASSERT_TRUE(files->read_text(dir_.string() + "\\sub\\a.csv", &text));
    EXPECT_EQ(text, "A;\nB;\r\n");
#endif
    EXPECT_FALSE(files->read_text(path("sub"), &text));
    EXPECT_FALSE(files->read_text(path("missing.csv"), &text));
    EXPECT_FALSE(files->read_text(std::string(path("sub/a.csv")) + std::string(1, '\0') + "x",
                                  &text));
    EXPECT_FALSE(files->read_text("", &text));
}

TEST_F(PlatformTest, WritesAndReportsFailedWrites) {
    auto files = make_real_file_system();
    auto out = files->open_write(path("page.htm"));
    ASSERT_NE(out, nullptr);
    EXPECT_TRUE(out->write("<html>\n"));
    EXPECT_TRUE(out->write(std::string(100000, 'x')));
    EXPECT_TRUE(out->close());
    std::string back;
    ASSERT_TRUE(files->read_binary(path("page.htm"), &back));
    EXPECT_EQ(back.size(), 7u + 100000u);

    EXPECT_EQ(files->open_write(path("no/such/dir/page.htm")), nullptr);
    EXPECT_EQ(files->open_write(path("sub")), nullptr);
#ifdef __linux__
    auto full = files->open_write("/dev/full");
    ASSERT_NE(full, nullptr);
    full->write("some text");
    EXPECT_FALSE(full->close());
#endif
}

}  // namespace
}  // namespace qp
