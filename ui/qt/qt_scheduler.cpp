// Wakes the event loop for the real-time schedule, and runs due ticks ahead of input.
#include "ui/qt/qt_scheduler.h"

#include <QCoreApplication>
#include <QEvent>

namespace qt_host {

qt_scheduler::qt_scheduler(QObject* parent) : qt_scheduler(steady_, parent) {}

qt_scheduler::qt_scheduler(ui::monotonic_source& time, QObject* parent)
    : QObject(parent), time_(&time), schedule_(time) {
    wake_.setSingleShot(true);
    wake_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&wake_, &QTimer::timeout, this, [this] { run_due(); });
    if (QCoreApplication* app = QCoreApplication::instance()) app->installEventFilter(this);
}

qt_scheduler::~qt_scheduler() {
    if (QCoreApplication* app = QCoreApplication::instance()) app->removeEventFilter(this);
}

void qt_scheduler::timer_changed(ui::timer& changed) {
    schedule_.timer_changed(changed);
    rearm();
}

void qt_scheduler::timer_gone(ui::timer& gone) {
    schedule_.timer_gone(gone);
    rearm();
}

void qt_scheduler::post(std::function<void()> task) {
    schedule_.post(std::move(task));
    rearm();  // at once: after the event being handled, before any tick
}

void qt_scheduler::run_due() {
    // A tick that opens a modal box runs a nested event loop; the ticks wait
    // for it, and the outer run arms the QTimer again when it ends.
    if (schedule_.running()) return;
    schedule_.run_due();
    rearm();
}

void qt_scheduler::rearm() {
    if (schedule_.running()) return;  // run_due arms it on its way out
    const auto wake = schedule_.next_wake();
    if (!wake) {
        wake_.stop();
        return;
    }
    // Whole milliseconds, rounded up: waking early would only cost a second wake-up.
    const auto wait = *wake - time_->now();
    constexpr auto ms = ui::real_time_schedule::millisecond;
    wake_.start(wait <= 0 ? 0 : static_cast<int>((wait + ms - 1) / ms));
}

bool qt_scheduler::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::InputMethod: run_due(); break;
    default: break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace qt_host
