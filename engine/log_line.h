// The text of one move-log line, such as "2.Red jump (3,1)".
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/types.h"

namespace engine {

// Labels of the four move kinds and of a taken-back move.
inline constexpr std::string_view blue_jump_label = ".Blue jump (";
inline constexpr std::string_view red_jump_label = ".Red jump (";
inline constexpr std::string_view blue_roll_label = ".Blue roll (";
inline constexpr std::string_view red_roll_label = ".Red roll (";
inline constexpr std::string_view backtrack_label = ".Backtrack (";

// number, label, from, ",", to, ")": the only spaces are the label's. The
// text is formatted in place, without an allocation: a run writes millions.
class log_line {
public:
    log_line(count number, std::string_view label, cell from, cell to);
    std::string_view text() const { return {text_, size_}; }
    operator std::string_view() const { return text(); }

private:
    char text_[80];  // three numbers of at most 20 characters and the longest label
    std::size_t size_;
};

// A log line read back: its number, the kind of its move (0 for a
// Backtrack), and the track positions the marble went from and to.
struct read_line {
    count number;
    small kind;
    cell from;
    cell to;
};
// Nothing for a text that is not a log line.
std::optional<read_line> read_log_line(std::string_view text);

}  // namespace engine
