// The hand-over between the start dialog and the playground, and closing windows safely.
#include "ui/program/program.h"

#include "ui/program/program_window.h"
#include "ui/time/scheduler.h"

namespace program {

program::program(const program_ports& ports, window_shell& shell) : ports_(ports), shell_(shell) {}

program::~program() {
    if (current_) close_current();
}

start::Utama* program::utama() const { return dynamic_cast<start::Utama*>(current_.get()); }

search_view::playground* program::playground() const {
    return dynamic_cast<search_view::playground*>(current_.get());
}

void program::start() {
    show(std::make_unique<start::Utama>(ports_.timers, state_, ports_.beep,
                                        static_cast<start::utama_exits&>(*this)));
}

void program::show(std::unique_ptr<ui::form> window) {
    window->Caption(program_caption);
    window->Icon(program_icon());
    current_ = std::move(window);
    shell_.show(*current_);
}

void program::close_current() {
    current_->stop_timers();
    shell_.close(*current_);
    closed_.push_back(std::move(current_));
    std::weak_ptr<bool> alive = alive_;
    ports_.timers.post([this, alive] {
        if (!alive.expired()) closed_.clear();
    });
}

void program::window_closed_by_user() {
    if (current_) close_current();
}

void program::close_start_and_show_playground() {
    close_current();
    auto window = std::make_unique<search_view::playground>(
        search_view::playground_ports{ports_.timers, ports_.messages, ports_.pictures, ports_.views}, state_,
        static_cast<search_view::playground_exits&>(*this));
    window->Form_Load();
    show(std::move(window));
}

void program::close_playground_and_show_start() {
    close_current();
    start();
}

}  // namespace program
