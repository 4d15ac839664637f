// Play, pause, resume, reset, Space and the speed slider, through the states of a run.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ui/program/headless.h"

namespace {

using strings = std::vector<std::string>;

class Playback : public ::testing::Test {
protected:
    program::headless_session s;

    void SetUp() override { s.open_playground(2); }
    search_view::playground& pg() { return s.playground(); }
    bool run_until(const std::function<bool()>& done) {
        return s.clock.run_until(done, s.clock.now() + 100000);
    }
    bool moving() { return pg().Timer1.Enabled(); }
    std::size_t lines() { return pg().langkah.ListCount(); }
    // Which of play, pause and resume1 take a click, such as "play pause".
    std::string enabled() {
        std::string out;
        for (const ui::image* button : {&pg().play, &pg().pause, &pg().resume1})
            if (button->Enabled()) out += (out.empty() ? "" : " ") + std::string(button->name());
        return out;
    }
    std::string faces() { return pg().pause.Picture().name + " " + pg().resume1.Picture().name; }
};

TEST_F(Playback, PauseBeforeTheFirstStepHoldsTheSearchAtTheStart) {
    EXPECT_EQ(enabled(), "play");  // and reset: pause and resume1 do nothing yet
    pg().pause.user_click();
    pg().resume1.user_click();
    EXPECT_FALSE(s.clock.step());
    EXPECT_TRUE(s.files_read.empty());

    pg().play.user_click();
    EXPECT_EQ(enabled(), "pause");
    EXPECT_EQ(pg().play.Picture().name, "buttonclick.jpg");
    pg().pause.user_click();
    pg().pause.user_click();  // a second pause reloads the pictures and changes nothing else
    EXPECT_EQ(s.files_read, (strings{"buttonclick.jpg", "pause.jpg", "pauseclick.jpg", "resume.jpg",
                                     "pauseclick.jpg", "resume.jpg"}));
    EXPECT_EQ(faces(), "pauseclick.jpg resume.jpg");
    EXPECT_EQ(enabled(), "pause resume1");
    EXPECT_FALSE(run_until([&] { return lines() > 0; }));

    pg().resume1.user_click();
    EXPECT_EQ(enabled(), "pause");
    EXPECT_EQ(faces(), "pause.jpg resumeclick.jpg");
    ASSERT_TRUE(run_until([&] { return lines() > 0; }));
    EXPECT_EQ(pg().langkah.List(0), "1.Blue roll (2,3)");
}

// A pause clicked while a marble moves takes hold when the marble arrives, during a roll and a jump.
TEST_F(Playback, PauseWhileAMarbleMovesTakesHoldWhenItArrives) {
    pg().Kecepatan.Value(300);  // the slider before play sets the first movement's step
    pg().play.user_click();
    ASSERT_TRUE(run_until([&] { return moving(); }));
    const std::size_t read = s.files_read.size();
    pg().pause.user_click();
    pg().pause.user_click();  // a second click during the same movement adds nothing
    EXPECT_EQ(s.files_read.size(), read);
    EXPECT_EQ(enabled(), "pause");

    int frames = 0;  // the last frame of the roll enters the pause
    for (; moving() && frames < 100; ++frames) ASSERT_TRUE(s.clock.step());
    EXPECT_EQ(frames, 615 / 300 + 1);
    EXPECT_EQ(pg().shpBall1(2).Left(), pg().bckGrnd(3).Left());
    EXPECT_FALSE(pg().loop_utama.Enabled());
    EXPECT_EQ(s.files_read, (strings{"buttonclick.jpg", "pause.jpg", "pauseclick.jpg", "resume.jpg"}));
    EXPECT_EQ(faces(), "pauseclick.jpg resume.jpg");
    EXPECT_EQ(enabled(), "pause resume1");
    EXPECT_FALSE(run_until([&] { return lines() > 1; }));

    pg().resume1.user_click();
    ASSERT_TRUE(run_until([&] { return lines() == 2; }));
    EXPECT_EQ(pg().langkah.List(1), "2.Red jump (4,2)");
    ASSERT_TRUE(moving());
    pg().pause.user_click();  // the jump lands on its cell at rest, then holds
    EXPECT_EQ(enabled(), "pause");
    while (moving()) ASSERT_TRUE(s.clock.step());
    EXPECT_EQ(pg().shpBall2(1).Left(), pg().bckGrnd(2).Left());
    EXPECT_EQ(pg().shpBall2(1).Top(), pg().bckGrnd(0).Top());
    EXPECT_EQ(enabled(), "pause resume1");
    EXPECT_FALSE(run_until([&] { return lines() > 2; }));
}

TEST_F(Playback, SpaceClicksTheButtonThatWouldTakeIt) {
    pg().space_key();  // ready: play
    EXPECT_EQ(enabled(), "pause");
    EXPECT_TRUE(pg().loop_utama.Enabled());
    pg().space_key();  // running, between steps: pause holds at once
    EXPECT_EQ(enabled(), "pause resume1");
    pg().space_key();  // paused: resume
    EXPECT_EQ(enabled(), "pause");
    EXPECT_EQ(pg().resume1.Picture().name, "resumeclick.jpg");
    ASSERT_TRUE(s.run_to_success(1000000));
    EXPECT_EQ(enabled(), "");
    const std::size_t read = s.files_read.size();
    pg().space_key();  // finished: every button is dark, and Space does nothing
    EXPECT_EQ(s.files_read.size(), read);
    EXPECT_FALSE(s.clock.step());
}

TEST_F(Playback, ResetInTheMiddleOfAMovementWithAPausePendingClosesTheWindowAtOnce) {
    pg().play.user_click();
    ASSERT_TRUE(run_until([&] { return moving(); }));
    pg().pause.user_click();
    search_view::playground& old = pg();
    auto token = std::make_shared<int>();  // held by the old window until it is destroyed
    const std::weak_ptr<int> window_alive = token;
    old.Timer1.Timer = [token] {};
    token.reset();
    old.reset.user_click();
    ASSERT_NE(s.app.utama(), nullptr);
    // The old window goes once its click has been handled; its timers stop at once.
    EXPECT_FALSE(window_alive.expired());
    EXPECT_FALSE(old.Timer1.Enabled() || old.loop_utama.Enabled());
    s.settle();
    EXPECT_TRUE(window_alive.expired());
    EXPECT_FALSE(s.clock.step());

    s.open_playground(1);  // a fresh window: nothing of the old track or run is left
    EXPECT_EQ(s.app.state().speed, 20);
    EXPECT_EQ(enabled(), "play");
    EXPECT_FALSE(pg().bckGrnd.exists(4) || pg().shpBall1.exists(2));
    EXPECT_EQ(lines() + pg().Effi.ListCount(), 0u);
    pg().play.user_click();
    ASSERT_TRUE(run_until([&] { return lines() == 3; }));  // no pause carried over
}

TEST_F(Playback, AtTheGoalTheMessageComesAndOnlyResetLeadsOn) {
    std::size_t read_before_message = 0;
    std::string during_message;
    s.on_message = [&](const std::string&) {
        read_before_message = s.files_read.size();
        during_message = enabled() + (pg().loop_utama.Enabled() ? ", searching" : "");
    };
    pg().play.user_click();
    ASSERT_TRUE(s.run_to_success(1000000));

    EXPECT_EQ(s.messages, strings{"Banyak langkah = 8"});
    EXPECT_EQ(during_message, "pause");  // disabled once the box is answered
    EXPECT_EQ(s.files_read.size(), read_before_message + 1);
    EXPECT_EQ(pg().pause.Picture().name, "pauseclick.jpg");
    EXPECT_EQ(enabled(), "");
    EXPECT_FALSE(pg().loop_utama.Enabled() || moving() || pg().bckTrack.Visible());

    // However long the clock runs, and whatever is clicked, no step follows.
    const std::size_t logged = lines();
    pg().pause.user_click();
    pg().resume1.user_click();
    pg().play.user_click();
    EXPECT_FALSE(s.clock.run_until([] { return false; }, s.clock.now() + 100000));
    EXPECT_EQ(lines(), logged);
    EXPECT_EQ(s.messages.size(), 1u);
    pg().reset.user_click();
    EXPECT_NE(s.app.utama(), nullptr);
}

}  // namespace
