// The stepwise search: whole runs against the known counts, the first retreats, the end of a run.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/log_line.h"
#include "list_walk.h"
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
}  // namespace

TEST(Search, OneMarbleASideStepByStep) {
    modul_tiroka m;
    load(m, 1);
    fake_playground pg(1);
    m.search_step(pg);  // before the start the stack is empty: no move, and no spinning
    EXPECT_TRUE(pg.langkah.empty());
    EXPECT_FALSE(pg.frame_timer);
    EXPECT_FALSE(pg.search_timer);
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
    EXPECT_EQ(pg.langkah, (lines{"1.Blue roll (1,2)", "2.Red jump (3,1)", "3.Blue roll (2,3)"}));
    EXPECT_EQ(pg.effi, pg.langkah);

    pg.search_timer = true;  // ticks that slip through change nothing
    m.search_step(pg);
    m.search_step(pg);
    EXPECT_EQ(board(m), "R_B");
    EXPECT_EQ(pg.langkah.size() + pg.messages.size(), 4u);
    EXPECT_FALSE(pg.frame_timer);
}

TEST(Search, TwoMarblesASideRetreatFromTheFirstDeadEnd) {
    modul_tiroka m;
    load(m, 2);
    fake_playground pg(2);
    m.start_search(pg);
    for (int i = 0; i < 7; ++i) step(m, pg);
    EXPECT_EQ(pg.langkah,
              (lines{"1.Blue roll (2,3)", "2.Red jump (4,2)", "3.Blue roll (3,4)", "4.Blue jump (1,3)",
                     "5.Red roll (2,1)", "6.Backtrack (1,2)", "7.Backtrack (3,1)"}));
    EXPECT_EQ(pg.effi, (lines{"1.Blue roll (2,3)", "2.Red jump (4,2)", "3.Blue roll (3,4)"}));
    // Depth 3 keeps the blue jump it took back; the next step goes on from there.
    EXPECT_EQ(m.step_count, 3);
    EXPECT_EQ(m.move_stack->operator_kurung(3), 1);

    finish(m, pg);
    EXPECT_EQ(pg.effi,
              (lines{"1.Blue roll (2,3)", "2.Red jump (4,2)", "3.Red roll (5,4)", "4.Blue jump (3,5)",
                     "5.Blue jump (1,3)", "6.Red roll (2,1)", "7.Red jump (4,2)", "8.Blue roll (3,4)"}));
}

TEST(Search, WholeRunsMatchTheKnownCounts) {
    struct row {
        int n, moves;
        std::size_t lines;
    };
    // From N = 13 on, the log numbers more lines than a 16-bit counter holds.
    for (const row r : {row{1, 3, 3}, row{2, 8, 18}, row{3, 15, 45}, row{4, 24, 120}, row{5, 35, 231},
                        row{8, 80, 2024}, row{10, 120, 7608}, row{12, 168, 28504}, row{13, 195, 49575}}) {
        SCOPED_TRACE(r.n);
        modul_tiroka m;
        load(m, r.n);
        fake_playground pg(r.n);
        m.start_search(pg);
        EXPECT_EQ(finish(m, pg), static_cast<long>(r.lines) + 1);  // a step per line, then the goal
        EXPECT_EQ(pg.messages, (lines{"Banyak langkah = " + std::to_string(r.moves)}));
        ASSERT_EQ(pg.langkah.size(), r.lines);
        EXPECT_EQ(pg.langkah.back().rfind(std::to_string(r.lines) + ".", 0), 0u);
        EXPECT_EQ(pg.effi.size(), static_cast<std::size_t>(r.moves));
        EXPECT_TRUE(m.is_solved());
        EXPECT_FALSE(pg.sign);  // the step before the success is always a move
    }
}

namespace {
// The move kind that a log line of the current path names.
int kind_of(const std::string& line) {
    const std::string_view labels[] = {engine::blue_jump_label, engine::red_jump_label,
                                       engine::blue_roll_label, engine::red_roll_label};
    for (int kind = 1; kind <= 4; ++kind)
        if (line.find(labels[kind - 1]) != std::string::npos) return kind;
    return 0;
}
}  // namespace

// After every step of whole runs, the stack read by position gives what the
// walk from first gives, and below the top it holds the kinds of the moves
// on the current path (the Effi log). (In a debug build the list checks
// every read of the search against that walk as well.) The list holds only
// the path and what was removed since the last append: never more elements
// than the deepest path so far, plus the removed top and two placeholders.
TEST(Search, TheStackReadsAsTheWalkAndHoldsOnlyThePath) {
    for (int n = 1; n <= 10; ++n) {
        SCOPED_TRACE(n);
        modul_tiroka m;
        load(m, n);
        fake_playground pg(n);
        m.start_search(pg);
        engine::count deepest = 0;
        std::size_t most_live = 0;
        long steps = 0;
        while (pg.search_timer) {
            step(m, pg);
            ++steps;
            const engine::List& stack = *m.move_stack;
            const engine::count depth =
                m.step_count < 0 ? static_cast<engine::count>(pg.effi.size()) : m.step_count;
            deepest = std::max(deepest, depth);
            for (engine::count d = 0; d <= depth + 2; ++d) {
                ASSERT_EQ(stack.operator_kurung(d), test_support::walk_from_first(stack, d))
                    << "step " << steps;
                if (d < depth) {
                    ASSERT_EQ(stack.operator_kurung(d), kind_of(pg.effi[d])) << "step " << steps;
                }
            }
            stack.operator_kurung(depth);  // the search's next read starts where its last one ended
            ASSERT_LE(stack.live_elements(), static_cast<std::size_t>(deepest) + 1 + 1 + 2)
                << "step " << steps;
            most_live = std::max(most_live, stack.live_elements());
        }
        EXPECT_EQ(pg.messages.size(), 1u);
        EXPECT_LE(most_live, static_cast<std::size_t>(n * n + 2 * n) + 4);
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
