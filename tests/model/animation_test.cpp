// The frame timer's eight animations: rolls and jumps, their frame counts, colours and final frame.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "ui/program/headless.h"

namespace {

// One marble of each colour on a three-cell track; a test puts the moving
// marble on its starting cell and sets up the animation as a move does.
class Animation : public ::testing::Test {
protected:
    program::headless_session s;
    search_view::playground* pg = nullptr;
    float rest = 0;

    void SetUp() override {
        s.open_playground(1);
        pg = &s.playground();
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
        pg->loop_utama.Enabled(false);
        return marble;
    }

    // Draw frames until the animation closes; returns how many it took.
    int finish() {
        int frames = 0;
        for (; pg->Timer1.Enabled() && frames < 5000; ++frames) pg->Timer1_Timer();
        return frames;
    }
};

TEST_F(Animation, FrameCountsOfRollsAndJumps) {
    struct case_t {
        int kind, step, frames;
    };
    // A roll arrives once past the next cell: landing exactly on it is not arriving yet.
    // clang-format off
    const case_t cases[] = {{3, 20, 31}, {3, 300, 3}, {3, 615, 2}, {3, 616, 1}, {3, 1000, 1},
                            {1, 20, 44}, {1, 10, 87}, {1, 300, 3}, {1, 434, 3}, {1, 435, 2}, {1, 1000, 2}};
    // clang-format on
    for (const case_t& c : cases) {
        start(c.kind, 1, c.step);
        EXPECT_EQ(finish(), c.frames) << "kind " << c.kind << ", step " << c.step;
    }
}

TEST_F(Animation, AJumpClimbsUntilTheMiddleCellThenSinks) {
    ui::shape& marble = start(1, 1, 20);
    for (int frame = 1; frame <= 43; ++frame) {
        pg->Timer1_Timer();
        // 22 frames up to the peak of 440, then down again.
        const int height = frame <= 22 ? 20 * frame : 440 - 20 * (frame - 22);
        ASSERT_EQ(marble.Top(), rest - static_cast<float>(height)) << frame;
    }
    pg->Timer1_Timer();
    EXPECT_FALSE(pg->Timer1.Enabled());
    EXPECT_EQ(marble.Top(), rest);

    // A marble exactly over the middle cell is past the top: it sinks.
    start(1, 1, 20);
    marble.Left(pg->bckGrnd(2).Left());
    marble.Top(rest - 100);
    pg->Timer1_Timer();
    EXPECT_EQ(marble.Top(), rest - 80);
}

TEST_F(Animation, EveryAnimationEndsOnItsDestinationAndHandsBackToTheSearch) {
    struct case_t {
        int kind, from, to;
    };
    // Kinds 5 to 8 take a move back and show the marble green on its way;
    // 0 and 9 are no animation kind: they show a red roll to the right, taken back.
    const case_t cases[] = {{1, 1, 3}, {2, 3, 1}, {3, 1, 2}, {4, 3, 2}, {5, 3, 1},
                            {6, 1, 3}, {7, 2, 1}, {8, 2, 3}, {0, 2, 3}, {9, 2, 3}};
    for (const case_t& c : cases) {
        SCOPED_TRACE("kind " + std::to_string(c.kind));
        ui::shape& marble = start(c.kind, c.from, 20);
        const ui::colour own = blue_kind(c.kind) ? search_view::blue_marble : search_view::red_marble;
        const bool taken_back = c.kind < 1 || c.kind > 4;
        int frames = 0;
        for (; pg->Timer1.Enabled() && frames < 100; ++frames) {
            pg->Timer1_Timer();
            if (pg->Timer1.Enabled()) {
                EXPECT_EQ(marble.BackColor(), taken_back ? search_view::retreat_green : own);
                EXPECT_FALSE(pg->loop_utama.Enabled());
            }
        }
        EXPECT_EQ(frames, std::abs(c.to - c.from) == 2 ? 44 : 31);
        EXPECT_EQ(marble.BackColor(), own);
        EXPECT_EQ(marble.Tag(), std::to_string(c.to));
        EXPECT_EQ(marble.Left(), pg->bckGrnd(c.to).Left());
        EXPECT_EQ(marble.Top(), rest);
        EXPECT_TRUE(pg->loop_utama.Enabled());
    }
}

}  // namespace
