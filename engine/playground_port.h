// What the engine may change on the playground: the narrow side of the window it knows.
#pragma once

#include <string>
#include <string_view>

#include "engine/types.h"

namespace engine {

// The playground implements this; the engine knows no control, only these
// effects of a move or a search step.
class playground_port {
public:
    virtual ~playground_port() = default;

    // The Tag of the cell at track position p: the number of the marble on
    // it, empty on the empty cell.
    virtual std::string_view cell_tag(cell p) const = 0;
    virtual void set_cell_tag(cell p, std::string tag) = 0;

    // The two move logs: langkah keeps every line, Effi the current path.
    virtual void add_langkah_line(std::string_view line) = 0;
    virtual void add_effi_line(std::string_view line) = 0;
    virtual void remove_effi_line(count index) = 0;
    // A step taken back takes its line out of langkah again.
    virtual void remove_last_langkah_line() = 0;

    // Timer1 (one animation frame per tick) and loop_utama (one search step).
    virtual void start_frame_timer() = 0;
    virtual void set_search_timer(bool enabled) = 0;

    // A step taken back shows no movement: the marble with that number
    // stands on track position p at once, as an animation leaves it.
    virtual void place_marble(cell ball, cell p) = 0;

    // The "Backtrack !!!" sign above the track.
    virtual void show_backtrack_sign(bool visible) = 0;

    // The modal success message; returns when the user has answered it.
    virtual void show_message(const std::string& text) = 0;
    // After the message: pause and resume go dark for good.
    virtual void finish_playback() = 0;
};

}  // namespace engine
