// Units of the window model: twips held as single-precision floats, colours as 0x00BBGGRR.
#pragma once

#include <cstdint>

namespace ui {

using twips = float;
using colour = std::uint32_t;  // 0x00BBGGRR

inline constexpr twips twips_per_pixel = 15.0f;
// A point is 1/72 inch, so 20 twips; at 15 twips a pixel (96 dots an inch)
// a font of 12 points is 16 pixels high.
inline constexpr double twips_per_point = 20.0;
inline constexpr double pixels_per_point = twips_per_point / twips_per_pixel;

inline constexpr colour white = 0x00FFFFFF;
inline constexpr colour system_window_background = 0x80000005;

// A window's outer size is its client area plus the frame: 4 pixels of
// border a side and a caption of 25 pixels.
inline constexpr twips frame_width = 8 * twips_per_pixel;
inline constexpr twips frame_height = 33 * twips_per_pixel;

struct bounds {
    twips left = 0, top = 0, width = 0, height = 0;
};

// Left + step, stored in single precision. Far out on a long track the floats
// are more than a twip apart and a small step would round back to where the
// item stands; it then moves to the next float in its direction instead, so
// a moving marble always makes progress.
twips advance(twips from, double step);

}  // namespace ui
