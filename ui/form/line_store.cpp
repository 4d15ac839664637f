// Splits a line into its leading number and its tail, and interns the tail.
#include "ui/form/line_store.h"

#include <algorithm>
#include <charconv>
#include <cstring>

namespace ui {

namespace {

// The leading digits of a line as a number, when they spell it exactly:
// no leading zero (but "0" itself), and small enough to fit a row.
std::size_t number_length(std::string_view line, std::uint32_t limit, std::uint32_t& value) {
    std::size_t digits = 0;
    std::uint64_t v = 0;
    for (; digits < line.size() && line[digits] >= '0' && line[digits] <= '9'; ++digits)
        if (digits < 10) v = v * 10 + static_cast<std::uint64_t>(line[digits] - '0');
    if (digits == 0 || (digits > 1 && line[0] == '0') || digits > 10 || v >= limit) return 0;
    value = static_cast<std::uint32_t>(v);
    return digits;
}

// Eight bytes at a time, each mixed in by a multiply: a tail is a couple of
// dozen bytes, and a byte-wise hash spent more on them than the whole lookup.
std::uint32_t hash_of(std::string_view text) {
    constexpr std::uint64_t k = 0xff51afd7ed558ccdULL;
    std::uint64_t h = 0x9e3779b97f4a7c15ULL ^ text.size();
    const char* p = text.data();
    for (std::size_t left = text.size(); left > 0;) {
        const std::size_t n = left < 8 ? left : 8;
        std::uint64_t word = 0;
        std::memcpy(&word, p, n);
        h = (h ^ word) * k;
        h ^= h >> 32;
        p += n;
        left -= n;
    }
    h *= k;
    return static_cast<std::uint32_t>(h ^ (h >> 32));
}

}  // namespace

void line_store::grow_index() {
    std::vector<slot> old = std::move(index_);
    index_.assign(old.empty() ? 64 : 2 * old.size(), slot{0, 0});
    const std::size_t mask = index_.size() - 1;
    for (const slot& s : old) {
        if (s.tail_plus_one == 0) continue;
        std::size_t i = s.hash & mask;
        while (index_[i].tail_plus_one != 0) i = (i + 1) & mask;
        index_[i] = s;
    }
}

std::uint32_t line_store::intern(std::string_view tail) {
    if (2 * (tails_.size() + 1) > index_.size()) grow_index();
    const std::uint32_t hash = hash_of(tail);
    const std::size_t mask = index_.size() - 1;
    std::size_t i = hash & mask;
    for (; index_[i].tail_plus_one != 0; i = (i + 1) & mask)
        if (index_[i].hash == hash && tails_[index_[i].tail_plus_one - 1] == tail)
            return index_[i].tail_plus_one - 1;
    const auto index = static_cast<std::uint32_t>(tails_.size());
    tails_.emplace_back(tail);
    index_[i] = {hash, index + 1};
    return index;
}

void line_store::push_back(std::string_view line) {
    std::uint32_t number = no_number;
    const std::size_t digits = number_length(line, no_number, number);
    rows_.push_back({digits ? number : no_number, intern(line.substr(digits))});
}

void line_store::erase(std::size_t index) {
    if (index >= rows_.size()) return;
    if (index + 1 == rows_.size())
        rows_.pop_back();  // the current path's log loses its last line at every retreat
    else
        rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(index));
}

void line_store::truncate(std::size_t size) {
    if (size < rows_.size()) rows_.resize(size);
}

std::string line_store::at(std::size_t index) const {
    std::string line;
    read(index, line);
    return line;
}

void line_store::read(std::size_t index, std::string& into) const {
    const row& r = rows_.at(index);  // as std::vector::at, a row that is not there throws
    const std::string& tail = tails_[r.tail];
    into.clear();
    into.reserve(10 + tail.size());
    if (r.number != no_number) {
        char digits[10];
        into.append(digits, std::to_chars(digits, digits + sizeof digits, r.number).ptr);
    }
    into += tail;
}

}  // namespace ui
