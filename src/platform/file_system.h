// File access behind an interface, so that every unit can be tested with
// the in-memory file system of the test support and the real one lives in
// the platform layer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace qp {

// Which file a name stands for: the device and number that every name of
// the same file shares (links included), where the system tells them; else
// (a name that no file has yet) its normal absolute path.
struct FileIdentity {
    std::string path;
    bool numbered = false;
    std::uint64_t device = 0;
    std::uint64_t number = 0;
};

// Two identities are one file when their device and number agree or, where
// either has none (a file not yet made), when their paths agree.
bool same_file(const FileIdentity& a, const FileIdentity& b);

// A file being read a piece at a time.
class InputFile {
public:
    virtual ~InputFile() = default;
    // Reads up to `size` bytes into `buffer`: the count read, 0 at the end
    // of the file, -1 when reading fails.
    virtual std::ptrdiff_t read(char* buffer, std::size_t size) = 0;
    // The size the file had when it was opened.
    virtual std::uint64_t size() const = 0;
    virtual const FileIdentity& identity() const = 0;
};

// A file being written.  Writes are buffered by the caller; write() and
// close() report whether the bytes reached the file.  The file takes the
// place of its name only at a close that succeeds: a file abandoned, or one
// whose write failed, leaves whatever the name held before.
// A part of what was written to a file: its first byte and its length.
struct WrittenPart {
    std::uint64_t from = 0;
    std::uint64_t length = 0;
};

class OutputFile {
public:
    virtual ~OutputFile() = default;
    virtual bool write(std::string_view bytes) = 0;
    virtual bool close() = 0;   // true when everything written is stored
    // Takes back parts already written (in the order of the file, apart
    // from each other): what follows each moves up.  False when it cannot
    // be done; the file then counts as failed.
    virtual bool cut(const std::vector<WrittenPart>& parts) {
        return parts.empty();
    }
};

class FileSystem {
public:
    virtual ~FileSystem() = default;
    // Opens a regular file for reading, without waiting on it; nullptr when
    // it cannot be opened or is not a regular file (a directory, a device,
    // a pipe).
    virtual std::unique_ptr<InputFile> open_read(const std::string& path) = 0;
    // Starts a file that replaces `path` when it is closed; nullptr when it
    // cannot be made, or when `path` names something that is not a regular
    // file.
    virtual std::unique_ptr<OutputFile> open_write(const std::string& path) = 0;
    // The file that writing `path` would replace (it need not exist).
    virtual FileIdentity identify(const std::string& path) = 0;

    // Hands a file in text mode to `piece` a piece at a time, so that a file
    // of any size is copied in bounded memory.  False when it cannot be
    // opened or read, or when it holds more than `limit` bytes (then the
    // pieces handed on so far hold at most `limit` bytes).
    bool copy_text(const std::string& path, std::uint64_t limit,
                   const std::function<void(std::string_view)>& piece);
};

// Reads the rest of an open file of at most `limit` bytes; false when it
// cannot be read or holds more.
bool read_whole(InputFile& file, std::uint64_t limit, std::string* contents);

// Drops every carriage return that stands directly before a line feed.
std::string drop_cr_before_lf(std::string_view bytes);
// The same into `out` (room for all of `bytes`); the count written.
std::size_t copy_dropping_cr_before_lf(std::string_view bytes, char* out);

// The file system of the machine (platform layer).
std::unique_ptr<FileSystem> make_real_file_system();


}  // namespace qp
