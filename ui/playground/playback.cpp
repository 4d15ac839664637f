// Playback: play, pause, resume, reset, the speed slider, and the search timer's tick.
#include "ui/playground/playground.h"

namespace playground {

void playground::loop_utama_Timer() { state_.search_step(*this); }

void playground::play_Click() {
    state_.start_search(*this);
    play.Enabled(false);
    play.Picture(ports_.pictures.load("buttonclick.jpg"));
    pause.Picture(ports_.pictures.load("pause.jpg"));
    pause.Enabled(true);
}

// A pause holds the search between two steps. While a marble moves it
// changes nothing: the animation's last frame switches the search timer on.
void playground::pause_Click() {
    loop_utama.Enabled(false);
    if (!Timer1.Enabled()) {
        pause.Picture(ports_.pictures.load("pauseclick.jpg"));
        resume1.Picture(ports_.pictures.load("resume.jpg"));
        resume1.Enabled(true);
    }
}

void playground::resume1_Click() {
    loop_utama.Enabled(true);
    resume1.Picture(ports_.pictures.load("resumeclick.jpg"));
    pause.Picture(ports_.pictures.load("pause.jpg"));
    resume1.Enabled(false);
}

void playground::reset_Click() { exits_.close_playground_and_show_start(); }

void playground::Kecepatan_Change() {
    state_.speed = static_cast<engine::small>(Kecepatan.Value());
}

}  // namespace playground
