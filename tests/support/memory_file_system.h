// An in-memory file system for the tests and the fuzz targets.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "platform/file_system.h"

namespace qp {

// An in-memory file system for tests and fuzzing.  Paths are used exactly
// as given.  Files named in `unwritable` can be opened but every write to
// them fails, like a full device.
class MemoryFileSystem : public FileSystem {
public:
    std::map<std::string, std::string> files;
    std::map<std::string, bool> unwritable;

    bool read_text(const std::string& path, std::string* contents) override;
    bool read_binary(const std::string& path, std::string* contents) override;
    std::unique_ptr<OutputFile> open_write(const std::string& path) override;
};

}  // namespace qp
