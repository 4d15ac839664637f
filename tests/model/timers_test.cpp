// Timers on both schedulers (virtual clock, real-time schedule): their rules, the frame pace, stalls.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "ui/form/form.h"
#include "ui/form/real_time_schedule.h"
#include "ui/form/timer.h"
#include "ui/form/virtual_clock.h"

namespace {

using ticks = std::vector<std::pair<std::string, long>>;  // what ran, and when (ms)
using names = std::vector<std::string>;
constexpr std::int64_t ms = 1'000'000;

// The tools' clock.
struct on_virtual_clock {
    ui::virtual_clock clock;
    ui::scheduler& port() { return clock; }
    long now_ms() const { return static_cast<long>(clock.now()); }
    void run_to(long deadline) {
        clock.run_until([] { return false; }, deadline);
    }
    bool idle() const { return clock.idle(); }
};

struct fake_time : ui::monotonic_source {
    std::int64_t ns = 0;
    std::int64_t now() override { return ns; }
};

// The host's schedule on a fake clock, woken as the host's QTimer wakes it:
// at the time it asks for, `late` after it.
struct on_real_time {
    fake_time time;
    ui::real_time_schedule schedule{time};
    std::int64_t late = 0;
    ui::scheduler& port() { return schedule; }
    long now_ms() const { return static_cast<long>(time.ns / ms); }
    void run_to(long deadline) {
        for (auto wake = schedule.next_wake(); wake && *wake <= deadline * ms; wake = schedule.next_wake()) {
            time.ns = std::max(time.ns, *wake + late);
            schedule.run_due();
        }
    }
    bool idle() const { return !schedule.next_wake(); }
};

template <class Driver>
class Scheduler : public ::testing::Test {
protected:
    Driver on;
    ui::form window{"playground", on.port(), "", 1000, 1000};
    ticks log;

    void note(const std::string& what) { log.emplace_back(what, on.now_ms()); }
    // A tick handler that notes the tick, then does `then`.
    void watch(ui::timer& t, std::function<void()> then = {}) {
        t.Timer = [this, &t, then] {
            note(t.name());
            if (then) then();
        };
    }
};

using schedulers = ::testing::Types<on_virtual_clock, on_real_time>;
TYPED_TEST_SUITE(Scheduler, schedulers);

}  // namespace

TYPED_TEST(Scheduler, TicksAnIntervalAfterEnablingAndEnablingAgainChangesNothing) {
    ui::timer a(this->window, "a", 30), b(this->window, "b", 25);
    this->watch(a, [&] { b.Enabled(true); });  // at 60 and 90 b is already on: its ticks stay put
    this->watch(b);
    EXPECT_TRUE(this->on.idle());  // nothing armed yet
    a.Enabled(true);
    this->on.run_to(90);  // ticks due at the deadline still run
    EXPECT_EQ(this->log, (ticks{{"a", 30}, {"b", 55}, {"a", 60}, {"b", 80}, {"a", 90}}));
}

TYPED_TEST(Scheduler, DisablingDropsThePendingTickAndANewIntervalRestartsTheCount) {
    ui::timer a(this->window, "a", 30), c(this->window, "c", 20);
    this->watch(a, [&] { a.Interval(50); });
    this->watch(c, [&] {
        a.Enabled(this->on.now_ms() != 20);  // off at 20, so its tick at 30 is dropped; on at 40
        if (this->on.now_ms() == 40) c.Enabled(false);
    });
    a.Enabled(true);
    c.Enabled(true);
    this->on.run_to(120);
    EXPECT_EQ(this->log, (ticks{{"c", 20}, {"c", 40}, {"a", 70}, {"a", 120}}));
}

TYPED_TEST(Scheduler, TimersDueTogetherTickInArmingOrderAndPostedTasksGoFirst) {
    // x was armed before y (though made after it), and ticking at 20 does not change that.
    ui::timer y(this->window, "y", 40), x(this->window, "x", 20);
    this->watch(x, [&] {
        if (this->on.now_ms() == 40) this->on.port().post([&] { this->note("task"); });
    });
    this->watch(y);
    x.Enabled(true);
    y.Enabled(true);
    this->on.port().post([&] { this->note("first"); });
    this->on.run_to(40);
    EXPECT_EQ(this->log, (ticks{{"first", 0}, {"x", 20}, {"x", 40}, {"task", 40}, {"y", 40}}));
}

