// The playground as the engine sees it: cell tags, the two logs, timers, the sign, the goal.
#include "ui/playground/playground.h"

namespace search_view {

std::string_view playground::cell_tag(engine::cell p) const {
    return bckGrnd.exists(p) ? std::string_view(bckGrnd(p).Tag()) : std::string_view();
}

void playground::set_cell_tag(engine::cell p, std::string tag) {
    if (bckGrnd.exists(p)) bckGrnd(p).Tag(std::move(tag));
}

void playground::add_langkah_line(std::string_view line) { langkah.AddItem(line); }

void playground::add_effi_line(std::string_view line) { Effi.AddItem(line); }

void playground::remove_effi_line(engine::count index) {
    if (index >= 0) Effi.RemoveItem(static_cast<std::size_t>(index));
}

void playground::start_frame_timer() { Timer1.Enabled(true); }
void playground::set_search_timer(bool enabled) { loop_utama.Enabled(enabled); }
void playground::show_backtrack_sign(bool visible) { bckTrack.Visible(visible); }

// The views of the run show the goal while its message is up.
void playground::show_message(const std::string& text) {
    announcing_goal_ = true;
    tell_steps_changed();
    ports_.messages.show(text);
    announcing_goal_ = false;
}

void playground::finish_playback() {
    stepping_ = false;
    pause.Picture(ports_.pictures.load("pauseclick.jpg"));
    enter(run_state::finished);
}

}  // namespace search_view
