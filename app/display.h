// Whether a display can be opened, asked before Qt is asked: Qt aborts when none can.
#pragma once

#include <string>

namespace display {

// Empty when one of the platforms Qt would try can be reached; otherwise
// what was tried and why it failed, such as: the X display ":99" cannot be
// opened. A platform that needs no display (offscreen, vnc) always can.
std::string why_none_opens();

// For a message when Qt itself fails to start: the platform if one was
// asked for, and DISPLAY and WAYLAND_DISPLAY.
std::string described();

}  // namespace display
