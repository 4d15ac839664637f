// Tags as numbers: the marble on a cell, the cell under a marble, held as text in the Tag.
#pragma once

#include <charconv>
#include <string_view>

#include "engine/types.h"

namespace engine {

// A Tag read as a number: its leading decimal digits, 0 when there are none.
// Cell tags and marble tags hold numbers as text (the marble on a cell, the
// cell under a marble).
inline cell tag_value(std::string_view tag) {
    cell value = 0;
    std::from_chars(tag.data(), tag.data() + tag.size(), value);
    return value;
}

}  // namespace engine
