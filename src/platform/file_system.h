// File access behind an interface, so that every unit can be tested with
// the in-memory file system of the test support and the real one lives in
// the platform layer.
#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace qp {

// A file being written.  Writes are buffered by the caller; write() and
// close() report whether the bytes reached the file.
class OutputFile {
public:
    virtual ~OutputFile() = default;
    virtual bool write(std::string_view bytes) = 0;
    virtual bool close() = 0;   // true when everything written is stored
};

class FileSystem {
public:
    virtual ~FileSystem() = default;
    // Reads a whole file.  Text mode drops a carriage return that stands
    // directly before a line feed; binary mode keeps every byte.  Returns
    // false when the file cannot be opened (or is not a regular file).
    virtual bool read_text(const std::string& path, std::string* contents) = 0;
    virtual bool read_binary(const std::string& path, std::string* contents) = 0;
    // Creates (or replaces) a file for writing; nullptr when it cannot be.
    virtual std::unique_ptr<OutputFile> open_write(const std::string& path) = 0;
};

// Drops every carriage return that stands directly before a line feed.
std::string drop_cr_before_lf(std::string_view bytes);

// The file system of the machine (platform layer).
std::unique_ptr<FileSystem> make_real_file_system();


}  // namespace qp
