// Time as a port: what runs the model's timers, on a real clock or a virtual one.
#pragma once

#include <algorithm>
#include <functional>
#include <vector>

namespace ui {

class timer;

// Drops a timer from a scheduler's table of armed timers (entries with a
// `which` member): it ticks no more until it is armed again.
template <class Armed>
void disarm(std::vector<Armed>& armed, const timer& which) {
    armed.erase(std::remove_if(armed.begin(), armed.end(), [&](const Armed& a) { return a.which == &which; }),
                armed.end());
}

class scheduler {
public:
    virtual ~scheduler() = default;
    // The timer was switched on or off, or its interval changed.
    virtual void timer_changed(timer& changed) = 0;
    // The timer is being destroyed with its window.
    virtual void timer_gone(timer& gone) = 0;
    // Run a task once the current event has been handled, before any tick.
    virtual void post(std::function<void()> task) = 0;
};

}  // namespace ui
