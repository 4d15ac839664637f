// Tests of do_move and undo_move: board, hole, cell tags, the two move logs and the animation hand-over.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/modul_tiroka.h"
#include "logging_playground.h"

using engine::modul_tiroka;
using engine::small;
using test_support::lines;
using test_support::load;

namespace {

// The playground as a move sees it: cell tags numbered as the load numbers
// the marbles (indexed by track position), the two logs, animations started.
class fake_playground : public test_support::logging_playground {
public:
    using logging_playground::logging_playground;
    int animations = 0;

    void remove_effi_line(engine::count index) override {
        ASSERT_EQ(index + 1, static_cast<engine::count>(effi.size())) << "only the last line goes";
        effi.pop_back();
    }
    void start_frame_timer() override { ++animations; }
    void set_search_timer(bool) override { ADD_FAILURE() << "a move leaves the search timer alone"; }
    void show_backtrack_sign(bool) override { ADD_FAILURE() << "a move leaves the sign alone"; }
    void show_message(const std::string&) override { ADD_FAILURE() << "a move shows no message"; }
    void finish_playback() override { ADD_FAILURE() << "a move does not end the run"; }
};

// The cells as B, R and _, the hole, and the cell tags from track position 1 on.
std::string position(const modul_tiroka& m, const fake_playground& pg) {
    std::string out;
    for (std::size_t c = 0; c + 1 < m.board.size(); ++c) out += "R_B"[m.board[c] + 1];
    out += " hole " + std::to_string(m.hole) + " tags";
    for (std::size_t p = 1; p < pg.tags.size(); ++p) out += (p == 1 ? " " : ",") + pg.tags[p];
    return out;
}
// The position, then what the animation is told: anim_kind and moving_ball.
std::string state(const modul_tiroka& m, const fake_playground& pg) {
    return position(m, pg) + " anim " + std::to_string(m.anim_kind) + " ball " +
           std::to_string(m.moving_ball);
}

}  // namespace

TEST(Moves, FirstMovesAndARetreatWithOneMarbleASide) {
    modul_tiroka m;
    load(m, 1);
    fake_playground pg(1);
    m.do_move(3, pg);
    EXPECT_EQ(state(m, pg), "_BR hole 0 tags ,1,2 anim 3 ball 1");
    EXPECT_EQ(pg.effi, (lines{"1.Blue roll (1,2)"}));
    m.do_move(2, pg);
    EXPECT_EQ(state(m, pg), "RB_ hole 2 tags 2,1, anim 2 ball 2");
    m.undo_move(2, pg);
    EXPECT_EQ(state(m, pg), "_BR hole 0 tags ,1,2 anim 6 ball 2");
    EXPECT_EQ(pg.langkah, (lines{"1.Blue roll (1,2)", "2.Red jump (3,1)", "3.Backtrack (1,3)"}));
    EXPECT_EQ(pg.effi, (lines{"1.Blue roll (1,2)"}));
    EXPECT_EQ(m.log_count, 3);
    EXPECT_EQ(m.path_count, 1);
    EXPECT_EQ(m.board.back(), 0);
    EXPECT_EQ(pg.animations, 3);
}

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
            const auto log_count = m.log_count;
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
            EXPECT_EQ(m.log_count, log_count + 2);
            EXPECT_EQ(m.path_count, static_cast<engine::count>(effi.size()));
        }
        ASSERT_TRUE(m.can_move(path_kind));
        m.do_move(path_kind, pg);
    }
    EXPECT_EQ(position(m, pg), "RR_BB hole 2 tags 3,4,,1,2");  // no marble passes one of its colour
    EXPECT_EQ(pg.effi, (lines{"1.Blue roll (2,3)", "2.Red jump (4,2)", "3.Red roll (5,4)",
                              "4.Blue jump (3,5)", "5.Blue jump (1,3)", "6.Red roll (2,1)",
                              "7.Red jump (4,2)", "8.Blue roll (3,4)"}));
    EXPECT_EQ(m.log_count, static_cast<engine::count>(pg.langkah.size()));
    EXPECT_EQ(pg.animations, static_cast<int>(pg.langkah.size()));
}

TEST(Moves, UnknownKindsMoveAndReturnLikeARedRoll) {
    modul_tiroka m;
    load(m, 1);
    fake_playground pg(1);
    m.do_move(7, pg);
    EXPECT_EQ(state(m, pg), "BR_ hole 2 tags 1,2, anim 4 ball 2");
    m.undo_move(0, pg);
    EXPECT_EQ(state(m, pg), "B_R hole 1 tags 1,,2 anim 8 ball 2");
    EXPECT_EQ(pg.langkah, (lines{"1.Red roll (3,2)", "2.Backtrack (2,3)"}));
    EXPECT_TRUE(pg.effi.empty());
}

TEST(Moves, FarEndOfALongTrackNumbersPastSixteenBits) {
    // Red marble 39999 has already gone to the middle; marble 40000 rolls into its cell.
    modul_tiroka m;
    load(m, 20000);
    fake_playground pg(20000);
    m.board[20000] = -1;
    m.board[39999] = 0;
    m.hole = 39999;
    std::swap(pg.tags[20001], pg.tags[40000]);
    m.do_move(4, pg);
    EXPECT_EQ(m.moving_ball, 40000);
    EXPECT_EQ(pg.tags[40000], "40000");
    EXPECT_EQ(pg.tags[40001], "");
    EXPECT_EQ(pg.langkah, (lines{"1.Red roll (40001,40000)"}));
}
