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

}  // namespace engine
