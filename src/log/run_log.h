// The run log, qplotlog.htm: an HTML record of everything a run does.
// Text is gathered in a buffer and handed to the file in large pieces.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/file_system.h"

namespace qp {

class RunLog {
public:
    RunLog() = default;
    explicit RunLog(std::unique_ptr<OutputFile> file) : file_(std::move(file)) {}

    RunLog& operator<<(std::string_view text) { buffer_.append(text); maybe_flush(); return *this; }
    RunLog& operator<<(char c) { buffer_.push_back(c); return *this; }
    RunLog& operator<<(int n);

    // Hands the buffer to the file; false once any write has failed.
    bool flush();

    // Lines that may yet be taken back (a page announced before it is
    // stored): from hold() on nothing is handed to the file until
    // release(); withdraw() takes back a part written since, at the
    // position hold() or pending().size() gave.
    std::size_t hold() {
        held_ = true;
        return buffer_.size();
    }
    void withdraw(std::size_t from, std::size_t length) { buffer_.erase(from, length); }
    void release() {
        held_ = false;
        maybe_flush();
    }

    // Flushes and closes; false when the log could not be written whole.
    bool close();
    bool ok() const { return ok_; }

    // What has not yet been handed to the file (tests read the whole log
    // from here when the log has no file).
    const std::string& pending() const { return buffer_; }

private:
    void maybe_flush() { if (file_ && !held_ && buffer_.size() >= kFlushSize) flush(); }
    static constexpr std::size_t kFlushSize = 1 << 16;
    std::unique_ptr<OutputFile> file_;
    std::string buffer_;
    bool ok_ = true;
    bool held_ = false;
};

}  // namespace qp
