// The platform layer: the machine's directories, clock and files.  This is
// the only file with code for a particular operating system.
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <memory>
#include <string>

#include "platform/file_system.h"
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

// Names are kept as written everywhere else; only here, when a file is
// opened, does a "\" become "/" on systems whose separator is "/", so that
// job and chart files written for Windows work everywhere.
// A name holding a zero byte names no file (the system would see only its
// beginning), so it gives the empty name, which nothing opens.
std::string native_path(const std::string& path) {
    if (path.find('\0') != std::string::npos) return {};
#ifdef _WIN32
    return path;
#else
    std::string out = path;
    for (char& c : out)
        if (c == '\\') c = '/';
    return out;
#endif
}

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
};

class RealOutputFile : public OutputFile {
public:
    explicit RealOutputFile(std::FILE* f) : f_(f) {}
    ~RealOutputFile() override {
        if (f_ != nullptr) std::fclose(f_);
    }
    RealOutputFile(const RealOutputFile&) = delete;
    RealOutputFile& operator=(const RealOutputFile&) = delete;

    bool write(std::string_view bytes) override {
        if (f_ == nullptr) return false;
        if (bytes.empty()) return ok_;
        if (std::fwrite(bytes.data(), 1, bytes.size(), f_) != bytes.size()) ok_ = false;
        return ok_;
    }

    bool close() override {
        if (f_ == nullptr) return false;
        if (std::ferror(f_) != 0) ok_ = false;
        if (std::fclose(f_) != 0) ok_ = false;
        f_ = nullptr;
        return ok_;
    }

private:
    std::FILE* f_;
    bool ok_ = true;
};

class RealFileSystem : public FileSystem {
public:
    bool read_text(const std::string& path, std::string* contents) override {
        std::string raw;
        if (!read_binary(path, &raw)) return false;
        *contents = drop_cr_before_lf(raw);
        return true;
    }

    bool read_binary(const std::string& path, std::string* contents) override {
        std::string name = native_path(path);
        if (name.empty()) return false;
        // Regular files only: a directory or a device is not an input file.
        std::error_code ec;
        if (!std::filesystem::is_regular_file(std::filesystem::path(name), ec) || ec) return false;
        std::FILE* f = std::fopen(name.c_str(), "rb");
        if (f == nullptr) return false;
        std::string data;
        char chunk[1 << 16];
        bool ok = true;
        for (;;) {
            std::size_t n = std::fread(chunk, 1, sizeof chunk, f);
            data.append(chunk, n);
            if (n < sizeof chunk) {
                if (std::ferror(f) != 0) ok = false;
                break;
            }
        }
        std::fclose(f);
        if (!ok) return false;
        *contents = std::move(data);
        return true;
    }

    std::unique_ptr<OutputFile> open_write(const std::string& path) override {
        std::string name = native_path(path);
        if (name.empty()) return nullptr;
        std::FILE* f = std::fopen(name.c_str(), "wb");
        if (f == nullptr) return nullptr;
        return std::make_unique<RealOutputFile>(f);
    }
};

}  // namespace

std::unique_ptr<Platform> make_real_platform() { return std::make_unique<RealPlatform>(); }

std::unique_ptr<FileSystem> make_real_file_system() { return std::make_unique<RealFileSystem>(); }

}  // namespace qp
