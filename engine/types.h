// Integer types of the puzzle: which values stay 16-bit and which need more room.
#pragma once

#include <cstdint>

namespace engine {

// Cell indices, track positions and marble numbers reach 2N+1 = 63999 for the
// largest N the start dialog admits, past the 16-bit range.
using cell = std::int32_t;

// Log lines, path length and search depth grow with the run, not with N.
using count = std::int64_t;

// Values that provably stay 16-bit: N (at most 31999), the cell values -1, 0
// and 1, move and animation kinds, and the animation step (at most 1000).
using small = std::int16_t;

}  // namespace engine
