// A list box over the compact line store, telling its listener around every change.
#include "ui/form/list_box.h"

namespace ui {

list_box::list_box(form& owner, const char* name, bounds area, const design& row)
    : control(owner, control_kind::list_box, name, area, row) {}

void list_box::AddItem(std::string_view line) {
    if (listener_) listener_->before_append(lines_.size());
    lines_.push_back(line);
    if (listener_) listener_->after_append();
}

void list_box::RemoveItem(std::size_t index) {
    if (index >= lines_.size()) return;
    if (listener_) listener_->before_remove(index, index);
    lines_.erase(index);
    if (listener_) listener_->after_remove();
    removed_from(index);
}

void list_box::RemoveItemsFrom(std::size_t index) {
    if (index >= lines_.size()) return;
    if (listener_) listener_->before_remove(index, lines_.size() - 1);
    lines_.truncate(index);
    if (listener_) listener_->after_remove();
    removed_from(index);
}

void list_box::removed_from(std::size_t index) {
    if (list_index_ >= 0 && static_cast<std::size_t>(list_index_) >= index) list_index_ = -1;
}

void list_box::ListIndex(int index) {
    if (list_index_ == index) return;
    list_index_ = index;
    if (listener_) listener_->select_row(index);
}

void list_box::show_line(std::size_t index) {
    if (listener_ && index < lines_.size()) listener_->show_row(index);
}

}  // namespace ui
