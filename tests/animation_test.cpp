// The frame timer's eight animations: rolls and jumps, their frame counts, colours and final frame.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "ui/program/headless.h"

namespace {

constexpr double cell_width = 615;

// A roll moves `step` a frame and arrives once past the next cell.
int roll_frames(int step) { return static_cast<int>(std::floor(cell_width / step)) + 1; }

// A jump climbs until it reaches the middle cell, then sinks until it is past
// the destination, step x sqrt(2) sideways every frame.
int jump_frames(int step) {
    const double q = step * std::sqrt(2.0);
    const int rising = static_cast<int>(std::ceil(cell_width / q));
    return std::max(static_cast<int>(std::floor(2 * cell_width / q)) + 1, rising + 1);
}

// One marble of each colour on a three-cell track; a test puts the moving
// marble on its starting cell and sets up the animation as a move does.
class Animation : public ::testing::Test {
protected:
    program::headless_session s;
    playground::playground* pg = nullptr;
    float rest = 0;

    void SetUp() override {
        s.open_playground(1);
        pg = &s.pg();
        rest = pg->bckGrnd(0).Top();
    }

    static bool blue_kind(int kind) { return kind == 1 || kind == 3 || kind == 5 || kind == 7; }

    ui::shape& start(int kind, int from, int step) {
        engine::modul_tiroka& st = s.app.state();
        st.anim_kind = static_cast<engine::small>(kind);
        st.moving_ball = blue_kind(kind) ? 1 : 2;  // blue marble 1, red marble 2
        st.speed = static_cast<engine::small>(step);
        ui::shape& marble = blue_kind(kind) ? pg->shpBall1(1) : pg->shpBall2(1);
        marble.Tag(std::to_string(from));
        marble.Left(pg->bckGrnd(from).Left());
        marble.Top(rest);
        pg->Timer1.Enabled(true);
        return marble;
    }

