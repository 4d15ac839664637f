// Names for the pictures compiled into the program, as the windows' design data refers to them.
#pragma once

#include <string>

#include "ui/form/picture.h"

namespace ui {

// A picture that ships inside the program.
inline picture embedded(const std::string& name, int width, int height) {
    return picture{picture_origin::embedded, name, width, height};
}

// The icon of both windows: concentric rings, 32 x 32 (and 16 x 16).
inline picture program_icon() { return embedded("icon", 32, 32); }

}  // namespace ui
