// The search tree, read from the move log: a move line adds a child of the current node, a Backtrack returns
// to its parent.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "engine/List.h"
#include "engine/types.h"
#include "ui/tree/position.h"

namespace search_tree {

using node_id = std::uint32_t;
inline constexpr node_id no_node = ~node_id{0};

// What a node has become.
enum mark : std::uint8_t {
    exhausted = 1,  // the search left it by a Backtrack
    dead_end = 2,   // no kind could be played there, and it is not the goal
    repeat = 4,     // an earlier node of the run stood on the same board
    goal = 8,
};

// A position the search stood on. A node never moves once placed: its row
// is its depth, and its column is its parent's for a first child, else the
// next column right of all the tree so far. So columns never decrease from
// one node to the next, and the nodes in a band of columns are a run of ids.
struct node {
    node_id parent = no_node;
    node_id last_child = no_node;
    node_id previous_sibling = no_node;
    engine::count first_seen = -1;  // for a repeat: the line that first reached its board, 0 the start
    std::uint32_t depth = 0;
    std::uint32_t column = 0;
    engine::count line = 0;  // the line of the move that made it; 0 for the root
    engine::small kind = 0;  // that move's kind
    std::uint8_t marks = 0;
};

// What the search has done so far.
struct counters {
    engine::count steps = 0;  // every line, and the goal
    engine::count moves = 0;
    engine::count backtracks = 0;
    engine::count dead_ends = 0;
    engine::count repeats = 0;
    std::uint32_t depth = 0;    // of the current node
    std::uint32_t deepest = 0;  // the deepest path so far
    std::size_t positions = 1;  // nodes, the root included
};

// The log a tree reads lines again from: the text of line j, 0-based.
using log_reader = std::function<std::string(std::size_t)>;

// A subtree the search has left that holds this many positions below its
// root folds into that node where the tree can read its log again.
inline constexpr std::size_t default_fold_at = 50000;

// The tree after lines 1..k of the log. Lines are read in order and taken
// back from the last; each costs O(1) amortised. The tree keeps the board of
// the current node to tell repeats, and nothing else of the run.
//
// Where a run outgrows what can be drawn, a large subtree folds the moment
// the search leaves it: its positions go, its root stays and counts them,
// and the next node takes the column after the root. So no node drawn
// before moves. The log brings a fold back: taking back the Backtrack that
// made it reads its lines again, and open_fold reads the whole log again with
// that subtree kept open. The counters count the folded positions too.
class tree {
public:
    explicit tree(int ball_count, log_reader log = {}, std::size_t fold_at = default_fold_at);

    // Reads the next line of the log; false, and nothing changes, for a text
    // that is not a log line or a Backtrack at the root.
    bool add_line(std::string_view text);
    // Takes the last line read back.
    void remove_last_line();
    // The positions folded into a node, 0 for an open one.
    std::size_t folded_below(node_id id) const;
    // Reads the whole log again with the fold at `id` kept open from now on.
    void open_fold(node_id id);
    // The search found the goal at the current node, or that is taken back.
    void reach_goal(bool reached);
    // Follows a log to its `lines` lines and the goal: takes lines back
    // while it has more, then reads the new ones through `line_at(j)`, the
    // text of line j (0-based).
    template <class LineAt>
    void follow(std::size_t lines, bool goal_reached, LineAt&& line_at) {
        if (goal_reached_ && (!goal_reached || lines != lines_read())) reach_goal(false);
        start_again_before_folds_past(lines);
        while (lines_read() > lines) remove_last_line();
        while (lines_read() < lines) add_line(line_at(lines_read()));
        if (goal_reached) reach_goal(true);
    }

    int ball_count() const { return ball_count_; }
    std::size_t lines_read() const { return line_is_move_.size(); }
    const std::vector<node>& nodes() const { return nodes_; }
    const node& at(node_id id) const { return nodes_[id]; }
    node_id current() const { return current_; }
    bool goal_reached() const { return goal_reached_; }
    const counters& count() const { return counters_; }
    std::uint32_t columns() const { return nodes_.back().column + 1; }
    // A node's board in letters, track position 1 first: B and R the
    // marbles, _ the hole, such as "BB_RR"; made again from the root's by the
    // moves of its path.
    std::string board_of(node_id id) const;
    // The track position of a node's hole, without its whole board.
    engine::cell hole_of(node_id id) const;
    // The current node's board, and its hole's track position.
    engine::cell hole() const { return hole_; }
    position current_position() const {
        return {board_.data() + 1, static_cast<engine::cell>(board_.size()) - 1, hole_};
    }
    // The node's next sibling, or no_node.
    node_id next_sibling(node_id id) const;

private:
    void slide(engine::cell from, engine::cell to);
    void fold_if_large(node_id left, engine::count backtrack_line);
    // A log followed back to `lines` no longer has the lines of a fold made
    // after them: the tree starts again from the root, to read them anew.
    void start_again_before_folds_past(std::size_t lines);
    void read_fold_again(node_id id);
    static engine::cell reach_of(engine::small kind);
    std::uint64_t cell_hash(engine::cell position, engine::small colour) const;

    int ball_count_;
    std::vector<node> nodes_;
    std::vector<bool> line_is_move_;
    node_id current_ = 0;
    bool goal_reached_ = false;
    counters counters_;
    std::vector<std::uint32_t> deepest_up_to_;  // by node: the deepest of it and the nodes before
    std::vector<engine::small> board_;          // by track position; slot 0 unused
    engine::cell hole_ = 0;
    std::uint64_t hash_ = 0;  // of board_
    std::unordered_map<std::uint64_t, engine::count> first_on_board_;  // the line that first reached it
    log_reader log_;
    std::size_t fold_at_;
    // A fold: the positions below its root, the Backtrack line that left
    // it, and the deepest path up to its root alone.
    struct fold {
        std::size_t positions;
        engine::count backtrack_line;
        std::uint32_t deepest_before;
    };
    std::map<node_id, fold> folds_;
    std::unordered_set<engine::count> kept_open_;  // by the line that made a fold's root
};

}  // namespace search_tree
