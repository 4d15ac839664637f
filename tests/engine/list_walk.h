// The documented read by position, walked from first through the public links: the oracle for List's reads.
#pragma once

#include <cstdint>

#include "engine/List.h"

namespace test_support {

// From first, count down the position; an info of 0 or an empty link ends
// the walk and reads 0.
inline std::int16_t walk_from_first(const engine::List& list, engine::list_position position) {
    engine::list_position remaining = position;
    for (const engine::elmt* e = list.first(); e != nullptr && e->info() != 0; e = e->next1()) {
        if (remaining == 0) return e->info();
        --remaining;
    }
    return 0;
}

}  // namespace test_support
