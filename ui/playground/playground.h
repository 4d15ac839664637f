// The playground window: the track, the marbles, the two move logs and the playback controls.
#pragma once

#include <cstddef>
#include <string>

#include "engine/modul_tiroka.h"
#include "ui/form/control.h"
#include "ui/form/control_array.h"
#include "ui/form/form.h"
#include "ui/form/list_box.h"
#include "ui/form/listener_slot.h"
#include "ui/form/ports.h"
#include "ui/playground/prediction.h"
#include "ui/time/timer.h"

namespace search_view {

// Where reset leads: the program unloads this window and shows a fresh start dialog.
class playground_exits {
public:
    virtual ~playground_exits() = default;
    virtual void close_playground_and_show_start() = 0;
};

class playground;

// Views of the run in windows of their own, which the playground opens.
class run_views {
public:
    virtual ~run_views() = default;
    // Shows the search tree of this playground's run, opening its window if need be.
    virtual void show_search_tree(playground& run) = 0;
    // Opens the search tree's window where it is closed, leaving the focus
    // where it is: the learner is asked there.
    virtual void keep_search_tree_open(playground& run) = 0;
};

// Told whenever the run has taken a step or taken steps back, the goal
// included, whenever it enters another state, and when a prediction is
// asked for or given: a view of the run at step k follows it.
class step_listener {
public:
    virtual ~step_listener() = default;
    virtual void steps_changed() = 0;
};

// The platform services the playground uses.
struct playground_ports {
    ui::scheduler& timers;
    ui::message_box& messages;
    ui::picture_files& pictures;
    run_views& views;
};

// The speed slider's range: the step of a marble in twips per frame. A
// standstill helps nobody, so the slowest step is 1.
inline constexpr int slowest_step = 1;
inline constexpr int fastest_step = 1000;

// Where a run stands; the playback buttons follow from it. Pausing: a pause
// was asked for while a marble moves, and takes hold when it arrives.
enum class run_state { ready, running, pausing, paused, finished };

inline constexpr ui::colour blue_marble = 0xFF0000;
inline constexpr ui::colour red_marble = 0x0000FF;
inline constexpr ui::colour retreat_green = 0x00FF00;

class playground : public ui::form, private engine::playground_port {
public:
    playground(const playground_ports& ports, engine::modul_tiroka& state, playground_exits& exits);

    // The controls, as designed; Form_Load lays them out for the current N.
    ui::control_array<ui::label> bckGrnd;     // track cells; element 0 is the template
    ui::control_array<ui::label> indeks_bck;  // the numbers under the cells
    ui::control_array<ui::shape> shpBall1;    // blue marbles
    ui::control_array<ui::shape> shpBall2;    // red marbles
    ui::label bckTrack;
    ui::image layout;
    ui::image play;
    ui::image pause;
    ui::image resume1;
    ui::image reset;
    ui::slider Kecepatan;
    ui::list_box langkah;
    ui::list_box Effi;
    ui::timer loop_utama;
    ui::timer Timer1;

    // Builds the scene for ball_count: the initial position, cells, numbers, marbles, layout.
    void Form_Load();

    // One search step per tick of loop_utama; one animation frame per tick of Timer1.
    void loop_utama_Timer();
    void Timer1_Timer();

    // The eight animations; each call draws one frame.
    void bolabiru_loncat_kekanan();
    void bolamerah_loncat_kekiri();
    void bolabiru_kekanan();
    void bolamerah_kekiri();
    void bolabiru_loncat_kekiri();
    void bolamerah_loncat_kekanan();
    void bolabiru_kekiri();
    void bolamerah_kekanan();

    void play_Click();
    void pause_Click();
    void resume1_Click();
    void reset_Click();
    void Kecepatan_Change();

    // Space clicks whichever of play, pause and resume1 would take it now:
    // play when ready, pause while running, resume1 while paused.
    void space_key();

