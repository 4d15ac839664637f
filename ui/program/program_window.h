// What both windows of the program carry: the caption and the icon.
#pragma once

#include "ui/form/embedded.h"

namespace program {

inline constexpr const char* program_caption = "Vorla 5151";

// Concentric rings, 32 x 32; the host also has them at 16 x 16.
inline ui::picture program_icon() { return ui::embedded("marble-exchange", 32, 32); }

}  // namespace program
