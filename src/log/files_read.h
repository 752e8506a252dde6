// The files of a run: every file the run opens for reading, or is going to
// read, is remembered, so that no page of the run replaces one of them.
#pragma once

#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <utility>

#include "platform/file_system.h"

namespace qp {

class FilesRead : public FileSystem {
public:
    explicit FilesRead(FileSystem& files) : files_(files) {}

    std::unique_ptr<InputFile> open_read(const std::string& path) override {
        std::unique_ptr<InputFile> file = files_.open_read(path);
        if (file) add(file->identity());
        return file;
    }
    std::unique_ptr<OutputFile> open_write(const std::string& path) override {
        return files_.open_write(path);
    }
    FileIdentity identify(const std::string& path) override { return files_.identify(path); }

    // A file the run is going to read (a chart description file that a job
    // or the command line names), which no page may replace either.  Only
    // a file that is there counts: a page made where none is loses nothing,
    // and a job naming many missing files costs no memory.
    void will_read(const std::string& path) {
        const FileIdentity file = files_.identify(path);
        if (file.numbered) add(file);
    }

    // True when the run has read, or is going to read, the file that
    // writing `target` replaces.  A target with a number is looked up by
    // its number; one without (no file is there yet) replaces nothing the
    // run read, unless the file system gives no numbers at all.
    bool contains(const FileIdentity& target) const {
        if (target.numbered) return numbers_.count({target.device, target.number}) != 0;
        return !target.path.empty() && unnumbered_.count(target.path) != 0;
    }

private:
    void add(const FileIdentity& file) {
        if (file.numbered) {
            numbers_.insert({file.device, file.number});
        } else if (!file.path.empty()) {
            unnumbered_.insert(file.path);
        }
    }

    FileSystem& files_;
    std::set<std::pair<std::uint64_t, std::uint64_t>> numbers_;
    std::set<std::string> unnumbered_;   // files read from a file system without numbers
};

}  // namespace qp
