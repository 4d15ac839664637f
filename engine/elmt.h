// elmt: one element of the search stack, a 16-bit payload between two links.
#pragma once

#include <cstdint>

namespace engine {

class elmt {
public:
    // A fresh element: info 0, both links empty.
    elmt() = default;

    // The initialiser of an element that is appended to a list: fresh
    // neighbours on both sides (read as info 0), then the payload. The
    // list hands in the two fresh elements because it owns every element.
    elmt(std::int16_t newinfo, elmt* fresh_prev, elmt* fresh_next)
        : prev_(fresh_prev), next1_(fresh_next), info_(newinfo) {}

    void info(std::int16_t value) { info_ = value; }
    std::int16_t info() const { return info_; }

    void next1(elmt* element) { next1_ = element; }
    elmt* next1() const { return next1_; }

    void prev(elmt* element) { prev_ = element; }
    elmt* prev() const { return prev_; }

private:
    elmt* prev_ = nullptr;
    elmt* next1_ = nullptr;
    std::int16_t info_ = 0;
};

}  // namespace engine
