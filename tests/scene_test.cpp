// The playground's load: the initial position, the track, the marbles and the layout around them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/program/headless.h"

namespace {

using engine::small;
using cells_t = std::vector<engine::cell>;

// What every load must give, whatever N is: a row of 2N+1 cells, 615 apart,
// centred on the window's outer width and shifted 45 to the left, numbered
// underneath, with the blue marbles on the left and the red ones on the right.
void expect_track_for(int n) {
    SCOPED_TRACE("N = " + std::to_string(n));
    program::headless_session s;
    s.open_playground(n);
    playground::playground& pg = s.pg();
    const int cells = 2 * n + 1;
    const float first = (pg.Width() - static_cast<float>(cells) * 615) / 2 - 45;

    EXPECT_FALSE(pg.bckGrnd.exists(cells + 1));
    for (int p = 1; p <= cells; ++p) {
        SCOPED_TRACE("track position " + std::to_string(p));
        const ui::label& cell = pg.bckGrnd(p);
        EXPECT_EQ(cell.Left(), first + static_cast<float>(p - 1) * 615);
        EXPECT_EQ(cell.Top(), 1080);
        EXPECT_TRUE(cell.Visible());
        EXPECT_EQ(cell.Tag(), p <= n ? std::to_string(p) : p == n + 1 ? "" : std::to_string(p - 1));
        const ui::label& number = pg.indeks_bck(p);
        EXPECT_EQ(number.Caption(), std::to_string(p));
        EXPECT_EQ(number.Left(), cell.Left());
        EXPECT_EQ(number.Top(), 1580);
        EXPECT_TRUE(number.Visible());
    }
    for (int b = 1; b <= n; ++b) {
        const ui::shape& blue = pg.shpBall1(b);
        const ui::shape& red = pg.shpBall2(b);
        EXPECT_EQ(blue.Tag(), std::to_string(b));
        EXPECT_EQ(blue.Left(), pg.bckGrnd(b).Left());
        EXPECT_EQ(red.Tag(), std::to_string(n + 1 + b));
        EXPECT_EQ(red.Left(), pg.bckGrnd(n + 1 + b).Left());
        EXPECT_TRUE(blue.Top() == 1080 && red.Top() == 1080 && blue.Visible() && red.Visible());
        EXPECT_EQ(blue.BackColor(), playground::blue_marble);
        EXPECT_EQ(red.BackColor(), playground::red_marble);
    }
    EXPECT_FALSE(pg.shpBall1.exists(n + 1) || pg.shpBall2.exists(n + 1));

    const engine::modul_tiroka& st = s.app.state();
    std::vector<small> board(static_cast<std::size_t>(2 * n + 2), 0);
    cells_t shapes(static_cast<std::size_t>(2 * n + 1), 0);
    for (int c = 0; c < n; ++c) board[c] = 1;
    for (int c = n + 1; c <= 2 * n; ++c) board[c] = -1;
    for (int m = 1; m <= 2 * n; ++m) shapes[m] = m <= n ? m : m - n;
    EXPECT_EQ(st.board, board);
    EXPECT_EQ(st.hole, n);
    EXPECT_EQ(st.shape_of_ball, shapes);
    EXPECT_EQ(st.speed, 20);
    EXPECT_EQ(st.log_count + st.path_count, 0);
    EXPECT_EQ(pg.Height(), 8000);
}

TEST(Scene, EveryLoadLaysTheTrackOutTheSameWay) {
    for (int n : {1, 2, 3, 5, 12}) expect_track_for(n);
}

TEST(Scene, ThreeMarblesASideSitWhereTheLayoutPutsThem) {
    program::headless_session s;
    s.open_playground(3);
    playground::playground& pg = s.pg();

    EXPECT_EQ(pg.Width(), 5820);  // the track's own width: 4305 + 615 + 900
    EXPECT_EQ(pg.bckGrnd(0).Left(), 97.5);
    const float lefts[] = {712.5, 1327.5, 1942.5, 2557.5, 3172.5, 3787.5, 4402.5};
    for (int p = 1; p <= 7; ++p) EXPECT_EQ(pg.bckGrnd(p).Left(), lefts[p - 1]) << p;
    EXPECT_EQ(pg.bckGrnd(4).Tag(), "");
    EXPECT_EQ(pg.bckGrnd(5).Tag(), "4");
    EXPECT_EQ(pg.shpBall2(1).Tag(), "5");
    EXPECT_EQ(s.app.state().shape_of_ball, (cells_t{0, 1, 2, 3, 1, 2, 3}));
    EXPECT_EQ(s.app.state().board, (std::vector<small>{1, 1, 1, 0, -1, -1, -1, 0}));

    EXPECT_EQ(pg.layout.Left(), 472.5);
    EXPECT_EQ(pg.layout.Top(), 2000);
    const ui::image* buttons[] = {&pg.play, &pg.pause, &pg.resume1, &pg.reset};
    const float button_lefts[] = {1072.5, 1992.5, 2912.5, 3832.5};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(buttons[i]->Left(), button_lefts[i]) << buttons[i]->name();
        EXPECT_EQ(buttons[i]->Top(), 2350) << buttons[i]->name();
    }
    EXPECT_TRUE(pg.Kecepatan.Left() == 1072.5 && pg.Kecepatan.Top() == 3265);
    EXPECT_TRUE(pg.langkah.Left() == 712.5 && pg.langkah.Top() == 4650);
    EXPECT_TRUE(pg.Effi.Left() == 3087.5 && pg.Effi.Top() == 4650);
    EXPECT_TRUE(pg.bckTrack.Left() == 982.5 && pg.bckTrack.Top() == 580);
    EXPECT_FALSE(pg.bckTrack.Visible());
    EXPECT_EQ(pg.langkah.ListCount() + pg.Effi.ListCount(), 0u);
    EXPECT_FALSE(pg.loop_utama.Enabled() || pg.Timer1.Enabled());
}

