// Temporary stand-in until the run loop, platform layer, file system, run log
// and diagnostics exist.  Its owner deletes this file.
#include "diagnostics.h"
#include "run_loop.h"
namespace qp {
std::unique_ptr<Platform> make_real_platform() { return nullptr; }
int run_program(const char*, const std::vector<std::string>&, Platform&, FileSystem&,
                std::ostream&, std::istream&) { return 0; }
void report_expected(RunContext&, Scanner&, std::string_view) {}
void report_field(RunContext&, Scanner&, Msg) {}
void report_rest_of_line(RunContext&, Scanner&, Msg) {}
void report_message(RunContext&, Msg) {}
std::string drop_cr_before_lf(std::string_view b) { return std::string(b); }
std::unique_ptr<FileSystem> make_real_file_system() { return nullptr; }
bool MemoryFileSystem::read_text(const std::string&, std::string*) { return false; }
bool MemoryFileSystem::read_binary(const std::string&, std::string*) { return false; }
std::unique_ptr<OutputFile> MemoryFileSystem::open_write(const std::string&) { return nullptr; }
RunLog& RunLog::operator<<(int) { return *this; }
bool RunLog::flush() { return true; }
bool RunLog::close() { return true; }
}  // namespace qp
