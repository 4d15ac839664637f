// Tests of the stepwise search: whole runs against the known counts, the first retreats, and the end of a run.
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

// The playground as the search sees it: tags numbered as the load numbers
// the marbles, the two logs, the two timers, the sign and the message.
class fake_playground : public test_support::logging_playground {
public:
    using logging_playground::logging_playground;
    lines messages;
    bool frame_timer = false, search_timer = false, sign = false, finished = false;
    std::string at_message;  // the timer and the buttons while the message is up

    void remove_effi_line(engine::count index) override { effi.erase(effi.begin() + index); }
    void start_frame_timer() override { frame_timer = true; }
    void set_search_timer(bool enabled) override { search_timer = enabled; }
    void show_backtrack_sign(bool visible) override { sign = visible; }
    void show_message(const std::string& text) override {
        messages.push_back(text);
        at_message = search_timer ? "timer on" : "timer off";
        if (finished) at_message += ", finished";
    }
    void finish_playback() override { finished = true; }
};

// The cells as B, R and _.
std::string board(const modul_tiroka& m) {
    std::string out;
    for (std::size_t c = 0; c + 1 < m.board.size(); ++c) out += "R_B"[m.board[c] + 1];
    return out;
}

// One tick of the search timer, then what the animation's last frame does:
// frame timer off, search timer on. The success starts no animation, so
// the search timer stays off. Every step must switch the search timer off
// and show the sign exactly when it retreats.
void step(modul_tiroka& m, fake_playground& pg) {
    const auto logged = pg.langkah.size();
    m.search_step(pg);
    EXPECT_FALSE(pg.search_timer) << "after the step that found " << logged << " lines";
    if (pg.langkah.size() > logged) {
        EXPECT_EQ(pg.sign, pg.langkah.back().find(".Backtrack (") != std::string::npos)
            << pg.langkah.back();
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
    m.start_search(pg);
    const auto stack = [&](int depth) { return m.move_stack->operator_kurung(depth); };
    EXPECT_TRUE(pg.search_timer);
    EXPECT_EQ((std::vector<int>{stack(0), stack(1)}), (std::vector<int>{0, 0}));

    for (const char* expected : {"_BR", "RB_", "R_B"}) {
        step(m, pg);
        EXPECT_EQ(board(m), expected);
    }
    EXPECT_EQ(m.step_count, 3);
    EXPECT_EQ((std::vector<int>{stack(0), stack(1), stack(2), stack(3)}), (std::vector<int>{3, 2, 3, 0}));
    EXPECT_TRUE(pg.messages.empty());

    step(m, pg);  // the goal: the search timer goes off before the message, pause after it
    EXPECT_EQ(pg.messages, (lines{"Banyak langkah = 3"}));
    EXPECT_EQ(pg.at_message, "timer off");
    EXPECT_TRUE(pg.finished);
    EXPECT_EQ(m.step_count, -1);
    EXPECT_EQ((std::vector<int>{stack(0), stack(1), stack(2), stack(3)}),
              (std::vector<int>{3, 2, 3, engine::missing}));  // the exhausted top has gone
    EXPECT_EQ(pg.langkah, (lines{"1.Blue roll (1,2)", "2.Red jump (3,1)", "3.Blue roll (2,3)"}));
    EXPECT_EQ(pg.effi, pg.langkah);

    pg.search_timer = true;  // ticks that slip through change nothing
    m.search_step(pg);
    m.search_step(pg);
    EXPECT_EQ(board(m), "R_B");
    EXPECT_EQ(pg.langkah.size(), 3u);
    EXPECT_EQ(pg.messages.size(), 1u);
    EXPECT_FALSE(pg.frame_timer);
}

TEST(Search, TwoMarblesASideRetreatFromTheFirstDeadEnd) {
    modul_tiroka m;
    load(m, 2);
    fake_playground pg(2);
    m.start_search(pg);
    for (int i = 0; i < 5; ++i) step(m, pg);
    EXPECT_EQ(pg.langkah, (lines{"1.Blue roll (2,3)", "2.Red jump (4,2)", "3.Blue roll (3,4)",
                                 "4.Blue jump (1,3)", "5.Red roll (2,1)"}));
    EXPECT_EQ(board(m), "R_BBR");
    step(m, pg);
    EXPECT_EQ(pg.langkah.back(), "6.Backtrack (1,2)");
    EXPECT_TRUE(pg.sign);
    step(m, pg);
    EXPECT_EQ(pg.langkah.back(), "7.Backtrack (3,1)");
    EXPECT_TRUE(pg.sign);
    EXPECT_EQ(pg.effi.size(), 3u);
    // Depth 3 keeps the blue jump it took back; the next step goes on from there.
    EXPECT_EQ(m.step_count, 3);
    EXPECT_EQ(m.move_stack->operator_kurung(3), 1);

    finish(m, pg);
    EXPECT_EQ(pg.effi, (lines{"1.Blue roll (2,3)", "2.Red jump (4,2)", "3.Red roll (5,4)",
                              "4.Blue jump (3,5)", "5.Blue jump (1,3)", "6.Red roll (2,1)",
                              "7.Red jump (4,2)", "8.Blue roll (3,4)"}));
}

TEST(Search, WholeRunsMatchTheKnownCounts) {
    struct row {
        int n, moves;
        std::size_t lines;
        long steps;
    };
    // From N = 13 on, the log numbers more lines than a 16-bit counter holds.
    for (const row r : {row{1, 3, 3, 4}, row{2, 8, 18, 19}, row{3, 15, 45, 46}, row{4, 24, 120, 121},
                        row{5, 35, 231, 232}, row{8, 80, 2024, 2025}, row{10, 120, 7608, 7609},
                        row{12, 168, 28504, 28505}, row{13, 195, 49575, 49576}}) {
        SCOPED_TRACE(r.n);
        modul_tiroka m;
        load(m, r.n);
        fake_playground pg(r.n);
        m.start_search(pg);
        EXPECT_EQ(finish(m, pg), r.steps);
        EXPECT_EQ(pg.messages, (lines{"Banyak langkah = " + std::to_string(r.moves)}));
        ASSERT_EQ(pg.langkah.size(), r.lines);
        EXPECT_EQ(pg.langkah.back().rfind(std::to_string(r.lines) + ".", 0), 0u);
        EXPECT_EQ(pg.effi.size(), static_cast<std::size_t>(r.moves));
        EXPECT_TRUE(m.is_solved());
        EXPECT_FALSE(pg.sign);  // the step before the success is always a move

        // The stack holds the solution: replaying it writes Effi again.
        modul_tiroka replay;
        load(replay, r.n);
        fake_playground again(r.n);
        for (int d = 0; d < r.moves; ++d) {
            const small k = m.move_stack->operator_kurung(d);
            ASSERT_TRUE(replay.can_move(k)) << "depth " << d;
            replay.do_move(k, again);
        }
        EXPECT_EQ(again.effi, pg.effi);
        EXPECT_EQ(again.tags, pg.tags);
    }
}

TEST(Search, AStepBeforeTheSearchStartsDoesNothing) {
    // A freshly loaded board has an empty stack: a stray tick must neither
    // move a marble nor spin looking for a top that is not there.
    modul_tiroka m;
    load(m, 1);
    fake_playground pg(1);
    m.search_step(pg);
    EXPECT_TRUE(pg.langkah.empty());
    EXPECT_FALSE(pg.frame_timer);
    EXPECT_FALSE(pg.search_timer);
    EXPECT_EQ(m.board, (std::vector<small>{1, 0, -1, 0}));
}
