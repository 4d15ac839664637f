// Play, pause, resume, reset and the speed slider, through the states of a run.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ui/form/embedded.h"
#include "ui/program/headless.h"

namespace {

using strings = std::vector<std::string>;

class Playback : public ::testing::Test {
protected:
    program::headless_session s;

    void SetUp() override { s.open_playground(2); }
    playground::playground& pg() { return s.pg(); }
    bool run_until(const std::function<bool()>& done) {
        return s.clock.run_until(done, s.clock.now() + 100000);
    }
    bool moving() { return pg().Timer1.Enabled(); }
};

TEST_F(Playback, OnlyPlayAndResetReactInReady) {
    EXPECT_TRUE(pg().play.Enabled() && pg().reset.Enabled());
    EXPECT_FALSE(pg().pause.Enabled() || pg().resume1.Enabled());
    EXPECT_EQ(pg().play.Picture(), ui::embedded("play", 48, 41));
    EXPECT_EQ(pg().pause.Picture(), ui::embedded("pause", 48, 41));

    pg().pause.click();
    pg().resume1.click();
    EXPECT_FALSE(s.clock.run_until([] { return false; }, 10000));
    EXPECT_TRUE(s.files_read.empty());
    EXPECT_FALSE(pg().loop_utama.Enabled());
    EXPECT_EQ(pg().langkah.ListCount(), 0u);
}

TEST_F(Playback, PauseBeforeTheFirstStepHoldsTheSearchAtTheStart) {
    pg().play.click();
    EXPECT_EQ(s.files_read, (strings{"buttonclick.jpg", "pause.jpg"}));
    EXPECT_FALSE(pg().play.Enabled());
    EXPECT_TRUE(pg().pause.Enabled());
    EXPECT_EQ(pg().play.Picture().source, "file:buttonclick.jpg");

    pg().pause.click();
    EXPECT_EQ(s.files_read,
              (strings{"buttonclick.jpg", "pause.jpg", "pauseclick.jpg", "resume.jpg"}));
    EXPECT_EQ(pg().pause.Picture().source, "file:pauseclick.jpg");
    EXPECT_EQ(pg().resume1.Picture().source, "file:resume.jpg");
    EXPECT_TRUE(pg().resume1.Enabled());
    EXPECT_TRUE(pg().pause.Enabled());
    EXPECT_FALSE(pg().loop_utama.Enabled());

    // A second pause reloads the pictures and changes nothing else.
    pg().pause.click();
    EXPECT_EQ(s.files_read.size(), 6u);
    EXPECT_TRUE(pg().resume1.Enabled());
    EXPECT_FALSE(run_until([&] { return pg().langkah.ListCount() > 0; }));

    pg().resume1.click();
    EXPECT_FALSE(pg().resume1.Enabled());
    EXPECT_EQ(pg().resume1.Picture().source, "file:resumeclick.jpg");
    EXPECT_EQ(pg().pause.Picture().source, "file:pause.jpg");
    EXPECT_TRUE(pg().loop_utama.Enabled());
    ASSERT_TRUE(run_until([&] { return pg().langkah.ListCount() > 0; }));
    EXPECT_EQ(pg().langkah.List(0), "1.Blue roll (2,3)");
}

TEST_F(Playback, PauseWhileAMarbleMovesChangesNothingButHoldsOnceItHasArrived) {
    pg().play.click();
    ASSERT_TRUE(run_until([&] { return moving(); }));
    const std::size_t read = s.files_read.size();
    pg().pause.click();
    EXPECT_EQ(s.files_read.size(), read);
    EXPECT_EQ(pg().pause.Picture().source, "file:pause.jpg");
    EXPECT_TRUE(pg().pause.Enabled());
    EXPECT_FALSE(pg().resume1.Enabled());

    // The marble arrives and the search waits for its next tick: now it holds.
    ASSERT_TRUE(run_until([&] { return !moving(); }));
    ASSERT_TRUE(pg().loop_utama.Enabled());
    pg().pause.click();
    EXPECT_TRUE(pg().resume1.Enabled());
    EXPECT_FALSE(run_until([&] { return pg().langkah.ListCount() > 1; }));
    pg().resume1.click();
    ASSERT_TRUE(run_until([&] { return pg().langkah.ListCount() == 2; }));
    EXPECT_EQ(pg().langkah.List(1), "2.Red jump (4,2)");
}

TEST_F(Playback, ResetInTheMiddleOfAMovementClosesTheWindowAtOnce) {
    pg().Kecepatan.Value(5);
    pg().play.click();
    ASSERT_TRUE(run_until([&] { return moving(); }));
    playground::playground& old = pg();
    int ticks_after_reset = 0;
    auto token = std::make_shared<int>(0);
    const std::weak_ptr<int> window_alive = token;
    old.Timer1.Timer = [&ticks_after_reset, token] { ++ticks_after_reset; };
    old.loop_utama.Timer = [&ticks_after_reset, token] { ++ticks_after_reset; };
    token.reset();

    old.reset.click();
    EXPECT_EQ(s.app.playground(), nullptr);
    ASSERT_NE(s.app.utama(), nullptr);
    EXPECT_FALSE(old.Timer1.Enabled() || old.loop_utama.Enabled());
    EXPECT_FALSE(window_alive.expired());  // still inside its own click
    s.settle();
    EXPECT_TRUE(window_alive.expired());
    EXPECT_FALSE(s.clock.run_until([] { return false; }, s.clock.now() + 10000));
    EXPECT_EQ(ticks_after_reset, 0);

    s.open_playground(3);
    EXPECT_EQ(s.app.state().speed, 20);
    EXPECT_TRUE(pg().play.Enabled());
    EXPECT_FALSE(pg().pause.Enabled() || pg().resume1.Enabled());
    EXPECT_FALSE(pg().loop_utama.Enabled() || moving());
}

TEST_F(Playback, TheSliderBeforePlaySetsTheFirstMovementsStep) {
    EXPECT_EQ(s.app.state().speed, 20);
    pg().Kecepatan.Value(300);
    EXPECT_EQ(s.app.state().speed, 300);
    pg().play.click();
    ASSERT_TRUE(run_until([&] { return moving(); }));
    int frames = 0;
    while (moving()) {
        ASSERT_TRUE(s.clock.step());
        ++frames;
    }
    EXPECT_EQ(frames, 3);  // a roll of 615 in steps of 300
}

TEST_F(Playback, AtTheGoalTheMessageComesAndOnlyResetLeadsOn) {
    std::size_t read_before_message = 0;
    bool search_timer_on_during_message = true;
    bool pause_enabled_during_message = false;
    s.on_message = [&](const std::string&) {
        read_before_message = s.files_read.size();
        search_timer_on_during_message = pg().loop_utama.Enabled();
        pause_enabled_during_message = pg().pause.Enabled();
    };
    pg().play.click();
    ASSERT_TRUE(s.run_to_success(1000000));

    EXPECT_EQ(s.messages, strings{"Banyak langkah = 8"});
    EXPECT_FALSE(search_timer_on_during_message);
    EXPECT_TRUE(pause_enabled_during_message);  // disabled once the box is answered
    ASSERT_EQ(s.files_read.size(), read_before_message + 1);
    EXPECT_EQ(s.files_read.back(), "pauseclick.jpg");
    EXPECT_EQ(pg().pause.Picture().source, "file:pauseclick.jpg");
    EXPECT_FALSE(pg().pause.Enabled() || pg().resume1.Enabled() || pg().play.Enabled());
    EXPECT_EQ(s.app.state().step_count, -1);
    EXPECT_FALSE(pg().loop_utama.Enabled() || moving());
    EXPECT_FALSE(pg().bckTrack.Visible());
    EXPECT_EQ(pg().langkah.ListCount(), 18u);
    EXPECT_EQ(pg().Effi.ListCount(), 8u);

    // However long the clock runs, and whatever is clicked, no step follows.
    pg().pause.click();
    pg().resume1.click();
    pg().play.click();
    EXPECT_FALSE(s.clock.run_until([] { return false; }, s.clock.now() + 100000));
    EXPECT_EQ(pg().langkah.ListCount(), 18u);
    EXPECT_EQ(s.messages.size(), 1u);
    pg().reset.click();
    EXPECT_NE(s.app.utama(), nullptr);
}

TEST_F(Playback, AButtonTakesTheSizeOfItsNewPicture) {
    s.picture_answers["buttonclick.jpg"] = ui::picture{"wide", 60, 50};
    s.picture_answers["pause.jpg"] = ui::picture{"small", 32, 32};
    const float left = pg().play.Left(), top = pg().play.Top();
    pg().play.click();
    EXPECT_EQ(pg().play.Picture().source, "wide");
    EXPECT_TRUE(pg().play.Width() == 900 && pg().play.Height() == 750);
    EXPECT_TRUE(pg().play.Left() == left && pg().play.Top() == top);
    EXPECT_TRUE(pg().pause.Width() == 480 && pg().pause.Height() == 480);
}

}  // namespace
