// The virtual clock: arms timers, and runs posted tasks and ticks in time order.
#include "ui/form/virtual_clock.h"

#include <algorithm>

#include "ui/form/timer.h"

namespace ui {

void virtual_clock::timer_changed(timer& changed) {
    disarm(armed_, changed);
    // A timer with no positive interval never ticks.
    if (changed.Enabled() && changed.Interval() > 0)
        armed_.push_back({&changed, now_ + changed.Interval(), next_order_++});
}

void virtual_clock::timer_gone(timer& gone) { disarm(armed_, gone); }

std::vector<virtual_clock::armed>::iterator virtual_clock::next_armed() {
    return std::min_element(armed_.begin(), armed_.end(), [](const armed& a, const armed& b) {
        return a.due != b.due ? a.due < b.due : a.order < b.order;
    });
}

bool virtual_clock::step() {
    if (!posted_.empty()) {
        auto task = std::move(posted_.front());
        posted_.pop_front();
        task();
        return true;
    }
    auto next = next_armed();
    if (next == armed_.end()) return false;
    timer& due = *next->which;
    now_ = next->due;
    next->due += due.Interval();  // keeps its place among timers due together
    due.tick();                   // may switch timers on and off, or post tasks
    return true;
}

bool virtual_clock::run_until(const std::function<bool()>& done, milliseconds deadline) {
    while (!done()) {
        if (posted_.empty()) {  // a tick is next
            auto next = next_armed();
            if (next == armed_.end() || next->due > deadline) return false;
        }
        step();
    }
    return true;
}

}  // namespace ui
