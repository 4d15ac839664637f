// A window's timer: Enabled, Interval in milliseconds, and a tick handler.
#pragma once

#include <cstdint>
#include <functional>

namespace ui {

class scheduler;
class timer;

// What timers belong to: a window, which runs them on its scheduler and
// keeps a list of them, so that it can switch them all off when it goes.
class timer_owner {
public:
    virtual scheduler& timer_port() const = 0;

protected:
    ~timer_owner() = default;

private:
    friend class timer;
    virtual void enrol(timer& created) = 0;
    virtual void leave(timer& gone) = 0;
};

class timer {
public:
    timer(timer_owner& owner, const char* name, int interval_ms);
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
    // How many times the handler has run: a run's steps and frames.
    std::uint64_t ticks() const { return ticks_; }

    // Called by the scheduler when the interval has passed. The handler is
    // moved out while it runs, not copied: it may replace itself, or destroy
    // this timer (a test that drops a timer inside its own tick), and it
    // comes back only to a timer that still exists and has no other.
    void tick() {
        if (!enabled_ || !Timer) return;
        ++ticks_;
        bool alive = true;
        alive_ = &alive;
        auto handler = std::move(Timer);
        Timer = nullptr;
        handler();
        if (!alive) return;
        alive_ = nullptr;
        if (!Timer) Timer = std::move(handler);
    }

private:
    timer_owner* owner_;
    const char* name_;
    int interval_;
    bool enabled_ = false;
    std::uint64_t ticks_ = 0;
    bool* alive_ = nullptr;  // set while a tick runs; the destructor clears it
};

}  // namespace ui
