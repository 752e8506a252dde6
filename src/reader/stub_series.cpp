// Temporary stand-in until the series finishing exists.  Its owner deletes this file.
#include "reader.h"
namespace qp {
void finish_series(ChartState&, RunContext&) {}
}  // namespace qp
