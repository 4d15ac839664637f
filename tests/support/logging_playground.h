// A playground that records what the engine asks of it: numbered cell tags, both logs, timers, sign, message.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/modul_tiroka.h"

namespace test_support {

using lines = std::vector<std::string>;

class logging_playground : public engine::playground_port {
public:
    explicit logging_playground(int n) : tags(static_cast<std::size_t>(2 * n + 2)) {
        for (int p = 1; p <= 2 * n + 1; ++p)
            if (p != n + 1) tags[p] = std::to_string(p <= n ? p : p - 1);
    }
    lines tags, langkah, effi, messages;  // tags indexed by track position
    bool frame_timer = false, search_timer = false, sign = false, finished = false;
    bool search_timer_at_message = true;

    std::string_view cell_tag(engine::cell p) const override { return tags.at(p); }
    void set_cell_tag(engine::cell p, std::string tag) override { tags.at(p) = std::move(tag); }
    void add_langkah_line(std::string_view line) override { langkah.emplace_back(line); }
    void add_effi_line(std::string_view line) override { effi.emplace_back(line); }
    void remove_effi_line(engine::count index) override { effi.erase(effi.begin() + index); }
    void remove_last_langkah_line() override { langkah.pop_back(); }
    void place_marble(engine::cell, engine::cell) override {}
    void start_frame_timer() override { frame_timer = true; }
    void set_search_timer(bool enabled) override { search_timer = enabled; }
    void show_backtrack_sign(bool visible) override { sign = visible; }
    void show_message(const std::string& text) override {
        messages.push_back(text);
        search_timer_at_message = search_timer;
        EXPECT_FALSE(finished) << "pause goes dark only once the message is answered";
    }
    void finish_playback() override { finished = true; }
};

inline void load(engine::modul_tiroka& m, int n) {
    m.ball_count = static_cast<engine::small>(n);
    m.set_initial_position();
}

}  // namespace test_support
