// What a rewind changes, noted step by step, so that each log and each marble changes once however far it
// goes.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/playground_port.h"

namespace search_view {

// The port the engine takes its steps back through during a rewind. Cell
// tags and the sign go straight to the window, which shows neither; the
// lines the logs lose or regain and the marbles put in place are only
// noted, for the timeline to apply once at the end.
class rewind_recorder final : public engine::rewind_port {
public:
    rewind_recorder(engine::board_port& window, std::size_t langkah_lines, std::size_t effi_lines)
        : window_(window), langkah_kept_(langkah_lines), effi_kept_(effi_lines) {}

    // The lines of each log that stay, and the lines Effi gains after them.
    std::size_t langkah_kept() const { return langkah_kept_; }
    std::size_t effi_kept() const { return effi_kept_; }
    const std::vector<std::string>& effi_regained() const { return effi_regained_; }
    // Every marble put in place, in order: marble, track position.
    const std::vector<std::pair<engine::cell, engine::cell>>& marbles_placed() const {
        return marbles_placed_;
    }

    std::string_view cell_tag(engine::cell p) const override { return window_.cell_tag(p); }
    void set_cell_tag(engine::cell p, std::string tag) override { window_.set_cell_tag(p, std::move(tag)); }
    void show_backtrack_sign(bool visible) override { window_.show_backtrack_sign(visible); }

    void remove_last_langkah_line() override;
    void add_effi_line(std::string_view line) override { effi_regained_.emplace_back(line); }
    void remove_effi_line(engine::count index) override;
    void place_marble(engine::cell ball, engine::cell p) override { marbles_placed_.emplace_back(ball, p); }

private:
    engine::board_port& window_;
    std::size_t langkah_kept_;
    std::size_t effi_kept_;
    std::vector<std::string> effi_regained_;
    std::vector<std::pair<engine::cell, engine::cell>> marbles_placed_;
};

}  // namespace search_view
