// A picture as the model sees it: which picture, and its size in pixels.
#pragma once

#include <string>

namespace ui {

struct picture {
    std::string source;  // a key the host's picture port resolves to pixels
    int width = 0;       // pixels
    int height = 0;

    bool operator==(const picture& other) const {
        return source == other.source && width == other.width && height == other.height;
    }
};

}  // namespace ui
