// A run of text that grows at its end and drops its front, held in one
// block that the system may enlarge in place: a large block is moved by
// remapping its pages rather than copied, so a long line read into it
// never needs its old and its new storage at once.
#pragma once

#include <cstddef>
#include <string_view>

namespace qp {

class TextBuffer {
public:
    TextBuffer() = default;
    explicit TextBuffer(std::string_view text);
    ~TextBuffer();
    TextBuffer(TextBuffer&& other) noexcept;
    TextBuffer& operator=(TextBuffer&& other) noexcept;
    TextBuffer(const TextBuffer&) = delete;
    TextBuffer& operator=(const TextBuffer&) = delete;

    std::size_t size() const { return size_; }
    char operator[](std::size_t i) const { return data_[i]; }
    std::string_view view() const { return {data_, size_}; }

    // Room for `count` more characters after the text; valid until the
    // buffer changes.  commit() adds the first `count` of them to the text.
    char* room(std::size_t count);
    void commit(std::size_t count) { size_ += count; }

    // Drops the first `count` characters.
    void drop_front(std::size_t count);

private:
    char* data_ = nullptr;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
};

}  // namespace qp
