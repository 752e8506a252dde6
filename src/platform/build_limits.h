// Limits that a build may set: the fuzz build lowers the walk limit.
#pragma once

namespace qp {

// A tick or label walk, or any other loop whose count comes from input
// numbers, writes at most this many elements and then stops.  The fuzz
// build lowers it (QP_WALK_LIMIT), so that its instrumented runs of hostile
// scales stay quick while taking the same paths.
#ifndef QP_WALK_LIMIT
#define QP_WALK_LIMIT 100000
#endif
inline constexpr int kMaxWalkElements = QP_WALK_LIMIT;

}  // namespace qp
