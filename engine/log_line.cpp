// Formats a move-log line without streams: the log is written once per search step.
#include "engine/log_line.h"

#include <charconv>

namespace engine {

namespace {
struct decimal {
    char digits[20];  // any 64-bit value, sign included
    char* end;
    explicit decimal(count value) : end(std::to_chars(digits, digits + sizeof digits, value).ptr) {}
    std::string_view text() const { return {digits, static_cast<std::size_t>(end - digits)}; }
};
}  // namespace

std::string log_line(count number, std::string_view label, cell from, cell to) {
    const decimal n(number), f(from), t(to);
    // Sized once: a run writes millions of these.
    std::string line;
    line.reserve(n.text().size() + label.size() + f.text().size() + t.text().size() + 2);
    line.append(n.text()).append(label).append(f.text()).append(1, ',').append(t.text()).append(1, ')');
    return line;
}

}  // namespace engine
