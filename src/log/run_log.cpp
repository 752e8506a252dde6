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
        buffer_.clear();
    }
    return ok_;
}

bool RunLog::close() {
    if (!file_) return ok_;
    flush();
    if (!file_->close()) ok_ = false;
    file_.reset();
    return ok_;
}

}  // namespace qp
