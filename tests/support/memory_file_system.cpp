// The in-memory file system used by the tests and the fuzz targets.
#include "support/memory_file_system.h"

#include <algorithm>
#include <cstring>
#include <functional>

namespace qp {

namespace {

// Names of one file: "\" and "/" separate alike.
std::string identity_path(std::string path) {
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

// Numbers a file by its name: every name of one file has one number.
void number(FileIdentity& id) {
    id.numbered = true;
    id.device = 1;
    id.number = std::hash<std::string>{}(id.path);
}

// A file read from a copy of its content, a little at a time like a real
// one, so that readers meet the boundaries between pieces.
class MemoryInputFile : public InputFile {
public:
    MemoryInputFile(const std::string& path, std::string contents, std::size_t read_size, bool fails)
        : contents_(std::move(contents)), read_size_(read_size > 0 ? read_size : 1), fails_(fails) {
        identity_.path = identity_path(path);
        number(identity_);
    }
    std::ptrdiff_t read(char* buffer, std::size_t size) override {
        if (fails_ && at_ == contents_.size()) return -1;
        const std::size_t n = std::min({size, contents_.size() - at_, read_size_});
        if (n > 0) std::memcpy(buffer, contents_.data() + at_, n);
        at_ += n;
        return static_cast<std::ptrdiff_t>(n);
    }
    std::uint64_t size() const override { return contents_.size(); }
    const FileIdentity& identity() const override { return identity_; }

private:
    std::string contents_;
    std::size_t read_size_;
    bool fails_;
    std::size_t at_ = 0;
    FileIdentity identity_;
};

// A file being written: its bytes take the place of the file's old content
// when it is closed after writes that all succeeded.
class MemoryOutputFile : public OutputFile {
public:
    MemoryOutputFile(MemoryFileSystem& fs, std::string path, bool fails)
        : fs_(fs), path_(std::move(path)), fails_(fails) {}

    bool write(std::string_view bytes) override {
        if (fails_) ok_ = false;
        if (!ok_ || closed_) return false;
        written_.append(bytes);
        return true;
    }
    bool cut(const std::vector<WrittenPart>& parts) override {
        for (auto it = parts.rbegin(); ok_ && it != parts.rend(); ++it) {
            if (it->from + it->length > written_.size()) ok_ = false;
            if (ok_) written_.erase(it->from, it->length);
        }
        return ok_ && !closed_;
    }
    bool close() override {
        if (closed_) return false;
        closed_ = true;
        if (ok_) fs_.files[path_] = std::move(written_);
        return ok_;
    }

private:
    MemoryFileSystem& fs_;
    std::string path_;
    std::string written_;
    bool fails_;
    bool ok_ = true;
    bool closed_ = false;
};

}  // namespace

std::unique_ptr<InputFile> MemoryFileSystem::input_file(const std::string& path,
                                                        std::string contents,
                                                        std::size_t read_size, bool fails_at_end) {
    return std::make_unique<MemoryInputFile>(path, std::move(contents), read_size, fails_at_end);
}

std::unique_ptr<InputFile> MemoryFileSystem::open_read(const std::string& path) {
    auto it = files.find(path);
    if (it == files.end()) return nullptr;
    const auto fails = fails_at_end.find(path);
    return input_file(path, it->second, read_size, fails != fails_at_end.end() && fails->second);
}

std::unique_ptr<OutputFile> MemoryFileSystem::open_write(const std::string& path) {
    auto bad = unwritable.find(path);
    bool fails = bad != unwritable.end() && bad->second;
    return std::make_unique<MemoryOutputFile>(*this, path, fails);
}

FileIdentity MemoryFileSystem::identify(const std::string& path) {
    FileIdentity id;
    id.path = identity_path(path);
    // A file that is there has a number, as on a real file system.
    if (files.count(path) != 0 || files.count(id.path) != 0) number(id);
    return id;
}

}  // namespace qp
