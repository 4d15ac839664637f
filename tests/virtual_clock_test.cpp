// Tests of ui::virtual_clock with the model's timers: when ticks fall, their order, posted tasks, teardown.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "ui/form/form.h"
#include "ui/form/timer.h"
#include "ui/form/virtual_clock.h"

namespace {

using ticks = std::vector<std::pair<std::string, long>>;  // what ran, and when

class VirtualClock : public ::testing::Test {
protected:
    ui::virtual_clock clock;
    ui::form window{"playground", clock, "", 1000, 1000};
    ticks log;

    void note(const std::string& what) { log.emplace_back(what, static_cast<long>(clock.now())); }
    // A tick handler that notes the tick, then does `then`.
    void watch(ui::timer& t, std::function<void()> then = {}) {
        t.Timer = [this, &t, then] {
            note(t.name());
            if (then) then();
        };
    }
    void run_to(std::size_t count) {
        ASSERT_TRUE(clock.run_until([&] { return log.size() >= count; }, 10000));
    }
};

}  // namespace

TEST_F(VirtualClock, TicksAnIntervalAfterEnablingAndEnablingAgainChangesNothing) {
    ui::timer a(window, "a", 30), b(window, "b", 25);
    watch(a, [&] { b.Enabled(true); });  // at 60 and 90 b is already on: its ticks stay put
    watch(b);
    EXPECT_FALSE(clock.step());  // nothing armed yet
    a.Enabled(true);
    EXPECT_FALSE(clock.run_until([] { return false; }, 90));  // ticks due at the deadline still run
    EXPECT_EQ(log, (ticks{{"a", 30}, {"b", 55}, {"a", 60}, {"b", 80}, {"a", 90}}));
    EXPECT_EQ(clock.now(), 90);
}

TEST_F(VirtualClock, DisablingDropsThePendingTickAndNewIntervalsRestart) {
    ui::timer a(window, "a", 30), c(window, "c", 10);
    watch(a, [&] { a.Interval(50); });
    watch(c, [&] {
        a.Enabled(clock.now() != 10);  // off at 10, on again at 20
        if (clock.now() == 20) c.Enabled(false);
    });
    a.Enabled(true);
    c.Enabled(true);
    run_to(4);
    EXPECT_EQ(log, (ticks{{"c", 10}, {"c", 20}, {"a", 50}, {"a", 100}}));
}

TEST_F(VirtualClock, TimersDueTogetherTickInArmingOrderAndPostedTasksGoFirst) {
    // x was armed before y (though made after it), and ticking at 10 does not change that.
    ui::timer y(window, "y", 20), x(window, "x", 10);
    watch(x, [&] { if (clock.now() == 20) clock.post([&] { note("task"); }); });
    watch(y);
    x.Enabled(true);
    y.Enabled(true);
    clock.post([&] { note("first"); });
    run_to(5);
    EXPECT_EQ(log, (ticks{{"first", 0}, {"x", 10}, {"x", 20}, {"task", 20}, {"y", 20}}));
}

TEST_F(VirtualClock, ATimerThatIsGoneNoLongerTicks) {
    ui::timer a(window, "a", 25);
    watch(a);
    a.Enabled(true);
    {
        ui::timer t(window, "t", 10);
        watch(t);
        t.Enabled(true);
        run_to(1);
    }
    run_to(3);
    EXPECT_EQ(log, (ticks{{"t", 10}, {"a", 25}, {"a", 50}}));
    window.stop_timers();
    EXPECT_FALSE(clock.step());
}
