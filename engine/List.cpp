// List: append, remove and read by position, with the -9999 and placeholder conventions.
#include "engine/List.h"

namespace engine {

elmt* List::fresh() { return &arena_.emplace_back(); }

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
}

void List::dellastelmt() {
    if (empty()) return;
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
    elmt* e = &arena_.emplace_back(newinfo, fresh_prev, fresh_next);
    if (empty()) {
        first_ = e;  // keeps its placeholder prev
    } else {
        e->prev(last_);
        last_->next1(e);
    }
    last_ = e;
}

std::int16_t List::operator_kurung(list_position position) const {
    std::int16_t result = 0;
    list_position remaining = position;
    for (const elmt* cursor = first_; cursor != nullptr && cursor->info() != 0;
         cursor = cursor->next1()) {
        if (remaining == 0) {
            result = cursor->info();
            break;
        }
        --remaining;
    }
    return result;
}

}  // namespace engine
