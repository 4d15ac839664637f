// The playground's scene: the track and marbles for N, the layout around them, and the eight animations.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "ui/program/headless.h"

namespace {

// The Tags of elements from .. to of a control array, comma separated.
template <class Array>
std::string tags(const Array& array, int from, int to) {
    std::string out;
    for (int i = from; i <= to; ++i) out += (i == from ? "" : ",") + array(i).Tag();
    return out;
}

// The track for N marbles a side: 2N+1 cells edge to edge, centred on the window's outer width 45 twips
// to the left, each numbered 500 below it; a cell's Tag names the marble on it, a marble's Tag its cell;
// blue marble b and red marble N+b are shpBall1(b) and shpBall2(b), on their cells, drawn over the cells
// and their numbers. The dialog lets N run on to 31999: 63999 cells, past the 16-bit range, where a float
// is 4 twips from the next, yet every cell keeps its place.
TEST(Scene, TheTrackForNMarblesASide) {
    const struct {
        int n;
        double slack;      // how far a place may be off, in twips
        const char* tags;  // of the cells around the hole, the last cell, the first and the last red marble
    } rows[] = {{3, 0, "2,3,,4,5|6|5,7"}, {31999, 4, "31998,31999,,32000,32001|63998|32001,63999"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.n);
        const int n = row.n, cells = 2 * n + 1;
        program::headless_session s;
        s.open_playground(n);
        search_view::playground& pg = s.playground();
        EXPECT_FALSE(pg.bckGrnd.exists(cells + 1) || pg.shpBall1.exists(n + 1) || pg.shpBall2.exists(n + 1));
        EXPECT_EQ(tags(pg.bckGrnd, n - 1, n + 3) + "|" + pg.bckGrnd(cells).Tag() + "|" +
                      tags(pg.shpBall2, 1, 1) + "," + tags(pg.shpBall2, n, n),
                  row.tags);
        const double w = 615, width = pg.Width();
        EXPECT_NEAR(width, (cells + 1) * w + 900, row.slack);
        for (int p = 1; p <= cells; ++p) {
            const ui::label &cell = pg.bckGrnd(p), &number = pg.indeks_bck(p);
            ASSERT_NEAR(cell.Left(), (width - cells * w) / 2 - 45 + (p - 1) * w, row.slack) << p;
            ASSERT_TRUE(cell.Visible() && number.Visible() && number.Caption() == std::to_string(p)) << p;
            ASSERT_TRUE(number.Left() == cell.Left() && number.Top() == cell.Top() + 500) << p;
        }
        for (int b = 1; b <= n; ++b) {
            const ui::shape &blue = pg.shpBall1(b), &red = pg.shpBall2(b);
            ASSERT_EQ(blue.Tag() + "," + red.Tag(), std::to_string(b) + "," + std::to_string(n + 1 + b));
            ASSERT_TRUE(blue.Left() == pg.bckGrnd(b).Left() && red.Left() == pg.bckGrnd(n + 1 + b).Left());
            ASSERT_TRUE(blue.Top() == pg.bckGrnd(b).Top() && red.Top() == blue.Top() && blue.Visible() &&
                        red.Visible());
            ASSERT_GT(std::min(blue.z(), red.z()), std::max(pg.bckGrnd(cells).z(), pg.indeks_bck(cells).z()));
            const auto& shape_of_ball = s.app.state().shape_of_ball;
            ASSERT_EQ(std::make_pair(shape_of_ball.at(b), shape_of_ball.at(n + b)), std::make_pair(b, b));
        }
    }
}

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

    static bool blue_kind(int kind) { return kind % 2 == 1; }

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
};

TEST_F(Animation, AJumpClimbsUntilTheMiddleCellThenSinks) {
    ui::shape& marble = start(1, 1, 20);
    for (int frame = 1; frame <= 43; ++frame) {
        pg->Timer1_Timer();
        // 22 frames up to the peak of 440, then down again.
        const int height = frame <= 22 ? 20 * frame : 440 - 20 * (frame - 22);
        ASSERT_EQ(marble.Top(), rest - static_cast<float>(height)) << frame;
    }

    // A marble exactly over the middle cell is past the top: it sinks.
    start(1, 1, 20);
    marble.Left(pg->bckGrnd(2).Left());
    marble.Top(rest - 100);
    pg->Timer1_Timer();
    EXPECT_EQ(marble.Top(), rest - 80);
}

// Kinds 1 to 4 show the four moves; 5 to 8 take them back, the marble green on its way. A cell is 615
// twips wide. A roll of `step` twips a frame arrives once past the next cell: landing exactly on it is
// not arriving yet. A jump moves step x sqrt(2) sideways a frame, rises while short of the middle cell,
// and then sinks until it is past the far cell.
TEST_F(Animation, EveryAnimationEndsOnItsDestinationAndHandsBackToTheSearch) {
    const struct {
        int kind, from, to;
    } cases[] = {{1, 1, 3}, {2, 3, 1}, {3, 1, 2}, {4, 3, 2}, {5, 3, 1}, {6, 1, 3}, {7, 2, 1}, {8, 2, 3}};
    for (const auto& c : cases)
        for (const int step : {10, 20, 300, 434, 435, 615, 616, 1000}) {
            SCOPED_TRACE("kind " + std::to_string(c.kind) + ", step " + std::to_string(step));
            ui::shape& marble = start(c.kind, c.from, step);
            const ui::colour own = blue_kind(c.kind) ? search_view::blue_marble : search_view::red_marble;
            int frames = 0;
            for (; pg->Timer1.Enabled() && frames < 100; ++frames) {
                pg->Timer1_Timer();
                EXPECT_EQ(marble.BackColor(),
                          c.kind > 4 && pg->Timer1.Enabled() ? search_view::retreat_green : own);
                EXPECT_NE(pg->loop_utama.Enabled(), pg->Timer1.Enabled());
            }
            const double sideways = step * std::sqrt(2.0);
            const int jump = std::max(static_cast<int>(std::ceil(615 / sideways)) + 1,
                                      static_cast<int>(std::floor(1230 / sideways)) + 1);
            EXPECT_EQ(frames, std::abs(c.to - c.from) == 2 ? jump : 615 / step + 1);
            EXPECT_EQ(marble.Tag(), std::to_string(c.to));
            EXPECT_EQ(marble.Left(), pg->bckGrnd(c.to).Left());
            EXPECT_EQ(marble.Top(), rest);
        }
}

}  // namespace
