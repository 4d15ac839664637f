// The virtual clock: ticks each timer its interval after it was armed, and again every interval.
#include "ui/time/virtual_clock.h"

#include "ui/time/timer.h"

namespace ui {

void virtual_clock::timer_changed(timer& changed) {
    timers_.changed(changed, [&](auto& armed) { armed.due = now_ + changed.Interval(); });
}

void virtual_clock::timer_gone(timer& gone) { timers_.disarm(gone); }

void virtual_clock::tick(table::entry& next) {
    timer& due = *next.which;
    now_ = next.due;
    next.due += due.Interval();  // keeps its place among timers due together
    due.tick();                  // may switch timers on and off, or post tasks
}

}  // namespace ui
