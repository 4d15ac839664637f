// The real-time schedule: arms timers at the frame pace or their interval, and runs what is due.
#include "ui/form/real_time_schedule.h"

#include <algorithm>
#include <chrono>

#include "ui/form/timer.h"

namespace ui {

std::int64_t steady_source::now() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

namespace {

constexpr real_time_schedule::nanoseconds millisecond = 1'000'000;

// A frame in nanoseconds, rounded down; used only to measure lateness.
constexpr real_time_schedule::nanoseconds frame =
    real_time_schedule::second / real_time_schedule::frames_per_second;

}  // namespace

void real_time_schedule::timer_changed(timer& changed) {
    disarm(armed_, changed);
    // A timer with no positive interval never ticks.
    if (!changed.Enabled() || changed.Interval() <= 0) return;
    armed a{&changed, moment(), 1, 0, 1, 0, next_order_++};
    const std::int64_t interval = changed.Interval();
    if (interval * frames_per_second < second / millisecond) {
        a.span = second;  // shorter than a frame: once a frame
        a.per = frames_per_second;
    } else {
        a.span = interval * millisecond;
    }
    a.due = a.from + a.span / a.per;
    armed_.push_back(a);
}

void real_time_schedule::timer_gone(timer& gone) { disarm(armed_, gone); }

std::optional<real_time_schedule::nanoseconds> real_time_schedule::next_wake() const {
    if (!posted_.empty()) return time_->now();
    auto next = std::min_element(armed_.begin(), armed_.end(),
                                 [](const armed& a, const armed& b) { return a.due < b.due; });
    if (next == armed_.end()) return std::nullopt;
    return next->due;
}

real_time_schedule::armed* real_time_schedule::next_due_by(nanoseconds now) {
    armed* next = nullptr;
    for (armed& a : armed_) {
        if (a.due > now || std::find(ticked_.begin(), ticked_.end(), a.which) != ticked_.end()) continue;
        if (!next || a.due < next->due || (a.due == next->due && a.order < next->order)) next = &a;
    }
    return next;
}

void real_time_schedule::run_posted() {
    while (!posted_.empty()) {
        auto task = std::move(posted_.front());
        posted_.pop_front();
        task();
    }
}

void real_time_schedule::run_due() {
    if (running_) return;
    running_ = true;
    const nanoseconds now = time_->now();
    ticked_.clear();
    tick_moment_ = now;
    run_posted();
    while (armed* next = next_due_by(now)) {
        timer& due = *next->which;
        // The timer's next due time is set before its tick, which may disarm
        // or destroy it; it keeps its place among timers due together.
        if (now - next->due > stall_frames * frame) {
            tick_moment_ = now;  // a stall: start afresh from now
            next->from = now;
            next->periods = 1;
        } else {
            tick_moment_ = next->due;
            if (++next->periods > next->per) {  // keeps the products small
                next->from += next->span;
                next->periods -= next->per;
            }
        }
        next->due = next->from + next->periods * next->span / next->per;
        ticked_.push_back(&due);
        due.tick();
        run_posted();
    }
    running_ = false;
}

}  // namespace ui
