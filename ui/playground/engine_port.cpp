// The playground as the engine sees it (engine::playground_port): cell tags, the two logs, the timers, the
// sign.
#include "ui/playground/playground.h"

namespace playground {

std::string_view playground::cell_tag(engine::cell p) const {
    return bckGrnd.exists(p) ? std::string_view(bckGrnd(p).Tag()) : std::string_view();
}

void playground::set_cell_tag(engine::cell p, std::string tag) {
    if (bckGrnd.exists(p)) bckGrnd(p).Tag(std::move(tag));
}

void playground::add_langkah_line(std::string line) { langkah.AddItem(line); }
void playground::add_effi_line(std::string line) { Effi.AddItem(line); }
void playground::remove_effi_line(engine::count index) {
    if (index >= 0) Effi.RemoveItem(static_cast<std::size_t>(index));
}

void playground::start_frame_timer() { Timer1.Enabled(true); }
void playground::set_search_timer(bool enabled) { loop_utama.Enabled(enabled); }
void playground::show_backtrack_sign(bool visible) { bckTrack.Visible(visible); }
void playground::show_message(const std::string& text) { ports_.messages.show(text); }

void playground::finish_playback() {
    pause.Enabled(false);
    resume1.Enabled(false);
    pause.Picture(ports_.pictures.load("pauseclick.jpg"));
}

}  // namespace playground
