// The frame timer: eight animations, rolls of one cell and roof-shaped jumps of two.
#include <cmath>
#include <string>
#include <utility>

#include "engine/tag_value.h"
#include "ui/playground/playground.h"

namespace search_view {

// Each tick draws one frame of the animation that anim_kind names.
void playground::Timer1_Timer() {
    // In the order of the animation kinds: the four moves, then the same moves taken back.
    static constexpr void (playground::*animations[])() = {
        &playground::bolabiru_loncat_kekanan, &playground::bolamerah_loncat_kekiri,
        &playground::bolabiru_kekanan,        &playground::bolamerah_kekiri,
        &playground::bolabiru_loncat_kekiri,  &playground::bolamerah_loncat_kekanan,
        &playground::bolabiru_kekiri,         &playground::bolamerah_kekanan,
    };
    const engine::shown_move shown = engine::move_shown_by(state_.anim_kind);
    (this->*animations[engine::animation_of(shown.kind, shown.taken_back) - 1])();
}

void playground::bolabiru_loncat_kekanan() { frame(engine::blue_jump, false); }
void playground::bolamerah_loncat_kekiri() { frame(engine::red_jump, false); }
void playground::bolabiru_kekanan() { frame(engine::blue_roll, false); }
void playground::bolamerah_kekiri() { frame(engine::red_roll, false); }
void playground::bolabiru_loncat_kekiri() { frame(engine::blue_jump, true); }
void playground::bolamerah_loncat_kekanan() { frame(engine::red_jump, true); }
void playground::bolabiru_kekiri() { frame(engine::blue_roll, true); }
void playground::bolamerah_kekanan() { frame(engine::red_roll, true); }

// A move's marble travels its way; taken back, the other way, in green.
void playground::frame(engine::small kind, bool taken_back) {
    const engine::move_geometry& g = engine::geometry_of(kind);
    marbles& colour_array = g.colour == engine::blue ? shpBall1 : shpBall2;
    const int d = static_cast<int>(taken_back ? -g.direction : g.direction);
    if (g.distance == 2)
        jump_frame(colour_array, d, taken_back);
    else
        roll_frame(colour_array, d, taken_back);
}

ui::shape& playground::moving_marble(marbles& colour_array) {
    return colour_array(state_.shape_of_ball.at(static_cast<std::size_t>(state_.moving_ball)));
}

namespace {
bool past(int d, ui::twips position, ui::twips target) {
    return d > 0 ? position > target : position < target;
}
}  // namespace

// A roll moves the marble `speed` twips a frame and arrives once it is past
// the next cell; landing exactly on it takes one frame more.
void playground::roll_frame(marbles& colour_array, int d, bool taken_back) {
    ui::shape& marble = moving_marble(colour_array);
    if (taken_back) marble.BackColor(retreat_green);
    marble.Left(ui::advance(marble.Left(), d * static_cast<double>(state_.speed)));
    const int t = engine::tag_value(marble.Tag());  // still the cell it started from
    if (past(d, marble.Left(), bckGrnd(t + d).Left()))
        close_animation(marble, &colour_array == &shpBall1, t, d, 1, false, taken_back);
}

// A jump climbs until it passes the middle cell, then sinks, each frame
// speed x sqrt(2) sideways and speed up or down; it can only arrive while sinking.
void playground::jump_frame(marbles& colour_array, int d, bool taken_back) {
    ui::shape& marble = moving_marble(colour_array);
    if (taken_back) marble.BackColor(retreat_green);
    const int t = engine::tag_value(marble.Tag());
    const ui::twips middle = bckGrnd(t + d).Left();
    const ui::twips left = marble.Left();
    const bool rising = d > 0 ? left < middle : left > middle;
    const double speed = state_.speed;
    marble.Left(ui::advance(left, d * speed * std::sqrt(2.0)));
    if (rising) {
        marble.Top(static_cast<ui::twips>(marble.Top() - speed));
        return;
    }
    marble.Top(static_cast<ui::twips>(marble.Top() + speed));
    if (past(d, marble.Left(), bckGrnd(t + 2 * d).Left()))
        close_animation(marble, &colour_array == &shpBall1, t, d, 2, true, taken_back);
}

// The final frame: the marble snaps onto its destination cell and the search
// timer takes over again, unless a pause was asked for on the way.
void playground::close_animation(ui::shape& marble, bool blue, int t, int d, int distance, bool jump,
                                 bool taken_back) {
    Timer1.Enabled(false);
    if (taken_back) marble.BackColor(blue ? blue_marble : red_marble);
    const int destination = t + d * distance;
    marble.Tag(std::to_string(destination));
    if (jump) marble.Top(bckGrnd(0).Top());
    marble.Left(bckGrnd(destination).Left());
    if (run_ == run_state::pausing) {
        enter_paused();
        if (std::exchange(stepping_, false)) show_current_lines();
    } else {
        loop_utama.Enabled(true);
    }
}

}  // namespace search_view
