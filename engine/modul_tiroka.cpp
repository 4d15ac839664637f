// modul_tiroka: move rules, moves and their log lines, and one step of the depth-first search.
#include "engine/modul_tiroka.h"

#include <string>

#include "engine/log_line.h"
#include "engine/tag_value.h"

namespace engine {

const move_geometry& geometry_of(small kind) {
    // One row a kind, in kind order: colour, direction, distance, label.
    static const move_geometry kinds[] = {
        {blue, +1, 2, blue_jump_label},
        {red, -1, 2, red_jump_label},
        {blue, +1, 1, blue_roll_label},
        {red, -1, 1, red_roll_label},
    };
    return kinds[applied_kind(kind) - 1];
}

void modul_tiroka::set_initial_position() {
    move_stack.emplace();
    speed = initial_speed;
    log_count = 0;
    path_count = 0;
    // Nothing has moved yet: no animation, no marble in motion.
    anim_kind = 0;
    moving_ball = 0;
    const cell n = ball_count;
    board.assign(static_cast<std::size_t>(2 * n + 2), empty_cell);
    for (cell c = 0; c < n; ++c) board[c] = blue;
    hole = n;
    for (cell c = n + 1; c <= 2 * n; ++c) board[c] = red;
}

bool modul_tiroka::is_solved() const {
    // Reds left of the middle cell, the hole in it, blues right of it; the first cell out of place
    // ends the scan, so a dead end far from the goal costs one comparison, not a walk of the track.
    const cell n = ball_count;
    for (cell i = 0; i < n; ++i)
        if (board[i] != red) return false;
    if (board[n] != empty_cell) return false;
    for (cell j = n + 1; j <= 2 * n; ++j)
        if (board[j] != blue) return false;
    return true;
}

small modul_tiroka::at(cell index) const {
    return index >= 0 && index < static_cast<cell>(board.size()) ? board[index] : missing;
}

namespace {
// Cell c, counted from 0, stands at track position c + 1: the number under it
// and in the log lines.
cell track_position(cell c) { return c + 1; }
}  // namespace

cell modul_tiroka::source_of(small kind, bool taken_back) const {
    const move_geometry& g = geometry_of(kind);
    const cell reach = g.direction * g.distance;
    return taken_back ? hole + reach : hole - reach;
}

bool modul_tiroka::can_move(small kind) const {
    if (kind < blue_jump || kind > red_roll) return false;
    // The marble comes from behind the hole; a jump passes over one marble
    // of the other colour.
    const move_geometry& g = geometry_of(kind);
    const cell source = source_of(kind, false);
    if (source < 0 || source >= cells() || board[source] != g.colour) return false;
    return g.distance == 1 || at(hole - g.direction) == -g.colour;
}

// The marble on cell `from` goes into the hole, which moves to `from`: the
// board and the two cell tags, the marble's number passing from one tag to
// the other. Returns the marble's number.
cell modul_tiroka::slide_into_hole(cell from, board_port& playground) {
    const cell to = hole;
    const cell ball = tag_value(playground.cell_tag(track_position(from)));
    playground.set_cell_tag(track_position(from), std::string());
    playground.set_cell_tag(track_position(to), std::to_string(ball));
    board[to] = board[from];
    board[from] = empty_cell;
    hole = from;
    return ball;
}

// A move made or taken back: its marble slides into the hole and becomes the
// moving marble, and the frames that show its journey start. Returns the cell
// it came from.
cell modul_tiroka::shift(small kind, bool taken_back, playground_port& playground) {
    const cell from = source_of(kind, taken_back);
    anim_kind = animation_of(kind, taken_back);
    moving_ball = slide_into_hole(from, playground);
    playground.start_frame_timer();
    return from;
}

void modul_tiroka::do_move(small kind, playground_port& playground) {
    ++log_count;
    ++path_count;
    const cell to = hole;
    const cell from = shift(kind, false, playground);
    const std::string_view label = geometry_of(kind).label;
    playground.add_langkah_line(log_line(log_count, label, track_position(from), track_position(to)));
    playground.add_effi_line(log_line(path_count, label, track_position(from), track_position(to)));
}

void modul_tiroka::undo_move(small kind, playground_port& playground) {
    ++log_count;
    --path_count;
    const cell to = hole;
    const cell from = shift(kind, true, playground);
    playground.add_langkah_line(
        log_line(log_count, backtrack_label, track_position(from), track_position(to)));
    playground.remove_effi_line(path_count);
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
    if (!move_stack || finished() || move_stack->operator_kurung(0) == missing) {
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

// A step taken back needs no record of the past. At every depth the kinds
// are tried in order, so before the step that found kind k a depth held the
// last kind below k that is legal there (it was tried, and its subtree came
// back), or 0 when there is none; and a depth that ran out of kinds held
// the last legal kind of all.
void modul_tiroka::step_back(rewind_port& playground) {
    if (!move_stack) return;
    List& stack = *move_stack;
    if (finished()) {
        // The goal: the top it took away was fresh, as every move leaves it.
        step_count = path_count;
        stack.addlastelmt(0);
        return;
    }
    const small top = stack.operator_kurung(step_count);
    if (top == 0 && step_count == 0) return;  // nothing has moved yet
    --log_count;
    playground.remove_last_langkah_line();
    if (top == 0) {
        // A move: its marble goes back, and its depth holds again what it
        // held before the move was found.
        stack.dellastelmt();
        --step_count;
        const small kind = stack.operator_kurung(step_count);
        put_marble(source_of(kind, true), playground);
        stack.dellastelmt();
        stack.addlastelmt(last_legal_below(kind));
        --path_count;
        playground.remove_effi_line(path_count);
    } else {
        // A retreat: the move it took back is made again, and the depth
        // above it is back before its last try.
        const cell to = hole;
        const cell from = source_of(top, false);
        put_marble(from, playground);
        ++step_count;
        stack.addlastelmt(last_legal_below(exhausted));
        ++path_count;
        playground.add_effi_line(
            log_line(path_count, geometry_of(top).label, track_position(from), track_position(to)));
    }
    recall_last_step(playground);
}

// The marble on cell `from` stands in the hole at once, and the hole where it was.
void modul_tiroka::put_marble(cell from, rewind_port& playground) {
    const cell to = hole;
    playground.place_marble(slide_into_hole(from, playground), track_position(to));
}

small modul_tiroka::last_legal_below(small kind) const {
    for (small k = static_cast<small>(kind - 1); k >= blue_jump; --k)
        if (can_move(k)) return k;
    return 0;
}

// What the last step left behind, read from the state: a fresh top follows
// a move, a top that holds a kind follows the retreat of that kind.
void modul_tiroka::recall_last_step(board_port& playground) {
    const small top = move_stack->operator_kurung(step_count);
    if (top > 0) {
        // The retreated marble is back on the cell its move started from.
        anim_kind = animation_of(top, true);
        moving_ball = tag_value(playground.cell_tag(track_position(source_of(top, false))));
    } else if (step_count > 0) {
        // The marble of the last move stands where that move would be taken back from.
        const small kind = move_stack->operator_kurung(step_count - 1);
        anim_kind = animation_of(kind, false);
        moving_ball = tag_value(playground.cell_tag(track_position(source_of(kind, true))));
    } else {
        anim_kind = 0;
        moving_ball = 0;
    }
    playground.show_backtrack_sign(top > 0);
}

}  // namespace engine
