// The text box's editing: typed characters, backspace, edits from the platform, and Change.
#include "ui/form/text_box.h"

#include <algorithm>
#include <string_view>

namespace ui {

namespace {

constexpr std::size_t not_utf8 = static_cast<std::size_t>(-1);

// The length in characters (UTF-16 code units) of a UTF-8 text, or not_utf8
// for bytes that are not UTF-8: a stray or missing continuation byte, an
// overlong form, a surrogate, or a value beyond U+10FFFF.
std::size_t length_of(std::string_view text) {
    std::size_t units = 0;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t bytes = 1;
        char32_t c = lead;
        char32_t least = 0;
        if (lead >= 0x80) {
            if ((lead & 0xE0) == 0xC0) {
                bytes = 2;
                least = 0x80;
            } else if ((lead & 0xF0) == 0xE0) {
                bytes = 3;
                least = 0x800;
            } else if ((lead & 0xF8) == 0xF0) {
                bytes = 4;
                least = 0x10000;
            } else {
                return not_utf8;
            }
            c = lead & (0x7Fu >> bytes);  // the lead byte's payload
            if (text.size() - i < bytes) return not_utf8;
            for (std::size_t k = 1; k < bytes; ++k) {
                const auto next = static_cast<unsigned char>(text[i + k]);
                if ((next & 0xC0) != 0x80) return not_utf8;
                c = (c << 6) | (next & 0x3Fu);
            }
            if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return not_utf8;
        }
        units += c >= 0x10000 ? 2 : 1;
        i += bytes;
    }
    return units;
}

// In valid UTF-8: the bytes and the characters of the sequence a lead byte starts.
std::size_t bytes_from(unsigned char lead) { return lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4; }
std::size_t units_from(unsigned char lead) { return lead >= 0xF0 ? 2 : 1; }

bool printable(char32_t c) {
    return c >= 0x20 && c != 0x7F && !(c >= 0x80 && c < 0xA0) && !(c >= 0xD800 && c <= 0xDFFF) &&
           c <= 0x10FFFF;
}

std::string utf8(char32_t c) {
    std::string out;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

// Where a position in characters falls in a valid UTF-8 text: the byte and
// the position of the character it lies in (or the end).
struct spot {
    std::size_t byte = 0;
    std::size_t position = 0;
};

spot locate(const std::string& text, std::size_t position) {
    spot at;
    while (at.byte < text.size()) {
        const auto lead = static_cast<unsigned char>(text[at.byte]);
        if (at.position + units_from(lead) > position) break;
        at.position += units_from(lead);
        at.byte += bytes_from(lead);
    }
    return at;
}

}  // namespace

text_box::text_box(form& owner, const char* name, bounds area, const design& row)
    : control(owner, control_kind::text_box, name, area, row) {}

std::size_t text_box::byte_at(std::size_t position) const { return locate(text_, position).byte; }

void text_box::select(std::size_t start, std::size_t length) {
    const spot first = locate(text_, start);
    const std::size_t from = std::min(start, length_);
    const std::size_t end = length > length_ - from ? length_ : from + length;
    spot last = locate(text_, end);
    if (last.position < end)  // an end inside a character takes the whole character
        last.position += units_from(static_cast<unsigned char>(text_[last.byte]));
    sel_start_ = first.position;
    sel_length_ = last.position - first.position;
    changed();
}

void text_box::replace(std::string&& value, std::size_t length, std::size_t caret) {
    const bool different = value != text_;
    text_ = std::move(value);
    length_ = length;
    sel_start_ = locate(text_, caret).position;
    sel_length_ = 0;
    changed();
    if (different && Change) Change();
}

bool text_box::Text(std::string value) { return edit(std::move(value), std::string::npos); }

bool text_box::edit(std::string value, std::size_t caret) {
    const std::size_t length = length_of(value);
    if (length == not_utf8 || length > max_length) return false;
    replace(std::move(value), length, caret);
    return true;
}

void text_box::type(char32_t key) {
    if (KeyPress) KeyPress(key);
    if (key == 0 || key == key_enter) return;
    const std::size_t from = byte_at(sel_start_);
    const std::size_t to = byte_at(sel_start_ + sel_length_);
    std::string next = text_;
    if (key == key_backspace) {
        if (sel_length_ > 0) {
            next.erase(from, to - from);
            replace(std::move(next), length_ - sel_length_, sel_start_);
        } else if (from > 0) {
            std::size_t lead = from - 1;  // back over the continuation bytes
            while (lead > 0 && (static_cast<unsigned char>(text_[lead]) & 0xC0) == 0x80) --lead;
            const std::size_t units = units_from(static_cast<unsigned char>(text_[lead]));
            next.erase(lead, from - lead);
            replace(std::move(next), length_ - units, sel_start_ - units);
        }
        return;
    }
    if (!printable(key)) return;  // other control characters insert nothing
    const std::size_t units = key >= 0x10000 ? 2 : 1;
    if (length_ - sel_length_ + units > max_length) return;  // the box is full
    next.replace(from, to - from, utf8(key));
    replace(std::move(next), length_ - sel_length_ + units, sel_start_ + units);
}

}  // namespace ui
