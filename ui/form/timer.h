// A window's timer: Enabled, Interval in milliseconds, and a tick handler.
#pragma once

#include <functional>

namespace ui {

class form;
class scheduler;

class timer {
public:
    timer(form& owner, const char* name, int interval_ms);
    ~timer();
    timer(const timer&) = delete;
    timer& operator=(const timer&) = delete;

    const char* name() const { return name_; }

    bool Enabled() const { return enabled_; }
    // Enabling an enabled timer changes nothing; disabling drops the pending tick.
    void Enabled(bool value);
    int Interval() const { return interval_; }
    // A new interval restarts the countdown of an enabled timer.
    void Interval(int milliseconds);

    std::function<void()> Timer;  // the tick handler

    // Called by the scheduler when the interval has passed. A handler may
    // close its window, but the window goes only once the tick has ended,
    // so the handler runs in place.
    void tick() {
        if (enabled_ && Timer) Timer();
    }

private:
    form* owner_;
    const char* name_;
    int interval_;
    bool enabled_ = false;
};

}  // namespace ui
