// Writes the search tree as DOT, walking the nodes in the order the search made them.
#include "ui/tree/dot.h"

#include <utility>
#include <vector>

#include "engine/log_line.h"
#include "engine/modul_tiroka.h"

namespace search_tree {

namespace {

std::string counted(engine::count n, const char* one, const char* many) {
    return std::to_string(n) + ' ' + (n == 1 ? one : many);
}

std::string graph_label(const tree& t) {
    const counters& c = t.count();
    return "N = " + std::to_string(t.ball_count()) + ": " + counted(c.steps, "step", "steps") + ", " +
           counted(static_cast<engine::count>(c.positions), "position", "positions") + ", " +
           counted(c.moves, "move", "moves") + ", " + counted(c.backtracks, "backtrack", "backtracks") +
           ", " + counted(c.dead_ends, "dead end", "dead ends") + ", " +
           counted(c.repeats, "repeat", "repeats") + ", deepest path " + counted(c.deepest, "move", "moves");
}

// The attributes a node's marks and place on the current path give it.
std::string node_attributes(const tree& t, node_id id, bool on_path) {
    const node& n = t.at(id);
    std::string out;
    if (on_path) out += ", penwidth=2";
    if (n.marks & goal) out += ", fillcolor=palegreen";
    if (n.marks & dead_end) out += ", fillcolor=grey90, xlabel=\"\u2717\"";
    if (n.marks & exhausted) out += ", color=grey60, fontcolor=grey45";
    if (n.marks & repeat) {
        const engine::count first = n.first_seen;
        out += ", peripheries=2, tooltip=\"as after " +
               (first == 0 ? std::string("the start") : "line " + std::to_string(first)) + "\"";
    }
    return out;
}

}  // namespace

std::string dot_of(const tree& t) {
    const std::vector<node>& nodes = t.nodes();
    std::vector<bool> on_path(nodes.size());
    for (node_id id = t.current(); id != no_node; id = nodes[id].parent) on_path[id] = true;

    // The root's board; each node's board follows from its parent's by its move.
    const auto balls = static_cast<std::size_t>(t.ball_count());
    std::string board = std::string(balls, 'B') + '_' + std::string(balls, 'R');
    std::size_t hole = balls;
    std::vector<std::pair<node_id, std::size_t>> path;  // node, and the cell its marble came from

    std::string out = "digraph search_tree {\n";
    out += "  graph [label=\"" + graph_label(t) + "\", labelloc=t, ordering=out, fontname=\"Helvetica\"];\n";
    out += "  node [shape=box, style=\"rounded,filled\", fillcolor=white, fontname=\"Courier\"];\n";
    out += "  edge [fontname=\"Helvetica\", fontsize=10];\n";
    out += "  n0 [label=\"" + board + "\"" + node_attributes(t, 0, on_path[0]) + "];\n";
    for (node_id id = 1; id < nodes.size(); ++id) {
        const node& n = nodes[id];
        // Up to the parent, taking back the moves of the nodes left behind.
        while (!path.empty() && path.back().first != n.parent) {
            std::swap(board[path.back().second], board[hole]);
            hole = path.back().second;
            path.pop_back();
        }
        const engine::move_geometry& g = engine::geometry_of(n.kind);
        const auto from =
            static_cast<std::size_t>(static_cast<engine::cell>(hole) - g.direction * g.distance);
        std::swap(board[from], board[hole]);
        path.emplace_back(id, hole);
        const engine::log_line line(n.line, g.label, static_cast<engine::cell>(from) + 1,
                                    static_cast<engine::cell>(hole) + 1);
        hole = from;
        const std::string name = "n" + std::to_string(id);
        out += "  " + name + " [label=\"" + board + "\"" + node_attributes(t, id, on_path[id]) + "];\n";
        out += "  n" + std::to_string(n.parent) + " -> " + name + " [label=\"" + std::string(line.text()) +
               "\"" + (on_path[id] ? ", style=bold, penwidth=2" : "") + "];\n";
    }
    out += "}\n";
    return out;
}

}  // namespace search_tree
