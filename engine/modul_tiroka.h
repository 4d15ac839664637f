// modul_tiroka: the board, the move rules, moves with their log lines, and the stepwise search.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "engine/List.h"
#include "engine/playground_port.h"
#include "engine/types.h"

namespace engine {

// Move kinds, tried in this order at every depth.
enum move_kind : small { blue_jump = 1, red_jump = 2, blue_roll = 3, red_roll = 4 };

// A kind's top value at a depth where every kind has been tried.
inline constexpr small exhausted = red_roll + 1;

// Animation kinds: a move shows as the animation of its own kind (1..4),
// the same move taken back as that kind + 4 (5..8).
inline constexpr small taken_back_animations = 4;

// What a move of each kind does: the colour that moves, its direction along
// the track (+1 rightwards), how many cells it travels, and its log label.
struct move_geometry {
    small colour;
    cell direction;
    cell distance;
    std::string_view label;
};

// The kind a move is applied or taken back as: 1, 2 and 3 as they are, any
// other value as a red roll.
inline small applied_kind(small kind) {
    return kind >= blue_jump && kind <= blue_roll ? kind : small{red_roll};
}
// The geometry of applied_kind(kind).
const move_geometry& geometry_of(small kind);

// The animation that shows a move of that kind, or the move taken back.
inline small animation_of(small kind, bool taken_back) {
    return static_cast<small>(applied_kind(kind) + (taken_back ? taken_back_animations : 0));
}
// What an animation shows: the move kind, and whether it is taken back.
// Any animation kind outside 1..7 shows a red roll taken back.
struct shown_move {
    small kind;
    bool taken_back;
};
inline shown_move move_shown_by(small animation) {
    if (animation < blue_jump || animation >= animation_of(red_roll, true)) return {red_roll, true};
    const bool taken_back = animation > red_roll;
    return {static_cast<small>(taken_back ? animation - taken_back_animations : animation), taken_back};
}

// The depth step_count is read as a position in move_stack.
static_assert(sizeof(count) == sizeof(list_position));

// Cell values.
inline constexpr small blue = 1;
inline constexpr small red = -1;
inline constexpr small empty_cell = 0;

// The step of a marble in twips per frame when a playground opens.
inline constexpr small initial_speed = 20;

// The whole puzzle and search state. The members carry the module's
// documented names; the playground's load puts them into the initial
// position, and the search changes them one step at a time.
class modul_tiroka {
public:
    small ball_count = 0;
    cell moving_ball = 0;
    std::vector<cell> shape_of_ball;
    std::optional<List> move_stack;
    std::vector<small> board;  // 2N+2 slots: the cells, then one slot that stays 0
    cell hole = 0;
    count step_count = 0;
    small anim_kind = 0;
    count log_count = 0;
    count path_count = 0;
    small speed = 0;

    // The initial position for ball_count marbles of each colour: board,
    // hole, empty stack, log counters and the initial step.
    void set_initial_position();

    bool is_solved() const;
    bool can_move(small kind) const;
    // The goal has been found: step_count holds -1 from then on.
    bool finished() const { return step_count < 0; }

    // Apply or take back one move: board, hole, cell tags, the log lines,
    // anim_kind and moving_ball, and the frame timer that shows it.
    void do_move(small kind, playground_port& playground);
    void undo_move(small kind, playground_port& playground);

    // Begin a search from the freshly loaded position.
    void start_search(playground_port& playground);
    // One tick of loop_utama: one move, one retreat, or the goal.
    void search_step(playground_port& playground);

    // Take the last search step back, at once: the state it leaves is the
    // one the step began from, the marks of the step before included
    // (anim_kind, moving_ball, the sign). Nothing before the first step.
    void step_back(rewind_port& playground);

private:
    cell cells() const { return 2 * cell{ball_count} + 1; }
    small at(cell index) const;  // a board value, or -9999 outside 0 .. 2N+1
    // The cell a move of that kind takes its marble from: behind the hole,
    // or beyond it when the move is taken back.
    cell source_of(small kind, bool taken_back) const;
    cell slide_into_hole(cell from, board_port& playground);
    cell shift(small kind, bool taken_back, playground_port& playground);
    void put_marble(cell from, rewind_port& playground);
    small last_legal_below(small kind) const;
    void recall_last_step(board_port& playground);
};

}  // namespace engine
