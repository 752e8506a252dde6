// The output page being written: its name, its file and the text not yet
// handed to the file.  The renderer and the error page append to the
// buffer; the buffer goes to the file in large pieces, at the end of each
// chart and when the page is closed.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/file_system.h"
#include "page/page_text.h"

namespace qp {

class OutputPage {
public:
    // `buffer` holds the waiting text; it is emptied, not released, when
    // handed on, so a buffer kept for the run is allocated once.
    explicit OutputPage(PageText& buffer) : buffer_(buffer) {}

    // Creates (or replaces) the page `name`, closing a page still open.
    // False when the file cannot be opened; no page is open then.
    bool open(FileSystem& fs, const std::string& name);

    bool is_open() const { return file_ != nullptr; }
    const std::string& name() const { return name_; }

    // The text waiting to be written; writers append to it.
    PageText& text() { return buffer_; }
    void append(std::string_view bytes) { buffer_.append(bytes); }

    // Hands the waiting text to the file.  False once any write to this page
    // has failed.
    bool flush();
    // Flushes and closes the page.  False when the page was not stored
    // whole (a write or the close failed).
    bool close();

    // A chart on this page has been logged as generated.
    bool announced = false;
    // A failure to write this page has been reported.
    bool failure_reported = false;

private:
    std::string name_;
    std::unique_ptr<OutputFile> file_;
    PageText& buffer_;
    bool written_ = true;
};

}  // namespace qp
