// The text of a page being drawn.  Like a string, except that room at its
// end can be taken without being filled first: the writer formats each
// element straight into the page and then marks where the text now ends.
#pragma once

#include <cstddef>
#include <cstring>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>

namespace qp {

class PageText {
public:
    PageText() = default;
    PageText(const PageText&) = delete;
    PageText& operator=(const PageText&) = delete;

    std::string_view view() const { return {data_.get(), size_}; }
    operator std::string_view() const { return view(); }
    std::string str() const { return std::string(view()); }
    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    // Empties the text; its storage is kept for the next page.
    void clear() { size_ = 0; }

    // Room for `bytes` more at the end, valid until the text next changes.
    char* room(std::size_t bytes) {
        if (capacity_ - size_ < bytes) grow(bytes);
        return data_.get() + size_;
    }
    // The text now ends at `end`, inside the room last taken.
    void commit(const char* end) { size_ = static_cast<std::size_t>(end - data_.get()); }

    // `bytes` must not lie inside this text (room may move it).
    void append(std::string_view bytes) {
        char* p = room(bytes.size());
        if (!bytes.empty()) std::memcpy(p, bytes.data(), bytes.size());
        size_ += bytes.size();
    }
    PageText& operator+=(std::string_view bytes) {
        append(bytes);
        return *this;
    }
    PageText& operator+=(char c) {
        *room(1) = c;
        ++size_;
        return *this;
    }

    friend bool operator==(const PageText& page, std::string_view text) { return page.view() == text; }
    friend std::ostream& operator<<(std::ostream& os, const PageText& page) { return os << page.view(); }

private:
    // At least doubles, so that appending stays linear.
    void grow(std::size_t bytes) {
        std::size_t capacity = capacity_ < kFirstCapacity ? kFirstCapacity : capacity_ * 2;
        while (capacity - size_ < bytes) capacity *= 2;
        std::unique_ptr<char[]> data(new char[capacity]);
        if (size_ > 0) std::memcpy(data.get(), data_.get(), size_);
        data_ = std::move(data);
        capacity_ = capacity;
    }
    static constexpr std::size_t kFirstCapacity = 4096;

    std::unique_ptr<char[]> data_;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
};

}  // namespace qp
