// The search tree: every step of whole runs, forwards and taken back, against a recursive search that records
// its own tree.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "ui/tree/explain.h"
#include "ui/tree/search_tree.h"

namespace {

constexpr engine::count never = 1 << 30;

// The search as recursion over a row of B, R and _, recording each position it stands on: its
// parent, the line that reached it, and the line after which it is left, found to be a dead end,
// or (once) seen again. For each step it also notes the kinds it skipped before the step's move,
// retreat or goal, each as "kind, why, cell": off the track (o), no marble of its colour (m), no
// marble of the other colour to jump (j).
struct recorded_search {
    struct position {
        int parent;
        engine::count made, left = never;
        bool dead_end = false;
        int first_seen = -1;
        unsigned depth;
    };
    std::string row, goal;
    std::vector<std::string> log, skipped;  // skipped: by step
    std::vector<position> positions;
    std::map<std::string, int> seen;

    explicit recorded_search(int n)
        : row(std::string(n, 'B') + '_' + std::string(n, 'R')),
          goal(std::string(n, 'R') + '_' + std::string(n, 'B')) {
        positions.push_back({-1, 0, never, false, -1, 0});
        seen[row] = 0;
        std::string last;
        solve(0, last);
    }
    // The goal admits no move, so it is found once every kind is skipped.
    bool solve(int at, std::string& trailing) {
        const long hole = static_cast<long>(row.find('_'));
        const struct {
            char marble;
            long from;
            const char* label;
        } kinds[] = {
            {'B', -2, "Blue jump"}, {'R', 2, "Red jump"}, {'B', -1, "Blue roll"}, {'R', 1, "Red roll"}};
        std::string skipping;
        bool moved = false;
        for (int k = 0; k < 4; ++k) {
            const auto& kind = kinds[k];
            const long from = hole + kind.from, over = (from + hole) / 2;
            const auto skip = [&](char why, long cell) {
                skipping += std::to_string(k + 1) + why + std::to_string(cell + 1) + ' ';
            };
            if (from < 0 || from >= static_cast<long>(row.size())) {
                skip('o', from);
                continue;
            }
            if (row[from] != kind.marble) {
                skip('m', from);
                continue;
            }
            if ((from - hole) % 2 == 0 && row[over] == kind.marble) {
                skip('j', over);
                continue;
            }
            skipped.push_back(std::exchange(skipping, ""));
            moved = true;
            std::swap(row[from], row[hole]);
            log.push_back(std::to_string(log.size() + 1) + "." + kind.label + " (" +
                          std::to_string(from + 1) + "," + std::to_string(hole + 1) + ")");
            const int child = static_cast<int>(positions.size());
            const auto first = seen.emplace(row, child);
            positions.push_back({at, static_cast<engine::count>(log.size()), never, false,
                                 first.second ? -1 : first.first->second, positions[at].depth + 1});
            std::string child_trailing;
            if (solve(child, child_trailing)) return true;
            skipped.push_back(child_trailing);
            std::swap(row[from], row[hole]);
            log.push_back(std::to_string(log.size() + 1) + ".Backtrack (" + std::to_string(hole + 1) + "," +
                          std::to_string(from + 1) + ")");
            positions[child].left = static_cast<engine::count>(log.size());
        }
        positions[at].dead_end = !moved;
        trailing = skipping;
        if (row != goal) return false;
        skipped.push_back(skipping);
        return true;
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
        ASSERT_EQ(node.first_seen, p.first_seen < 0 ? -1 : r.positions[p.first_seen].made) << "node " << id;
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

std::string counted(const search_tree::tree& t) {
    const search_tree::counters& c = t.count();
    std::string out;
    for (const engine::count field :
         {c.steps, c.moves, c.backtracks, c.dead_ends, c.repeats, engine::count(c.depth),
          engine::count(c.deepest), engine::count(c.positions)})
        out += std::to_string(field) + ' ';
    return out;
}

// A tree as text: every node, its fold, the counters and where the search stands.
std::string as_text(const search_tree::tree& t) {
    std::string out;
    for (search_tree::node_id id = 0; id < t.nodes().size(); ++id) {
        const search_tree::node& n = t.at(id);
        for (const engine::count field :
             {engine::count(n.parent), engine::count(n.previous_sibling), engine::count(n.column), n.line,
              engine::count(n.kind), engine::count(n.marks), engine::count(n.depth), n.first_seen,
              engine::count(t.folded_below(id))})
            out += std::to_string(field) + ' ';
        out += '\n';
    }
    return out + counted(t) + std::to_string(t.current());
}

// Each node of `folded` as the open tree has it, matched by the line that made it, and the positions folded
// into it as many as the open tree has below it; with `fold_at`, every node left with that many below it
// folded. Returns the folds.
std::size_t expect_the_open_tree_in(const search_tree::tree& folded, const search_tree::tree& open,
                                    std::size_t fold_at = 0) {
    std::map<engine::count, search_tree::node_id> by_line;
    for (search_tree::node_id id = 0; id < open.nodes().size(); ++id) by_line[open.at(id).line] = id;
    const auto line_of = [](const search_tree::tree& t, search_tree::node_id id) {
        return id == search_tree::no_node ? -1 : t.at(id).line;
    };
    const auto fields = [&](const search_tree::tree& t, search_tree::node_id id) {
        const search_tree::node& n = t.at(id);
        return std::vector<engine::count>{
            line_of(t, n.parent), line_of(t, n.previous_sibling), n.kind, n.marks, n.depth, n.first_seen};
    };
    std::size_t folds = 0, positions = folded.nodes().size();
    for (search_tree::node_id id = 0; id < folded.nodes().size(); ++id) {
        const search_tree::node_id same = by_line.at(folded.at(id).line);
        EXPECT_EQ(fields(folded, id), fields(open, same)) << "line " << folded.at(id).line;
        std::size_t below = 0;
        for (search_tree::node_id other = same + 1; other < open.nodes().size(); ++other) {
            search_tree::node_id up = open.at(other).parent;
            while (up > same && up != search_tree::no_node) up = open.at(up).parent;
            below += up == same;
        }
        if (fold_at > 0 && (folded.at(id).marks & search_tree::exhausted))
            EXPECT_EQ(folded.folded_below(id) > 0, below >= fold_at) << "line " << folded.at(id).line;
        if (folded.folded_below(id) > 0) {
            EXPECT_EQ(folded.folded_below(id), below) << "line " << folded.at(id).line;
            ++folds;
        }
        positions += folded.folded_below(id);
    }
    EXPECT_EQ(positions, open.count().positions);
    return folds;
}

// Where a run outgrows what can be drawn, subtrees fold, here at a few positions: after every step forwards
// and back the tree is the one that reading the same lines afresh gives, with the counters and the board of
// the open tree and its nodes; opened on demand, a fold shows its positions again.
TEST(SearchTree, FoldsCountWhatTheyHideAndComeBackFromTheLog) {
    for (int n = 3; n <= 5; ++n) {
        for (const std::size_t fold_at : {2, 12}) {
            SCOPED_TRACE("N = " + std::to_string(n) + ", folds at " + std::to_string(fold_at));
            const recorded_search r(n);
            const search_tree::log_reader log = [&](std::size_t j) { return r.log[j]; };
            search_tree::tree open(n), folded(n, log, fold_at);
            std::size_t folds = 0;
            const auto expect_after = [&](std::size_t k) {
                search_tree::tree afresh(n, log, fold_at);
                afresh.follow(k, false, log);
                ASSERT_EQ(as_text(folded), as_text(afresh)) << "after line " << k;
                EXPECT_EQ(folded.board_of(folded.current()), open.board_of(open.current()));
                folds += expect_the_open_tree_in(folded, open, fold_at);
            };
            for (std::size_t k = 1; k <= r.log.size(); ++k) {
                open.add_line(r.log[k - 1]);
                folded.add_line(r.log[k - 1]);
                expect_after(k);
            }
            for (std::size_t k = r.log.size(); k > 0; --k) {
                open.remove_last_line();
                folded.remove_last_line();
                expect_after(k - 1);
                // Back at once from the whole run, the log as short as the run's then is.
                std::vector<std::string> shown = r.log;
                const search_tree::log_reader the_run = [&](std::size_t j) { return shown.at(j); };
                search_tree::tree jumped(n, the_run, fold_at);
                jumped.follow(shown.size(), false, the_run);
                shown.resize(k - 1);
                jumped.follow(k - 1, false, the_run);
                ASSERT_EQ(as_text(jumped), as_text(folded));
            }
            EXPECT_GT(folds, 0u);

            open.follow(r.log.size(), true, log);
            folded.follow(r.log.size(), true, log);
            search_tree::node_id first_fold = 0;
            while (folded.folded_below(first_fold) == 0) ++first_fold;
            const std::size_t hidden = folded.folded_below(first_fold);
            const std::string before = counted(folded);
            folded.open_fold(first_fold);
            EXPECT_EQ(folded.folded_below(first_fold), 0u);
            EXPECT_GE(folded.nodes().size(), first_fold + 1 + std::min(hidden, fold_at));
            EXPECT_EQ(counted(folded), before);
            EXPECT_EQ(folded.board_of(folded.current()), open.board_of(open.current()));
            expect_the_open_tree_in(folded, open);
        }
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

// Each step rules out the kinds the recorded search skipped before it, for the same reason at the same
// cell, and then moves, retreats or finds the goal as the log says.
TEST(Explain, EveryStepRulesOutWhatTheRecordedSearchSkipped) {
    const char why[] = {'o', 'm', 'j'};
    for (int n = 1; n <= 5; ++n) {
        SCOPED_TRACE("N = " + std::to_string(n));
        const recorded_search r(n);
        search_tree::tree t(n);
        ASSERT_EQ(r.skipped.size(), r.log.size() + 1);
        for (std::size_t k = 0; k <= r.log.size(); ++k) {
            const std::string line = k < r.log.size() ? r.log[k] : "";
            const search_tree::step_reasons reasons = search_tree::reasons_for_next_step(t, line);
            std::string ruled;
            for (const auto& each : reasons.ruled_out)
                ruled += std::to_string(each.kind) + why[static_cast<int>(each.why)] +
                         std::to_string(each.cell) + ' ';
            ASSERT_EQ(ruled, r.skipped[k]) << "step " << k + 1 << ": " << line;
            const auto outcome = line.empty() ? search_tree::step_reasons::goal
                                 : line.find("Backtrack") != std::string::npos
                                     ? search_tree::step_reasons::retreat
                                     : search_tree::step_reasons::move;
            ASSERT_EQ(reasons.outcome, outcome) << "step " << k + 1;
            if (!line.empty()) t.add_line(line);
        }
    }
}

// The words of a first move, a move after kinds ruled out, a retreat from a dead end, a retreat from a
// position whose moves came back, and the goal, for two marbles a side.
TEST(Explain, StepsOfTwoASideInWords) {
    const recorded_search r(2);
    search_tree::tree t(2);
    std::map<std::size_t, std::string> said;
    for (std::size_t k = 0; k <= r.log.size(); ++k) {
        said[k + 1] = search_tree::explain_next_step(t, k < r.log.size() ? r.log[k] : "");
        if (k < r.log.size()) t.add_line(r.log[k]);
    }
    EXPECT_EQ(said[1],
              "Step 1, depth 1: Blue roll (2,3): the blue marble on 2 rolls into the hole. Ruled out first: "
              "Blue jump: no red marble on 2 to jump over; Red jump: no blue marble on 4 to jump over.");
    EXPECT_EQ(said[4],
              "Step 4, depth 4: Blue jump (1,3): the blue marble on 1 jumps the red marble on 2 into the "
              "hole. It is the first kind tried here.");
    EXPECT_EQ(said[6],
              "Step 6: Backtrack. From R _ B B R, no move is possible (Blue jump: no cell two left "
              "of the hole; Red jump: no red marble on 4; Blue roll: no blue marble on 1; Red roll: no red "
              "marble on 3) and it is not the goal: take back Red roll (2,1) and try the kinds after it at "
              "depth 4.");
    EXPECT_EQ(said[11],
              "Step 11: Backtrack. From B R R B _, Blue roll led back here and no later kind is "
              "possible (Red roll: no cell right of the hole): take back Red jump (5,3) and try the kinds "
              "after it at depth 3.");
    EXPECT_EQ(said[19],
              "Step 19: no move is possible and every red marble is left of the hole, every blue one right: "
              "the goal, after 8 moves.");
}

}  // namespace
