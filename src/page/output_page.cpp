#include "page/output_page.h"

namespace qp {

bool OutputPage::open(FileSystem& fs, const std::string& name) {
    if (is_open()) close();
    buffer_.clear();
    written_ = true;
    announced = false;
    failure_reported = false;
    name_ = name;
    file_ = fs.open_write(name);
    return file_ != nullptr;
}

bool OutputPage::flush() {
    if (!file_) {
        buffer_.clear();
        return false;
    }
    if (!buffer_.empty()) {
        if (written_ && !file_->write(buffer_)) written_ = false;
        buffer_.clear();
    }
    return written_;
}

bool OutputPage::close() {
    if (!file_) {
        buffer_.clear();
        return false;
    }
    flush();
    if (!file_->close()) written_ = false;
    file_.reset();
    return written_;
}

}  // namespace qp