    // The search as a timeline. "." runs one step, shown whole, and pauses
    // when its marble arrives; "," takes the last step back at once; a line
    // of langkah chosen with Enter or a double-click brings back the state
    // after its step. Going back needs no record of the past, and a run
    // resumed from there goes on exactly as if it had never been rewound.
    void step_key();
    void step_back_key();
    void go_to_line(std::size_t line);  // 1-based, as the lines are numbered
    // Back to the step that made the move on line `line` of Effi, the move
    // at that depth of the current path.
    void go_to_path_line(std::size_t line);
    // Back to the state right after step `step` (0: before the first), as
    // paused; a step of a line is that line's number.
    void go_to_step(engine::count step);
    bool can_step() const;
    bool can_step_back() const;
    bool can_go_to_line(std::size_t line) const;
    bool can_go_to_step(engine::count step) const;

    // Predictions. While the mode is on, the search holds before each step
    // it would take on its own (as if paused) and asks what it does next;
    // an answer plays that step: the run goes on if it was held, and
    // otherwise the step plays alone, as after ".". A step of "." is not
    // asked for, nor one resumed while the run held for it. With the mode
    // off the run is as it always was.
    void predict_steps(bool on);
    bool predicting() const { return predicting_; }
    // The run stands before a step that can be predicted now.
    bool asking() const;
    void answer(search_tree::next_step guess);
    const score_card& score() const { return score_; }
    // What the search does at its next step, read off its board and stack.
    search_tree::next_step next_step() const;

    run_state state() const { return run_; }
    int ball_count() const { return state_.ball_count; }
    // The search has found the goal: from the message on.
    bool goal_reached() const { return run_ == run_state::finished || announcing_goal_; }

    // One listener at a time; a second one throws std::logic_error.
    void listen_to_steps(step_listener& listener) { steps_listener_.attach(listener); }
    void stop_listening_to_steps(const step_listener& listener) { steps_listener_.detach(listener); }

private:
    using marbles = ui::control_array<ui::shape>;

    // The run enters a state, and play, pause and resume1 take a click as it allows.
    void enter(run_state next);
    // The button Space would click, or null.
    ui::image* space_target();
    void declare_context_menu();
    // Steps taken so far, while paused or finished: one a line, and the goal.
    engine::count steps_taken() const;
    void rewind_to(engine::count step);
    void show_current_lines();
    void tell_steps_changed();
    // The search timer's tick finds a step nobody predicted yet.
    bool holds_for_prediction() const;
    void hold_for_prediction();

    void frame(engine::small kind, bool taken_back);
    void roll_frame(marbles& colour_array, int d, bool taken_back);
    void jump_frame(marbles& colour_array, int d, bool taken_back);
    ui::shape& moving_marble(marbles& colour_array);
    void enter_paused();
    void close_animation(ui::shape& marble, bool blue, int t, int d, int distance, bool jump,
                         bool taken_back);
    // A marble stands on track position p at once, as an animation leaves it.
    void place_marble(engine::cell ball, engine::cell p);

    // engine::playground_port: what a move or a step changes here.
    std::string_view cell_tag(engine::cell p) const override;
    void set_cell_tag(engine::cell p, std::string tag) override;
    void add_langkah_line(std::string_view line) override;
    void add_effi_line(std::string_view line) override;
    void remove_effi_line(engine::count index) override;
    void start_frame_timer() override;
    void set_search_timer(bool enabled) override;
    void show_backtrack_sign(bool visible) override;
    void show_message(const std::string& text) override;
    void finish_playback() override;

    playground_ports ports_;
    engine::modul_tiroka& state_;
    playground_exits& exits_;
    run_state run_ = run_state::ready;
    // The movement is a step of ".": its arrival shows the step's lines.
    bool stepping_ = false;
    // The success message is up: the goal is found, the run not yet finished.
    bool announcing_goal_ = false;
    ui::listener_slot<step_listener> steps_listener_;
    bool predicting_ = false;
    // The search was running when it held for a prediction: the answer lets it go on.
    bool held_ = false;
    engine::count answered_step_ = 0;  // the step the last answer lets through
    score_card score_;
};

}  // namespace search_view
