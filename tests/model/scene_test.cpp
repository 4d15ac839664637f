// The playground's scene: the track and marbles for N, the layout around them, and the eight animations.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "ui/program/headless.h"

namespace {

using shapes_t = std::vector<engine::cell>;

// The Tags of elements from .. to of a control array, comma separated.
template <class Array>
std::string tags(const Array& array, int from, int to) {
    std::string out;
    for (int i = from; i <= to; ++i) out += (i == from ? "" : ",") + array(i).Tag();
    return out;
}

TEST(Scene, ThreeMarblesASideSitWhereTheLayoutPutsThem) {
    program::headless_session s;
    s.open_playground(3);
    search_view::playground& pg = s.playground();

    EXPECT_EQ(pg.Width(), 5820);  // the track's own width: 4305 + 615 + 900
    EXPECT_FALSE(pg.bckGrnd.exists(8) || pg.shpBall1.exists(4) || pg.shpBall2.exists(4));
    for (int p = 1; p <= 7; ++p) {
        const ui::label &cell = pg.bckGrnd(p), &number = pg.indeks_bck(p);
        EXPECT_EQ(cell.Left(), 712.5f + 615.0f * static_cast<float>(p - 1)) << p;
        EXPECT_EQ(number.Caption(), std::to_string(p));
        EXPECT_TRUE(number.Left() == cell.Left() && number.Top() > cell.Top()) << p;
        EXPECT_TRUE(cell.Visible() && number.Visible()) << p;
    }
    EXPECT_EQ(tags(pg.bckGrnd, 1, 7), "1,2,3,,4,5,6");
    EXPECT_EQ(tags(pg.shpBall1, 1, 3) + "|" + tags(pg.shpBall2, 1, 3), "1,2,3|5,6,7");
    for (int b = 1; b <= 3; ++b) {
        const ui::shape &blue = pg.shpBall1(b), &red = pg.shpBall2(b);
        EXPECT_TRUE(blue.Left() == pg.bckGrnd(b).Left() && red.Left() == pg.bckGrnd(b + 4).Left()) << b;
        EXPECT_TRUE(blue.Top() == pg.bckGrnd(b).Top() && red.Top() == pg.bckGrnd(b + 4).Top()) << b;
        EXPECT_TRUE(blue.Visible() && red.Visible()) << b;
        EXPECT_EQ(std::make_pair(blue.BackColor(), red.BackColor()),
                  std::make_pair(search_view::blue_marble, search_view::red_marble));
        // Marbles are drawn over the cells and their numbers.
        EXPECT_GT(std::min(blue.z(), red.z()), std::max(pg.bckGrnd(7).z(), pg.indeks_bck(7).z()));
    }
    const ui::control* templates[] = {&pg.bckGrnd(0), &pg.indeks_bck(0), &pg.shpBall1(0), &pg.shpBall2(0)};
    for (const ui::control* templ : templates) EXPECT_FALSE(templ->Visible()) << templ->name();
    EXPECT_EQ(s.app.state().shape_of_ball, (shapes_t{0, 1, 2, 3, 1, 2, 3}));

    // The panel is centred on the window: the backdrop, and the controls placed from it.
    const std::pair<const ui::control*, float> placed[] = {
        {&pg.layout, 472.5f},   {&pg.play, 1072.5f},  {&pg.pause, 1992.5f},
        {&pg.resume1, 2912.5f}, {&pg.reset, 3832.5f}, {&pg.Kecepatan, 1072.5f},
        {&pg.langkah, 712.5f},  {&pg.Effi, 3087.5f},  {&pg.bckTrack, 982.5f}};
    for (const auto& [c, left] : placed) EXPECT_EQ(c->Left(), left) << c->name();
    EXPECT_FALSE(pg.bckTrack.Visible());
    EXPECT_FALSE(pg.loop_utama.Enabled() || pg.Timer1.Enabled());
}

// The dialog lets N run on to 31999: 63999 cells, past the 16-bit range.
TEST(Scene, TheLongestTrackIsBuiltWhole) {
    const int n = 31999, cells = 2 * n + 1;
    program::headless_session s;
    s.open_playground(n);
    search_view::playground& pg = s.playground();
    ASSERT_TRUE(pg.bckGrnd.exists(cells));
    EXPECT_FALSE(pg.bckGrnd.exists(cells + 1));
    EXPECT_EQ(pg.indeks_bck(cells).Caption(), "63999");
    EXPECT_EQ(tags(pg.bckGrnd, n, n + 2) + "|" + pg.bckGrnd(cells).Tag(), "31999,,32000|63998");
    EXPECT_EQ(pg.shpBall2(1).Tag() + "|" + pg.shpBall2(n).Tag(), "32001|63999");
    EXPECT_EQ(pg.shpBall2(n).Left(), pg.bckGrnd(cells).Left());
    ASSERT_EQ(s.app.state().shape_of_ball.size(), static_cast<std::size_t>(cells));
    EXPECT_EQ(s.app.state().shape_of_ball[2 * n], n);

    // Far out a float is 4 twips from the next, yet the row keeps its pitch
    // and its centre: the window's outer width halved, 45 twips to the left.
    const double w = 615, width = pg.Width();
    EXPECT_NEAR(width, (cells + 1) * w + 900, 4);
    EXPECT_NEAR(pg.bckGrnd(1).Left(), (width - cells * w) / 2 - 45, 4);
    EXPECT_NEAR(double{pg.bckGrnd(cells).Left()} + w, (width + cells * w) / 2 - 45, 4);
    double widest = w, narrowest = w;
    for (int p = 2; p <= cells; ++p) {
        const double pitch = double{pg.bckGrnd(p).Left()} - pg.bckGrnd(p - 1).Left();
        widest = std::max(widest, pitch);
        narrowest = std::min(narrowest, pitch);
    }
    EXPECT_LE(widest, w + 4);
    EXPECT_GE(narrowest, w - 4);
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
    // Draws frames until the animation closes; returns how many it took.
    int finish() {
        int frames = 0;
        for (; pg->Timer1.Enabled() && frames < 5000; ++frames) pg->Timer1_Timer();
        return frames;
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
