// The stepwise search: whole runs against a recursive search and the documented counts, and steps undone.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "logging_playground.h"

using engine::modul_tiroka;
using test_support::board;
using test_support::lines;
using test_support::load;

namespace {
using fake_playground = test_support::logging_playground;

// One tick of the search timer, then what the animation's last frame does:
// frame timer off, search timer on. The success starts no animation, so the
// search timer stays off. Every step must switch the search timer off and
// show the sign exactly when it retreats.
void step(modul_tiroka& m, fake_playground& pg) {
    const auto logged = pg.langkah.size();
    m.search_step(pg);
    EXPECT_FALSE(pg.search_timer) << "after the step that found " << logged << " lines";
    if (pg.langkah.size() > logged) {
        EXPECT_EQ(pg.sign, pg.langkah.back().find(".Backtrack (") != std::string::npos) << pg.langkah.back();
    }
    pg.search_timer = pg.frame_timer;
    pg.frame_timer = false;
}

// Steps while the search timer runs; returns the number of steps.
long finish(modul_tiroka& m, fake_playground& pg) {
    long steps = 0;
    for (; pg.search_timer && steps < 1000000; ++steps) step(m, pg);
    return steps;
}

// The same search written as recursion over a row of B, R and _: at each
// position the blue jump, the red jump, the blue roll and the red roll are
// tried in turn; every move and every retreat is logged, numbered.
struct recursive_search {
    std::string row, goal;
    lines log, path;

    explicit recursive_search(int n)
        : row(std::string(n, 'B') + '_' + std::string(n, 'R')),
          goal(std::string(n, 'R') + '_' + std::string(n, 'B')) {}

    static std::string line(std::size_t number, const char* label, long from, long to) {
        return std::to_string(number) + "." + label + " (" + std::to_string(from + 1) + "," +
               std::to_string(to + 1) + ")";
    }
    bool solve() {
        if (row == goal) return true;
        const long hole = static_cast<long>(row.find('_'));
        const struct {
            char marble;
            long from;  // where the marble stands, relative to the hole
            const char* label;
        } kinds[] = {
            {'B', -2, "Blue jump"}, {'R', 2, "Red jump"}, {'B', -1, "Blue roll"}, {'R', 1, "Red roll"}};
        for (const auto& kind : kinds) {
            const long from = hole + kind.from;
            if (from < 0 || from >= static_cast<long>(row.size()) || row[from] != kind.marble) continue;
            // A jump passes over a marble of the other colour.
            if ((from - hole) % 2 == 0 && row[(from + hole) / 2] == kind.marble) continue;
            std::swap(row[from], row[hole]);
            log.push_back(line(log.size() + 1, kind.label, from, hole));
            path.push_back(line(path.size() + 1, kind.label, from, hole));
            if (solve()) return true;
            std::swap(row[from], row[hole]);
            log.push_back(line(log.size() + 1, "Backtrack", hole, from));
            path.pop_back();
        }
        return false;
    }
};
}  // namespace

TEST(Search, OneMarbleASideStepByStep) {
    modul_tiroka m;
    load(m, 1);
    fake_playground pg(1);
    m.search_step(pg);  // before the start the stack is empty: no move, and no spinning
    EXPECT_TRUE(pg.langkah.empty());
    EXPECT_FALSE(pg.frame_timer || pg.search_timer);
    m.start_search(pg);
    const auto stack = [&] {
        std::vector<int> infos;
        for (int depth = 0; depth < 4; ++depth) infos.push_back(m.move_stack->operator_kurung(depth));
        return infos;
    };
    EXPECT_TRUE(pg.search_timer);
    for (const char* expected : {"_BR", "RB_", "R_B"}) {
        step(m, pg);
        EXPECT_EQ(board(m), expected);
    }
    EXPECT_EQ(m.step_count, 3);
    EXPECT_EQ(stack(), (std::vector<int>{3, 2, 3, 0}));

    step(m, pg);  // the goal: the search timer goes off before the message, pause after it
    EXPECT_EQ(pg.messages, (lines{"Banyak langkah = 3"}));
    EXPECT_FALSE(pg.search_timer_at_message);
    EXPECT_TRUE(pg.finished);
    EXPECT_EQ(stack(), (std::vector<int>{3, 2, 3, engine::missing}));  // the exhausted top has gone

    pg.search_timer = true;  // ticks that slip through change nothing
    m.search_step(pg);
    m.search_step(pg);
    EXPECT_EQ(board(m), "R_B");
    EXPECT_EQ(pg.langkah.size() + pg.messages.size(), 4u);
    EXPECT_FALSE(pg.frame_timer);
}

// A whole run logs what the recursive search logs, a step a line and one for
// the goal, and ends on a path of N x (N + 2) moves. From N = 13 on, the log
// numbers more lines than a 16-bit counter holds.
TEST(Search, WholeRunsLogWhatTheRecursiveSearchLogs) {
    for (const int n : {1, 2, 3, 4, 5, 8, 12, 13}) {
        SCOPED_TRACE(n);
        modul_tiroka m;
        load(m, n);
        fake_playground pg(n);
        recursive_search oracle(n);
        ASSERT_TRUE(oracle.solve());
        m.start_search(pg);
        const long steps = finish(m, pg);
        EXPECT_EQ(pg.langkah, oracle.log);
        EXPECT_EQ(pg.effi, oracle.path);
        EXPECT_EQ(steps, static_cast<long>(pg.langkah.size()) + 1);
        EXPECT_EQ(pg.messages, (lines{"Banyak langkah = " + std::to_string(n * (n + 2))}));
        EXPECT_TRUE(m.is_solved());
        EXPECT_FALSE(pg.sign);  // the step before the success is always a move
        if (n == 12) {
            EXPECT_EQ(steps, 28505);
        }
        if (n == 13) {
            EXPECT_GT(pg.langkah.size(), 32767u);
        }
    }
}

// A step taken back leaves exactly the state the step began from: every step
// of whole runs is taken back in turn, from the goal down to the start.
TEST(Search, EveryStepTakenBackLeavesTheStateItBeganFrom) {
    for (int n = 1; n <= 6; ++n) {
        SCOPED_TRACE(n);
        modul_tiroka m;
        load(m, n);
        fake_playground pg(n);
        const auto state = [&] {
            std::string out = board(m);
            for (const engine::count value : {engine::count{m.hole}, m.step_count, m.log_count, m.path_count,
                                              engine::count{m.anim_kind}, engine::count{m.moving_ball}})
                out += ' ' + std::to_string(value);
            out += pg.sign ? " sign |" : " |";
            for (engine::count d = 0; d <= m.step_count; ++d)
                out += std::to_string(m.move_stack->operator_kurung(d));
            for (const lines* text : {&pg.tags, &pg.effi})
                for (const std::string& line : *text) out += '|' + line;
            // langkah only grows and shrinks at its end.
            return out + '|' + std::to_string(pg.langkah.size()) +
                   (pg.langkah.empty() ? "" : pg.langkah.back());
        };
        m.start_search(pg);
        std::vector<std::string> before{state()};
        while (pg.search_timer) {
            step(m, pg);
            before.push_back(state());
        }
        before.pop_back();
        for (; !before.empty(); before.pop_back()) {
            m.step_back(pg);
            ASSERT_EQ(state(), before.back()) << before.size() << " steps";
        }
        const std::string start = state();
        m.step_back(pg);  // before the first step there is nothing to take back
        EXPECT_EQ(state(), start);
    }
}
