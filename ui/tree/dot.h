// The search tree in Graphviz's DOT language, for a picture of the whole search.
#pragma once

#include <string>

#include "ui/tree/search_tree.h"

namespace search_tree {

// One node a position, labelled with its board in letters (B, R, and _ for
// the hole), one edge a move, labelled with its log line; the current path
// bold, the goal green, dead ends grey with a cross, exhausted nodes faded,
// repeats ringed; the counters as the graph's label.
std::string dot_of(const tree& t);

}  // namespace search_tree
