// Explains a step of the search from the move test: the kinds it rules out, with the cell that fails, and
// what it does.
#include "ui/tree/explain.h"

#include <optional>

#include "engine/log_line.h"
#include "engine/modul_tiroka.h"

namespace search_tree {

namespace {

using engine::cell;
using engine::small;

std::string kind_name(small kind) {
    const std::string_view label = engine::geometry_of(kind).label;  // ".Blue roll ("
    return std::string(label.substr(1, label.size() - 3));
}

const char* colour_name(small colour) { return colour == engine::blue ? "blue" : "red"; }

// Why a kind cannot be played on a board, or nothing when it can.
std::optional<kind_tried> rule_out(const position& here, small kind) {
    const engine::move_geometry& g = engine::geometry_of(kind);
    const cell from = here.hole - g.direction * g.distance;
    if (here.at(from) == engine::missing) return kind_tried{kind, ruled_out::off_the_track, from};
    if (here.at(from) != g.colour) return kind_tried{kind, ruled_out::no_marble, from};
    const cell over = here.hole - g.direction;
    if (g.distance == 2 && here.at(over) != -g.colour)
        return kind_tried{kind, ruled_out::nothing_to_jump, over};
    return std::nullopt;
}

bool is_goal(const position& here) {
    for (cell p = 1; p <= here.cells; ++p)
        if (here.at(p) != (p < here.hole ? engine::red : p > here.hole ? engine::blue : engine::empty_cell))
            return false;
    return true;
}

std::string reason(const kind_tried& k) {
    const engine::move_geometry& g = engine::geometry_of(k.kind);
    std::string out = kind_name(k.kind) + ": ";
    switch (k.why) {
    case ruled_out::off_the_track:
        return out + "no cell " + (g.distance == 2 ? "two " : "") + (g.direction > 0 ? "left" : "right") +
               " of the hole";
    case ruled_out::no_marble:
        return out + "no " + colour_name(g.colour) + " marble on " + std::to_string(k.cell);
    case ruled_out::nothing_to_jump:
        return out + "no " + colour_name(-g.colour) + " marble on " + std::to_string(k.cell) +
               " to jump over";
    }
    return out;
}

std::string reasons(const std::vector<kind_tried>& ruled) {
    std::string out;
    for (const kind_tried& k : ruled) out += (out.empty() ? "" : "; ") + reason(k);
    return out;
}

// The board as the track shows it, "B B _ R R", where it is short enough to read.
std::string board_words(const tree& t) {
    const std::string letters = t.board_of(t.current());
    if (letters.size() > 41) return "the position with the hole on " + std::to_string(t.hole());
    std::string out;
    for (char letter : letters) out += (out.empty() ? "" : " ") + std::string(1, letter);
    return out;
}

}  // namespace

std::string name_of(next_step step) {
    switch (step) {
    case next_step::backtrack: return "Backtrack";
    case next_step::goal: return "Goal";
    default: return kind_name(static_cast<small>(step));
    }
}

next_step next_step_from(const position& here, small tried) {
    for (small k = static_cast<small>(tried + 1); k <= engine::red_roll; ++k)
        if (!rule_out(here, k)) return static_cast<next_step>(k);
    return is_goal(here) ? next_step::goal : next_step::backtrack;
}

step_reasons reasons_for_next_step(const tree& t, std::string_view next_line) {
    step_reasons r{};
    const node& here = t.at(t.current());
    r.tried_before = here.last_child == no_node ? 0 : t.at(here.last_child).kind;
    const auto line = engine::read_log_line(next_line);
    small last = engine::red_roll;
    if (line && line->kind != 0) {
        r.outcome = step_reasons::move;
        r.kind = line->kind;
        last = static_cast<small>(line->kind - 1);
    } else {
        r.outcome = line ? step_reasons::retreat : step_reasons::goal;
        r.kind = line ? here.kind : 0;
    }
    for (small k = static_cast<small>(r.tried_before + 1); k <= last; ++k)
        if (const auto why = rule_out(t.current_position(), k)) r.ruled_out.push_back(*why);
    return r;
}

std::string explain_next_step(const tree& t, std::string_view next_line) {
    const step_reasons r = reasons_for_next_step(t, next_line);
    const node& here = t.at(t.current());
    const std::string step = "Step " + std::to_string(t.count().steps + 1);
    if (r.outcome == step_reasons::goal)
        return step +
               ": no move is possible and every red marble is left of the hole, every blue one right: the "
               "goal, after " +
               std::to_string(here.depth) + " moves.";
    const std::string before = r.tried_before == 0 ? "" : kind_name(r.tried_before);
    if (r.outcome == step_reasons::retreat) {
        const engine::move_geometry& g = engine::geometry_of(r.kind);
        const std::string taken_back = kind_name(r.kind) + " (" + std::to_string(t.hole()) + "," +
                                       std::to_string(t.hole() + g.direction * g.distance) + ")";
        std::string why = "From " + board_words(t) + ", ";
        if (r.tried_before == 0)
            why += "no move is possible (" + reasons(r.ruled_out) + ") and it is not the goal";
        else if (r.ruled_out.empty())
            why += before + ", the last kind, led back here";
        else
            why += before + " led back here and no later kind is possible (" + reasons(r.ruled_out) + ")";
        return step + ": Backtrack. " + why + ": take back " + taken_back +
               " and try the kinds after it at depth " + std::to_string(here.depth - 1) + ".";
    }
    const auto line = engine::read_log_line(next_line);
    const engine::move_geometry& g = engine::geometry_of(r.kind);
    std::string out = step + ", depth " + std::to_string(here.depth + 1) + ": " + kind_name(r.kind) + " (" +
                      std::to_string(line->from) + "," + std::to_string(line->to) + "): the " +
                      colour_name(g.colour) + " marble on " + std::to_string(line->from) +
                      (g.distance == 2 ? " jumps the " + std::string(colour_name(-g.colour)) + " marble on " +
                                             std::to_string(t.hole() - g.direction) + " into the hole."
                                       : " rolls into the hole.");
    if (r.ruled_out.empty())
        return out + (before.empty()
                          ? " It is the first kind tried here."
                          : " It is the next kind after " + before + ", whose move led back here.");
    return out +
           (before.empty() ? " Ruled out first: "
                           : " After " + before + ", whose move led back here, ruled out: ") +
           reasons(r.ruled_out) + ".";
}

}  // namespace search_tree
