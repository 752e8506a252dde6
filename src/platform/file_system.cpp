// What every file system shares: the text-mode line-end rule, whole files
// of a bounded size and files copied in pieces.
#include "platform/file_system.h"

#include <cstring>

#include "platform/text_pieces.h"

namespace qp {

bool same_file(const FileIdentity& a, const FileIdentity& b) {
    if (a.numbered && b.numbered) return a.device == b.device && a.number == b.number;
    return !a.path.empty() && a.path == b.path;
}

std::size_t copy_dropping_cr_before_lf(std::string_view bytes, char* out) {
    char* at = out;
    // Copies the runs between the carriage returns that precede a line feed.
    std::size_t from = 0;
    for (std::size_t cr; (cr = bytes.find('\r', from)) != std::string_view::npos; from = cr + 1) {
        const std::size_t run = cr - from + (cr + 1 < bytes.size() && bytes[cr + 1] == '\n' ? 0 : 1);
        std::memcpy(at, bytes.data() + from, run);
        at += run;
    }
    std::memcpy(at, bytes.data() + from, bytes.size() - from);
    return static_cast<std::size_t>(at - out) + (bytes.size() - from);
}

std::string drop_cr_before_lf(std::string_view bytes) {
    std::string out(bytes.size(), '\0');
    out.resize(copy_dropping_cr_before_lf(bytes, out.data()));
    return out;
}

bool read_whole(InputFile& file, std::uint64_t limit, std::string* contents) {
    if (file.size() > limit) return false;
    std::string data;
    data.reserve(static_cast<std::size_t>(file.size()));
    char piece[TextPieces::kPieceSize];
    for (std::ptrdiff_t n; (n = file.read(piece, sizeof piece)) != 0;) {
        if (n < 0 || data.size() + static_cast<std::uint64_t>(n) > limit) return false;
        data.append(piece, static_cast<std::size_t>(n));
    }
    *contents = std::move(data);
    return true;
}

bool FileSystem::copy_text(const std::string& path, std::uint64_t limit,
                           const std::function<void(std::string_view)>& piece) {
    std::unique_ptr<InputFile> file = open_read(path);
    if (!file || file->size() > limit) return false;
    TextPieces pieces(std::move(file));
    std::string text;
    while (pieces.append_to(text)) {
        if (pieces.bytes_read() > limit) return false;
        piece(text);
        text.clear();
    }
    return !pieces.failed();
}

}  // namespace qp
