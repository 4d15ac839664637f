// What the windows ask of the platform: a modal message, a beep, pictures read by name.
#pragma once

#include <string>

#include "ui/form/picture.h"

namespace ui {

class message_box {
public:
    virtual ~message_box() = default;
    // A modal box with the text and an OK button; returns once it is answered.
    virtual void show(const std::string& text) = 0;
};

class beeper {
public:
    virtual ~beeper() = default;
    virtual void beep() = 0;
};

class picture_files {
public:
    virtual ~picture_files() = default;
    // The picture in the file of that name, relative to the current
    // directory. A file that is missing or unreadable gives the program's
    // bundled face of the same name: reading never fails a handler.
    virtual picture load(const std::string& file_name) = 0;
};

}  // namespace ui
