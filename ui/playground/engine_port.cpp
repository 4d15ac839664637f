// The playground as the engine sees it: cell tags, the two logs, timers, the sign, marbles put in place.
#include <algorithm>

#include "ui/playground/playground.h"

namespace search_view {

std::string_view playground::cell_tag(engine::cell p) const {
    return bckGrnd.exists(p) ? std::string_view(bckGrnd(p).Tag()) : std::string_view();
}

void playground::set_cell_tag(engine::cell p, std::string tag) {
    if (bckGrnd.exists(p)) bckGrnd(p).Tag(std::move(tag));
}

void playground::add_langkah_line(std::string_view line) { langkah.AddItem(line); }

void playground::add_effi_line(std::string_view line) {
    if (rewinding_)
        rewinding_->effi_regained.emplace_back(line);
    else
        Effi.AddItem(line);
}

// Effi only ever loses its last line.
void playground::remove_effi_line(engine::count index) {
    if (index < 0) return;
    if (!rewinding_)
        Effi.RemoveItem(static_cast<std::size_t>(index));
    else if (!rewinding_->effi_regained.empty())
        rewinding_->effi_regained.pop_back();
    else
        rewinding_->effi_kept = std::min(rewinding_->effi_kept, static_cast<std::size_t>(index));
}

void playground::remove_last_langkah_line() {
    if (rewinding_) {
        if (rewinding_->langkah_kept > 0) --rewinding_->langkah_kept;
    } else if (langkah.ListCount() > 0)
        langkah.RemoveItem(langkah.ListCount() - 1);
}

void playground::place_marble(engine::cell ball, engine::cell p) {
    if (rewinding_) {
        rewinding_->marbles_placed.emplace_back(ball, p);
        return;
    }
    const bool blue = ball <= state_.ball_count;
    ui::shape& marble = (blue ? shpBall1 : shpBall2)(state_.shape_of_ball.at(static_cast<std::size_t>(ball)));
    marble.BackColor(blue ? blue_marble : red_marble);
    marble.Tag(std::to_string(p));
    marble.Top(bckGrnd(0).Top());
    marble.Left(bckGrnd(p).Left());
}

void playground::start_frame_timer() { Timer1.Enabled(true); }
void playground::set_search_timer(bool enabled) { loop_utama.Enabled(enabled); }
void playground::show_backtrack_sign(bool visible) { bckTrack.Visible(visible); }
void playground::show_message(const std::string& text) { ports_.messages.show(text); }

void playground::finish_playback() {
    pause_pending_ = false;
    stepping_ = false;
    pause.Enabled(false);
    resume1.Enabled(false);
    pause.Picture(ports_.pictures.load("pauseclick.jpg"));
}

}  // namespace search_view
