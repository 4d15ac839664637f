// Why the search takes a step: each kind it tries at the current position, the cell that rules it out, and
// what it does.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ui/tree/search_tree.h"

namespace search_tree {

// Why a kind cannot be played: the cell its marble would come from is off
// the track, or holds no marble of its colour, or the marble a jump passes
// over is not of the other colour.
enum class ruled_out { off_the_track, no_marble, nothing_to_jump };

struct kind_tried {
    engine::small kind;
    ruled_out why;
    engine::cell cell;  // the track position that fails; for off_the_track, where it would be
};

// What step k does at the current node, and the kinds it rules out first, in order.
struct step_reasons {
    enum outcome_kind { move, retreat, goal } outcome;
    engine::small kind = 0;  // the move played, or the move taken back
    std::vector<kind_tried> ruled_out;
    engine::small tried_before = 0;  // the last kind tried at this node at an earlier step, 0 for none
};

// What the search can do next, as a learner names it: a move of one of the
// four kinds, a Backtrack, or the goal.
enum class next_step : engine::small { blue_jump = 1, red_jump, blue_roll, red_roll, backtrack, goal };
inline constexpr int next_step_count = 6;
// "Blue jump", "Red jump", "Blue roll", "Red roll", "Backtrack", "Goal".
std::string name_of(next_step step);

// The step the search takes at `here` when `tried` is the last kind it
// has tried there (0 for none): the first later kind the move test allows;
// with none left, the goal if every red marble is left of the hole and
// every blue one right, else a Backtrack.
next_step next_step_from(const position& here, engine::small tried);

// The step that follows the tree's lines: `next_line` is the log line it
// writes, or empty for the goal.
step_reasons reasons_for_next_step(const tree& t, std::string_view next_line);

// The same in words, one or two sentences, such as "Step 4, depth 3: Blue jump (1,3), ...".
std::string explain_next_step(const tree& t, std::string_view next_line);

}  // namespace search_tree
