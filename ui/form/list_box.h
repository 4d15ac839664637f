// A list box: lines that are appended and removed by index, shown by the host's list view.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "ui/form/control.h"
#include "ui/form/line_store.h"
#include "ui/form/listener_slot.h"

namespace ui {

// The host's list view listens to these, so that it can follow the lines
// without copying them; a listener overrides what it needs.
class list_listener {
public:
    virtual ~list_listener() = default;
    virtual void before_append(std::size_t /*row*/) {}
    virtual void after_append() {}
    // Rows first .. last, both included, are about to go.
    virtual void before_remove(std::size_t /*first*/, std::size_t /*last*/) {}
    virtual void after_remove() {}
    // The line at `row` is to be scrolled into view.
    virtual void show_row(std::size_t /*row*/) {}
    // The program selected the line at `row`, or none at -1.
    virtual void select_row(int /*row*/) {}
};

class list_box : public control {
public:
    list_box(form& owner, const char* name, bounds area, const design& row = {});

    void AddItem(std::string_view line);
    // Removes the line at a 0-based index; an index past the end is ignored.
    void RemoveItem(std::size_t index);
    // Removes the lines from a 0-based index to the end, as one change.
    void RemoveItemsFrom(std::size_t index);
    std::size_t ListCount() const { return lines_.size(); }
    std::string List(std::size_t index) const { return lines_.at(index); }
    // The same line into `into`, whose storage is reused: no allocation once it is large enough.
    void List(std::size_t index, std::string& into) const { lines_.read(index, into); }

    // The selected line, -1 for none. The host keeps it as the user moves
    // the selection, and shows a selection the program makes; a removal that
    // takes the line clears it.
    int ListIndex() const { return list_index_; }
    void ListIndex(int index);
    // Enter on the selected line, or a double-click on a line (which selects it).
    std::function<void()> DblClick;
    // Scrolls the line at a 0-based index into view, only as far as needed.
    void show_line(std::size_t index);

    // One listener at a time; a second one throws std::logic_error.
    void listen(list_listener& listener) { listener_.attach(listener); }
    void stop_listening(const list_listener& listener) { listener_.detach(listener); }

private:
    void removed_from(std::size_t index);

    line_store lines_;
    listener_slot<list_listener> listener_;
    int list_index_ = -1;
};

}  // namespace ui
