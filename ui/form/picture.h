// A picture as the model sees it: where it comes from, its name, and its size in pixels.
#pragma once

#include <string>

namespace ui {

// Where the host finds a picture's pixels.
enum class picture_origin {
    embedded,  // a face compiled into the program, named like "play"
    file,      // read from the picture file of that name in the current directory
    bundled,   // the program's own copy of a picture file, used when the file cannot be read
};

struct picture {
    picture_origin origin = picture_origin::embedded;
    std::string name;  // "play" for an embedded face, "pause.jpg" for a file
    int width = 0;     // pixels
    int height = 0;
};

}  // namespace ui
