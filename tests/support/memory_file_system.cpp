// The in-memory file system used by the tests and the fuzz targets.
#include "support/memory_file_system.h"

namespace qp {


namespace {

// A file of the memory file system: every write lands in the map at once,
// looked up by name so that a test may inspect or remove it at any time.
class MemoryOutputFile : public OutputFile {
public:
    MemoryOutputFile(MemoryFileSystem& fs, std::string path, bool fails)
        : fs_(fs), path_(std::move(path)), fails_(fails) {}

    bool write(std::string_view bytes) override {
        if (fails_) {
            ok_ = false;
            return false;
        }
        fs_.files[path_].append(bytes);
        return true;
    }
    bool close() override { return ok_; }

private:
    MemoryFileSystem& fs_;
    std::string path_;
    bool fails_;
    bool ok_ = true;
};

}  // namespace

bool MemoryFileSystem::read_text(const std::string& path, std::string* contents) {
    auto it = files.find(path);
    if (it == files.end()) return false;
    *contents = drop_cr_before_lf(it->second);
    return true;
}

bool MemoryFileSystem::read_binary(const std::string& path, std::string* contents) {
    auto it = files.find(path);
    if (it == files.end()) return false;
    *contents = it->second;
    return true;
}

std::unique_ptr<OutputFile> MemoryFileSystem::open_write(const std::string& path) {
    auto bad = unwritable.find(path);
    bool fails = bad != unwritable.end() && bad->second;
    files[path].clear();
    return std::make_unique<MemoryOutputFile>(*this, path, fails);
}

}  // namespace qp
