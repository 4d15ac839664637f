// Integer types of the puzzle: which values stay 16-bit and which need more room.
#pragma once

#include <charconv>
#include <cstdint>
#include <string_view>

#include "engine/List.h"

namespace engine {

// Cell indices, track positions and marble numbers reach 2N+1 = 63999 for the
// largest N the start dialog admits, past the 16-bit range.
using cell = std::int32_t;

// Log lines, path length and search depth grow with the run, not with N.
using count = std::int64_t;
static_assert(sizeof(count) == sizeof(list_position));

// Values that provably stay 16-bit: N (at most 31999), the cell values -1, 0
// and 1, move and animation kinds, and the animation step (at most 1000).
using small = std::int16_t;

// A Tag read as a number: its leading decimal digits, 0 when there are none.
inline cell tag_value(std::string_view tag) {
    cell value = 0;
    std::from_chars(tag.data(), tag.data() + tag.size(), value);
    return value;
}

// The largest N the start dialog accepts.
inline constexpr small max_ball_count = 31999;

}  // namespace engine
