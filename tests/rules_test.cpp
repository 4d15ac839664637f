// Tests of the board in modul_tiroka: the initial position, the goal test and the four move rules.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/modul_tiroka.h"

using engine::modul_tiroka;
using engine::small;
using cells = std::vector<small>;

namespace {
void load(modul_tiroka& m, int n) {
    m.ball_count = static_cast<small>(n);
    m.set_initial_position();
}
// Puts the cells on the board, then the extra slot, and finds the hole.
void place(modul_tiroka& m, cells board, small extra_slot = 0) {
    m.ball_count = static_cast<small>(board.size() / 2);
    m.hole = static_cast<engine::cell>(std::find(board.begin(), board.end(), 0) - board.begin());
    board.push_back(extra_slot);
    m.board = std::move(board);
}
// The legal kinds among 1 .. 4 as digits, such as "34".
std::string legal(const modul_tiroka& m) {
    std::string out;
    for (small k = 1; k <= 4; ++k)
        if (m.can_move(k)) out += static_cast<char>('0' + k);
    return out;
}
cells goal(int n) {
    cells board(2 * n + 1, 1);
    std::fill_n(board.begin(), n, small{-1});
    board[n] = 0;
    return board;
}
}  // namespace

TEST(Rules, LoadingPutsBlueLeftRedRightAndEmptiesTheRun) {
    modul_tiroka m;
    load(m, 3);
    EXPECT_EQ(m.board, (cells{1, 1, 1, 0, -1, -1, -1, 0}));
    EXPECT_EQ(m.hole, 3);
    m.log_count = m.path_count = 4;  // leftovers of a previous run
    m.speed = 300;
    m.move_stack->addlastelmt(2);
    load(m, 1);
    EXPECT_EQ(m.board, (cells{1, 0, -1, 0}));
    EXPECT_EQ((std::vector<long>{m.hole, m.log_count, m.path_count, m.speed}), (std::vector<long>{1, 0, 0, 20}));
    EXPECT_EQ(m.move_stack->operator_kurung(0), engine::missing);

    load(m, 31999);  // the largest track: cells past the 16-bit range
    ASSERT_EQ(m.board.size(), 64000u);
    EXPECT_EQ(m.hole, 31999);
    EXPECT_EQ(m.board[63998], -1);
    EXPECT_EQ(m.board[63999], 0);
    EXPECT_EQ(legal(m), "34");
}

TEST(Rules, MovesFollowTheNeighboursOfTheHole) {
    struct position {
        cells board;
        small extra_slot;
        std::string legal;
    };
    modul_tiroka m;
    for (const position& p : {position{{1, 0, -1}, 0, "34"}, position{{0, 1, -1}, 0, "2"},
                              position{{-1, 1, 0}, 0, "3"}, position{{1, 1, 0, -1, -1}, 0, "34"},
                              position{{1, -1, 0, 1, -1}, 0, "12"}, position{{-1, 1, 0, -1, 1}, 0, "34"},
                              position{{1, 0, 1, -1, -1}, 0, "23"},
                              // the slot past the last cell never sends a red marble
                              position{{1, -1, -1, 0, 1}, -1, ""}, position{{1, -1, -1, 1, 0}, -1, "3"}}) {
        place(m, p.board, p.extra_slot);
        SCOPED_TRACE(::testing::Message() << "hole " << m.hole << ", N " << m.ball_count);
        EXPECT_EQ(legal(m), p.legal);
        for (int kind : {0, 5, -1, 8, 32767, -32768})
            EXPECT_FALSE(m.can_move(static_cast<small>(kind))) << "kind " << kind;
    }
}

TEST(Rules, GoalIsRecognisedAndAdmitsNoMove) {
    modul_tiroka m;
    for (int n = 1; n <= 5; ++n) {
        SCOPED_TRACE(n);
        load(m, n);
        EXPECT_FALSE(m.is_solved());
        place(m, goal(n));
        EXPECT_TRUE(m.is_solved());
        EXPECT_EQ(legal(m), "");
        for (int c = 0; c <= 2 * n; ++c)
            for (small other : {small{-1}, small{0}, small{1}}) {
                place(m, goal(n));
                if (m.board[c] == other) continue;
                m.board[c] = other;
                EXPECT_FALSE(m.is_solved()) << "cell " << c << " = " << other;
            }
    }
}
