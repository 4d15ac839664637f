// Time as a port: what runs the model's timers, on a real clock or a virtual one.
#pragma once

#include <functional>

namespace ui {

class timer;

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
