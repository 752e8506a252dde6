#include "platform/text_buffer.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>
#include <utility>

namespace qp {

TextBuffer::TextBuffer(std::string_view text) {
    if (text.empty()) return;
    std::memcpy(room(text.size()), text.data(), text.size());
    commit(text.size());
}

TextBuffer::~TextBuffer() { std::free(data_); }

TextBuffer::TextBuffer(TextBuffer&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)),
      size_(std::exchange(other.size_, 0)),
      capacity_(std::exchange(other.capacity_, 0)) {}

TextBuffer& TextBuffer::operator=(TextBuffer&& other) noexcept {
    if (this != &other) {
        std::free(data_);
        data_ = std::exchange(other.data_, nullptr);
        size_ = std::exchange(other.size_, 0);
        capacity_ = std::exchange(other.capacity_, 0);
    }
    return *this;
}

char* TextBuffer::room(std::size_t count) {
    if (capacity_ - size_ < count) {
        // Doubling keeps growth linear; the pages of a large block that
        // are not written yet cost no memory.
        const std::size_t wanted = std::max({size_ + count, capacity_ * 2, std::size_t{4096}});
        void* grown = std::realloc(data_, wanted);
        if (grown == nullptr) throw std::bad_alloc();
        data_ = static_cast<char*>(grown);
        capacity_ = wanted;
    }
    return data_ + size_;
}

void TextBuffer::drop_front(std::size_t count) {
    count = std::min(count, size_);
    if (count == 0) return;
    std::memmove(data_, data_ + count, size_ - count);
    size_ -= count;
}

}  // namespace qp
