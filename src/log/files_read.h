// The files of a run: every file the run opens for reading, or is going to
// read, is remembered, so that no page of the run replaces one of them.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace qp {

class FilesRead : public FileSystem {
public:
    explicit FilesRead(FileSystem& files) : files_(files) {}

    std::unique_ptr<InputFile> open_read(const std::string& path) override {
        std::unique_ptr<InputFile> file = files_.open_read(path);
        if (file) read_.push_back(file->identity());
        return file;
    }
    std::unique_ptr<OutputFile> open_write(const std::string& path) override {
        return files_.open_write(path);
    }
    FileIdentity identify(const std::string& path) override { return files_.identify(path); }

    // A file the run is going to read (a chart description file that a job
    // or the command line names), which no page may replace either.
    void will_read(const std::string& path) { read_.push_back(files_.identify(path)); }

    // True when the run has read, or is going to read, the file that
    // writing `target` replaces.
    bool contains(const FileIdentity& target) const {
        for (const FileIdentity& file : read_)
            if (same_file(file, target)) return true;
        return false;
    }

private:
    FileSystem& files_;
    std::vector<FileIdentity> read_;
};

}  // namespace qp
