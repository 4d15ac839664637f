// The model's timers on QTimer: one precise QTimer for each model timer that is switched on.
#pragma once

#include <QObject>
#include <QTimer>
#include <memory>
#include <unordered_map>

#include "ui/form/scheduler.h"

namespace qt_host {

class qt_scheduler : public QObject, public ui::scheduler {
    Q_OBJECT
public:
    using QObject::QObject;

    void timer_changed(ui::timer& changed) override;
    void timer_gone(ui::timer& gone) override;
    void post(std::function<void()> task) override;

private:
    std::unordered_map<ui::timer*, std::unique_ptr<QTimer>> running_;
};

}  // namespace qt_host
