#include "log/catalog.h"

namespace qp {

namespace {
constexpr std::string_view kBuiltin[kCatalogSize] = {
    "Error",
    "File",
    "Ending file is",
    "Heading file is",
    "In D1 chart",
    "In D2 chart",
    "Input data is placed in",
    "Input from",
    "Job terminated at",
    "Line",
    "Stencil is inputted from",
    "Name of output file must be coded",
    "Name of output file can not be coded",
    "OK",
    "Output data will be placed into",
    "It is expected",
    "and",
    "can not be opened",
    "Data miss",
    "does not between",
    "does not generated",
    "is generated",
    "Errors are found in file",
    "missing",
    "does not between 0 and 180",
    "does not found",
    "Number of charts with D1 is more, than",
    "Number of charts with D2 is more, than",
    "Number of values is more, than 1000",
    "Wrong color",
    "Wrong name length",
    "Wrong symbol",
    "Number of arguments is more, than 1000",
    "invalid file extension",
};
}  // namespace

std::string_view builtin_text(Msg m) { return kBuiltin[static_cast<int>(m)]; }

Catalog::Catalog() { restore_builtin(); }

void Catalog::restore_builtin() {
    for (int i = 0; i < kCatalogSize; ++i) texts_[i] = std::string(kBuiltin[i]);
}

}  // namespace qp
