// Moving a position in single precision so that it always makes progress.
#include "ui/form/geometry.h"

#include <cmath>

namespace ui {

twips advance(twips from, double step) {
    const auto to = static_cast<twips>(static_cast<double>(from) + step);
    if (to != from || step == 0) return to;
    return std::nextafter(from, step > 0 ? HUGE_VALF : -HUGE_VALF);
}

}  // namespace ui
