// The playground's load: the initial position, the track, the marbles and the layout around them.
#include <gtest/gtest.h>

#include <algorithm>
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
    EXPECT_EQ(pg.Height(), 8000);
    EXPECT_FALSE(pg.bckGrnd.exists(8));
    for (int p = 1; p <= 7; ++p) {
        const ui::label& cell = pg.bckGrnd(p);
        const ui::label& number = pg.indeks_bck(p);
        EXPECT_EQ(cell.Left(), 712.5f + 615.0f * static_cast<float>(p - 1)) << p;
        EXPECT_EQ(cell.Top(), 1080) << p;
        EXPECT_TRUE(cell.Visible()) << p;
        EXPECT_EQ(number.Caption(), std::to_string(p));
        EXPECT_EQ(number.Left(), cell.Left()) << p;
        EXPECT_EQ(number.Top(), 1580) << p;
        EXPECT_TRUE(number.Visible()) << p;
    }
    EXPECT_EQ(tags(pg.bckGrnd, 1, 7), "1,2,3,,4,5,6");
    EXPECT_EQ(tags(pg.shpBall1, 1, 3) + "|" + tags(pg.shpBall2, 1, 3), "1,2,3|5,6,7");
    for (int b = 1; b <= 3; ++b) {
        const ui::shape &blue = pg.shpBall1(b), &red = pg.shpBall2(b);
        EXPECT_EQ(blue.Left(), pg.bckGrnd(b).Left()) << b;
        EXPECT_EQ(red.Left(), pg.bckGrnd(b + 4).Left()) << b;
        EXPECT_EQ(blue.Top(), 1080) << b;
        EXPECT_EQ(red.Top(), 1080) << b;
        EXPECT_TRUE(blue.Visible()) << b;
        EXPECT_TRUE(red.Visible()) << b;
        EXPECT_EQ(blue.BackColor(), search_view::blue_marble);
        EXPECT_EQ(red.BackColor(), search_view::red_marble);
        // Marbles are drawn over the cells and their numbers.
        EXPECT_GT(std::min(blue.z(), red.z()), std::max(pg.bckGrnd(7).z(), pg.indeks_bck(7).z()));
    }
    EXPECT_FALSE(pg.shpBall1.exists(4));
    EXPECT_FALSE(pg.shpBall2.exists(4));
    EXPECT_FALSE(pg.bckGrnd(0).Visible());
    EXPECT_FALSE(pg.indeks_bck(0).Visible());
    EXPECT_FALSE(pg.shpBall1(0).Visible());
    EXPECT_FALSE(pg.shpBall2(0).Visible());
    EXPECT_EQ(s.app.state().shape_of_ball, (shapes_t{0, 1, 2, 3, 1, 2, 3}));

    const std::pair<const ui::control*, ui::bounds> placed[] = {
        {&pg.layout, {472.5, 2000}},   {&pg.play, {1072.5, 2350}},  {&pg.pause, {1992.5, 2350}},
        {&pg.resume1, {2912.5, 2350}}, {&pg.reset, {3832.5, 2350}}, {&pg.Kecepatan, {1072.5, 3265}},
        {&pg.langkah, {712.5, 4650}},  {&pg.Effi, {3087.5, 4650}},  {&pg.bckTrack, {982.5, 580}}};
    for (const auto& [c, at] : placed) {
        EXPECT_EQ(c->Left(), at.left) << c->name();
        EXPECT_EQ(c->Top(), at.top) << c->name();
    }
    EXPECT_FALSE(pg.bckTrack.Visible());
    EXPECT_FALSE(pg.loop_utama.Enabled());
    EXPECT_FALSE(pg.Timer1.Enabled());
}

TEST(Scene, AShortTrackStillLeavesRoomForBothMoveLogs) {
    for (int n : {1, 2}) {
        program::headless_session s;
        s.open_playground(n);
        EXPECT_EQ(s.playground().Width(), 5550) << n;  // 4590 from the track for N = 2 is too narrow
        if (n != 1) continue;
        EXPECT_EQ(tags(s.playground().bckGrnd, 1, 3), "1,,2");
        EXPECT_EQ(s.playground().shpBall1(1).Tag() + "|" + s.playground().shpBall2(1).Tag(), "1|3");
        EXPECT_EQ(s.app.state().shape_of_ball, (shapes_t{0, 1, 1}));
    }
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
    EXPECT_GT(pg.bckGrnd(cells).Left(), pg.bckGrnd(cells - 1).Left());
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

}  // namespace
