// List: the doubly linked list of elmt that holds the search stack.
#pragma once

#include <cstdint>
#include <deque>

#include "engine/elmt.h"

namespace engine {

// -9999 marks a missing value: an empty list, and (in the move test) a
// neighbour outside the board.
inline constexpr std::int16_t missing = -9999;

// Positions in the list are 64-bit: the stack is as deep as the current path,
// which for large N can pass 32767 moves.
using list_position = std::int64_t;

// The list owns its elements in an arena. An element that leaves the list
// stays readable past the end (through the new last element's next1) until
// the next append; nothing is freed before the list itself is initialised
// again, so those reads are always safe. The arena grows by three elements
// per append, at the same pace as the move log that every step writes.
class List {
public:
    // The initialiser: an empty list, marked by first.info = -9999.
    List();
    List(const List&) = delete;
    List& operator=(const List&) = delete;

    void printobj() const {}
    void inclastelmt();
    void dellastelmt();
    void addlastelmt(std::int16_t newinfo);
    std::int16_t operator_kurung(list_position position) const;

    void last(elmt* element) { last_ = element; }
    elmt* last() const { return last_; }
    void first(elmt* element) { first_ = element; }
    elmt* first() const { return first_; }

private:
    elmt* fresh();
    bool empty() const { return first_->info() == missing; }

    std::deque<elmt> arena_;
    elmt* first_ = nullptr;
    elmt* last_ = nullptr;
};

}  // namespace engine
