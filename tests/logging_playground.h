// A playground for engine tests: cell tags numbered as the load numbers the marbles, and the two logs.
#pragma once

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
    lines tags, langkah, effi;  // tags indexed by track position

    std::string_view cell_tag(engine::cell p) const override { return tags.at(p); }
    void set_cell_tag(engine::cell p, std::string tag) override { tags.at(p) = std::move(tag); }
    void add_langkah_line(std::string line) override { langkah.push_back(std::move(line)); }
    void add_effi_line(std::string line) override { effi.push_back(std::move(line)); }
};

inline void load(engine::modul_tiroka& m, int n) {
    m.ball_count = static_cast<engine::small>(n);
    m.set_initial_position();
}

}  // namespace test_support
