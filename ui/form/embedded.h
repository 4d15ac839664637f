// Names for the pictures compiled into the program, as the windows' design data refers to them.
#pragma once

#include <string>

#include "ui/form/picture.h"

namespace ui {

// A picture that ships inside the program.
inline picture embedded(const std::string& name, int width, int height) {
    return picture{picture_origin::embedded, name, width, height};
}

// Every button face, embedded or read from a picture file, is 48 x 41 pixels:
// the 720 x 615 twips of its button.
inline constexpr int face_width = 48;
inline constexpr int face_height = 41;

inline picture embedded_face(const std::string& name) { return embedded(name, face_width, face_height); }

// The playground's backdrop, the panel behind its buttons, slider and lists.
inline constexpr int backdrop_width = 325;
inline constexpr int backdrop_height = 369;

inline picture embedded_backdrop() { return embedded("layout", backdrop_width, backdrop_height); }

}  // namespace ui