TEST(Scene, AShortTrackStillLeavesRoomForBothMoveLogs) {
    program::headless_session two;
    two.open_playground(2);
    EXPECT_EQ(two.pg().Width(), 5550);  // 4590 from the track is too narrow
    EXPECT_EQ(two.pg().layout.Left(), 337.5);
    EXPECT_EQ(two.pg().bckGrnd(1).Left(), 1192.5);

    program::headless_session one;
    one.open_playground(1);
    EXPECT_EQ(one.pg().Width(), 5550);
    EXPECT_EQ(one.pg().shpBall2(1).Tag(), "3");
    EXPECT_EQ(one.app.state().shape_of_ball, (cells_t{0, 1, 1}));
}

TEST(Scene, TemplatesStayHiddenAndMarblesAreDrawnOverTheCells) {
    program::headless_session s;
    s.open_playground(3);
    playground::playground& pg = s.pg();
    EXPECT_FALSE(pg.bckGrnd(0).Visible() || pg.indeks_bck(0).Visible());
    EXPECT_FALSE(pg.shpBall1(0).Visible() || pg.shpBall2(0).Visible());
    // The marble templates are never moved.
    EXPECT_TRUE(pg.shpBall1(0).Left() == 2520 && pg.shpBall1(0).Top() == 120);
    EXPECT_TRUE(pg.shpBall2(0).Left() == 600 && pg.shpBall2(0).Top() == 120);

    // Made in the order blue 1 .. 3, red 3 .. 1, each brought to the front.
    const ui::shape* order[] = {&pg.shpBall1(1), &pg.shpBall1(2), &pg.shpBall1(3),
                                &pg.shpBall2(3), &pg.shpBall2(2), &pg.shpBall2(1)};
    for (int i = 0; i + 1 < 6; ++i) EXPECT_LT(order[i]->z(), order[i + 1]->z()) << i;
    for (int p = 1; p <= 7; ++p) {
        EXPECT_LT(pg.bckGrnd(p).z(), order[0]->z()) << p;
        EXPECT_LT(pg.indeks_bck(p).z(), order[0]->z()) << p;
    }
}

TEST(Scene, ALoadAfterResetBuildsOnlyTheNewTrack) {
    program::headless_session s;
    s.open_playground(3);
    s.pg().Kecepatan.Value(300);
    s.pg().play.click();
    ASSERT_TRUE(s.clock.run_until([&] { return s.pg().langkah.ListCount() >= 3; }, 100000));
    s.pg().reset.click();
    s.settle();
    s.open_playground(1);
    playground::playground& pg = s.pg();

    EXPECT_FALSE(pg.bckGrnd.exists(4) || pg.indeks_bck.exists(4));
    EXPECT_FALSE(pg.shpBall1.exists(2) || pg.shpBall2.exists(2));
    EXPECT_EQ(pg.Width(), 5550);
    EXPECT_EQ(pg.langkah.ListCount() + pg.Effi.ListCount(), 0u);
    EXPECT_EQ(pg.shpBall1(1).Left(), pg.bckGrnd(1).Left());
    EXPECT_EQ(pg.shpBall2(1).Left(), pg.bckGrnd(3).Left());
    const engine::modul_tiroka& st = s.app.state();
    EXPECT_EQ(st.board, (std::vector<small>{1, 0, -1, 0}));
    EXPECT_EQ(st.hole, 1);
    EXPECT_EQ(st.log_count + st.path_count, 0);
    EXPECT_EQ(st.speed, 20);
}

// The largest tracks: 16383 is the last N whose 2N+1 fits 16 bits, and the
// dialog lets N run on to 31999.
TEST(Scene, TheLongestTracksAreBuiltWhole) {
    for (int n : {16383, 31999}) {
        SCOPED_TRACE("N = " + std::to_string(n));
        program::headless_session s;
        s.open_playground(n);
        playground::playground& pg = s.pg();
        const int cells = 2 * n + 1;
        ASSERT_TRUE(pg.bckGrnd.exists(cells));
        EXPECT_FALSE(pg.bckGrnd.exists(cells + 1));
        EXPECT_EQ(pg.indeks_bck(cells).Caption(), std::to_string(cells));
        for (int p = 2; p <= 10; ++p) EXPECT_EQ(pg.bckGrnd(p).Left() - pg.bckGrnd(p - 1).Left(), 615);
        EXPECT_GT(pg.bckGrnd(cells).Left(), pg.bckGrnd(cells - 1).Left());
        EXPECT_EQ(pg.bckGrnd(cells).Tag(), std::to_string(cells - 1));
        EXPECT_EQ(pg.shpBall2(1).Tag(), std::to_string(n + 2));
        EXPECT_EQ(pg.shpBall2(n).Tag(), std::to_string(cells));
        EXPECT_EQ(pg.shpBall2(n).Left(), pg.bckGrnd(cells).Left());
        const engine::modul_tiroka& st = s.app.state();
        EXPECT_EQ(st.board.size(), static_cast<std::size_t>(2 * n + 2));
        EXPECT_EQ(st.hole, n);
        ASSERT_EQ(st.shape_of_ball.size(), static_cast<std::size_t>(cells));
        EXPECT_EQ(st.shape_of_ball[2 * n], n);
    }
}

}  // namespace
