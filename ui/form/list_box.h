// A list box: lines that are appended and removed by index, shown by the host's list view.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "ui/form/control.h"
#include "ui/form/line_store.h"

namespace ui {

// The host's list view listens to these, so that it can follow the lines
// without copying them.
class list_listener {
public:
    virtual ~list_listener() = default;
    virtual void before_append(std::size_t row) = 0;
    virtual void after_append() = 0;
    virtual void before_remove(std::size_t row) = 0;
    virtual void after_remove() = 0;
};

class list_box : public control {
public:
    list_box(form& owner, const char* name, bounds area, const design& row = {});

    void AddItem(std::string_view line);
    // Removes the line at a 0-based index; an index past the end is ignored.
    void RemoveItem(std::size_t index);
    std::size_t ListCount() const { return lines_.size(); }
    std::string List(std::size_t index) const { return lines_.at(index); }

    void listen(list_listener* listener) { listener_ = listener; }

private:
    line_store lines_;
    list_listener* listener_ = nullptr;
};

}  // namespace ui
