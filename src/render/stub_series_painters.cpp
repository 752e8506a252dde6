// Temporary stand-in until the legend painter exists.  Its owner deletes this file.
#include "render/painters.h"

namespace qp {
void paint_legend(ChartState&, VmlWriter&) {}
}  // namespace qp
