// List: append, remove and read by position, with the -9999 and placeholder conventions.
#include "engine/List.h"

#include <algorithm>
#include <cassert>
#include <stdexcept>

namespace engine {

elmt* List::fresh() {
    ++live_;
    if (free_ == nullptr) return &slots_.emplace_back();
    elmt* element = free_;
    free_ = element->next1();
    *element = elmt();
    return element;
}

void List::release(elmt* element) {
    if (!recycling_) return;
    --live_;
    *element = elmt();
    element->next1(free_);
    free_ = element;
}

// Gives back an element and everything after it along next1, and returns
// how far along that chain the cursor was (-1: not there). The caller has
// just cut the only link into that chain.
list_position List::release_chain(elmt* element) {
    list_position cursor_at = -1;
    for (list_position i = 0; element != nullptr; ++i) {
        if (element == cursor_.at) {
            cursor_.at = nullptr;
            cursor_at = i;
        }
        elmt* next = element->next1();
        release(element);
        element = next;
    }
    return cursor_at;
}

// Gives back everything an empty list still reaches when an append replaces
// its first element. There are three such lists: freshly initialised (first
// and last are the two markers, each with two marker neighbours); emptied by
// removing its only element (last is that element's placeholder prev); or a
// single element whose info is -9999 (last is first).
void List::release_content() {
    elmt* const old_first = first_;
    elmt* const old_prev = first_->prev();
    elmt* const old_last = last_;
    release_chain(old_first);
    if (old_prev != nullptr) release(old_prev);
    if (old_last != old_first && old_last != old_prev) {
        if (old_last->prev() != nullptr) release(old_last->prev());
        if (old_last->next1() != nullptr) release(old_last->next1());
        release(old_last);
    }
    cursor_.at = nullptr;
}

List::List() {
    first_ = fresh();
    last_ = fresh();
    first_->next1(fresh());
    first_->prev(fresh());
    last_->next1(fresh());
    last_->prev(fresh());
    for (elmt* e : {first_, last_, first_->next1(), first_->prev(), last_->next1(), last_->prev()})
        e->info(missing);
}

void List::inclastelmt() {
    // The search never raises a kind past 5; at the top of the 16-bit range
    // the value stays where it is rather than wrapping to a negative kind.
    if (last_->info() < INT16_MAX) last_->info(static_cast<std::int16_t>(last_->info() + 1));
    // A 0 before the cursor's element would end the walk earlier. The last
    // element may lie before it (after removals), so a new 0 there drops
    // the cursor; a 0 at the cursor's own element is read there anyway.
    if (last_->info() == 0 && last_ != cursor_.at) cursor_.at = nullptr;
}

void List::dellastelmt() {
    // No link changes and the removed element reads -9999, never 0: the
    // walk from first passes the same elements as before, and the cursor stays.
    // Only an assigned link makes a last element without a prev: it stays.
    if (empty() || last_->prev() == nullptr) return;
    elmt* removed = last_;
    last_ = last_->prev();
    if (removed == first_)
        first_->info(missing);
    else
        removed->info(missing);  // still the new last element's next1
}

void List::addlastelmt(std::int16_t newinfo) {
    elmt* fresh_prev = fresh();
    elmt* fresh_next = fresh();
    elmt* e = fresh();
    *e = elmt(newinfo, fresh_prev, fresh_next);
    if (empty()) {
        release_content();
        first_ = e;  // keeps its placeholder prev
    } else {
        // E's placeholder prev and whatever last's next1 led to (the
        // placeholder, or the elements removed since the last append) are
        // reached by nothing once these two links change. The walk up to
        // last is untouched, so a cursor there or before it stays, and one
        // in what is cut off steps back to last.
        release(e->prev());
        e->prev(last_);
        if (const list_position cut = release_chain(last_->next1()); cut >= 0)
            cursor_ = {cursor_.position - cut - 1, last_};
        last_->next1(e);
    }
    last_ = e;
}

// An element of this list in use: one of its slots, not on the free list.
void List::adopt(const elmt* element) {
    const auto is_it = [element](const elmt& slot) { return &slot == element; };
    bool in_use = element != nullptr && std::any_of(slots_.begin(), slots_.end(), is_it);
    for (const elmt* e = free_; in_use && e != nullptr; e = e->next1()) in_use = e != element;
    if (!in_use) throw std::invalid_argument("not an element of this list");
    recycling_ = false;
    cursor_.at = nullptr;
}

void List::last(elmt* element) {
    adopt(element);
    last_ = element;
}

void List::first(elmt* element) {
    adopt(element);
    first_ = element;
}

// The documented read: from first, count down the position, stop at an info
// of 0 or at an empty link.
std::int16_t List::walk_from_first(list_position position) const {
    std::int16_t result = 0;
    list_position remaining = position;
    for (const elmt* cursor = first_; cursor != nullptr && cursor->info() != 0; cursor = cursor->next1()) {
        if (remaining == 0) {
            result = cursor->info();
            break;
        }
        --remaining;
    }
    return result;
}

// The same answers as walk_from_first, without starting at first each time.
// The cursor's element lies on the walk at the cursor's position, and no
// element before it holds 0. Every change keeps that true or drops the cursor:
// - an append changes links only after last, and what lay after last goes
//   back to the pool (a cursor there steps back to last);
// - a removal changes no link and writes -9999, never 0;
// - an increment drops it when it writes a 0 anywhere but at its element.
// So a read of the cursor's position or a later one may start at the cursor.
// A read of the position before it starts at the cursor's prev: along the
// chain every element's prev is the element before it, except that of a
// placeholder or marker, which is empty (that read starts at first), and
// first's, which no read needs (positions below 0 read 0 without walking).
std::int16_t List::operator_kurung(list_position position) const {
    std::int16_t result = 0;
    if (position < 0) {
        result = 0;  // the count never reaches 0; the walk runs to the end of the chain
    } else if (position == 0) {
        result = first_->info();  // an info of 0 reads as 0 either way; the cursor stays
    } else {
        const elmt* e = first_;
        list_position at = 0;
        if (cursor_.at != nullptr && cursor_.position <= position) {
            e = cursor_.at;
            at = cursor_.position;
        } else if (cursor_.at != nullptr && cursor_.position == position + 1) {
            if (const elmt* before = cursor_.at->prev(); before != nullptr) {
                e = before;
                at = position;
            }
        }
        for (;;) {
            if (e->info() == 0 || at == position) {
                result = e->info();
                break;
            }
            const elmt* next = e->next1();
            if (next == nullptr) break;  // an empty link reads as 0
            e = next;
            ++at;
        }
        cursor_ = {at, e};
    }
    assert(result == walk_from_first(position));
    return result;
}

}  // namespace engine
