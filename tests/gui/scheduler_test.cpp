// The Qt host's scheduler: one wake-up for ticks due together, input after due ticks, idle when off.
#include <QWidget>
#include <QtTest>
#include <memory>
#include <string>
#include <vector>

#include "ui/form/form.h"
#include "ui/form/timer.h"
#include "ui/qt/qt_scheduler.h"

namespace {

// Counts its paints and notes the presses it handles.
class probe : public QWidget {
    Q_OBJECT

public:
    int paints = 0;
    std::vector<std::string>* log = nullptr;

protected:
    void paintEvent(QPaintEvent*) override { ++paints; }
    void mousePressEvent(QMouseEvent*) override { log->push_back("press"); }
    void keyPressEvent(QKeyEvent*) override { log->push_back("key"); }
};

struct fake_time : ui::monotonic_source {
    std::int64_t ns = 0;
    std::int64_t now() override { return ns; }
};

constexpr std::int64_t ms = 1'000'000;

}  // namespace

class scheduler_test : public QObject {
    Q_OBJECT

private slots:
    void ticks_due_together_run_in_one_wake_up_after_the_posted_tasks() {
        qt_host::qt_scheduler scheduler;
        ui::form window("playground", scheduler, "", 1000, 1000);
        ui::timer x(window, "x", 20), y(window, "y", 20);
        probe screen;
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));

        bool task_ran = false, task_ran_at_once = false, queued_ran = false;
        bool queued_ran_before_y = true, task_ran_before_y = false;
        int paints_at_x = -1, paints_at_y = -2, y_ticks = 0;
        x.Timer = [&] {
            x.Enabled(false);
            screen.update();
            paints_at_x = screen.paints;
            QMetaObject::invokeMethod(
                &screen, [&] { queued_ran = true; }, Qt::QueuedConnection);
            scheduler.post([&] { task_ran = true; });
            task_ran_at_once = task_ran;
        };
        y.Timer = [&] {
            ++y_ticks;
            y.Enabled(false);
            screen.update();
            paints_at_y = screen.paints;
            queued_ran_before_y = queued_ran;
            task_ran_before_y = task_ran;
        };
        // Switched on in one task, so both count from the same moment.
        scheduler.post([&] {
            x.Enabled(true);
            y.Enabled(true);
        });
        QTRY_COMPARE(y_ticks, 1);
        QVERIFY(!task_ran_at_once);                // a task waits for the tick that posted it to end...
        QVERIFY(task_ran_before_y);                // ...and runs before the next tick
        QVERIFY(!queued_ran_before_y);             // no other event came between the two ticks,
        QCOMPARE(paints_at_y, paints_at_x);        // so neither did a paint
        QTRY_VERIFY(screen.paints > paints_at_y);  // one paint shows both
        QVERIFY(!scheduler.waking());
    }

    void a_tick_due_before_a_click_or_key_runs_before_it_is_handled() {
        fake_time time;
        qt_host::qt_scheduler scheduler(time);
        ui::form window("playground", scheduler, "", 1000, 1000);
        ui::timer a(window, "a", 30);
        std::vector<std::string> log;
        probe screen;
        screen.log = &log;
        a.Timer = [&] { log.push_back("tick"); };
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));

        a.Enabled(true);
        QTest::mouseClick(&screen, Qt::LeftButton);  // at 0: nothing due
        time.ns = 45 * ms;
        QTest::mouseClick(&screen, Qt::LeftButton);
        time.ns = 65 * ms;
        QTest::keyClick(&screen, Qt::Key_Space);
        QCOMPARE(log, (std::vector<std::string>{"press", "tick", "press", "tick", "key"}));
    }

    void nothing_wakes_while_every_timer_is_off_and_a_zero_interval_is_harmless() {
        qt_host::qt_scheduler scheduler;
        ui::form window("playground", scheduler, "", 1000, 1000);
        QVERIFY(!scheduler.waking());
        {
            ui::timer zero(window, "zero", 0);
            zero.Timer = [] { QFAIL("a timer of interval 0 ticked"); };
            zero.Enabled(true);
            QVERIFY(!scheduler.waking());
        }  // gone while on

        ui::timer dropped(window, "dropped", 20), sentinel(window, "sentinel", 40);
        int dropped_ticks = 0, sentinel_ticks = 0;
        dropped.Timer = [&] { ++dropped_ticks; };
        sentinel.Timer = [&] {
            ++sentinel_ticks;
            sentinel.Enabled(false);
        };
        dropped.Enabled(true);
        QVERIFY(scheduler.waking());
        dropped.Enabled(false);  // its tick is dropped
        sentinel.Enabled(true);
        QTRY_COMPARE(sentinel_ticks, 1);
        QCOMPARE(dropped_ticks, 0);
        QVERIFY(!scheduler.waking());

        auto inside = std::make_unique<ui::timer>(window, "inside", 20);
        inside->Timer = [&] { inside.reset(); };  // destroyed in its own tick
        inside->Enabled(true);
        QTRY_VERIFY(!inside);
        QVERIFY(!scheduler.waking());
    }
};

QTEST_MAIN(scheduler_test)
#include "scheduler_test.moc"