TYPED_TEST(Scheduler, ATimerOfNoIntervalOrDestroyedNeverTicks) {
    ui::timer zero(this->window, "zero", 0), negative(this->window, "negative", -5);
    zero.Enabled(true);
    negative.Enabled(true);
    EXPECT_TRUE(this->on.idle());
    std::unique_ptr<ui::timer> a, b, c, d;
    for (auto [timer, name, interval] :
         {std::tuple{&a, "a", 30}, {&b, "b", 30}, {&c, "c", 50}, {&d, "d", 20}}) {
        *timer = std::make_unique<ui::timer>(this->window, name, interval);
        this->watch(**timer);
        (*timer)->Enabled(true);
    }
    this->watch(zero);
    this->watch(negative);
    this->watch(*a, [&] { b.reset(); });  // b was due at the same moment, after a
    this->watch(*c, [&] {
        c.reset();  // inside its own tick
        this->note("after");
    });
    d.reset();  // outside any tick
    this->on.run_to(60);
    zero.Interval(25);  // an enabled timer with a new interval counts from now
    this->on.run_to(90);
    EXPECT_EQ(this->log, (ticks{{"a", 30}, {"c", 50}, {"after", 50}, {"a", 60}, {"zero", 85}, {"a", 90}}));
    this->window.stop_timers();
    EXPECT_TRUE(this->on.idle());
}

TEST(VirtualClock, StepsOneEventAtATimeAndStopsAtTheDeadlineOrWhenDone) {
    ui::virtual_clock clock;
    ui::form window{"playground", clock, "", 1000, 1000};
    ui::timer a(window, "a", 30);
    std::vector<long> at;
    a.Timer = [&] { at.push_back(static_cast<long>(clock.now())); };
    EXPECT_FALSE(clock.step());  // nothing to run
    a.Enabled(true);
    clock.post([&] { at.push_back(-1); });
    EXPECT_TRUE(clock.step());  // the task only: time stands
    EXPECT_EQ(at, (std::vector<long>{-1}));
    EXPECT_EQ(clock.now(), 0);
    EXPECT_FALSE(clock.run_until([] { return false; }, 89));  // the tick due at 90 waits
    EXPECT_EQ(at, (std::vector<long>{-1, 30, 60}));
    EXPECT_EQ(clock.now(), 60);
    EXPECT_TRUE(clock.run_until([&] { return at.size() == 4; }, 1000));
    EXPECT_EQ(clock.now(), 90);
    EXPECT_FALSE(clock.idle());
    a.Enabled(false);
    EXPECT_TRUE(clock.idle());
}

namespace {
// The real-time schedule alone: the frame pace, latency, stalls, nesting.
class RealTimeSchedule : public ::testing::Test {
protected:
    on_real_time on;
    ui::form window{"playground", on.port(), "", 1000, 1000};
    static std::int64_t frame_time(std::int64_t k) {
        return k * ui::real_time_schedule::second / ui::real_time_schedule::frames_per_second;
    }
    // Runs what is due at each of these times; what ran, a wake-up at a time.
    std::vector<names> wake_at(std::initializer_list<std::int64_t> times, names& seen) {
        std::vector<names> out;
        for (const std::int64_t t : times) {
            on.time.ns = t;
            seen.clear();
            on.schedule.run_due();
            out.push_back(seen);
        }
        return out;
    }
};
}  // namespace

TEST_F(RealTimeSchedule, ATimerShorterThanAFrameTicksOncePerFrame) {
    ui::timer one(window, "Timer1", 1), sixteen(window, "sixteen", 16), seventeen(window, "seventeen", 17);
    std::vector<std::int64_t> frames, sixteens, seventeens;
    one.Timer = [&] { frames.push_back(on.time.ns); };
    sixteen.Timer = [&] { sixteens.push_back(on.time.ns); };
    seventeen.Timer = [&] { seventeens.push_back(on.time.ns); };
    for (ui::timer* t : {&one, &sixteen, &seventeen}) t->Enabled(true);
    on.run_to(1000);
    ASSERT_EQ(frames.size(), 60u);
    for (std::size_t k = 0; k < frames.size(); ++k)
        EXPECT_EQ(frames[k], frame_time(static_cast<std::int64_t>(k) + 1));
    EXPECT_EQ(sixteens, frames);
    ASSERT_EQ(seventeens.size(), 1000u / 17);
    EXPECT_EQ(seventeens.back(), static_cast<std::int64_t>(seventeens.size()) * 17 * ms);
}

