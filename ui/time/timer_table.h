// The armed timers and posted tasks of a scheduler, with the rules every scheduler keeps.
#pragma once

#include <algorithm>
#include <cstdint>
#include <deque>
#include <functional>
#include <vector>

#include "ui/time/timer.h"

namespace ui {

// The rules: a timer switched off or destroyed is disarmed and ticks no
// more; a timer with no positive interval never ticks; the earliest due
// ticks first, the first armed among ties; posted tasks run in order. Each
// clock adds only its own arithmetic of due times: `Schedule` is what it
// keeps beside a due time, and `due` is counted in the clock's own unit.
template <class Schedule>
class timer_table {
public:
    struct entry {
        timer* which;
        std::int64_t due;
        std::uint64_t order;
        Schedule schedule;
    };

    // The timer was switched on or off, or its interval changed: it is
    // disarmed, and armed again when it is on with a positive interval;
    // `arm` then sets the new entry's due time and schedule.
    template <class Arm>
    void changed(timer& which, Arm&& arm) {
        disarm(which);
        if (!which.Enabled() || which.Interval() <= 0) return;
        entry armed{&which, 0, next_order_++, Schedule{}};
        arm(armed);
        entries_.push_back(armed);
    }

    void disarm(const timer& which) {
        entries_.erase(std::remove_if(entries_.begin(), entries_.end(),
                                      [&](const entry& e) { return e.which == &which; }),
                       entries_.end());
    }

    // The entry that ticks next among those `may_tick` admits, or null.
    template <class MayTick>
    entry* next(MayTick&& may_tick) {
        entry* first = nullptr;
        for (entry& e : entries_)
            if (may_tick(e) &&
                (!first || e.due < first->due || (e.due == first->due && e.order < first->order)))
                first = &e;
        return first;
    }
    entry* next() {
        return next([](const entry&) { return true; });
    }
    const entry* next() const { return const_cast<timer_table*>(this)->next(); }

    void post(std::function<void()> task) { posted_.push_back(std::move(task)); }
    bool nothing_posted() const { return posted_.empty(); }
    bool idle() const { return posted_.empty() && entries_.empty(); }
    // Runs the first posted task; false when there is none.
    bool run_posted_task() {
        if (posted_.empty()) return false;
        auto task = std::move(posted_.front());
        posted_.pop_front();
        task();
        return true;
    }

private:
    std::vector<entry> entries_;
    std::deque<std::function<void()>> posted_;
    std::uint64_t next_order_ = 0;
};

}  // namespace ui
