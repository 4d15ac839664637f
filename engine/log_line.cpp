// Formats a move-log line without streams: the log is written once per search step.
#include "engine/log_line.h"

#include <array>
#include <charconv>

namespace engine {

namespace {
void append_number(std::string& out, count value) {
    std::array<char, 24> digits{};
    auto [end, error] = std::to_chars(digits.data(), digits.data() + digits.size(), value);
    (void)error;  // 24 characters hold every 64-bit value
    out.append(digits.data(), end);
}
}  // namespace

std::string log_line(count number, std::string_view label, cell from, cell to) {
    std::string line;
    line.reserve(40);
    append_number(line, number);
    line += label;
    append_number(line, from);
    line += ',';
    append_number(line, to);
    line += ')';
    return line;
}

}  // namespace engine