TEST_F(RealTimeSchedule, AHandOverKeepsThePaceWhateverTheWakeUpLatency) {
    // As the playground does: a step switches the frame timer on and itself
    // off; the third frame switches the step timer back on.
    ui::timer step(window, "loop_utama", 30), frame(window, "Timer1", 1);
    std::vector<std::int64_t> steps;
    int frames = 0;
    step.Timer = [&] {
        steps.push_back(on.time.ns);
        frame.Enabled(true);
        step.Enabled(false);
    };
    frame.Timer = [&] {
        if (++frames % 3 != 0) return;
        frame.Enabled(false);
        step.Enabled(true);
    };
    on.late = 3 * ms;  // every wake-up comes 3 ms after the time asked for
    step.Enabled(true);
    on.run_to(800);
    // One round is 30 ms and three frames, 80 ms; latency is not added up.
    ASSERT_EQ(steps.size(), 10u);
    for (std::size_t n = 0; n < steps.size(); ++n)
        EXPECT_EQ(steps[n], (30 + 80 * static_cast<std::int64_t>(n)) * ms + on.late);
}

// A tick found more than three frames late slips its timer's schedule to now; a late wake-up runs
// each timer at most once, so a late frame catches up one tick at a time, and a final frame that
// hands over to a step has that step start the next movement only at the next wake-up.
TEST_F(RealTimeSchedule, AfterAStallTheScheduleSlipsAndALateWakeUpTicksEachTimerOnce) {
    ui::timer step(window, "step", 30);
    names seen;
    step.Timer = [&] { seen.push_back("step"); };
    step.Enabled(true);
    // Due at 30, and the machine was busy for half a second; then 20 ms late is not a stall.
    EXPECT_EQ(wake_at({530 * ms}, seen), (std::vector<names>{{"step"}}));
    EXPECT_EQ(on.schedule.next_wake(), 560 * ms);
    EXPECT_EQ(wake_at({580 * ms}, seen), (std::vector<names>{{"step"}}));
    EXPECT_EQ(on.schedule.next_wake(), 590 * ms);
    step.Enabled(false);

    ui::timer frame(window, "frame", 1);
    frame.Timer = [&] { seen.push_back("frame"); };
    const std::int64_t start = on.time.ns;
    frame.Enabled(true);
    const std::int64_t late = start + frame_time(1) + 40 * ms;  // two frames and a bit late
    EXPECT_EQ(wake_at({late, late, late, late}, seen),
              (std::vector<names>{{"frame"}, {"frame"}, {"frame"}, {}}));
    EXPECT_EQ(on.schedule.next_wake(), start + frame_time(4));
    frame.Enabled(false);

    frame.Timer = [&] {
        seen.push_back("frame");
        frame.Enabled(false);
        step.Enabled(true);
    };
    step.Timer = [&] {
        seen.push_back("step");
        frame.Enabled(true);
        step.Enabled(false);
    };
    frame.Enabled(true);
    const std::int64_t behind = on.time.ns + frame_time(1) + 48 * ms;  // not yet a stall
    EXPECT_EQ(wake_at({behind, behind}, seen), (std::vector<names>{{"frame", "step"}, {"frame"}}));
}

TEST_F(RealTimeSchedule, ATickRunsToItsEndBeforeTheNextTick) {
    // A handler that opens a modal box runs a nested event loop, which wakes the schedule.
    ui::timer a(window, "a", 30), b(window, "b", 30);
    names seen;
    a.Timer = [&] {
        seen.push_back("a begins");
        on.schedule.run_due();
        seen.push_back("a ends");
        a.Enabled(false);
    };
    b.Timer = [&] {
        seen.push_back("b");
        b.Enabled(false);
    };
    a.Enabled(true);
    b.Enabled(true);
    on.run_to(30);
    EXPECT_EQ(seen, (names{"a begins", "a ends", "b"}));
}
