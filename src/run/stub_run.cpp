// Temporary stand-in until the run loop and platform layer exist.  Its owner deletes this file.
#include "run_loop.h"
namespace qp {
std::unique_ptr<Platform> make_real_platform() { return nullptr; }
int run_program(const char*, const std::vector<std::string>&, Platform&, FileSystem&,
                std::ostream&, std::istream&) { return 0; }
std::unique_ptr<FileSystem> make_real_file_system() { return nullptr; }
}  // namespace qp
