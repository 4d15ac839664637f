// The search tree: every step of whole runs, forwards and taken back, against a recursive search that records
// its own tree.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "ui/tree/search_tree.h"

namespace {

constexpr engine::count never = 1 << 30;

// The search as recursion over a row of B, R and _, recording each position it stands on: its
// parent, the line that reached it, and the line after which it is left, found to be a dead end,
// or (once) seen again.
struct recorded_search {
    struct position {
        int parent;
        engine::count made, left = never;
        bool dead_end = false;
        int first_seen = -1;
        unsigned depth;
    };
    std::string row, goal;
    std::vector<std::string> log;
    std::vector<position> positions;
    std::map<std::string, int> seen;

    explicit recorded_search(int n)
        : row(std::string(n, 'B') + '_' + std::string(n, 'R')),
          goal(std::string(n, 'R') + '_' + std::string(n, 'B')) {
        positions.push_back({-1, 0, never, false, -1, 0});
        seen[row] = 0;
        solve(0);
    }
    bool solve(int at) {
        if (row == goal) return true;
        const long hole = static_cast<long>(row.find('_'));
        const struct {
            char marble;
            long from;
            const char* label;
        } kinds[] = {
            {'B', -2, "Blue jump"}, {'R', 2, "Red jump"}, {'B', -1, "Blue roll"}, {'R', 1, "Red roll"}};
        bool moved = false;
        for (const auto& kind : kinds) {
            const long from = hole + kind.from;
            if (from < 0 || from >= static_cast<long>(row.size()) || row[from] != kind.marble) continue;
            if ((from - hole) % 2 == 0 && row[(from + hole) / 2] == kind.marble) continue;
            moved = true;
            std::swap(row[from], row[hole]);
            log.push_back(std::to_string(log.size() + 1) + "." + kind.label + " (" +
                          std::to_string(from + 1) + "," + std::to_string(hole + 1) + ")");
            const int child = static_cast<int>(positions.size());
            const auto first = seen.emplace(row, child);
            positions.push_back({at, static_cast<engine::count>(log.size()), never, false,
                                 first.second ? -1 : first.first->second, positions[at].depth + 1});
            if (solve(child)) return true;
            std::swap(row[from], row[hole]);
            log.push_back(std::to_string(log.size() + 1) + ".Backtrack (" + std::to_string(hole + 1) + "," +
                          std::to_string(from + 1) + ")");
            positions[child].left = static_cast<engine::count>(log.size());
        }
        positions[at].dead_end = !moved;
        return false;
    }
};

// Every node the tree holds after line k, with its marks, against the record; and the counters.
void expect_tree_after(const search_tree::tree& t, const recorded_search& r, engine::count k, bool goal) {
    SCOPED_TRACE("after line " + std::to_string(k) + (goal ? " and the goal" : ""));
    search_tree::counters expected;
    expected.steps = k + goal;
    int current = 0;
    for (int id = 0; id < static_cast<int>(r.positions.size()) && r.positions[id].made <= k; ++id) {
        const auto& p = r.positions[id];
        const search_tree::node& node = t.at(static_cast<search_tree::node_id>(id));
        const bool left = p.left <= k, dead = left && p.dead_end;
        std::uint8_t marks = (left ? search_tree::exhausted : 0) | (dead ? search_tree::dead_end : 0) |
                             (p.first_seen >= 0 ? search_tree::repeat : 0);
        if (!left) current = id;
        expected.moves += id > 0;
        expected.backtracks += left;
        expected.dead_ends += dead;
        expected.repeats += p.first_seen >= 0;
        expected.deepest = std::max(expected.deepest, p.depth);
        expected.positions = static_cast<std::size_t>(id) + 1;
        if (goal && !left && id + 1 == static_cast<int>(r.positions.size())) marks |= search_tree::goal;
        ASSERT_EQ(static_cast<int>(node.parent == search_tree::no_node ? -1 : static_cast<int>(node.parent)),
                  p.parent)
            << "node " << id;
        ASSERT_EQ(node.line, p.made) << "node " << id;
        ASSERT_EQ(node.marks, marks) << "node " << id;
        ASSERT_EQ(node.depth, p.depth) << "node " << id;
        ASSERT_EQ(static_cast<int>(
                      node.first_seen == search_tree::no_node ? -1 : static_cast<int>(node.first_seen)),
                  p.first_seen)
            << "node " << id;
    }
    expected.depth = r.positions[current].depth;
    ASSERT_EQ(t.nodes().size(), expected.positions);
    ASSERT_EQ(t.current(), static_cast<search_tree::node_id>(current));
    const search_tree::counters& c = t.count();
    ASSERT_EQ(
        std::vector<engine::count>(
            {c.steps, c.moves, c.backtracks, c.dead_ends, c.repeats, c.depth, c.deepest}),
        std::vector<engine::count>({expected.steps, expected.moves, expected.backtracks, expected.dead_ends,
                                    expected.repeats, expected.depth, expected.deepest}));
}

TEST(SearchTree, EveryStepOfWholeRunsForwardsAndBackMatchesTheRecordedSearch) {
    for (int n = 1; n <= 6; ++n) {
        SCOPED_TRACE("N = " + std::to_string(n));
        const recorded_search r(n);
        search_tree::tree t(n);
        const auto lines = static_cast<engine::count>(r.log.size());
        for (engine::count k = 1; k <= lines; ++k) {
            ASSERT_TRUE(t.add_line(r.log[static_cast<std::size_t>(k - 1)]));
            expect_tree_after(t, r, k, false);
        }
        t.reach_goal(true);
        expect_tree_after(t, r, lines, true);
        for (engine::count k = lines; k > 0; --k) {
            t.remove_last_line();
            expect_tree_after(t, r, k - 1, false);
        }
    }
}

// The counts of whole runs, from a model written apart from both searches.
TEST(SearchTree, WholeRunsCountWhatTheSearchDid) {
    const struct {
        int n;
        std::size_t positions;
        engine::count moves, backtracks, dead_ends, repeats, deepest;
    } rows[] = {{2, 14, 13, 5, 2, 0, 8}, {3, 31, 30, 15, 4, 2, 15}};
    for (const auto& row : rows) {
        const recorded_search r(row.n);
        search_tree::tree t(row.n);
        t.follow(r.log.size(), true, [&](std::size_t j) { return r.log[j]; });
        const search_tree::counters& c = t.count();
        EXPECT_EQ(c.positions, row.positions);
        EXPECT_EQ(
            std::vector<engine::count>({c.moves, c.backtracks, c.dead_ends, c.repeats, c.deepest}),
            std::vector<engine::count>({row.moves, row.backtracks, row.dead_ends, row.repeats, row.deepest}));
        EXPECT_EQ(c.moves - c.backtracks, row.n * row.n + 2 * row.n);
        // Following a shorter log takes the goal and the lines back.
        t.follow(3, false, [&](std::size_t j) { return r.log[j]; });
        expect_tree_after(t, r, 3, false);
    }
}

TEST(SearchTree, ALineThatCannotBeReadChangesNothing) {
    search_tree::tree t(2);
    for (const char* text :
         {"", "1.Blue roll (2,3", "1.Green roll (2,3)", "1.Backtrack (2,3)", "1.Blue roll (1,3)",
          "1.Blue roll (4,3)", "1.Blue roll (9,3)", "x.Blue roll (2,3)"})
        EXPECT_FALSE(t.add_line(text)) << text;
    EXPECT_EQ(t.lines_read(), 0u);
    EXPECT_TRUE(t.add_line("1.Blue roll (2,3)"));
}

}  // namespace
