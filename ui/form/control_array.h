// A control array: element 0 is designed, every other element is created as a copy of it.
#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "ui/form/form.h"

namespace ui {

template <class Control>
class control_array {
public:
    template <class... Args>
    explicit control_array(Args&&... element0) {
        elements_.push_back(std::make_unique<Control>(std::forward<Args>(element0)...));
        elements_.front()->Visible(false);
    }

    // Create element `index` as a copy of element 0: same size, position,
    // colours and font, invisible, with an empty Tag. Elements may be
    // created in any order; each index once.
    Control& load(int index) {
        if (index <= 0) throw std::out_of_range("control array: element 0 is designed, not loaded");
        if (static_cast<std::size_t>(index) >= elements_.size())
            elements_.resize(static_cast<std::size_t>(index) + 1);
        auto& slot = elements_[static_cast<std::size_t>(index)];
        if (slot) throw std::logic_error("control array: element already exists");
        slot = std::make_unique<Control>(*elements_.front(), array_element{});
        // Announced once it is whole, so the host can look at all of it.
        if (auto* observer = slot->owner().observer()) observer->control_loaded(*slot);
        return *slot;
    }

    bool exists(int index) const {
        return index >= 0 && static_cast<std::size_t>(index) < elements_.size() &&
               elements_[static_cast<std::size_t>(index)] != nullptr;
    }

    Control& operator()(int index) { return checked(index); }
    const Control& operator()(int index) const { return checked(index); }

private:
    Control& checked(int index) const {
        if (!exists(index)) throw std::out_of_range("control array: no element " + std::to_string(index));
        return *elements_[static_cast<std::size_t>(index)];
    }

    std::vector<std::unique_ptr<Control>> elements_;
};

}  // namespace ui
