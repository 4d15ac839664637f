// Names for the pictures compiled into the program, as the windows' design data refers to them.
#pragma once

#include <string>

#include "ui/form/picture.h"

namespace ui {

// A picture that ships inside the program.
inline picture embedded(const std::string& name, int width, int height) {
    return picture{picture_origin::embedded, name, width, height};
}

}  // namespace ui
