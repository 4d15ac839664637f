// The search as a timeline: one step forward, one step back, or back to any line of the move log.
#include "engine/tag_value.h"
#include "ui/playground/playground.h"

namespace search_view {

bool playground::can_step() const { return ready() || paused(); }

bool playground::can_step_back() const { return finished() || (paused() && state_.log_count > 0); }

bool playground::can_go_to_line(std::size_t line) const {
    return (paused() || finished()) && line >= 1 && line <= langkah.ListCount();
}

// From ready "." does what play does, from paused what resume does; the
// marble's last frame then enters the pause, as a pause clicked during the
// movement would.
void playground::step_key() {
    if (!can_step()) return;
    (ready() ? play : resume1).user_click();
    pause_pending_ = true;
    stepping_ = true;
}

void playground::step_back_key() {
    if (can_step_back()) go_to_step(steps_taken() - 1);
}

void playground::go_to_line(std::size_t line) {
    if (can_go_to_line(line)) go_to_step(static_cast<engine::count>(line));
}

// Every step but the goal writes one line of langkah.
engine::count playground::steps_taken() const { return state_.log_count + (state_.step_count < 0 ? 1 : 0); }

// The engine takes the steps back one by one; the logs change once at the
// end, and the window shows the state after `step` as a pause there would.
void playground::go_to_step(engine::count step) {
    const bool was_finished = finished();
    rewinding_ = rewind{langkah.ListCount(), Effi.ListCount(), {}, {}};
    for (engine::count k = steps_taken(); k > step; --k) state_.step_back(*this);
    const rewind done = std::move(*rewinding_);
    rewinding_.reset();

    langkah.RemoveItemsFrom(done.langkah_kept);
    Effi.RemoveItemsFrom(done.effi_kept);
    for (const std::string& line : done.effi_regained) Effi.AddItem(line);
    // A marble placed more than once goes only to its last place, the cell
    // whose tag names it now.
    for (auto placed = done.marbles_placed.rbegin(); placed != done.marbles_placed.rend(); ++placed) {
        const auto [ball, p] = *placed;
        if (engine::tag_value(bckGrnd(p).Tag()) == ball) place_marble(ball, p);
    }
    if (was_finished) {
        pause.Enabled(true);
        enter_paused();
    }
    show_current_lines();
}

// Each log scrolls its line of the current step into view.
void playground::show_current_lines() {
    for (ui::list_box* log : {&langkah, &Effi})
        if (log->ListCount() > 0) log->show_line(log->ListCount() - 1);
}

}  // namespace search_view
