// Timers on both schedulers (virtual clock, real-time schedule): their rules, the frame pace, stalls.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ui/form/form.h"
#include "ui/time/real_time_schedule.h"
#include "ui/time/timer.h"
#include "ui/time/virtual_clock.h"

namespace {

using ticks = std::vector<std::pair<std::string, long>>;  // what ran, and when (ms)
using names = std::vector<std::string>;
constexpr std::int64_t ms = 1'000'000;

struct on_virtual_clock {  // the tools' clock
    ui::virtual_clock clock;
    ui::scheduler& port() { return clock; }
    long now_ms() const { return static_cast<long>(clock.now()); }
    void run_to(long deadline) {
        int n = 0;
        clock.run_until([&] { return ++n > 100000; }, deadline);
    }
    bool idle() const { return clock.idle(); }
};

struct fake_time : ui::monotonic_source {
    std::int64_t ns = 0;
    std::int64_t now() override { return ns; }
};

// The host's schedule on a fake clock, woken as the host's QTimer wakes it: at the time it asks for,
// `late` after it.
struct on_real_time {
    fake_time time;
    ui::real_time_schedule schedule{time};
    std::int64_t late = 0;
    ui::scheduler& port() { return schedule; }
    long now_ms() const { return static_cast<long>(time.ns / ms); }
    void run_to(long deadline) {
        for (int n = 0; n < 100000; ++n) {  // a schedule that never gets past its wake-ups fails, not hangs
            const auto wake = schedule.next_wake();
            if (!wake || *wake > deadline * ms) return;
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
    ui::form window{"playground", on.port(), 1000, 1000};
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

// A timer ticks its interval after it is switched on, and on again changes nothing; among ticks due
// together the first armed goes first, after the tasks posted before them; a deadline includes its ticks.
TYPED_TEST(Scheduler, TicksComeInTimeInArmingOrderAfterPostedTasks) {
    ui::timer y(this->window, "y", 40), x(this->window, "x", 20), b(this->window, "b", 25);
    this->watch(x, [&] {
        b.Enabled(true);  // on at 20; at 40 it is on already
        if (this->on.now_ms() == 40) this->on.port().post([&] { this->note("task"); });
    });
    this->watch(y);
    this->watch(b);
    EXPECT_TRUE(this->on.idle());
    x.Enabled(true);
    y.Enabled(true);
    this->on.port().post([&] { this->note("first"); });
    this->on.run_to(45);
    EXPECT_EQ(this->log, (ticks{{"first", 0}, {"x", 20}, {"x", 40}, {"task", 40}, {"y", 40}, {"b", 45}}));
}

// A destroyed timer also leaves its window: stopping the window's timers touches no timer made since,
// though it may stand where the destroyed one stood.
TYPED_TEST(Scheduler, ATimerOfNoIntervalOrDestroyedNeverTicks) {
    ui::form other{"Utama", this->on.port(), 1000, 1000};
    ui::timer zero(this->window, "zero", 0), negative(this->window, "negative", -5);
    this->watch(zero);
    this->watch(negative);
    zero.Enabled(true);
    negative.Enabled(true);
    EXPECT_TRUE(this->on.idle());
    auto a = std::make_unique<ui::timer>(this->window, "a", 30),
         b = std::make_unique<ui::timer>(this->window, "b", 30),
         c = std::make_unique<ui::timer>(this->window, "c", 50),
         d = std::make_unique<ui::timer>(this->window, "d", 20);
    this->watch(*a, [&] { b.reset(); });  // b was due at the same moment, after a
    this->watch(*b);
    this->watch(*c, [&] {
        c.reset();  // inside its own tick
        this->note("after");
    });
    this->watch(*d);
    for (ui::timer* t : {a.get(), b.get(), c.get(), d.get()}) t->Enabled(true);
    d.reset();  // outside any tick
    const auto since = std::make_unique<ui::timer>(other, "since", 1000);
    since->Enabled(true);
    this->on.run_to(60);
    zero.Interval(25);  // an enabled timer with a new interval counts from now
    this->on.run_to(90);
    EXPECT_EQ(this->log, (ticks{{"a", 30}, {"c", 50}, {"after", 50}, {"a", 60}, {"zero", 85}, {"a", 90}}));
    this->window.stop_timers();
    EXPECT_TRUE(since->Enabled());
    other.stop_timers();
    EXPECT_TRUE(this->on.idle());
}

namespace {
// The real-time schedule alone: the frame pace, latency, stalls, nesting.
class RealTimeSchedule : public ::testing::Test {
protected:
    on_real_time on;
    ui::form window{"playground", on.port(), 1000, 1000};
    ui::timer step{window, "step", 30}, frame{window, "frame", 1};
    names seen;

    static std::int64_t frame_time(std::int64_t k) {
        return k * ui::real_time_schedule::second / ui::real_time_schedule::frames_per_second;
    }
    // What runs at each wake-up at these times.
    std::vector<names> wake_at(std::initializer_list<std::int64_t> times) {
        std::vector<names> out;
        for (const std::int64_t t : times) {
            on.time.ns = t;
            seen.clear();
            on.schedule.run_due();
            out.push_back(seen);
        }
        return out;
    }
    // As the playground hands over: a step starts the frames and stops; the last frame of a movement
    // (every `frames` one) stops them and starts the step timer again.
    void hand_over(int frames) {
        step.Timer = [this] {
            seen.push_back("step");
            frame.Enabled(true);
            step.Enabled(false);
        };
        frame.Timer = [this, frames, drawn = 0]() mutable {
            seen.push_back("frame");
            if (++drawn % frames != 0) return;
            frame.Enabled(false);
            step.Enabled(true);
        };
    }
};
}  // namespace

// A frame timer of 1 ms ticks once a frame, 60 times a second.
TEST_F(RealTimeSchedule, AHandOverKeepsThePaceWhateverTheWakeUpLatency) {
    hand_over(3);
    on.late = 3 * ms;  // every wake-up comes 3 ms after the time asked for
    step.Enabled(true);
    on.run_to(800);
    // One round is 30 ms and three frames, 80 ms; latency is not added up: the tenth round's last frame
    // comes at 800 ms, 3 ms late.
    EXPECT_EQ(std::count(seen.begin(), seen.end(), "step"), 10);
    EXPECT_EQ(on.time.ns, (30 + 80 * 9 + 50) * ms + on.late);
}

// A tick found more than three frames late slips its timer's schedule to now; a late wake-up runs each
// timer at most once, so a late frame catches up one tick at a time, and a final frame that hands over
// to a step has that step start the next movement only at the next wake-up.
TEST_F(RealTimeSchedule, AfterAStallTheScheduleSlipsAndALateWakeUpTicksEachTimerOnce) {
    step.Timer = [&] { seen.push_back("step"); };
    step.Enabled(true);
    // Due at 30, and the machine was busy for half a second; then 20 ms late is not a stall.
    EXPECT_EQ(wake_at({530 * ms}), (std::vector<names>{{"step"}}));
    EXPECT_EQ(on.schedule.next_wake(), 560 * ms);
    EXPECT_EQ(wake_at({580 * ms}), (std::vector<names>{{"step"}}));
    EXPECT_EQ(on.schedule.next_wake(), 590 * ms);
    step.Enabled(false);

    hand_over(1000);
    const std::int64_t start = on.time.ns;
    frame.Enabled(true);
    const std::int64_t late = start + frame_time(1) + 40 * ms;  // two frames and a bit late
    EXPECT_EQ(wake_at({late, late, late, late}), (std::vector<names>{{"frame"}, {"frame"}, {"frame"}, {}}));
    EXPECT_EQ(on.schedule.next_wake(), start + frame_time(4));
    frame.Enabled(false);

    hand_over(1);
    frame.Enabled(true);
    const std::int64_t behind = on.time.ns + frame_time(1) + 48 * ms;  // not yet a stall
    EXPECT_EQ(wake_at({behind, behind}), (std::vector<names>{{"frame", "step"}, {"frame"}}));
}

TEST_F(RealTimeSchedule, ATickRunsToItsEndBeforeTheNextTick) {
    // A handler that opens a modal box runs a nested event loop, which wakes the schedule.
    step.Timer = [&] {
        seen.push_back("a begins");
        on.schedule.run_due();
        seen.push_back("a ends");
        step.Enabled(false);
    };
    ui::timer b(window, "b", 30);
    b.Timer = [&] {
        seen.push_back("b");
        b.Enabled(false);
    };
    step.Enabled(true);
    b.Enabled(true);
    on.run_to(30);
    EXPECT_EQ(seen, (names{"a begins", "a ends", "b"}));
}
