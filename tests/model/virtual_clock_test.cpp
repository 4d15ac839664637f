// Tests of ui::virtual_clock beyond the rules every scheduler keeps: stepping, deadlines, settling.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/form/form.h"
#include "ui/form/timer.h"
#include "ui/form/virtual_clock.h"

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
