// The run log's buffer and its hand-over to the file.
#include "log/run_log.h"

#include <charconv>

namespace qp {

RunLog& RunLog::operator<<(int n) {
    char digits[16];
    auto result = std::to_chars(digits, digits + sizeof digits, n);
    buffer_.append(digits, result.ptr);
    maybe_flush();
    return *this;
}

bool RunLog::flush() {
    if (!file_) return ok_;
    if (!buffer_.empty()) {
        if (!file_->write(buffer_)) ok_ = false;
        handed_ += buffer_.size();
        buffer_.clear();
    }
    return ok_;
}

void RunLog::withdraw(const std::vector<WrittenPart>& parts) {
    if (parts.empty()) return;
    if (parts.front().from >= handed_) {
        // Still in the buffer.
        for (auto it = parts.rbegin(); it != parts.rend(); ++it)
            buffer_.erase(static_cast<std::size_t>(it->from - handed_), static_cast<std::size_t>(it->length));
        return;
    }
    flush();
    if (!file_->cut(parts)) ok_ = false;
    std::uint64_t taken = 0;
    for (const WrittenPart& part : parts) taken += part.length;
    handed_ -= taken;
}

bool RunLog::close() {
    if (!file_) return ok_;
    flush();
    if (!file_->close()) ok_ = false;
    file_.reset();
    return ok_;
}

}  // namespace qp
