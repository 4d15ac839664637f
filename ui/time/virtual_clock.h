// A deterministic clock for tests and tools: timers tick on virtual milliseconds.
#pragma once

#include <cstdint>
#include <functional>

#include "ui/time/scheduler.h"
#include "ui/time/timer_table.h"

namespace ui {

// A timer ticks Interval ms after it was switched on, then every Interval ms
// while it stays on. Ticks due at the same moment run in the order their
// timers were armed. Posted tasks run before the next tick, at the same time.
class virtual_clock : public scheduler {
public:
    using milliseconds = std::int64_t;

    milliseconds now() const { return now_; }
    // Nothing posted and no timer armed: nothing would ever run.
    bool idle() const { return timers_.idle(); }

    // Step until `done` holds or the clock would pass `deadline`.
    // True when `done` holds. A template: a run asks `done` after each of
    // its million frames.
    template <class Done>
    bool run_until(Done&& done, milliseconds deadline) {
        while (!done()) {
            if (timers_.run_posted_task()) continue;
            auto* next = timers_.next();
            if (!next || next->due > deadline) return false;
            tick(*next);
        }
        return true;
    }

    void timer_changed(timer& changed) override;
    void timer_gone(timer& gone) override;
    void post(std::function<void()> task) override { timers_.post(std::move(task)); }

private:
    struct interval_only {};  // the due time is all a virtual timer needs
    using table = timer_table<interval_only>;
    void tick(table::entry& next);
    table timers_;
    milliseconds now_ = 0;
};

}  // namespace ui
