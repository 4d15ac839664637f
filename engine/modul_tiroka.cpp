// modul_tiroka: move rules, moves and their log lines, and one step of the depth-first search.
#include "engine/modul_tiroka.h"

#include <string>

#include "engine/log_line.h"

namespace engine {

namespace {

std::string_view label_of(small kind) {
    switch (kind) {
    case blue_jump: return blue_jump_label;
    case red_jump: return red_jump_label;
    case blue_roll: return blue_roll_label;
    default: return red_roll_label;
    }
}

}  // namespace

void modul_tiroka::set_initial_position() {
    move_stack.emplace();
    speed = 20;
    log_count = 0;
    path_count = 0;
    const cell n = ball_count;
    board.assign(static_cast<std::size_t>(2 * n + 2), empty_cell);
    for (cell c = 0; c < n; ++c) board[c] = blue;
    hole = n;
    for (cell c = n + 1; c <= 2 * n; ++c) board[c] = red;
}

bool modul_tiroka::is_solved() const {
    // The whole track is scanned; a run is short enough that an early exit buys nothing.
    const cell n = ball_count;
    bool result = true;
    for (cell i = 0; i < n; ++i)
        if (board[i] != red) result = false;
    if (board[n] != empty_cell) result = false;
    for (cell j = n + 1; j <= 2 * n; ++j)
        if (board[j] != blue) result = false;
    return result;
}

small modul_tiroka::at(cell index) const {
    return index >= 0 && index < static_cast<cell>(board.size()) ? board[index] : missing;
}

bool modul_tiroka::can_move(small kind) const {
    const cell h = hole;
    const cell last_cell = cells() - 1;
    const small left1 = at(h - 1), right1 = at(h + 1), left2 = at(h - 2), right2 = at(h + 2);
    switch (kind) {
    case blue_jump: return h - 2 >= 0 && left2 == blue && left1 == red;
    case red_jump: return h + 2 <= last_cell && right2 == red && right1 == blue;
    case blue_roll: return h - 1 >= 0 && left1 == blue;
    case red_roll: return h + 1 <= last_cell && right1 == red;
    default: return false;
    }
}

// The marble on cell `from` goes to cell `to`: its number moves between the
// two cell tags, and the frame timer starts to show the journey.
void modul_tiroka::take_marble(cell from, cell to, playground_port& playground) {
    moving_ball = tag_value(playground.cell_tag(from + 1));
    playground.start_frame_timer();
    playground.set_cell_tag(from + 1, std::string());
    playground.set_cell_tag(to + 1, std::to_string(moving_ball));
}

void modul_tiroka::do_move(small kind, playground_port& playground) {
    ++log_count;
    ++path_count;
    const cell h = hole;
    cell source = 0;
    // One row a move: its animation, the marble that lands, where it came from.
    // clang-format off
    switch (kind) {
    case blue_jump: anim_kind = 1; board[h] = blue; source = h - 2; break;
    case red_jump: anim_kind = 2; board[h] = red; source = h + 2; break;
    case blue_roll: anim_kind = 3; board[h] = blue; source = h - 1; break;
    default: anim_kind = 4; board[h] = red; source = h + 1; break;
    }
    // clang-format on
    hole = source;
    take_marble(source, h, playground);
    const std::string_view label = label_of(kind);
    playground.add_langkah_line(log_line(log_count, label, source + 1, h + 1));
    playground.add_effi_line(log_line(path_count, label, source + 1, h + 1));
    board[source] = empty_cell;
}

void modul_tiroka::undo_move(small kind, playground_port& playground) {
    ++log_count;
    --path_count;
    const cell h = hole;  // the cell the marble came from
    cell source = 0;
    // One row a move: its animation, the marble that lands, where it came from.
    // clang-format off
    switch (kind) {
    case blue_jump: anim_kind = 5; board[h] = blue; source = h + 2; break;
    case red_jump: anim_kind = 6; board[h] = red; source = h - 2; break;
    case blue_roll: anim_kind = 7; board[h] = blue; source = h + 1; break;
    default: anim_kind = 8; board[h] = red; source = h - 1; break;
    }
    // clang-format on
    hole = source;
    take_marble(source, h, playground);
    playground.add_langkah_line(log_line(log_count, backtrack_label, source + 1, h + 1));
    playground.remove_effi_line(path_count);
    board[source] = empty_cell;
}

void modul_tiroka::start_search(playground_port& playground) {
    step_count = 0;
    if (!move_stack) move_stack.emplace();
    move_stack->addlastelmt(0);
    playground.set_search_timer(true);
}

void modul_tiroka::search_step(playground_port& playground) {
    // A finished (or never started) search has no top to advance: a stray
    // tick does nothing rather than spin on an empty stack.
    if (!move_stack || step_count < 0 || move_stack->operator_kurung(0) == missing) {
        playground.set_search_timer(false);
        return;
    }
    List& stack = *move_stack;

    // Every read below is of the top or of the element under it: the list
    // resumes each read where the last one ended, so a step costs the same
    // at every depth.

    // Advance the top to the next kind to try, then on to the first legal one.
    stack.inclastelmt();
    for (;;) {
        const small k = stack.operator_kurung(step_count);
        if (can_move(k) || k > red_roll) break;
        stack.inclastelmt();
    }

    small k = stack.operator_kurung(step_count);
    if (k <= red_roll) {
        do_move(k, playground);
        playground.show_backtrack_sign(false);
        ++step_count;
        stack.addlastelmt(0);
    } else if (is_solved()) {
        // The goal admits no move, so it is found at a dead end. The search
        // timer goes off before the message: a toolkit keeps ticking while a
        // modal box is open, and no step may follow the success.
        stack.dellastelmt();
        playground.set_search_timer(false);
        playground.show_message("Banyak langkah = " + std::to_string(step_count));
        playground.finish_playback();
        step_count = -1;
    } else {
        // A dead end: take back the move that led here; the depth below
        // keeps its kind and tries the next one at the following step.
        --step_count;
        stack.dellastelmt();
        k = stack.operator_kurung(step_count);
        undo_move(k, playground);
        playground.show_backtrack_sign(true);
    }
    playground.set_search_timer(false);
}

}  // namespace engine
