// The learner's predictions: each step is scored once, by the first answer given for it.
#pragma once

#include <optional>
#include <set>

#include "engine/types.h"
#include "ui/tree/explain.h"

namespace search_view {

class score_card {
public:
    // An answer to "what does the search do next?" before step `step`.
    struct verdict {
        engine::count step;
        search_tree::next_step given;
        search_tree::next_step right;
        bool counted = false;  // the first answer for its step, the one the score counts
        bool is_right() const { return given == right; }
    };

    void record(verdict answer) {
        answer.counted = scored_.insert(answer.step).second;
        if (answer.counted && answer.is_right()) ++right_;
        last_ = answer;
    }
    engine::count right() const { return right_; }
    engine::count answered() const { return static_cast<engine::count>(scored_.size()); }
    // The last answer given, scored or not.
    const std::optional<verdict>& last() const { return last_; }

private:
    std::set<engine::count> scored_;
    engine::count right_ = 0;
    std::optional<verdict> last_;
};

}  // namespace search_view
