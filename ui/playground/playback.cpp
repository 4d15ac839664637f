// Playback: play, pause, resume, reset, the speed slider, and the search timer's tick.
#include "ui/playground/playground.h"

namespace search_view {

void playground::loop_utama_Timer() { state_.search_step(*this); }

void playground::play_Click() {
    state_.start_search(*this);
    play.Enabled(false);
    play.Picture(ports_.pictures.load("buttonclick.jpg"));
    pause.Picture(ports_.pictures.load("pause.jpg"));
    pause.Enabled(true);
}

// A pause holds the search between two steps. A click while a marble moves
// is remembered: the marble finishes its movement, and its last frame leaves
// the search timer off and enters the pause.
void playground::pause_Click() {
    loop_utama.Enabled(false);
    if (Timer1.Enabled())
        pause_pending_ = true;
    else
        enter_paused();
}

void playground::enter_paused() {
    pause_pending_ = false;
    pause.Picture(ports_.pictures.load("pauseclick.jpg"));
    resume1.Picture(ports_.pictures.load("resume.jpg"));
    resume1.Enabled(true);
}

void playground::resume1_Click() {
    loop_utama.Enabled(true);
    resume1.Picture(ports_.pictures.load("resumeclick.jpg"));
    pause.Picture(ports_.pictures.load("pause.jpg"));
    resume1.Enabled(false);
}

// While paused both pause and resume1 take a click; Space resumes.
ui::image* playground::space_target() {
    for (ui::image* button : {&resume1, &play, &pause})
        if (button->Enabled()) return button;
    return nullptr;
}

void playground::space_key() {
    if (ui::image* button = space_target()) button->user_click();
}

void playground::reset_Click() { exits_.close_playground_and_show_start(); }

void playground::Kecepatan_Change() { state_.speed = static_cast<engine::small>(Kecepatan.Value()); }

}  // namespace search_view
