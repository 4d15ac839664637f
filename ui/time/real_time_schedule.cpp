// The real-time schedule: arms timers at the frame pace or their interval, and runs what is due.
#include "ui/time/real_time_schedule.h"

#include <algorithm>
#include <chrono>

#include "ui/time/timer.h"

namespace ui {

std::int64_t steady_source::now() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

namespace {

// A frame in nanoseconds, rounded down; used only to measure lateness.
constexpr real_time_schedule::nanoseconds frame =
    real_time_schedule::second / real_time_schedule::frames_per_second;

}  // namespace

void real_time_schedule::timer_changed(timer& changed) {
    timers_.changed(changed, [&](auto& armed) {
        periods& p = armed.schedule;
        p = {moment(), 1, 0, 1};
        const std::int64_t interval = changed.Interval();
        if (interval * frames_per_second < second / millisecond) {
            p.span = second;  // shorter than a frame: once a frame
            p.per = frames_per_second;
        } else {
            p.span = interval * millisecond;
        }
        armed.due = p.from + p.span / p.per;
    });
}

void real_time_schedule::timer_gone(timer& gone) { timers_.disarm(gone); }

std::optional<real_time_schedule::nanoseconds> real_time_schedule::next_wake() const {
    if (!timers_.nothing_posted()) return time_->now();
    if (auto* next = timers_.next()) return next->due;
    return std::nullopt;
}

void real_time_schedule::run_due() {
    if (running_) return;
    running_ = true;
    const nanoseconds now = time_->now();
    ticked_.clear();
    tick_moment_ = now;
    run_posted();
    // Each timer ticks at most once a call: the earliest due by now of those
    // that have not ticked yet.
    const auto may_tick = [&](const auto& armed) {
        return armed.due <= now && std::find(ticked_.begin(), ticked_.end(), armed.which) == ticked_.end();
    };
    while (auto* next = timers_.next(may_tick)) {
        timer& due = *next->which;
        periods& p = next->schedule;
        // The timer's next due time is set before its tick, which may disarm
        // or destroy it; it keeps its place among timers due together.
        if (now - next->due > stall_frames * frame) {
            tick_moment_ = now;  // a stall: start afresh from now
            p.from = now;
            p.count = 1;
        } else {
            tick_moment_ = next->due;
            if (++p.count > p.per) {  // keeps the products small
                p.from += p.span;
                p.count -= p.per;
            }
        }
        next->due = p.from + p.count * p.span / p.per;
        ticked_.push_back(&due);
        due.tick();
        run_posted();
    }
    running_ = false;
}

}  // namespace ui
