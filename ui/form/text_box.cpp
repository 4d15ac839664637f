// The text box's editing: typed characters, backspace, edits from the platform, and Change.
#include "ui/form/text_box.h"

#include <algorithm>

namespace ui {

text_box::text_box(form& owner, const char* name, bounds area)
    : control(owner, control_kind::text_box, name, area) {}

void text_box::select(std::size_t start, std::size_t length) {
    sel_start_ = std::min(start, text_.size());
    sel_length_ = std::min(length, text_.size() - sel_start_);
    changed();
}

void text_box::replace(std::string&& value, std::size_t caret) {
    const bool different = value != text_;
    text_ = std::move(value);
    sel_start_ = std::min(caret, text_.size());
    sel_length_ = 0;
    changed();
    if (different && Change) Change();
}

void text_box::Text(std::string value) {
    const std::size_t end = value.size();
    replace(std::move(value), end);
}

void text_box::edit(std::string value, std::size_t caret) { replace(std::move(value), caret); }

void text_box::type(int key_ascii) {
    if (KeyPress) KeyPress(key_ascii);
    if (key_ascii == 0 || key_ascii == key_enter) return;
    std::string next = text_;
    std::size_t caret = sel_start_;
    if (key_ascii == key_backspace) {
        if (sel_length_ > 0) {
            next.erase(sel_start_, sel_length_);
        } else if (caret > 0) {
            next.erase(--caret, 1);
        }
    } else if (key_ascii >= 32 && key_ascii < 127) {
        next.replace(sel_start_, sel_length_, 1, static_cast<char>(key_ascii));
        ++caret;
    } else {
        return;  // other control characters insert nothing
    }
    replace(std::move(next), caret);
}

}  // namespace ui
