// The search tree read line by line from the move log, and taken back line by line.
#include "ui/tree/search_tree.h"

#include <algorithm>

#include "engine/log_line.h"
#include "engine/modul_tiroka.h"

namespace search_tree {

tree::tree(int ball_count, log_reader log, std::size_t fold_at)
    : ball_count_(ball_count), nodes_(1), deepest_up_to_(1, 0), log_(std::move(log)), fold_at_(fold_at) {
    const engine::cell cells = 2 * engine::cell{ball_count} + 1;
    board_.assign(static_cast<std::size_t>(cells + 1), engine::empty_cell);
    for (engine::cell p = 1; p <= cells; ++p) {
        board_[p] = p <= ball_count ? engine::blue : p == ball_count + 1 ? engine::empty_cell : engine::red;
        hash_ ^= cell_hash(p, board_[p]);
    }
    hole_ = ball_count + 1;
    first_on_board_.emplace(hash_, 0);
}

// A board's hash is the exclusive or of one random-looking word per marble
// and cell (splitmix64 of the pair), so a slide changes it in O(1).
std::uint64_t tree::cell_hash(engine::cell position, engine::small colour) const {
    if (colour == engine::empty_cell) return 0;
    std::uint64_t z = static_cast<std::uint64_t>(position) * 2 + (colour == engine::blue ? 1 : 0);
    z += 0x9E3779B97F4A7C15ull;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

// The marble on track position `from` goes to `to`, the hole, which takes its place.
void tree::slide(engine::cell from, engine::cell to) {
    const engine::small colour = board_[from];
    hash_ ^= cell_hash(from, colour) ^ cell_hash(to, colour);
    board_[to] = colour;
    board_[from] = engine::empty_cell;
    hole_ = from;
}

// How far a move of that kind carries its marble along the track.
engine::cell tree::reach_of(engine::small kind) {
    const engine::move_geometry& g = engine::geometry_of(kind);
    return g.direction * g.distance;
}

bool tree::add_line(std::string_view text) {
    const auto line = engine::read_log_line(text);
    // A move slides a marble of its kind into the hole; a Backtrack takes the
    // current node's move back, and the root has none.
    if (!line) return false;
    const bool move = line->kind != 0;
    if (!move && current_ == 0) return false;
    const engine::cell from = move ? hole_ - reach_of(line->kind) : hole_ + reach_of(nodes_[current_].kind);
    const auto on_track = [this](engine::cell p) {
        return p >= 1 && p < static_cast<engine::cell>(board_.size());
    };
    if (line->to != hole_ || line->from != from || !on_track(from) || board_[from] == engine::empty_cell)
        return false;
    if (goal_reached_) reach_goal(false);
    slide(line->from, line->to);
    line_is_move_.push_back(move);
    ++counters_.steps;
    if (move) {
        const auto id = static_cast<node_id>(nodes_.size());
        node made;
        node& parent = nodes_[current_];
        made.parent = current_;
        made.previous_sibling = parent.last_child;
        made.depth = parent.depth + 1;
        made.column = parent.last_child == no_node ? parent.column : columns();
        made.line = line->number;
        made.kind = line->kind;
        parent.last_child = id;
        // A fold read again finds its own lines in the table.
        const auto [first, fresh] = first_on_board_.emplace(hash_, line->number);
        if (!fresh && first->second != line->number) {
            made.marks = repeat;
            made.first_seen = first->second;
            ++counters_.repeats;
        }
        nodes_.push_back(made);
        deepest_up_to_.push_back(std::max(deepest_up_to_.back(), made.depth));
        current_ = id;
        ++counters_.moves;
        ++counters_.positions;
    } else {
        node& left = nodes_[current_];
        left.marks |= exhausted;
        if (left.last_child == no_node) {
            left.marks |= dead_end;
            ++counters_.dead_ends;
        }
        const node_id left_id = current_;
        current_ = left.parent;
        ++counters_.backtracks;
        fold_if_large(left_id, line->number);
    }
    counters_.depth = nodes_[current_].depth;
    counters_.deepest = deepest_up_to_.back();
    return true;
}

// The search has left `left` for good, unless taken back: where its subtree
// is large, its positions go and the node counts them. They are the newest
// nodes, so no other node changes its id or its place.
void tree::fold_if_large(node_id left, engine::count backtrack_line) {
    if (!log_ || kept_open_.count(nodes_[left].line)) return;
    std::size_t below = nodes_.size() - 1 - left;
    const auto inner = folds_.upper_bound(left);
    for (auto f = inner; f != folds_.end(); ++f) below += f->second.positions;
    if (below < fold_at_) return;
    folds_.erase(inner, folds_.end());
    folds_.emplace(left, fold{below, backtrack_line, deepest_up_to_[left]});
    deepest_up_to_[left] = deepest_up_to_.back();
    nodes_.resize(left + 1);
    deepest_up_to_.resize(left + 1);
    nodes_[left].last_child = no_node;
}

// The search stands on a folded node again: its subtree comes back from the
// log, line by line, as it was read the first time. Those lines are counted
// already.
void tree::read_fold_again(node_id id) {
    const auto found = folds_.find(id);
    if (found == folds_.end()) return;
    const fold f = found->second;
    folds_.erase(found);
    deepest_up_to_[id] = f.deepest_before;
    const counters counted = counters_;
    const std::size_t lines = line_is_move_.size();
    for (auto j = static_cast<std::size_t>(nodes_[id].line);
         j + 1 < static_cast<std::size_t>(f.backtrack_line); ++j)
        add_line(log_(j));
    counters_ = counted;
    line_is_move_.resize(lines);
}

void tree::start_again_before_folds_past(std::size_t lines) {
    if (folds_.empty() || folds_.rbegin()->second.backtrack_line <= static_cast<engine::count>(lines) + 1)
        return;
    tree again(ball_count_, log_, fold_at_);
    again.kept_open_ = std::move(kept_open_);
    *this = std::move(again);
}

std::size_t tree::folded_below(node_id id) const {
    const auto found = folds_.find(id);
    return found == folds_.end() ? 0 : found->second.positions;
}

void tree::open_fold(node_id id) {
    if (!folds_.count(id)) return;
    kept_open_.insert(nodes_[id].line);
    tree again(ball_count_, log_, fold_at_);
    again.kept_open_ = std::move(kept_open_);
    for (std::size_t j = 0; j < lines_read(); ++j) again.add_line(log_(j));
    if (goal_reached_) again.reach_goal(true);
    *this = std::move(again);
}

void tree::remove_last_line() {
    if (line_is_move_.empty()) return;
    if (goal_reached_) reach_goal(false);
    const bool move = line_is_move_.back();
    line_is_move_.pop_back();
    --counters_.steps;
    const node last = nodes_[current_];
    if (move) {
        // The newest node goes, with its place in the repeats' table, and
        // its move's marble goes back.
        nodes_[last.parent].last_child = last.previous_sibling;
        if (last.marks & repeat)
            --counters_.repeats;
        else
            first_on_board_.erase(hash_);
        --counters_.moves;
        --counters_.positions;
        current_ = last.parent;
        nodes_.pop_back();
        deepest_up_to_.pop_back();
        slide(hole_ + reach_of(last.kind), hole_);
    } else {
        // The child the Backtrack left is the current node's newest one; its
        // move is made again.
        node& left = nodes_[last.last_child];
        if (left.marks & dead_end) --counters_.dead_ends;
        left.marks &= static_cast<std::uint8_t>(~(exhausted | dead_end));
        current_ = last.last_child;
        slide(hole_ - reach_of(left.kind), hole_);
        --counters_.backtracks;
        read_fold_again(current_);
    }
    counters_.depth = nodes_[current_].depth;
    counters_.deepest = deepest_up_to_.back();
}

void tree::reach_goal(bool reached) {
    if (reached == goal_reached_) return;
    goal_reached_ = reached;
    counters_.steps += reached ? 1 : -1;
    nodes_[current_].marks ^= goal;
}

std::string tree::board_of(node_id id) const {
    std::vector<node_id> path;
    for (node_id at = id; at != 0; at = nodes_[at].parent) path.push_back(at);
    const auto n = static_cast<std::size_t>(ball_count_);
    std::string letters = std::string(n, 'B') + '_' + std::string(n, 'R');
    auto hole = static_cast<engine::cell>(n);
    for (auto at = path.rbegin(); at != path.rend(); ++at) {
        const engine::cell from = hole - reach_of(nodes_[*at].kind);
        std::swap(letters[static_cast<std::size_t>(from)], letters[static_cast<std::size_t>(hole)]);
        hole = from;
    }
    return letters;
}

engine::cell tree::hole_of(node_id id) const {
    engine::cell hole = ball_count_ + 1;
    for (node_id at = id; at != 0; at = nodes_[at].parent) hole -= reach_of(nodes_[at].kind);
    return hole;
}

node_id tree::next_sibling(node_id id) const {
    if (id == 0) return no_node;
    node_id next = no_node;
    for (node_id at = nodes_[nodes_[id].parent].last_child; at != id; at = nodes_[at].previous_sibling)
        next = at;
    return next;
}

}  // namespace search_tree
