// Tests of ui::virtual_clock with the model's timers: when ticks fall, their order, posted tasks, teardown.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
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

struct window_with_timer : ui::form {
    explicit window_with_timer(ui::scheduler& s) : ui::form("w", s, "", 100, 100), t(*this, "t", 10) {}
    ui::timer t;
};

}  // namespace

TEST_F(VirtualClock, TicksAnIntervalAfterEnablingAndEnablingAgainChangesNothing) {
    ui::timer a(window, "a", 30), b(window, "b", 25);
    watch(a, [&] { b.Enabled(true); });  // at 60 and 90 b is already on: its ticks stay put
    watch(b);
    EXPECT_FALSE(clock.step());  // nothing armed yet
    a.Enabled(true);
    run_to(5);
    EXPECT_EQ(log, (ticks{{"a", 30}, {"b", 55}, {"a", 60}, {"b", 80}, {"a", 90}}));
}

TEST_F(VirtualClock, DisablingDropsThePendingTickAndNewIntervalsRestart) {
    ui::timer a(window, "a", 30), c(window, "c", 10);
    watch(a, [&] { if (clock.now() >= 80) a.Enabled(false); });
    watch(c, [&] {
        a.Enabled(clock.now() != 10);  // off at 10, on again at 20
        if (clock.now() == 20) c.Enabled(false);
    });
    a.Enabled(true);
    c.Enabled(true);
    run_to(4);
    EXPECT_EQ(log, (ticks{{"c", 10}, {"c", 20}, {"a", 50}, {"a", 80}}));
    EXPECT_FALSE(clock.step());

    log.clear();
    watch(a);
    watch(c, [&] {
        a.Interval(50);
        c.Enabled(false);
    });
    a.Enabled(true);
    c.Enabled(true);
    run_to(3);
    EXPECT_EQ(log, (ticks{{"c", 90}, {"a", 140}, {"a", 190}}));
}

TEST_F(VirtualClock, TimersDueTogetherTickInArmingOrder) {
    ui::timer x(window, "x", 20), y(window, "y", 20);
    watch(x);
    watch(y);
    y.Enabled(true);
    x.Enabled(true);
    run_to(4);
    EXPECT_EQ(log, (ticks{{"y", 20}, {"x", 20}, {"y", 40}, {"x", 40}}));
    x.Enabled(false);
    y.Enabled(false);

    // p is armed at 40 for 70, q at 60 for 70: p goes first.
    log.clear();
    ui::timer p(window, "p", 30), q(window, "q", 10), h(window, "h", 20);
    watch(p, [&] { p.Enabled(false); });
    watch(q, [&] { q.Enabled(false); });
    watch(h, [&] {
        q.Enabled(true);
        h.Enabled(false);
    });
    p.Enabled(true);
    h.Enabled(true);
    run_to(3);
    EXPECT_EQ(log, (ticks{{"h", 60}, {"p", 70}, {"q", 70}}));
}

TEST_F(VirtualClock, PostedTasksRunBeforeTheNextTick) {
    ui::timer x(window, "x", 20), y(window, "y", 20);
    watch(x, [&] { clock.post([&] { note("task"); }); });
    watch(y);
    x.Enabled(true);
    y.Enabled(true);
    clock.post([&] { note("first"); });
    run_to(4);
    EXPECT_EQ(log, (ticks{{"first", 0}, {"x", 20}, {"task", 20}, {"y", 20}}));
}

TEST_F(VirtualClock, TimerGoneWithItsWindowNoLongerTicks) {
    auto other = std::make_unique<window_with_timer>(clock);
    ui::timer a(window, "a", 25);
    watch(other->t);
    watch(a);
    other->t.Enabled(true);
    a.Enabled(true);
    run_to(1);
    other.reset();
    run_to(3);
    EXPECT_EQ(log, (ticks{{"t", 10}, {"a", 25}, {"a", 50}}));
    {
        ui::timer brief(window, "brief", 5);
        brief.Enabled(true);
    }
    EXPECT_EQ(window.timer_list(), (std::vector<ui::timer*>{&a}));
    window.stop_timers();
    EXPECT_FALSE(clock.step());
}

TEST_F(VirtualClock, RunUntilStopsAtTheDeadline) {
    ui::timer a(window, "a", 30);
    watch(a);
    a.Enabled(true);
    EXPECT_FALSE(clock.run_until([] { return false; }, 100));
    EXPECT_EQ(log.size(), 3u);
    EXPECT_TRUE(clock.run_until([&] { return log.size() == 4; }, 1000));
    EXPECT_EQ(clock.now(), 120);
}
