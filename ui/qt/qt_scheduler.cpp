// Starts, restarts and stops a QTimer as its model timer is switched on and off.
#include "ui/qt/qt_scheduler.h"

#include "ui/form/timer.h"

namespace qt_host {

void qt_scheduler::timer_changed(ui::timer& changed) {
    auto& q = running_[&changed];
    if (!changed.Enabled() || changed.Interval() <= 0) {
        if (q) q->stop();
        return;
    }
    if (!q) {
        q = std::make_unique<QTimer>();
        q->setTimerType(Qt::PreciseTimer);
        ui::timer* model = &changed;
        QObject::connect(q.get(), &QTimer::timeout, this, [model] { model->tick(); });
    }
    q->start(changed.Interval());  // (re)starts the countdown from now
}

void qt_scheduler::timer_gone(ui::timer& gone) {
    // The timer may be going away inside its own tick: let Qt delete it later.
    if (auto found = running_.find(&gone); found != running_.end()) {
        found->second->stop();
        found->second.release()->deleteLater();
        running_.erase(found);
    }
}

void qt_scheduler::post(std::function<void()> task) {
    QMetaObject::invokeMethod(this, std::move(task), Qt::QueuedConnection);
}

}  // namespace qt_host
