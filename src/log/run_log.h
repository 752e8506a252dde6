// The run log, qplotlog.htm: an HTML record of everything a run does.
// Text is gathered in a buffer and handed to the file in large pieces.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

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

    // Where the next text goes: the count of characters written so far.
    std::uint64_t position() const { return handed_ + buffer_.size(); }
    // Takes back parts written earlier (a page announced before it was
    // stored), given by their positions in the order of the log.
    void withdraw(const std::vector<WrittenPart>& parts);

    // Flushes and closes; false when the log could not be written whole.
    bool close();
    bool ok() const { return ok_; }

    // What has not yet been handed to the file (tests read the whole log
    // from here when the log has no file).
    const std::string& pending() const { return buffer_; }

private:
    void maybe_flush() { if (file_ && buffer_.size() >= kFlushSize) flush(); }
    static constexpr std::size_t kFlushSize = 1 << 16;
    std::unique_ptr<OutputFile> file_;
    std::string buffer_;
    std::uint64_t handed_ = 0;   // characters handed to the file
    bool ok_ = true;
};

}  // namespace qp
