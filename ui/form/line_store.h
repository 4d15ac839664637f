// Compact storage for the lines of a list box: millions of move-log lines in a few bytes each.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

// A move-log line is a number followed by one of comparatively few tails
// (".Blue roll (12,13)"). A row keeps the number as an integer and the tail
// as an index into a table where each distinct tail is stored once: eight
// bytes a line. Any other text is kept exactly too, as a tail of its own.
class line_store {
public:
    line_store() = default;
    // Millions of lines: a store moves, it is never copied by accident.
    line_store(const line_store&) = delete;
    line_store& operator=(const line_store&) = delete;
    line_store(line_store&&) = default;
    line_store& operator=(line_store&&) = default;

    void push_back(std::string_view line);
    void erase(std::size_t index);    // cheap at the end, linear elsewhere
    void truncate(std::size_t size);  // keeps the first `size` lines

    std::size_t size() const { return rows_.size(); }
    bool empty() const { return rows_.empty(); }
    std::string at(std::size_t index) const;
    // The line at `index` into `into`, reusing its storage.
    void read(std::size_t index, std::string& into) const;

private:
    static constexpr std::uint32_t no_number = UINT32_MAX;
    struct row {
        std::uint32_t number;  // the leading number, or no_number
        std::uint32_t tail;    // index into tails_
    };
    // A slot of the tail index: the tail's hash and its index + 1 (0: free).
    struct slot {
        std::uint32_t hash;
        std::uint32_t tail_plus_one;
    };
    std::uint32_t intern(std::string_view tail);
    void grow_index();

    std::deque<row> rows_;
    std::vector<std::string> tails_;
    // Every line looks its tail up, so the index is a flat table probed in
    // place (a power of two in size, at most half full) rather than a map
    // of nodes.
    std::vector<slot> index_;
};

}  // namespace ui
