// A file system for checking only: files are read as usual, but a page
// written to it goes nowhere.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/file_system.h"

namespace qp {

class NoPagesFileSystem : public FileSystem {
public:
    explicit NoPagesFileSystem(FileSystem& files) : files_(files) {}

    std::unique_ptr<InputFile> open_read(const std::string& path) override {
        return files_.open_read(path);
    }
    std::unique_ptr<OutputFile> open_write(const std::string&) override {
        return std::make_unique<Discard>();
    }
    FileIdentity identify(const std::string& path) override { return files_.identify(path); }

private:
    class Discard : public OutputFile {
    public:
        bool write(std::string_view) override { return true; }
        bool close() override { return true; }
    };

    FileSystem& files_;
};

}  // namespace qp
