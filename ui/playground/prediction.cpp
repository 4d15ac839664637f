// Prediction mode: the search holds before each step and asks the learner what it does next.
#include <utility>

#include "ui/playground/playground.h"

namespace search_view {

void playground::predict_steps(bool on) {
    predicting_ = on;
    if (on) ports_.views.keep_search_tree_open(*this);
    if (!on && held_) resume1.user_click();
    tell_steps_changed();
}

bool playground::asking() const {
    return predicting_ && (run_ == run_state::ready || run_ == run_state::paused);
}

// The depth the search stands at holds the last kind tried there; a run
// not yet started stands at the start with nothing tried.
search_tree::next_step playground::next_step() const {
    const engine::small tried =
        run_ == run_state::ready ? engine::small{0} : state_.move_stack->operator_kurung(state_.step_count);
    const search_tree::position here{state_.board.data(), 2 * engine::cell{state_.ball_count} + 1,
                                     state_.hole + 1};
    return search_tree::next_step_from(here, tried);
}

void playground::answer(search_tree::next_step guess) {
    if (!asking()) return;
    answered_step_ = steps_taken() + 1;
    score_.record({answered_step_, guess, next_step()});
    if (run_ == run_state::ready)
        play.user_click();
    else if (held_)
        resume1.user_click();
    else
        step_key();
}

bool playground::holds_for_prediction() const { return predicting_ && answered_step_ != steps_taken() + 1; }

// As if paused: the search timer stops and resume takes a click.
void playground::hold_for_prediction() {
    loop_utama.Enabled(false);
    pause.Picture(ports_.pictures.load("pauseclick.jpg"));
    enter_paused();
    held_ = true;
    ports_.views.keep_search_tree_open(*this);
}

}  // namespace search_view
