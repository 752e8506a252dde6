// A file read in text mode a piece at a time: a carriage return that stands
// directly before a line feed is dropped, also where the two fall into
// different pieces.  No piece is larger than the piece size, so a file of
// any size is read in bounded memory.
#pragma once

#include <cstddef>
#include <memory>
#include <string>

#include "platform/file_system.h"
#include "platform/text_buffer.h"

namespace qp {

// The longest line a file read a line at a time may hold; the reading
// stops at a longer one.
inline constexpr std::size_t kLongestLine = std::size_t{64} << 20;

class TextPieces {
public:
    static constexpr std::size_t kPieceSize = std::size_t{1} << 16;

    explicit TextPieces(std::unique_ptr<InputFile> file, std::size_t piece_size = kPieceSize);

    // Appends the file's next piece of text to `text`; false (nothing
    // appended) at the end of the file or once reading has failed.
    bool append_to(std::string& text);
    bool append_to(TextBuffer& text);

    // True when a read failed: the text handed on ends early.
    bool failed() const { return failed_; }
    // The bytes read from the file so far.
    std::uint64_t bytes_read() const { return bytes_read_; }

private:
    // Writes the next piece's text to `out` (room for a piece and one
    // character more); its length, 0 at the end.
    std::size_t fill(char* out);

    std::unique_ptr<InputFile> file_;
    std::unique_ptr<char[]> buffer_;
    std::size_t piece_size_;
    std::uint64_t bytes_read_ = 0;
    bool held_cr_ = false;   // a carriage return that ended the last piece
    bool ended_ = false;
    bool failed_ = false;
};

}  // namespace qp