    // Draw frames until the animation closes; returns how many it took.
    int finish(int limit = 5000) {
        int frames = 0;
        while (pg->Timer1.Enabled() && frames < limit) {
            pg->Timer1_Timer();
            ++frames;
        }
        return frames;
    }
};

TEST_F(Animation, ARollTakesOneFrameMoreThanWholeStepsFitInACell) {
    // Landing exactly on the next cell is not arriving yet.
    start(3, 1, 615);
    EXPECT_EQ(finish(), 2);
    start(3, 1, 616);
    EXPECT_EQ(finish(), 1);
    for (int step = 1; step <= 1000; ++step) {
        for (int kind : {3, 4, 7, 8}) {
            start(kind, 2, step);
            ASSERT_EQ(finish(), roll_frames(step)) << "kind " << kind << " step " << step;
        }
    }
}

TEST_F(Animation, AJumpTakesTheFramesOfItsTwoLegs) {
    const int documented[][2] = {{20, 44}, {10, 87}, {300, 3}, {434, 3}, {435, 2}, {1000, 2}};
    for (const auto& [step, frames] : documented) {
        start(1, 1, step);
        EXPECT_EQ(finish(), frames) << "step " << step;
    }
    for (int step = 1; step <= 1000; ++step) {
        for (int kind : {1, 2, 5, 6}) {
            start(kind, kind == 1 || kind == 6 ? 1 : 3, step);
            ASSERT_EQ(finish(), jump_frames(step)) << "kind " << kind << " step " << step;
        }
    }
}

TEST_F(Animation, AJumpClimbsUntilTheMiddleCellThenSinks) {
    ui::shape& marble = start(1, 1, 20);
    for (int frame = 1; frame <= 43; ++frame) {
        pg->Timer1_Timer();
        // 22 frames up to the peak, 440 over the rest, then down again.
        const int height = frame <= 22 ? 20 * frame : 440 - 20 * (frame - 22);
        EXPECT_EQ(marble.Top(), rest - static_cast<float>(height)) << frame;
        if (frame == 22) {
            EXPECT_GE(marble.Left(), pg->bckGrnd(2).Left());
        }
    }
    EXPECT_TRUE(pg->Timer1.Enabled());
    pg->Timer1_Timer();
    EXPECT_FALSE(pg->Timer1.Enabled());
    EXPECT_EQ(marble.Top(), rest);

    // A marble exactly over the middle cell is past the top: it sinks.
    start(1, 1, 20);
    marble.Left(pg->bckGrnd(2).Left());
    marble.Top(rest - 100);
    pg->Timer1_Timer();
    EXPECT_EQ(marble.Top(), rest - 80);

    // Step 10: 44 frames up and 43 down leave it 10 up; the snap removes that.
    start(1, 1, 10);
    for (int frame = 1; frame <= 86; ++frame) pg->Timer1_Timer();
    EXPECT_EQ(marble.Top(), rest - 20);
    pg->Timer1_Timer();
    EXPECT_FALSE(pg->Timer1.Enabled());
    EXPECT_EQ(marble.Top(), rest);

    // Step 1000: the rising frame already overshoots the destination; only
    // the falling frame may end the jump.
    start(1, 1, 1000);
    pg->Timer1_Timer();
    EXPECT_GT(marble.Left(), pg->bckGrnd(3).Left());
    EXPECT_EQ(marble.Top(), rest - 1000);
    EXPECT_TRUE(pg->Timer1.Enabled());
}

TEST_F(Animation, EveryAnimationEndsOnItsDestinationAndHandsBackToTheSearch) {
    struct case_t {
        int kind, from, to;
        bool taken_back;
    };
    // 0 and 9 are no animation kind: they show a red roll to the right, taken back.
    const case_t cases[] = {{1, 1, 3, false}, {2, 3, 1, false}, {3, 1, 2, false},
                            {4, 3, 2, false}, {5, 3, 1, true},  {6, 1, 3, true},
                            {7, 2, 1, true},  {8, 2, 3, true},  {0, 2, 3, true},
                            {9, 2, 3, true}};
    for (const case_t& c : cases) {
        SCOPED_TRACE("kind " + std::to_string(c.kind));
        ui::shape& marble = start(c.kind, c.from, 20);
        const ui::colour own = blue_kind(c.kind) ? playground::blue_marble : playground::red_marble;
        pg->loop_utama.Enabled(false);
        int frames = 0;
        while (pg->Timer1.Enabled() && frames < 100) {
            pg->Timer1_Timer();
            ++frames;
            if (pg->Timer1.Enabled()) {
                EXPECT_EQ(marble.BackColor(), c.taken_back ? playground::retreat_green : own);
                EXPECT_FALSE(pg->loop_utama.Enabled());
            }
        }
        EXPECT_EQ(frames, std::abs(c.to - c.from) == 2 ? 44 : 31);
        EXPECT_EQ(marble.BackColor(), own);
        EXPECT_EQ(marble.Tag(), std::to_string(c.to));
        EXPECT_EQ(marble.Left(), pg->bckGrnd(c.to).Left());
        EXPECT_EQ(marble.Top(), rest);
        EXPECT_FALSE(pg->Timer1.Enabled());
        EXPECT_TRUE(pg->loop_utama.Enabled());
    }
}

TEST_F(Animation, EveryFrameReadsTheStepAnew) {
    ui::shape& blue = start(3, 1, 20);
    const float from = blue.Left();
    for (int frame = 0; frame < 10; ++frame) pg->Timer1_Timer();
    EXPECT_EQ(blue.Left(), from + 200);
    pg->Kecepatan.Value(100);
    EXPECT_EQ(s.app.state().speed, 100);
    pg->Timer1_Timer();
    EXPECT_EQ(blue.Left(), from + 300);
    EXPECT_EQ(finish(), 4);  // 400, 500, 600, then past 615
    EXPECT_EQ(blue.Left(), pg->bckGrnd(2).Left());

    start(1, 1, 20);
    for (int frame = 0; frame < 10; ++frame) pg->Timer1_Timer();
    const float left = blue.Left(), top = blue.Top();
    pg->Kecepatan.Value(50);
    pg->Timer1_Timer();
    EXPECT_NEAR(blue.Left() - left, 50 * std::sqrt(2.0), 1e-3);
    EXPECT_EQ(blue.Top(), top - 50);
    EXPECT_GT(finish(), 0);
    EXPECT_EQ(blue.Left(), pg->bckGrnd(3).Left());
    EXPECT_EQ(blue.Top(), rest);
    EXPECT_EQ(blue.Tag(), "3");

    // A step of 0 holds the marble where it is until the step is raised.
    for (int kind : {3, 1}) {
        start(kind, 1, 0);
        for (int frame = 0; frame < 50; ++frame) pg->Timer1_Timer();
        EXPECT_TRUE(blue.Left() == pg->bckGrnd(1).Left() && blue.Top() == rest);
        EXPECT_TRUE(pg->Timer1.Enabled());
        s.app.state().speed = 20;
        EXPECT_EQ(finish(), kind == 3 ? 31 : 44);
    }
}

// On the clock: every tick of the frame timer draws one frame, and the
// search waits until the marble has arrived.
std::vector<int> frames_of_a_run(int step) {
    program::headless_session s;
    s.open_playground(1);
    playground::playground& pg = s.pg();
    std::vector<int> frames;
    int current = 0;
    bool search_ran_during_a_movement = false;
    auto frame = pg.Timer1.Timer;
    pg.Timer1.Timer = [&] {
        if (pg.loop_utama.Enabled()) search_ran_during_a_movement = true;
        frame();
        ++current;
        if (!pg.Timer1.Enabled()) {
            frames.push_back(current);
            current = 0;
        }
    };
    if (step != 20) pg.Kecepatan.Value(step);
    pg.play.click();
    EXPECT_TRUE(s.run_to_success(100000));
    EXPECT_FALSE(search_ran_during_a_movement);
    return frames;
}

TEST(AnimationOnTheClock, ARunShowsEveryMoveInFull) {
    EXPECT_EQ(frames_of_a_run(20), (std::vector<int>{31, 44, 31}));
    EXPECT_EQ(frames_of_a_run(300), (std::vector<int>{3, 3, 3}));
    EXPECT_EQ(frames_of_a_run(1000), (std::vector<int>{1, 2, 1}));
}

}  // namespace
