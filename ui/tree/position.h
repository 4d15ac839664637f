// A board as the move test reads it.
#pragma once

#include "engine/List.h"
#include "engine/types.h"

namespace search_tree {

// The marbles by track position 1 .. cells (1 blue, -1 red, 0 the hole) and
// the hole's track position; any other position reads -9999, off the track.
struct position {
    const engine::small* board;  // board[p - 1] holds track position p
    engine::cell cells;
    engine::cell hole;
    engine::small at(engine::cell p) const { return p >= 1 && p <= cells ? board[p - 1] : engine::missing; }
};

}  // namespace search_tree
