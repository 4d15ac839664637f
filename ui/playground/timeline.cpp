// The search as a timeline: one step forward, one step back, or back to any line of the move log.
#include <string>

#include "engine/log_line.h"
#include "engine/tag_value.h"
#include "ui/playground/playground.h"
#include "ui/playground/rewind.h"

namespace search_view {

bool playground::can_step() const { return run_ == run_state::ready || run_ == run_state::paused; }

bool playground::can_step_back() const {
    return run_ == run_state::finished || (run_ == run_state::paused && state_.log_count > 0);
}

bool playground::can_go_to_step(engine::count step) const {
    const bool held = run_ == run_state::paused || run_ == run_state::finished;
    return held && step >= 0 && step <= state_.log_count;
}

bool playground::can_go_to_line(std::size_t line) const {
    return line >= 1 && line <= langkah.ListCount() && can_go_to_step(static_cast<engine::count>(line));
}

// From ready "." does what play does, from paused what resume does; the
// step's movement then ends in the pause, as after a click on pause during
// a movement.
void playground::step_key() {
    if (!can_step()) return;
    answered_step_ = steps_taken() + 1;  // asked for, so not asked
    (run_ == run_state::ready ? play : resume1).user_click();
    pause.Picture(ports_.pictures.load("pauseclick.jpg"));
    enter(run_state::pausing);
    stepping_ = true;
}

void playground::step_back_key() {
    if (can_step_back()) rewind_to(steps_taken() - 1);
}

void playground::go_to_line(std::size_t line) {
    if (can_go_to_line(line)) rewind_to(static_cast<engine::count>(line));
}

void playground::go_to_step(engine::count step) {
    if (can_go_to_step(step)) rewind_to(step);
}

// Read back from the last line, the path's move at a depth is the first move
// line found after which the search stood at that depth: a later one there
// would have left it.
void playground::go_to_path_line(std::size_t line) {
    if (line < 1 || line > Effi.ListCount() || !can_go_to_step(0)) return;
    auto depth = static_cast<engine::count>(Effi.ListCount());
    std::string text;
    for (std::size_t j = langkah.ListCount(); j-- > 0;) {
        langkah.List(j, text);
        const auto read = engine::read_log_line(text);
        if (!read) return;
        if (read->kind == 0) {
            ++depth;
        } else if (depth-- == static_cast<engine::count>(line)) {
            rewind_to(static_cast<engine::count>(j + 1));
            return;
        }
    }
}

// Every step but the goal writes one line of langkah. Before play nothing
// has been taken, whatever an earlier run left in the engine.
engine::count playground::steps_taken() const {
    if (run_ == run_state::ready) return 0;
    return state_.log_count + (state_.finished() ? 1 : 0);
}

// The engine takes the steps back one by one through a recorder; the logs
// and the marbles change once at the end, and the window shows the state
// after `step` as a pause there would.
void playground::rewind_to(engine::count step) {
    held_ = false;
    answered_step_ = 0;
    rewind_recorder rewind(*this, langkah.ListCount(), Effi.ListCount());
    for (engine::count k = steps_taken(); k > step; --k) state_.step_back(rewind);

    langkah.RemoveItemsFrom(rewind.langkah_kept());
    Effi.RemoveItemsFrom(rewind.effi_kept());
    for (const std::string& line : rewind.effi_regained()) Effi.AddItem(line);
    // A marble placed more than once goes only to its last place, the cell
    // whose tag names it now.
    const auto& placed = rewind.marbles_placed();
    for (auto each = placed.rbegin(); each != placed.rend(); ++each) {
        const auto [ball, p] = *each;
        if (engine::tag_value(cell_tag(p)) == ball) place_marble(ball, p);
    }
    if (run_ == run_state::finished) enter_paused();
    show_current_lines();
    tell_steps_changed();
}

void playground::tell_steps_changed() {
    if (step_listener* listener = steps_listener_.get()) listener->steps_changed();
}

void playground::place_marble(engine::cell ball, engine::cell p) {
    const bool blue = ball <= state_.ball_count;
    ui::shape& marble = (blue ? shpBall1 : shpBall2)(state_.shape_of_ball.at(static_cast<std::size_t>(ball)));
    marble.BackColor(blue ? blue_marble : red_marble);
    marble.Tag(std::to_string(p));
    marble.Top(bckGrnd(0).Top());
    marble.Left(bckGrnd(p).Left());
}

// Each log selects its line of the current step, none where it has none,
// and scrolls it into view.
void playground::show_current_lines() {
    for (ui::list_box* log : {&langkah, &Effi}) {
        log->ListIndex(static_cast<int>(log->ListCount()) - 1);
        if (log->ListCount() > 0) log->show_line(log->ListCount() - 1);
    }
}

}  // namespace search_view
