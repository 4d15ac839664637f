// modul_tiroka: a move far out on the longest track, whole runs against a recursive search, steps back.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "engine/modul_tiroka.h"

using engine::modul_tiroka;

namespace {

using lines = std::vector<std::string>;

// A playground that records what the engine asks of it: tags, marbles placed, logs, timers, sign, message.
// Made for N marbles a side, it loads the engine as the playground's load does.
class fake_playground : public engine::playground_port, public engine::rewind_port {
public:
    fake_playground(modul_tiroka& m, int n)
        : tags(static_cast<std::size_t>(2 * n + 2)), marbles(static_cast<std::size_t>(2 * n + 1)) {
        m.ball_count = static_cast<engine::small>(n);
        m.set_initial_position();
        for (int p = 1; p <= 2 * n + 1; ++p)
            if (p != n + 1) tags[p] = std::to_string(p <= n ? p : p - 1);
        for (int ball = 1; ball <= 2 * n; ++ball) marbles[ball] = ball <= n ? ball : ball + 1;
    }
    lines tags, langkah, effi, messages;  // tags indexed by track position
    std::vector<engine::cell> marbles;    // the track position of each marble, by number
    bool frame_timer = false, search_timer = false, sign = false, finished = false;
    bool search_timer_at_message = true;

    std::string_view cell_tag(engine::cell p) const override { return tags.at(p); }
    void set_cell_tag(engine::cell p, std::string tag) override { tags.at(p) = std::move(tag); }
    void add_langkah_line(std::string_view line) override { langkah.emplace_back(line); }
    void add_effi_line(std::string_view line) override { effi.emplace_back(line); }
    void remove_effi_line(engine::count index) override { effi.erase(effi.begin() + index); }
    void remove_last_langkah_line() override { langkah.pop_back(); }
    void place_marble(engine::cell ball, engine::cell p) override { marbles.at(ball) = p; }
    void start_frame_timer() override { frame_timer = true; }
    void set_search_timer(bool enabled) override { search_timer = enabled; }
    void show_backtrack_sign(bool visible) override { sign = visible; }
    void show_message(const std::string& text) override {
        messages.push_back(text);
        search_timer_at_message = search_timer;
        EXPECT_FALSE(finished) << "pause goes dark only once the message is answered";
    }
    void finish_playback() override { finished = true; }
};

// The same search written as recursion over a row of B, R and _: at each
// position the blue jump, the red jump, the blue roll and the red roll are
// tried in turn; every move and every retreat is logged, numbered.
struct recursive_search {
    std::string row, goal;
    lines log, path;

    explicit recursive_search(int n)
        : row(std::string(n, 'B') + '_' + std::string(n, 'R')), goal(row.rbegin(), row.rend()) {}

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

// What a step leaves: board, hole, stack, counters, the marks of the last step (anim_kind, moving_ball,
// the sign), where the marbles stand, the cell tags and both logs.
auto state(const modul_tiroka& m, const fake_playground& pg) {
    std::vector<int> stack;
    for (engine::count d = 0; d <= m.step_count; ++d) stack.push_back(m.move_stack->operator_kurung(d));
    return std::make_tuple(m.board, m.hole, stack, m.step_count, m.log_count, m.path_count, m.anim_kind,
                           m.moving_ball, pg.sign, pg.marbles, pg.tags, pg.langkah, pg.effi);
}

// One tick of the search timer, and the last frame of the animation it starts: the marble in motion
// stands on the cell whose tag names it.
void step(modul_tiroka& m, fake_playground& pg) {
    m.search_step(pg);
    for (std::size_t p = 1; p < pg.tags.size(); ++p)
        if (pg.tags[p] == std::to_string(m.moving_ball))
            pg.marbles.at(m.moving_ball) = static_cast<engine::cell>(p);
}
}  // namespace

TEST(Moves, FarEndOfALongTrackNumbersPastSixteenBits) {
    // Red marble 39999 has already gone to the middle; marble 40000 rolls into its cell.
    modul_tiroka m;
    fake_playground pg(m, 20000);
    std::swap(m.board[20000], m.board[39999]);
    m.hole = 39999;
    std::swap(pg.tags[20001], pg.tags[40000]);
    m.do_move(4, pg);
    EXPECT_EQ(m.moving_ball, 40000);
    EXPECT_EQ(pg.tags[40000] + "|" + pg.tags[40001], "40000|");
    EXPECT_EQ(pg.langkah, (lines{"1.Red roll (40001,40000)"}));
}

// A whole run logs what the recursive search logs, a step a line and one for the goal, and ends on a
// path of N x (N + 2) moves. From N = 13 on, the log numbers more lines than a 16-bit counter holds.
// A tick before the start finds nothing to do; at the goal the search timer goes off before the
// message, and pause after it; ticks that slip through after the end change nothing. Up to N = 8 each
// step, a retreat's as a move's and the goal's, is taken back and made again: back, it leaves the state
// it began from; again, the state it led to.
TEST(Search, WholeRunsLogWhatTheRecursiveSearchLogsAndEachStepGoesBack) {
    for (const int n : {1, 2, 3, 4, 5, 8, 12, 13}) {
        SCOPED_TRACE(n);
        modul_tiroka m;
        fake_playground pg(m, n);
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
            const auto before = n <= 8 ? state(m, pg) : decltype(state(m, pg)){};
            step(m, pg);
            ASSERT_FALSE(pg.search_timer) << "step " << steps;
            const bool retreat =
                pg.langkah.size() > logged && pg.langkah.back().find(".Backtrack (") != std::string::npos;
            ASSERT_TRUE(pg.langkah.size() == logged || pg.sign == retreat) << pg.langkah.back();
            if (n <= 8) {
                const auto after = state(m, pg);
                m.step_back(pg);
                ASSERT_EQ(state(m, pg), before) << "step " << steps + 1 << " taken back";
                pg.finished = false;  // the goal is found again
                pg.messages.clear();
                step(m, pg);
                ASSERT_EQ(state(m, pg), after) << "step " << steps + 1 << " made again";
            }
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
        EXPECT_FALSE(pg.sign);  // the step before the success is always a move
    }
}
