// The platform layer: the machine's directories, clock and signals.  This
// file and real_file_system.cpp are the only ones with code for a
// particular operating system.
#include <csignal>
#include <ctime>
#include <filesystem>
#include <memory>
#include <string>

#include "platform/platform.h"

#ifdef _WIN32
#include <direct.h>
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace qp {

namespace {

#ifdef _WIN32
constexpr char kSeparator = '\\';
#else
constexpr char kSeparator = '/';
#endif

bool is_separator(char c) { return c == '/' || c == '\\'; }

// The directory part of a path, with its trailing separator; empty when the
// path names no directory.
std::string directory_of(const std::string& path) {
    for (std::size_t i = path.size(); i > 0; --i)
        if (is_separator(path[i - 1])) return path.substr(0, i);
    return {};
}

std::string two_digits(int a, char sep, int b, int c) {
    auto put = [](std::string& s, int v) {
        v = v < 0 ? 0 : v % 100;
        s.push_back(static_cast<char>('0' + v / 10));
        s.push_back(static_cast<char>('0' + v % 10));
    };
    std::string s;
    put(s, a);
    s.push_back(sep);
    put(s, b);
    s.push_back(sep);
    put(s, c);
    return s;
}

std::tm local_now() {
    std::time_t now = std::time(nullptr);
    std::tm tm{};
#ifdef _WIN32
    localtime_s(&tm, &now);
#else
    localtime_r(&now, &tm);
#endif
    return tm;
}

class RealPlatform : public Platform {
public:
    std::string program_dir(const char* argv0) override {
#ifdef _WIN32
        char buffer[MAX_PATH + 1];
        DWORD n = GetModuleFileNameA(nullptr, buffer, MAX_PATH);
        if (n > 0 && n < MAX_PATH) return directory_of(std::string(buffer, n));
#else
        std::error_code ec;
        std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
        if (!ec && !exe.empty()) return directory_of(exe.string());
#endif
        return directory_of(argv0 != nullptr ? std::string(argv0) : std::string());
    }

    bool current_dir(std::string* dir) override {
        std::error_code ec;
        std::filesystem::path cwd = std::filesystem::current_path(ec);
        if (ec || cwd.empty()) return false;
        *dir = cwd.string();
        if (!is_separator(dir->back())) dir->push_back(kSeparator);
        return true;
    }

    std::string local_time() override {
        std::tm tm = local_now();
        return two_digits(tm.tm_hour, ':', tm.tm_min, tm.tm_sec);
    }

    std::string local_date() override {
        std::tm tm = local_now();
        return two_digits(tm.tm_mon + 1, '/', tm.tm_mday, tm.tm_year % 100);
    }

    char separator() const override { return kSeparator; }

    bool input_is_terminal() const override {
#ifdef _WIN32
        return _isatty(0) != 0;
#else
        return isatty(0) != 0;
#endif
    }

    void ignore_broken_pipe() override {
#ifndef _WIN32
        std::signal(SIGPIPE, SIG_IGN);
#endif
    }
};

}  // namespace

std::unique_ptr<Platform> make_real_platform() { return std::make_unique<RealPlatform>(); }

}  // namespace qp
