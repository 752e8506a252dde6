// The machine's platform layer, and its file system where files go wrong:
// pipes and devices in place of files, files replaced only whole, names of
// one file, files that never end.  A call that could wait for ever runs in a
// child process with a time limit.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string_view>
#include <thread>

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/file_system.h"
#include "platform/platform.h"

namespace qp {
namespace {

namespace fs = std::filesystem;

// A directory of its own for each test, removed afterwards.
struct Scratch {
    fs::path dir = fs::temp_directory_path() /
                   ("qp_files_" + std::to_string(::getpid()) + "_" +
                    ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::unique_ptr<FileSystem> files = make_real_file_system();
    Scratch() { fs::create_directories(dir); }
    ~Scratch() { fs::remove_all(dir); }
    std::string at(const std::string& name) const { return (dir / name).string(); }
    void put(const std::string& name, const std::string& text) const {
        std::ofstream(dir / name, std::ios::binary) << text;
    }
    std::string get(const std::string& name) const {
        std::string text;
        const std::unique_ptr<InputFile> file = files->open_read(at(name));
        return file && read_whole(*file, std::uint64_t{1} << 30, &text) ? text : "(unreadable)";
    }
    // A file in text mode, or nothing when it cannot be read.
    std::optional<std::string> text_of(const std::string& path) const {
        std::string text;
        if (!files->copy_text(path, 1000, [&text](std::string_view piece) { text.append(piece); }))
            return std::nullopt;
        return text;
    }
    // The names in the directory besides `name`.
    int others(const std::string& name) const {
        int n = 0;
        for (const auto& entry : fs::directory_iterator(dir)) n += entry.path().filename() != name;
        return n;
    }
};

// Runs `check` in a child process: true when it returns true within two
// seconds; a child still waiting then is ended.
bool in_time(const std::function<bool()>& check) {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(check() ? 0 : 1);
    for (int waited = 0; waited < 200; ++waited) {
        int status = 0;
        if (::waitpid(child, &status, WNOHANG) == child) return WIFEXITED(status) && WEXITSTATUS(status) == 0;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    return false;
}

TEST(RealPlatform, DirectoriesEndWithTheSeparator) {
    auto platform = make_real_platform();
    std::string cwd;
    ASSERT_TRUE(platform->current_dir(&cwd));
    const std::string prog = platform->program_dir("ignored");
    EXPECT_EQ(std::string(1, cwd.back()) + prog.back(), std::string(2, platform->separator()));
    EXPECT_TRUE(fs::is_directory(prog));   // where the running program lives
}

// Text mode drops a CR before LF only; a name written with "\" opens the
// same file.  Directories, missing files and names with a NUL byte are not
// read, nor is a page written into a missing directory.
TEST(RealFiles, TextModeAndNamesThatAreNoFile) {
    Scratch s;
    fs::create_directories(s.dir / "sub");
    s.put("sub/a.csv", "A;\r\nB;\r\r\nC\rD\r");
    EXPECT_EQ(s.text_of(s.dir.string() + "\\sub\\a.csv"), "A;\nB;\r\nC\rD\r");
    EXPECT_EQ(s.get("sub/a.csv"), "A;\r\nB;\r\r\nC\rD\r");
    for (const std::string& bad : {s.at("sub"), s.at("sub/missing.csv"), s.at("sub/a.csv") + '\0' + "x", std::string()})
        EXPECT_FALSE(s.text_of(bad)) << bad;
    EXPECT_EQ(s.files->open_write(s.at("sub/no/dir/page.htm")), nullptr);
}

TEST(RealFiles, PipesDevicesAndDirectoriesAreNeitherReadNorReplaced) {
    Scratch s;
    ASSERT_EQ(::mkfifo(s.at("pipe").c_str(), 0600), 0);
    fs::create_directories(s.dir / "dir");
    // Opened without waiting for a writer, and refused as no regular file.
    EXPECT_TRUE(in_time([&] { return s.files->open_read(s.at("pipe")) == nullptr; }));
    EXPECT_TRUE(in_time([&] { return s.files->open_write(s.at("pipe")) == nullptr; }));
    for (const std::string& name : {s.at("dir"), std::string("/dev/null"), std::string("/dev/full")}) {
        EXPECT_EQ(s.files->open_read(name), nullptr) << name;
        EXPECT_EQ(s.files->open_write(name), nullptr) << name;
    }
    // A link to a device is the device.
    fs::create_symlink("/dev/full", s.dir / "log.htm");
    EXPECT_EQ(s.files->open_write(s.at("log.htm")), nullptr);
    EXPECT_TRUE(fs::is_fifo(s.dir / "pipe"));
    EXPECT_TRUE(fs::is_symlink(s.dir / "log.htm"));
}

TEST(RealFiles, AFileIsReplacedOnlyWholeAtItsClose) {
    Scratch s;
    s.put("page.htm", "old page");
    ::chmod(s.at("page.htm").c_str(), 0640);
    auto page = s.files->open_write(s.at("page.htm"));
    ASSERT_NE(page, nullptr);
    EXPECT_TRUE(page->write("new "));
    EXPECT_EQ(s.get("page.htm"), "old page");   // not yet
    EXPECT_TRUE(page->write("page"));
    EXPECT_TRUE(page->close());
    EXPECT_EQ(s.get("page.htm"), "new page");
    EXPECT_EQ(fs::status(s.dir / "page.htm").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_FALSE(page->close());
    // Abandoned before its close: the old content stays, nothing is left.
    s.files->open_write(s.at("page.htm"))->write("lost");
    EXPECT_EQ(s.get("page.htm"), "new page");
    EXPECT_EQ(s.others("page.htm"), 0);
    // Two files for one name: each is whole, the last closed stays.
    auto first = s.files->open_write(s.at("page.htm")), second = s.files->open_write(s.at("page.htm"));
    first->write("first");
    second->write("second, longer");
    EXPECT_TRUE(second->close());
    EXPECT_TRUE(first->close());
    EXPECT_EQ(s.get("page.htm"), "first");
    // Written through a link: the linked file changes, the link stays.
    fs::create_symlink("page.htm", s.dir / "link.htm");
    auto linked = s.files->open_write(s.at("link.htm"));
    linked->write("through the link");
    EXPECT_TRUE(linked->close());
    EXPECT_TRUE(fs::is_symlink(s.dir / "link.htm"));
    EXPECT_EQ(s.get("page.htm"), "through the link");
    EXPECT_EQ(s.others("page.htm"), 1);
}

// Parts taken back from a file being written: what follows moves up, over
// more than one piece, and later writes go on at the new end.
TEST(RealFiles, PartsWrittenAreTakenBack) {
    Scratch s;
    const std::string big(200000, 'b');
    for (const bool too_much : {true, false}) {
        auto log = s.files->open_write(s.at("log.htm"));
        ASSERT_NE(log, nullptr);
        EXPECT_TRUE(log->write("aXXc" + big + "YYd"));
        EXPECT_TRUE(log->cut({{1, 2}, {4 + big.size(), 2}}));
        EXPECT_TRUE(log->write("e"));
        EXPECT_TRUE(!too_much || !log->cut({{0, 100000000}}));   // more than was written
        EXPECT_EQ(log->close(), !too_much);
        EXPECT_EQ(s.get("log.htm"), too_much ? "(unreadable)" : "ac" + big + "de");
    }
}

TEST(RealFiles, TheNamesOfOneFileAreOneFile) {
    Scratch s;
    s.put("a.csv", "A");
    s.put("b.csv", "B");
    fs::create_hard_link(s.dir / "a.csv", s.dir / "hard.csv");
    fs::create_symlink("a.csv", s.dir / "soft.csv");
    fs::create_directories(s.dir / "sub");
    const FileIdentity read = s.files->open_read(s.at("a.csv"))->identity();
    for (const std::string& name : {s.at("hard.csv"), s.at("soft.csv"), s.at("sub/../a.csv"),
                                    s.at("./a.csv"), s.at("sub\\..\\a.csv")})
        EXPECT_TRUE(same_file(read, s.files->identify(name))) << name;
    EXPECT_FALSE(same_file(read, s.files->identify(s.at("b.csv"))));
    // A name not yet a file: the same path only.
    EXPECT_TRUE(same_file(s.files->identify(s.at("new.htm")), s.files->identify(s.at("sub/../new.htm"))));
    EXPECT_FALSE(same_file(s.files->identify(s.at("new.htm")), s.files->identify(s.at("new2.htm"))));
    EXPECT_FALSE(same_file(FileIdentity{}, FileIdentity{}));
}

TEST(RealFiles, FilesAreCopiedInPiecesWithinALimit) {
    Scratch s;
    // A line end split between two pieces of 64 KB is still one line end.
    std::string text(65535, 'x');
    text += "\r\nnext\r\rlast\r";
    s.put("head.htm", text);
    std::string copied;
    int pieces = 0;
    auto collect = [&](std::string_view piece) { copied += piece, ++pieces; };
    EXPECT_TRUE(s.files->copy_text(s.at("head.htm"), 1 << 20, collect));
    EXPECT_EQ(copied, std::string(65535, 'x') + "\nnext\r\rlast\r");
    EXPECT_GE(pieces, 2);
    // Larger than the limit: refused whole, before a byte is copied.
    copied.clear();
    EXPECT_FALSE(s.files->copy_text(s.at("head.htm"), 1000, collect));
    EXPECT_EQ(copied, "");
    // A file of the system that tells no size and never ends stops at the limit.
    copied.clear();
    EXPECT_TRUE(in_time([&] { return !s.files->copy_text("\\proc\\self\\pagemap", 1 << 20, collect); }));
    EXPECT_FALSE(s.files->copy_text("/proc/self/pagemap", 1 << 20, collect));
    EXPECT_LE(copied.size(), std::size_t{1} << 20);
}

}  // namespace
}  // namespace qp
