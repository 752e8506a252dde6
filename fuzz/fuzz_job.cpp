// libFuzzer target: the whole program run without arguments.  The bytes are
// split at the record separator byte (0x1e) into the job file qplot.qpj, the
// chart description file that every job line names, and (after a second
// separator) the message file qplotmsg.htm beside the program.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz_harness.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    qp::fuzz::run_job_bytes(
        std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
