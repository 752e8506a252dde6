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

    std::unique_ptr<InputFile> open_read(const std::string& path) override;
    std::unique_ptr<OutputFile> open_write(const std::string& path) override;
    FileIdentity identify(const std::string& path) override;

    // A file reading `contents` under the name `path`.
    static std::unique_ptr<InputFile> input_file(const std::string& path, std::string contents);
};

}  // namespace qp
