// The machine's files.  Inputs are opened without waiting (a pipe without
// a writer does not hold the run) and must be regular files, as the opened
// file itself shows.  Outputs are written to a new file beside their name
// and renamed over it once closed, so that a name holds either its old
// content or a whole new one, never a part, and two runs writing the same
// names leave each file whole from one of them.
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "platform/file_system.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <process.h>
#include <sys/stat.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace qp {

namespace {

namespace fs = std::filesystem;

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

// What the system tells of a file: whether it exists, whether it is a
// regular file, its size, device, number, permissions and owner.
struct FileFacts {
    bool exists = false;
    bool regular = false;
    bool writable = false;   // by this run
    std::uint64_t size = 0;
    std::uint64_t device = 0;
    std::uint64_t number = 0;
    unsigned mode = 0;
    long owner = -1;
    long group = -1;
};

// ----- The calls of each system -----------------------------------------

#ifdef _WIN32
using Stat = struct _stat64;

FileFacts facts_of(const Stat& st) {
    FileFacts f;
    f.exists = true;
    f.regular = (st.st_mode & _S_IFMT) == _S_IFREG;
    f.size = static_cast<std::uint64_t>(st.st_size);
    f.mode = static_cast<unsigned>(st.st_mode & (_S_IREAD | _S_IWRITE));
    return f;   // no file numbers: names are compared instead
}
FileFacts facts_of_name(const std::string& name) {
    Stat st;
    if (_stat64(name.c_str(), &st) != 0) return {};
    FileFacts f = facts_of(st);
    f.writable = _access(name.c_str(), 2) == 0;
    return f;
}
FileFacts facts_of_open(int fd) {
    Stat st;
    return _fstat64(fd, &st) == 0 ? facts_of(st) : FileFacts{};
}
int open_for_reading(const std::string& name) { return _open(name.c_str(), _O_RDONLY | _O_BINARY); }
int create_new(const std::string& name) {
    return _open(name.c_str(), _O_RDWR | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
}
void take_over(int, const FileFacts&) {}
long read_some(int fd, char* buffer, std::size_t size) {
    return _read(fd, buffer, static_cast<unsigned>(size > (1u << 30) ? (1u << 30) : size));
}
long write_some(int fd, const char* bytes, std::size_t size) {
    return _write(fd, bytes, static_cast<unsigned>(size > (1u << 30) ? (1u << 30) : size));
}
long read_at(int fd, char* buffer, std::size_t size, std::uint64_t at) {
    if (_lseeki64(fd, static_cast<__int64>(at), SEEK_SET) < 0) return -1;
    return read_some(fd, buffer, size);
}
long write_at(int fd, const char* bytes, std::size_t size, std::uint64_t at) {
    if (_lseeki64(fd, static_cast<__int64>(at), SEEK_SET) < 0) return -1;
    return write_some(fd, bytes, size);
}
// Cuts the file to `size` bytes; further writes go to its end.
bool truncate_at(int fd, std::uint64_t size) {
    return _chsize_s(fd, static_cast<__int64>(size)) == 0 && _lseeki64(fd, 0, SEEK_END) >= 0;
}
bool close_file(int fd) { return _close(fd) == 0; }
bool replace_file(const std::string& from, const std::string& to) {
    return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}
void remove_file(const std::string& name) { _unlink(name.c_str()); }
long process_number() { return _getpid(); }
#else
FileFacts facts_of(const struct stat& st) {
    FileFacts f;
    f.exists = true;
    f.regular = S_ISREG(st.st_mode);
    f.size = static_cast<std::uint64_t>(st.st_size);
    f.device = static_cast<std::uint64_t>(st.st_dev);
    f.number = static_cast<std::uint64_t>(st.st_ino);
    f.mode = static_cast<unsigned>(st.st_mode & 07777);
    f.owner = static_cast<long>(st.st_uid);
    f.group = static_cast<long>(st.st_gid);
    return f;
}
FileFacts facts_of_name(const std::string& name) {
    struct stat st;
    if (::stat(name.c_str(), &st) != 0) return {};
    FileFacts f = facts_of(st);
    f.writable = ::access(name.c_str(), W_OK) == 0;
    return f;
}
FileFacts facts_of_open(int fd) {
    struct stat st;
    return ::fstat(fd, &st) == 0 ? facts_of(st) : FileFacts{};
}
// Without waiting: opening a pipe that no one writes to returns at once.
int open_for_reading(const std::string& name) {
    return ::open(name.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
}
int create_new(const std::string& name) {
    return ::open(name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
}
// A file that replaces another keeps its permissions and, where the run
// may give it, its owner.
void take_over(int fd, const FileFacts& old) {
    if (!old.exists) return;
    const bool owned = static_cast<long>(::geteuid()) == old.owner &&
                       static_cast<long>(::getegid()) == old.group;
    if (!owned && ::fchown(fd, static_cast<uid_t>(old.owner), static_cast<gid_t>(old.group)) != 0) {
        // Only the superuser gives files away; the file stays the run's.
    }
    ::fchmod(fd, static_cast<mode_t>(old.mode));
}
long read_some(int fd, char* buffer, std::size_t size) {
    return static_cast<long>(::read(fd, buffer, size));
}
long write_some(int fd, const char* bytes, std::size_t size) {
    return static_cast<long>(::write(fd, bytes, size));
}
long read_at(int fd, char* buffer, std::size_t size, std::uint64_t at) {
    return static_cast<long>(::pread(fd, buffer, size, static_cast<off_t>(at)));
}
long write_at(int fd, const char* bytes, std::size_t size, std::uint64_t at) {
    return static_cast<long>(::pwrite(fd, bytes, size, static_cast<off_t>(at)));
}
// Cuts the file to `size` bytes; further writes go to its end.
bool truncate_at(int fd, std::uint64_t size) {
    return ::ftruncate(fd, static_cast<off_t>(size)) == 0 && ::lseek(fd, 0, SEEK_END) >= 0;
}
bool close_file(int fd) { return ::close(fd) == 0; }
bool replace_file(const std::string& from, const std::string& to) {
    return std::rename(from.c_str(), to.c_str()) == 0;
}
void remove_file(const std::string& name) { ::unlink(name.c_str()); }
long process_number() { return static_cast<long>(::getpid()); }
#endif

// ----- Names ---------------------------------------------------------------

// The file a name writes to: a symbolic link is followed to the name it
// stands for, so that writing through a link changes the file it names.
std::string write_target(const std::string& name) {
    fs::path target(name);
    std::error_code ec;
    for (int hops = 0; hops < 40 && fs::is_symlink(fs::symlink_status(target, ec)); ++hops) {
        const fs::path link = fs::read_symlink(target, ec);
        if (ec) break;
        target = link.is_absolute() ? link : target.parent_path() / link;
    }
    return target.string();
}

// The normal absolute form of a name, its links resolved as far as it exists.
std::string normal_path(const std::string& name) {
    std::error_code ec;
    fs::path path = fs::weakly_canonical(fs::absolute(fs::path(name), ec), ec);
    if (ec) path = fs::absolute(fs::path(name), ec).lexically_normal();
    return path.string();
}

// A file that exists is known by its number; only a name without a file
// (or a system without numbers) needs its path worked out.
FileIdentity identity_of(const std::string& name, const FileFacts& facts) {
    FileIdentity id;
    id.numbered = facts.exists && (facts.device != 0 || facts.number != 0);
    if (!id.numbered) id.path = normal_path(name);
    id.device = facts.device;
    id.number = facts.number;
    return id;
}

// ----- Files ---------------------------------------------------------------

class RealInputFile : public InputFile {
public:
    RealInputFile(int fd, std::uint64_t size, FileIdentity identity)
        : fd_(fd), size_(size), identity_(std::move(identity)) {}
    ~RealInputFile() override { close_file(fd_); }
    RealInputFile(const RealInputFile&) = delete;
    RealInputFile& operator=(const RealInputFile&) = delete;

    std::ptrdiff_t read(char* buffer, std::size_t size) override {
        for (;;) {
            const long n = read_some(fd_, buffer, size);
            if (n >= 0) return n;
            if (errno != EINTR) return -1;
        }
    }
    std::uint64_t size() const override { return size_; }
    const FileIdentity& identity() const override { return identity_; }

private:
    int fd_;
    std::uint64_t size_;
    FileIdentity identity_;
};

// A new file beside its target, renamed over the target by a close that
// succeeds and removed otherwise.
class RealOutputFile : public OutputFile {
public:
    RealOutputFile(int fd, std::string scratch, std::string target)
        : fd_(fd), scratch_(std::move(scratch)), target_(std::move(target)) {}
    ~RealOutputFile() override {
        if (fd_ < 0) return;
        close_file(fd_);
        remove_file(scratch_);
    }
    RealOutputFile(const RealOutputFile&) = delete;
    RealOutputFile& operator=(const RealOutputFile&) = delete;

    bool write(std::string_view bytes) override {
        while (ok_ && fd_ >= 0 && !bytes.empty()) {
            const long n = write_some(fd_, bytes.data(), bytes.size());
            if (n > 0) {
                bytes.remove_prefix(static_cast<std::size_t>(n));
                size_ += static_cast<std::uint64_t>(n);
            } else if (n == 0 || errno != EINTR) {
                ok_ = false;
            }
        }
        return ok_ && fd_ >= 0;
    }

    // Moves what follows each part up over it, a piece at a time, and cuts
    // the file's end.
    bool cut(const std::vector<WrittenPart>& parts) override {
        if (parts.empty()) return ok_;
        constexpr std::size_t kPiece = std::size_t{1} << 16;
        const std::unique_ptr<char[]> piece(new char[kPiece]);
        std::uint64_t to = parts.front().from;
        for (std::size_t i = 0; ok_ && i < parts.size(); ++i) {
            const std::uint64_t from = parts[i].from + parts[i].length;
            const std::uint64_t until = i + 1 < parts.size() ? parts[i + 1].from : size_;
            if (from > until || until > size_) ok_ = false;
            for (std::uint64_t at = from; ok_ && at < until;) {
                const auto size = static_cast<std::size_t>(std::min<std::uint64_t>(kPiece, until - at));
                const long n = read_at(fd_, piece.get(), size, at);
                if (n <= 0 || write_at(fd_, piece.get(), static_cast<std::size_t>(n), to) != n) ok_ = false;
                at += static_cast<std::uint64_t>(n > 0 ? n : 0);
                to += static_cast<std::uint64_t>(n > 0 ? n : 0);
            }
        }
        if (ok_ && !truncate_at(fd_, to)) ok_ = false;
        if (ok_) size_ = to;
        return ok_;
    }

    bool close() override {
        if (fd_ < 0) return false;
        if (!close_file(fd_)) ok_ = false;
        fd_ = -1;
        // The target may have become something else meanwhile: only a
        // regular file, or no file, is replaced.
        const FileFacts now = facts_of_name(target_);
        if (now.exists && !now.regular) ok_ = false;
        if (ok_ && !replace_file(scratch_, target_)) ok_ = false;
        if (!ok_) remove_file(scratch_);
        return ok_;
    }

private:
    int fd_;
    std::string scratch_;
    std::string target_;
    std::uint64_t size_ = 0;   // bytes written
    bool ok_ = true;
};

class RealFileSystem : public FileSystem {
public:
    std::unique_ptr<InputFile> open_read(const std::string& path) override {
        const std::string name = native_path(path);
        // Only the opened file tells what was opened; the name may have
        // been given to another file since any earlier look.
        const int fd = name.empty() ? -1 : open_for_reading(name);
        if (fd < 0) return nullptr;
        const FileFacts facts = facts_of_open(fd);
        if (!facts.regular) {
            close_file(fd);
            return nullptr;
        }
#ifndef _WIN32
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
#endif
        return std::make_unique<RealInputFile>(fd, facts.size, identity_of(name, facts));
    }

    std::unique_ptr<OutputFile> open_write(const std::string& path) override {
        const std::string name = native_path(path);
        if (name.empty()) return nullptr;
        const std::string target = write_target(name);
        const FileFacts old = facts_of_name(target);
        // A directory, a device or a pipe is not replaced, nor a file that
        // the run may not write.
        if (old.exists && (!old.regular || !old.writable)) return nullptr;
        std::string scratch;
        const int fd = create_scratch(target, &scratch);
        if (fd < 0) return nullptr;
        take_over(fd, old);
        return std::make_unique<RealOutputFile>(fd, std::move(scratch), target);
    }

    FileIdentity identify(const std::string& path) override {
        const std::string name = native_path(path);
        if (name.empty()) return {};
        const std::string target = write_target(name);
        return identity_of(target, facts_of_name(target));
    }

private:
    // Makes a new file in the target's directory, named after the target,
    // the process and a count, so that no other run or file has its name.
    int create_scratch(const std::string& target, std::string* scratch) {
        const std::size_t slash = target.find_last_of("/\\");
        const std::size_t base = slash == std::string::npos ? 0 : slash + 1;
        const std::string prefix = target.substr(0, base) + "." +
                                   target.substr(base, 64) + ".qp" +
                                   std::to_string(process_number()) + "-";
        for (int attempt = 0; attempt < 100; ++attempt) {
            *scratch = prefix + std::to_string(++made_) + ".tmp";
            const int fd = create_new(*scratch);
            if (fd >= 0 || errno != EEXIST) return fd;
        }
        return -1;
    }

    unsigned long made_ = 0;
};

}  // namespace

std::unique_ptr<FileSystem> make_real_file_system() { return std::make_unique<RealFileSystem>(); }

}  // namespace qp
