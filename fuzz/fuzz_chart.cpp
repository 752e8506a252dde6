// libFuzzer target: arbitrary bytes as a chart description file, through
// reading, completion, drawing and the error pages, all in memory.  Every
// stencil, heading or ending file the bytes name reads as the same bytes.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz_harness.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    qp::fuzz::run_chart_bytes(
        std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
