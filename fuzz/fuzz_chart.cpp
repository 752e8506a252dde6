// libFuzzer target: arbitrary bytes as a chart description file, through
// reading, completion, drawing and the error pages, all in memory.  Every
// stencil, heading or ending file the bytes name reads as the same bytes.
// The bytes are read twice, held whole and in small pieces: a difference
// between the two is a fault of the reading window.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "fuzz_harness.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const qp::fuzz::Outcome whole = qp::fuzz::run_chart_bytes(bytes);
    const qp::fuzz::Outcome pieces = qp::fuzz::run_chart_bytes(bytes, 1 + size % 7);
    if (whole.log != pieces.log || whole.file_error != pieces.file_error ||
        whole.bytes_written != pieces.bytes_written) {
        std::abort();
    }
    return 0;
}
