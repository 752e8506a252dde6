#include "platform/text_pieces.h"

#include <string_view>

namespace qp {

TextPieces::TextPieces(std::unique_ptr<InputFile> file, std::size_t piece_size)
    : file_(std::move(file)),
      buffer_(new char[piece_size > 0 ? piece_size : 1]),
      piece_size_(piece_size > 0 ? piece_size : 1) {}

bool TextPieces::append_to(std::string& text) {
    const std::size_t before = text.size();
    text.resize(before + piece_size_ + 1);
    text.resize(before + fill(text.data() + before));
    return text.size() > before;
}

bool TextPieces::append_to(TextBuffer& text) {
    const std::size_t count = fill(text.room(piece_size_ + 1));
    text.commit(count);
    return count > 0;
}

std::size_t TextPieces::fill(char* out) {
    while (!ended_) {
        const std::ptrdiff_t n = file_ ? file_->read(buffer_.get(), piece_size_) : 0;
        if (n <= 0) {
            ended_ = true;
            failed_ = n < 0;
            // A return at the very end of the file stands as it is.
            if (held_cr_ && !failed_) {
                held_cr_ = false;
                out[0] = '\r';
                return 1;
            }
            return 0;
        }
        bytes_read_ += static_cast<std::uint64_t>(n);
        std::string_view bytes(buffer_.get(), static_cast<std::size_t>(n));
        char* at = out;
        if (held_cr_) {
            if (bytes.front() != '\n') *at++ = '\r';
            held_cr_ = false;
        }
        // A return at the piece's end waits: the next piece may begin with
        // its line feed.
        if (bytes.back() == '\r') {
            held_cr_ = true;
            bytes.remove_suffix(1);
        }
        at += copy_dropping_cr_before_lf(bytes, at);
        if (at > out) return static_cast<std::size_t>(at - out);
    }
    return 0;
}

}  // namespace qp
