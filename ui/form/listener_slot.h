// The one listener a model object tells of its changes: a second one is refused, never silently swapped in.
#pragma once

#include <stdexcept>

namespace ui {

// A model object has one listener at a time (the host's view of it). A
// second one while the first still listens is a mistake in the program:
// it throws std::logic_error instead of quietly taking the first one's place.
template <class Listener>
class listener_slot {
public:
    void attach(Listener& listener) {
        if (current_ && current_ != &listener) throw std::logic_error("another listener is attached");
        current_ = &listener;
    }
    // Only the listener attached lets go of the slot.
    void detach(const Listener& listener) {
        if (current_ == &listener) current_ = nullptr;
    }
    Listener* get() const { return current_; }
    explicit operator bool() const { return current_ != nullptr; }
    Listener* operator->() const { return current_; }

private:
    Listener* current_ = nullptr;
};

}  // namespace ui
