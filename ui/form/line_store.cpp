// Splits a line into its leading number and its tail, and interns the tail.
#include "ui/form/line_store.h"

#include <charconv>

namespace ui {

namespace {

// The leading digits of a line as a number, when they spell it exactly:
// no leading zero (but "0" itself), and small enough to fit a row.
std::size_t number_length(std::string_view line, std::uint32_t limit, std::uint32_t& value) {
    std::size_t digits = 0;
    while (digits < line.size() && line[digits] >= '0' && line[digits] <= '9') ++digits;
    if (digits == 0 || (digits > 1 && line[0] == '0') || digits > 10) return 0;
    std::uint64_t v = 0;
    std::from_chars(line.data(), line.data() + digits, v);
    if (v >= limit) return 0;
    value = static_cast<std::uint32_t>(v);
    return digits;
}

}  // namespace

std::uint32_t line_store::intern(std::string_view tail) {
    if (auto found = tail_index_.find(tail); found != tail_index_.end()) return found->second;
    const auto index = static_cast<std::uint32_t>(tails_.size());
    tails_.emplace_back(tail);
    tail_index_.emplace(tails_.back(), index);
    return index;
}

void line_store::push_back(std::string_view line) {
    std::uint32_t number = no_number;
    const std::size_t digits = number_length(line, no_number, number);
    rows_.push_back({digits ? number : no_number, intern(line.substr(digits))});
}

void line_store::erase(std::size_t index) {
    if (index >= rows_.size()) return;
    rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(index));
}

std::string line_store::at(std::size_t index) const {
    const row& r = rows_[index];
    const std::string& tail = tails_[r.tail];
    if (r.number == no_number) return tail;
    std::string line = std::to_string(r.number);
    line += tail;
    return line;
}

}  // namespace ui
