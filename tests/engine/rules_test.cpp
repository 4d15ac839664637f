// The board of modul_tiroka: the initial position, the four move rules, the goal, moves and their undoing.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "logging_playground.h"

using engine::modul_tiroka;
using engine::small;
using test_support::load;
using cells = std::vector<small>;

namespace {
// Puts the cells on the board, then the slot that stays 0, and finds the hole.
void place(modul_tiroka& m, cells board) {
    m.ball_count = static_cast<small>(board.size() / 2);
    m.hole = static_cast<engine::cell>(std::find(board.begin(), board.end(), 0) - board.begin());
    board.push_back(0);
    m.board = std::move(board);
}
// The legal kinds among 1 .. 4 as digits, such as "34".
std::string legal(const modul_tiroka& m) {
    std::string out;
    for (small k = 1; k <= 4; ++k)
        if (m.can_move(k)) out += static_cast<char>('0' + k);
    return out;
}
// The cells, the hole, and the cell tags from track position 1 on.
std::string position(const modul_tiroka& m, const test_support::logging_playground& pg) {
    std::string out = test_support::board(m) + " hole " + std::to_string(m.hole) + " tags";
    for (std::size_t p = 1; p < pg.tags.size(); ++p) out += (p == 1 ? " " : ",") + pg.tags[p];
    return out;
}
}  // namespace

TEST(Rules, LoadingPutsBlueLeftRedRightAndEmptiesTheRun) {
    modul_tiroka m;
    load(m, 3);
    EXPECT_EQ(m.board, (cells{1, 1, 1, 0, -1, -1, -1, 0}));
    m.log_count = m.path_count = 4;  // leftovers of a previous run
    m.speed = 300;
    m.move_stack->addlastelmt(2);
    load(m, 1);
    EXPECT_EQ(m.board, (cells{1, 0, -1, 0}));
    EXPECT_EQ((std::vector<long>{m.hole, m.log_count, m.path_count, m.speed}),
              (std::vector<long>{1, 0, 0, 20}));
    EXPECT_EQ(m.move_stack->operator_kurung(0), engine::missing);
}

// Kinds 1 to 4: blue jump, red jump, blue roll, red roll; nothing else is a move.
TEST(Rules, MovesFollowTheNeighboursOfTheHole) {
    const struct {
        cells board;
        const char* legal;
    } rows[] = {{{1, 0, -1}, "34"},        {{0, 1, -1}, "2"},         {{-1, 1, 0}, "3"},
                {{1, -1, 0, 1, -1}, "12"}, {{-1, 1, 0, -1, 1}, "34"}, {{1, 0, 1, -1, -1}, "23"},
                {{1, -1, -1, 0, 1}, ""}};
    modul_tiroka m;
    for (const auto& row : rows) {
        place(m, row.board);
        EXPECT_EQ(legal(m), row.legal) << "hole " << m.hole << ", N " << m.ball_count;
        for (const small kind : {small{0}, small{5}, small{-1}}) EXPECT_FALSE(m.can_move(kind)) << kind;
    }
}

TEST(Rules, OnlyTheExchangedPositionIsTheGoalAndItAdmitsNoMove) {
    modul_tiroka m;
    for (int n = 1; n <= 3; ++n) {
        cells goal(2 * n + 1, 1);
        std::fill_n(goal.begin(), n, small{-1});
        goal[n] = 0;
        load(m, n);
        EXPECT_FALSE(m.is_solved());
        place(m, goal);
        EXPECT_TRUE(m.is_solved());
        EXPECT_EQ(legal(m), "");
        for (int c = 0; c <= 2 * n; ++c)
            for (const small other : {small{-1}, small{0}, small{1}}) {
                if (goal[c] == other) continue;
                cells changed = goal;
                changed[c] = other;
                place(m, changed);
                EXPECT_FALSE(m.is_solved()) << "N " << n << ", cell " << c << " = " << other;
            }
    }
}

// At each position of the solution for two marbles a side, every legal kind
// is applied and taken back before the path goes on.
TEST(Moves, EveryLegalMoveIsTakenBackExactlyAlongASolution) {
    modul_tiroka m;
    load(m, 2);
    test_support::logging_playground pg(2);
    for (const small path_kind : std::initializer_list<small>{3, 2, 4, 1, 1, 4, 2, 3}) {
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
    test_support::logging_playground pg(20000);
    std::swap(m.board[20000], m.board[39999]);
    m.hole = 39999;
    std::swap(pg.tags[20001], pg.tags[40000]);
    m.do_move(4, pg);
    EXPECT_EQ(m.moving_ball, 40000);
    EXPECT_EQ(pg.tags[40000] + "|" + pg.tags[40001], "40000|");
    EXPECT_EQ(pg.langkah, (test_support::lines{"1.Red roll (40001,40000)"}));
}
