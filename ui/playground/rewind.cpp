// The rewind's notes: how many lines of each log stay, and what Effi regains.
#include "ui/playground/rewind.h"

#include <algorithm>

namespace search_view {

void rewind_recorder::remove_last_langkah_line() {
    if (langkah_kept_ > 0) --langkah_kept_;
}

// Effi only ever loses its last line: one regained in this rewind, or one
// of those it had.
void rewind_recorder::remove_effi_line(engine::count index) {
    if (index < 0) return;
    if (!effi_regained_.empty())
        effi_regained_.pop_back();
    else
        effi_kept_ = std::min(effi_kept_, static_cast<std::size_t>(index));
}

}  // namespace search_view
