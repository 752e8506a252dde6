// An in-memory file system for the tests and the fuzz targets.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "platform/file_system.h"

namespace qp {

// An in-memory file system for tests and fuzzing.  Paths are used exactly
// as given; a file's identity is its path with "\" read as "/".  A file written takes its
// place at its close, as on the real file system.  Files named in
// `unwritable` can be opened but every write to them fails, like a full
// device; their old content stays.
class MemoryFileSystem : public FileSystem {
public:
    std::map<std::string, std::string> files;
    std::map<std::string, bool> unwritable;
    // The most bytes a read of a file hands out at once.
    std::size_t read_size = 4096;
    // Files whose reading fails where they end, as on a failing disk.
    std::map<std::string, bool> fails_at_end;

    std::unique_ptr<InputFile> open_read(const std::string& path) override;
    std::unique_ptr<OutputFile> open_write(const std::string& path) override;
    FileIdentity identify(const std::string& path) override;

    // A file reading `contents` under the name `path`, at most `read_size`
    // bytes at a time; when `fails_at_end`, a read fails where it ends.
    static std::unique_ptr<InputFile> input_file(const std::string& path, std::string contents,
                                                 std::size_t read_size = 4096, bool fails_at_end = false);
};

}  // namespace qp
