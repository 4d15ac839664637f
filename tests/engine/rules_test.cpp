// Tests of the board in modul_tiroka: the initial position, the goal test and the four move rules.
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

TEST(Rules, MovesFollowTheNeighboursOfTheHole) {
    struct position {
        cells board;
        std::string legal;
    };
    modul_tiroka m;
    for (const position& p :
         {position{{1, 0, -1}, "34"}, position{{0, 1, -1}, "2"}, position{{-1, 1, 0}, "3"},
          position{{1, -1, 0, 1, -1}, "12"}, position{{-1, 1, 0, -1, 1}, "34"},
          position{{1, 0, 1, -1, -1}, "23"}, position{{1, -1, -1, 0, 1}, ""}}) {
        place(m, p.board);
        EXPECT_EQ(legal(m), p.legal) << "hole " << m.hole << ", N " << m.ball_count;
        for (const engine::small kind : {engine::small{0}, engine::small{5}, engine::small{-1}})
            EXPECT_FALSE(m.can_move(kind)) << kind;
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
            for (small other : {small{-1}, small{0}, small{1}}) {
                if (goal[c] == other) continue;
                cells changed = goal;
                changed[c] = other;
                place(m, changed);
                EXPECT_FALSE(m.is_solved()) << "N " << n << ", cell " << c << " = " << other;
            }
    }
}
