// What every file system shares: the text-mode line-end rule, whole files
// and files copied in pieces, all read through open_read.
#include "platform/file_system.h"

namespace qp {

namespace {

// Files are read this much at a time.
constexpr std::size_t kPieceSize = 1 << 16;

}  // namespace

bool same_file(const FileIdentity& a, const FileIdentity& b) {
    if (a.numbered && b.numbered) return a.device == b.device && a.number == b.number;
    return !a.path.empty() && a.path == b.path;
}

std::string drop_cr_before_lf(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    // Copies the runs between the carriage returns that precede a line feed.
    std::size_t from = 0;
    for (std::size_t cr; (cr = bytes.find('\r', from)) != std::string_view::npos; from = cr + 1) {
        if (cr + 1 < bytes.size() && bytes[cr + 1] == '\n') {
            out.append(bytes.substr(from, cr - from));
        } else {
            out.append(bytes.substr(from, cr + 1 - from));
        }
    }
    out.append(bytes.substr(from));
    return out;
}

bool FileSystem::read_binary(const std::string& path, std::string* contents) {
    std::unique_ptr<InputFile> file = open_read(path);
    if (!file) return false;
    std::string data;
    if (file->size() < (std::uint64_t{1} << 30)) data.reserve(static_cast<std::size_t>(file->size()));
    char piece[kPieceSize];
    for (std::ptrdiff_t n; (n = file->read(piece, sizeof piece)) != 0;) {
        if (n < 0) return false;
        data.append(piece, static_cast<std::size_t>(n));
    }
    *contents = std::move(data);
    return true;
}

bool FileSystem::read_text(const std::string& path, std::string* contents) {
    std::string raw;
    if (!read_binary(path, &raw)) return false;
    *contents = drop_cr_before_lf(raw);
    return true;
}

bool FileSystem::copy_text(const std::string& path, std::uint64_t limit,
                           const std::function<void(std::string_view)>& piece) {
    std::unique_ptr<InputFile> file = open_read(path);
    if (!file || file->size() > limit) return false;
    char buffer[kPieceSize];
    std::uint64_t total = 0;
    // A carriage return that ends a piece waits for the next one, which may
    // begin with its line feed.
    std::string text;
    bool held_cr = false;
    for (std::ptrdiff_t n; (n = file->read(buffer, sizeof buffer)) != 0;) {
        total += static_cast<std::uint64_t>(n);
        if (n < 0 || total > limit) return false;
        text.assign(held_cr ? "\r" : "");
        text.append(buffer, static_cast<std::size_t>(n));
        held_cr = text.back() == '\r';
        if (held_cr) text.pop_back();
        piece(drop_cr_before_lf(text));
    }
    if (held_cr) piece("\r");
    return true;
}

}  // namespace qp
