// A single-line text box: its text and caret, typed characters through KeyPress, and Change.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

#include "ui/form/control.h"

namespace ui {

inline constexpr int key_backspace = 8;
inline constexpr int key_enter = 13;

class text_box : public control {
public:
    text_box(form& owner, const char* name, bounds area);

    const std::string& Text() const { return text_; }
    // Set by code: the caret goes to the end, and a new text raises Change.
    void Text(std::string value);
    std::size_t SelStart() const { return sel_start_; }
    std::size_t SelLength() const { return sel_length_; }
    void select(std::size_t start, std::size_t length);

    // A character typed by the user. KeyPress sees it first and may replace
    // it (0 drops it); then a printable character replaces the selection,
    // backspace deletes before the caret, and Enter inserts nothing.
    void type(int key_ascii);
    // Any other edit by the user (a paste, a cut, the Delete key): the new
    // text and caret, as the platform's editor made them.
    void edit(std::string value, std::size_t caret);

    std::function<void(int& key_ascii)> KeyPress;
    std::function<void()> Change;

private:
    void replace(std::string&& value, std::size_t caret);

    std::string text_;
    std::size_t sel_start_ = 0;
    std::size_t sel_length_ = 0;
};

}  // namespace ui
