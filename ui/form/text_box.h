// A single-line text box: its UTF-8 text and caret, typed characters through KeyPress, and Change.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

#include "ui/form/control.h"

namespace ui {

// Typed characters are Unicode code points, U+0000 to U+10FFFF; these two are keys.
inline constexpr char32_t key_backspace = 8;
inline constexpr char32_t key_enter = 13;

// The text is UTF-8 and stays valid UTF-8 after every edit. Positions and
// lengths count characters as the platform's text box counts them, in
// UTF-16 code units (a character beyond U+FFFF counts two), so that the
// caret and selection the screen shows can be handed over unchanged.
class text_box : public control {
public:
    // The platform's single-line text box holds at most this many
    // characters; a text it could not show is never taken here either.
    static constexpr std::size_t max_length = 32767;

    text_box(form& owner, const char* name, bounds area, const design& row = {});

    const std::string& Text() const { return text_; }
    // Set by code: the caret goes to the end, and a new text raises Change.
    // A text that is not UTF-8 or longer than MaxLength is refused (false).
    bool Text(std::string value);
    std::size_t MaxLength() const { return max_length; }
    // The length of the text in characters.
    std::size_t length() const { return length_; }
    std::size_t SelStart() const { return sel_start_; }
    std::size_t SelLength() const { return sel_length_; }
    // Clamped to the text; a selection that starts or ends inside a
    // character takes the whole character.
    void select(std::size_t start, std::size_t length);

    // A character typed by the user, as a Unicode code point. KeyPress sees
    // it first and may replace it (0 drops it); then a printable character
    // replaces the selection unless the box is full, backspace deletes the
    // selection or the character before the caret, and Enter inserts nothing.
    void type(char32_t key);
    // Any other edit by the user (a paste, a cut, the Delete key): the new
    // text and caret, as the platform's editor made them (a caret past the
    // end stands at the end). Refused (false),
    // leaving everything as it was, when the text is not UTF-8 or too long.
    bool edit(std::string value, std::size_t caret);

    std::function<void(char32_t& key)> KeyPress;
    std::function<void()> Change;

private:
    void replace(std::string&& value, std::size_t length, std::size_t caret);
    // The byte offset in the text of a position in characters.
    std::size_t byte_at(std::size_t position) const;

    std::string text_;
    std::size_t length_ = 0;  // characters
    std::size_t sel_start_ = 0;
    std::size_t sel_length_ = 0;
};

}  // namespace ui
