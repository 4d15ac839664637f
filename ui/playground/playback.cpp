// Playback: play, pause, resume, reset, the speed slider, and the search timer's tick.
#include <utility>

#include "ui/playground/playground.h"

namespace search_view {

void playground::loop_utama_Timer() {
    if (holds_for_prediction()) return hold_for_prediction();
    state_.search_step(*this);
    tell_steps_changed();
}

void playground::enter(run_state next) {
    run_ = next;
    play.Enabled(next == run_state::ready);
    pause.Enabled(next == run_state::running || next == run_state::pausing || next == run_state::paused);
    resume1.Enabled(next == run_state::paused);
    tell_steps_changed();
}

void playground::play_Click() {
    state_.start_search(*this);
    play.Picture(ports_.pictures.load("buttonclick.jpg"));
    pause.Picture(ports_.pictures.load("pause.jpg"));
    enter(run_state::running);
}

// A pause holds the search between two steps. A click while a marble moves
// shows at once that it was taken; the marble finishes its movement, and
// its last frame leaves the search timer off and enters the pause.
void playground::pause_Click() {
    held_ = false;
    loop_utama.Enabled(false);
    pause.Picture(ports_.pictures.load("pauseclick.jpg"));
    if (Timer1.Enabled())
        enter(run_state::pausing);
    else
        enter_paused();
}

void playground::enter_paused() {
    resume1.Picture(ports_.pictures.load("resume.jpg"));
    enter(run_state::paused);
}

// Resumed while it holds for a prediction, the run plays that step unasked.
void playground::resume1_Click() {
    if (std::exchange(held_, false)) answered_step_ = steps_taken() + 1;
    loop_utama.Enabled(true);
    resume1.Picture(ports_.pictures.load("resumeclick.jpg"));
    pause.Picture(ports_.pictures.load("pause.jpg"));
    enter(run_state::running);
}

// While paused both pause and resume1 take a click; Space resumes.
ui::image* playground::space_target() {
    switch (run_) {
    case run_state::ready: return &play;
    case run_state::running:
    case run_state::pausing: return &pause;
    case run_state::paused: return &resume1;
    case run_state::finished: break;
    }
    return nullptr;
}

void playground::space_key() {
    if (ui::image* button = space_target()) button->user_click();
}

void playground::reset_Click() { exits_.close_playground_and_show_start(); }

void playground::Kecepatan_Change() { state_.speed = static_cast<engine::small>(Kecepatan.Value()); }

}  // namespace search_view
