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

std::string log_line(count number, std::string_view label, cell from, cell to) {
    const decimal n(number), f(from), t(to);
    // One allocation of the exact size, filled in place: a run writes
    // millions of these, and appending piece by piece cost twice as much.
    std::string line(n.size + label.size() + f.size + t.size + 2, ',');
    char* out = n.copy_to(line.data());
    out = std::copy(label.begin(), label.end(), out);
    out = f.copy_to(out) + 1;  // the ',' is already there
    out = t.copy_to(out);
    *out = ')';
    return line;
}

}  // namespace engine
