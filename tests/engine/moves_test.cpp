// Tests of do_move and undo_move: board, hole, cell tags, the two move logs and the animation hand-over.
#include <gtest/gtest.h>

#include <string>

#include "logging_playground.h"

using engine::modul_tiroka;
using engine::small;
using test_support::load;

namespace {
using fake_playground = test_support::logging_playground;

// The cells, the hole, and the cell tags from track position 1 on.
std::string position(const modul_tiroka& m, const fake_playground& pg) {
    std::string out = test_support::board(m) + " hole " + std::to_string(m.hole) + " tags";
    for (std::size_t p = 1; p < pg.tags.size(); ++p) out += (p == 1 ? " " : ",") + pg.tags[p];
    return out;
}
}  // namespace

TEST(Moves, EveryLegalMoveIsTakenBackExactlyAlongASolution) {
    // At each position of the solution for two marbles a side, every legal
    // kind is applied and taken back before the path goes on.
    modul_tiroka m;
    load(m, 2);
    fake_playground pg(2);
    for (small path_kind : std::initializer_list<small>{3, 2, 4, 1, 1, 4, 2, 3}) {
        for (small k = 1; k <= 4; ++k) {
            if (!m.can_move(k)) continue;
            SCOPED_TRACE(::testing::Message() << "kind " << k << " at hole " << m.hole);
            const auto before = position(m, pg);
            const auto hole = m.hole;
            const auto effi = pg.effi;
            m.do_move(k, pg);
            EXPECT_EQ(m.anim_kind, k);
            EXPECT_EQ(pg.tags[hole + 1], std::to_string(m.moving_ball));  // the marble's number moved in
            EXPECT_EQ(pg.effi.size(), effi.size() + 1);
            const auto marble = m.moving_ball;
            m.undo_move(k, pg);
            EXPECT_EQ(m.anim_kind, k + 4);
            EXPECT_EQ(m.moving_ball, marble);
            EXPECT_EQ(position(m, pg), before);
            EXPECT_EQ(pg.effi, effi);
            EXPECT_EQ(pg.langkah.back().rfind(std::to_string(m.log_count) + ".Backtrack (", 0), 0u);
        }
        ASSERT_TRUE(m.can_move(path_kind));
        m.do_move(path_kind, pg);
    }
    EXPECT_EQ(position(m, pg), "RR_BB hole 2 tags 3,4,,1,2");  // no marble passes one of its colour
    EXPECT_EQ(m.board.back(), 0);
    EXPECT_EQ(m.log_count, static_cast<engine::count>(pg.langkah.size()));
    EXPECT_EQ(m.path_count, 8);
    EXPECT_EQ(pg.animations, static_cast<int>(pg.langkah.size()));
}

TEST(Moves, FarEndOfALongTrackNumbersPastSixteenBits) {
    // Red marble 39999 has already gone to the middle; marble 40000 rolls into its cell.
    modul_tiroka m;
    load(m, 20000);
    fake_playground pg(20000);
    std::swap(m.board[20000], m.board[39999]);
    m.hole = 39999;
    std::swap(pg.tags[20001], pg.tags[40000]);
    m.do_move(4, pg);
    EXPECT_EQ(m.moving_ball, 40000);
    EXPECT_EQ(pg.tags[40000] + "|" + pg.tags[40001], "40000|");
    EXPECT_EQ(pg.langkah, (test_support::lines{"1.Red roll (40001,40000)"}));
}
