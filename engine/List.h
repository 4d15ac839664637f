// List: the doubly linked list of elmt that holds the search stack.
#pragma once

#include <cstddef>
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

// The list owns its elements in a pool and gives an element back to the pool
// the moment its own links stop reaching it. What they reach is always the
// chain that starts at first (the elements of the list, then those removed
// since the last append, then one placeholder), the placeholder before
// first, and last. So the pool holds as many elements as the list was long
// at its last append, plus two (six for a fresh list: its two markers and
// their neighbours), however long the search has run.
//
// A removed element stays readable past the end, through the new last
// element's next1, until the next append overwrites that link; only then
// does it go back to the pool.
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
    // The info at a position, counted from first; a walk that meets an info
    // of 0 (or the end of the chain) stops there and reads 0.
    std::int16_t operator_kurung(list_position position) const;

    // The list's own links. The search never assigns them; an assignment
    // from outside takes an element of this list in use (anything else
    // throws std::invalid_argument, the list unchanged). Since the pool can
    // no longer know what the links reach, the list stops giving elements
    // back from then on: an element is never reused while a link may still
    // lead to it. An assignment drops the read cursor, so reads stay those
    // of the walk from first.
    void last(elmt* element);
    elmt* last() const { return last_; }
    void first(elmt* element);
    elmt* first() const { return first_; }

    // Elements taken from the pool and not yet given back.
    std::size_t live_elements() const { return live_; }

private:
    elmt* fresh();
    void release(elmt* element);
    void adopt(const elmt* element);
    list_position release_chain(elmt* element);
    void release_content();
    bool empty() const { return first_->info() == missing; }
    std::int16_t walk_from_first(list_position position) const;

    std::deque<elmt> slots_;  // a deque keeps every element where it is
    elmt* free_ = nullptr;    // slots given back, linked through next1
    std::size_t live_ = 0;
    bool recycling_ = true;  // false once a link was assigned from outside
    elmt* first_ = nullptr;
    elmt* last_ = nullptr;

    // Where the last read ended: the element at `position` on the walk from
    // first, every element before it holding a non-zero info. While that
    // stays true, a read of the same position, of a later one or of the one
    // before resumes here instead of walking from first.
    struct read_cursor {
        list_position position = 0;
        const elmt* at = nullptr;  // nullptr: no cursor
    };
    mutable read_cursor cursor_;
};

}  // namespace engine
