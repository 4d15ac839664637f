// A window's timer: tells the scheduler when it is switched on or off.
#include "ui/time/timer.h"

#include "ui/time/scheduler.h"

namespace ui {

timer::timer(timer_owner& owner, const char* name, int interval_ms)
    : owner_(&owner), name_(name), interval_(interval_ms) {
    owner.enrol(*this);
}

timer::~timer() {
    if (alive_) *alive_ = false;
    owner_->timer_port().timer_gone(*this);
    owner_->leave(*this);
}

void timer::Enabled(bool value) {
    if (enabled_ == value) return;
    enabled_ = value;
    owner_->timer_port().timer_changed(*this);
}

void timer::Interval(int milliseconds) {
    if (interval_ == milliseconds) return;
    interval_ = milliseconds;
    if (enabled_) owner_->timer_port().timer_changed(*this);
}

}  // namespace ui
