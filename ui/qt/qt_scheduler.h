// The model's timers on the host's monotonic clock: one precise QTimer armed for the earliest due tick.
#pragma once

#include <QObject>
#include <QTimer>

#include "ui/time/real_time_schedule.h"

namespace qt_host {

// Runs the real-time schedule in the Qt event loop. The one QTimer wakes the
// program when the earliest tick falls due and is stopped while no timer is
// on. Every tick due together runs in one wake-up, so the scene they change
// is painted once. Ticks due before a click or a key press run before the
// press is handled: an event filter on the application sees it first.
class qt_scheduler : public QObject, public ui::scheduler {
    Q_OBJECT
public:
    explicit qt_scheduler(QObject* parent = nullptr);
    // On another clock than steady_clock, for tests; `time` must outlive this.
    explicit qt_scheduler(ui::monotonic_source& time, QObject* parent = nullptr);
    ~qt_scheduler() override;

    void timer_changed(ui::timer& changed) override;
    void timer_gone(ui::timer& gone) override;
    void post(std::function<void()> task) override;

    // Whether anything is set to wake the program.
    bool waking() const { return wake_.isActive(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void run_due();
    void rearm();

    ui::steady_source steady_;
    ui::monotonic_source* time_;
    ui::real_time_schedule schedule_;
    QTimer wake_;
};

}  // namespace qt_host
