// modul_tiroka: a move far out on the longest track, and whole runs against a recursive search.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "logging_playground.h"

using engine::modul_tiroka;
using test_support::lines;
using test_support::load;

namespace {
using fake_playground = test_support::logging_playground;

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

// A whole run logs what the recursive search logs, a step a line and one for the goal, and ends on a
// path of N x (N + 2) moves. From N = 13 on, the log numbers more lines than a 16-bit counter holds.
// A tick before the start finds nothing to do; at the goal the search timer goes off before the
// message, and pause after it; ticks that slip through after the end change nothing.
TEST(Search, WholeRunsLogWhatTheRecursiveSearchLogs) {
    for (const int n : {1, 2, 3, 4, 5, 8, 12, 13}) {
        SCOPED_TRACE(n);
        modul_tiroka m;
        load(m, n);
        fake_playground pg(n);
        recursive_search oracle(n);
        ASSERT_TRUE(oracle.solve());
        m.search_step(pg);
        EXPECT_TRUE(pg.langkah.empty() && !pg.frame_timer && !pg.search_timer);
        m.start_search(pg);
        // One tick of the search timer a step: it switches the timer off and shows the sign exactly when
        // it retreats; the animation's last frame then switches it on again. The goal starts no animation.
        long steps = 0;
        const auto most = static_cast<long>(oracle.log.size()) + 1;  // a run that goes on fails at once
        for (; pg.search_timer && steps <= most; ++steps) {
            const std::size_t logged = pg.langkah.size();
            m.search_step(pg);
            ASSERT_FALSE(pg.search_timer) << "step " << steps;
            const bool retreat =
                pg.langkah.size() > logged && pg.langkah.back().find(".Backtrack (") != std::string::npos;
            ASSERT_TRUE(pg.langkah.size() == logged || pg.sign == retreat) << pg.langkah.back();
            pg.search_timer = std::exchange(pg.frame_timer, false);
        }
        EXPECT_TRUE(!pg.search_timer_at_message && pg.finished);
        pg.search_timer = true;
        m.search_step(pg);
        EXPECT_FALSE(pg.frame_timer);
        EXPECT_EQ(pg.langkah, oracle.log);
        EXPECT_EQ(pg.effi, oracle.path);
        EXPECT_EQ(steps, static_cast<long>(pg.langkah.size()) + 1);
        EXPECT_EQ(pg.messages, (lines{"Banyak langkah = " + std::to_string(n * (n + 2))}));
        EXPECT_TRUE(m.is_solved());
        EXPECT_FALSE(pg.sign);                            // the step before the success is always a move
        EXPECT_TRUE(n != 12 || steps == 28505) << steps;  // as documented
        EXPECT_TRUE(n != 13 || pg.langkah.size() > 32767u);
    }
}
