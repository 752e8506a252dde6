// Limits of the run; a build may set the walk limit: the fuzz build lowers it.
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

// A heading or ending file is copied into its page only up to this size; a
// larger one (or one that never ends, such as a file of the system's
// process tables) is reported as not found.
inline constexpr unsigned long long kMaxCopiedFileBytes = 64ull << 20;

}  // namespace qp
