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
    std::vector<std::string> log;

protected:
    void paintEvent(QPaintEvent*) override { ++paints; }
    void mousePressEvent(QMouseEvent*) override { log.push_back("press"); }
    void keyPressEvent(QKeyEvent*) override { log.push_back("key"); }
};

struct fake_time : ui::monotonic_source {
    std::int64_t ns = 0;
    std::int64_t now() override { return ns; }
};

}  // namespace

class scheduler_test : public QObject {
    Q_OBJECT

private slots:
    // Two ticks due together run in one wake-up: a task the first posts runs between them, but no
    // other event, so no paint either; one paint then shows both. Nothing wakes the program while no
    // timer of a positive interval is on, also once a timer has gone inside its own tick.
    void ticks_due_together_run_in_one_wake_up_and_nothing_wakes_while_off() {
        qt_host::qt_scheduler scheduler;
        ui::form window("playground", scheduler, "", 1000, 1000);
        ui::timer zero(window, "zero", 0), x(window, "x", 20), y(window, "y", 20);
        zero.Timer = [] { QFAIL("a timer of interval 0 ticked"); };
        zero.Enabled(true);
        QVERIFY(!scheduler.waking());
        probe screen;
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        std::vector<std::string> seen;
        int paints_at_x = -1, paints_at_y = -2;
        x.Timer = [&] {
            x.Enabled(false);
            screen.update();
            paints_at_x = screen.paints;
            QMetaObject::invokeMethod(
                &screen, [&] { seen.push_back("queued event"); }, Qt::QueuedConnection);
            scheduler.post([&] { seen.push_back("task"); });
            seen.push_back("x");
        };
        y.Timer = [&] {
            y.Enabled(false);
            screen.update();
            paints_at_y = screen.paints;
            seen.push_back("y");
        };
        scheduler.post([&] {  // switched on in one task, so both count from the same moment
            x.Enabled(true);
            y.Enabled(true);
        });
        QTRY_COMPARE(seen.size(), 4u);
        QCOMPARE(seen, (std::vector<std::string>{"x", "task", "y", "queued event"}));
        QCOMPARE(paints_at_y, paints_at_x);
        QTRY_VERIFY(screen.paints > paints_at_y);
        QVERIFY(!scheduler.waking());
        auto inside = std::make_unique<ui::timer>(window, "inside", 20);
        inside->Timer = [&] { inside.reset(); };
        inside->Enabled(true);
        QVERIFY(scheduler.waking());
        QTRY_VERIFY(!inside);
        QVERIFY(!scheduler.waking());
    }

    void a_tick_due_before_a_click_or_key_runs_before_it_is_handled() {
        fake_time time;
        qt_host::qt_scheduler scheduler(time);
        ui::form window("playground", scheduler, "", 1000, 1000);
        ui::timer a(window, "a", 30);
        probe screen;
        a.Timer = [&] { screen.log.push_back("tick"); };
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        a.Enabled(true);
        QTest::mouseClick(&screen, Qt::LeftButton);  // at 0: nothing due
        time.ns = 45'000'000;
        QTest::mouseClick(&screen, Qt::LeftButton);
        time.ns = 65'000'000;
        QTest::keyClick(&screen, Qt::Key_Space);
        QCOMPARE(screen.log, (std::vector<std::string>{"press", "tick", "press", "tick", "key"}));
    }
};

QTEST_MAIN(scheduler_test)
#include "scheduler_test.moc"
