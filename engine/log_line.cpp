// Formats a move-log line without streams: the log is written once per search step.
#include "engine/log_line.h"

#include <algorithm>
#include <charconv>

namespace engine {

namespace {
struct decimal {
    char digits[20];  // any 64-bit value, sign included
    std::size_t size;
    explicit decimal(count value)
        : size(static_cast<std::size_t>(std::to_chars(digits, digits + sizeof digits, value).ptr - digits)) {}
    char* copy_to(char* out) const { return std::copy(digits, digits + size, out); }
};
}  // namespace

log_line::log_line(count number, std::string_view label, cell from, cell to) {
    label = label.substr(0, sizeof text_ - 3 * sizeof(decimal::digits) - 2);
    char* out = decimal(number).copy_to(text_);
    out = std::copy(label.begin(), label.end(), out);
    out = decimal(from).copy_to(out);
    *out++ = ',';
    out = decimal(to).copy_to(out);
    *out++ = ')';
    size_ = static_cast<std::size_t>(out - text_);
}

namespace {
template <class Number>
bool read_number(std::string_view& text, Number& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end == text.data()) return false;
    text.remove_prefix(static_cast<std::size_t>(end - text.data()));
    return true;
}
}  // namespace

std::optional<read_line> read_log_line(std::string_view text) {
    // In kind order, then the Backtrack: a line's label is one of these.
    static constexpr std::string_view labels[] = {backtrack_label, blue_jump_label, red_jump_label,
                                                  blue_roll_label, red_roll_label};
    read_line line{};
    if (!read_number(text, line.number)) return std::nullopt;
    const auto label = std::find_if(std::begin(labels), std::end(labels), [&](std::string_view each) {
        return text.substr(0, each.size()) == each;
    });
    if (label == std::end(labels)) return std::nullopt;
    line.kind = static_cast<small>(label - std::begin(labels));
    text.remove_prefix(label->size());
    if (!read_number(text, line.from) || text.substr(0, 1) != ",") return std::nullopt;
    text.remove_prefix(1);
    if (!read_number(text, line.to) || text != ")") return std::nullopt;
    return line;
}

}  // namespace engine
