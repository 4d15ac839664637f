// The model's timers on a person's time: due times on a monotonic clock, frame pace, slip after a stall.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "ui/time/scheduler.h"
#include "ui/time/timer_table.h"

namespace ui {

// Where the time is read: nanoseconds on a clock that never goes back.
class monotonic_source {
public:
    virtual ~monotonic_source() = default;
    virtual std::int64_t now() = 0;
};

// std::chrono::steady_clock, the clock the host's event loop sleeps on.
class steady_source : public monotonic_source {
public:
    std::int64_t now() override;
};

// The timer table's rules on real time. The host asks when to wake
// (`next_wake`), sleeps until then and calls `run_due`; nothing here sleeps,
// so tests drive it with a fake source.
//
// A timer whose interval is shorter than a display frame ticks once a frame,
// 60 times a second. Due times advance by whole periods from the moment the
// timer was armed, so the pace holds on average whatever the wake-up latency,
// and a timer switched on inside a tick counts from that tick's due time. A
// tick found more than a few frames late slips its timer's schedule to now
// instead of racing through the backlog.
class real_time_schedule : public scheduler {
public:
    using nanoseconds = std::int64_t;
    static constexpr nanoseconds second = 1'000'000'000;
    static constexpr nanoseconds millisecond = 1'000'000;
    static constexpr int frames_per_second = 60;
    // How many frames late a tick may be and still keep its timer's schedule.
    static constexpr int stall_frames = 3;

    explicit real_time_schedule(monotonic_source& time) : time_(&time) {}

    // When run_due has work: at once while tasks wait, else when the earliest
    // tick falls due; nothing when no timer is armed.
    std::optional<nanoseconds> next_wake() const;
    // Run the waiting tasks and then every tick due by now, in due order and
    // arming order among ties, with the tasks each tick posts before the next
    // tick. Each timer ticks at most once a call, so a late frame is painted
    // before the one that catches up. Does nothing inside one of its own
    // ticks: a handler runs to its end before the next tick.
    void run_due();
    bool running() const { return running_; }

    void timer_changed(timer& changed) override;
    void timer_gone(timer& gone) override;
    void post(std::function<void()> task) override { timers_.post(std::move(task)); }

private:
    // A timer's due time is `from` + `periods` × span / per: a frame is a
    // second over 60, so the sum stays exact in nanoseconds.
    struct periods {
        nanoseconds from;
        std::int64_t count;
        nanoseconds span;
        std::int64_t per;
    };
    void run_posted() {
        while (timers_.run_posted_task()) {}
    }
    // When a timer switched on now starts counting: the due time of the tick
    // being handled, or the clock outside ticks.
    nanoseconds moment() { return running_ ? tick_moment_ : time_->now(); }

    monotonic_source* time_;
    timer_table<periods> timers_;
    // The timers that have ticked in this run_due call, also those switched
    // off and on again since: each ticks at most once a call.
    std::vector<const timer*> ticked_;
    nanoseconds tick_moment_ = 0;
    bool running_ = false;
};

}  // namespace ui
