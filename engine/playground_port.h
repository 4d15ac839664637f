// What the engine may change on the playground: the narrow side of the window it knows.
#pragma once

#include <string>
#include <string_view>

#include "engine/types.h"

namespace engine {

// What both a search step and a step taken back change on the playground:
// the engine knows no control, only these effects.
class board_port {
public:
    virtual ~board_port() = default;

    // The Tag of the cell at track position p: the number of the marble on
    // it, empty on the empty cell.
    virtual std::string_view cell_tag(cell p) const = 0;
    virtual void set_cell_tag(cell p, std::string tag) = 0;

    // Effi, the moves of the current path.
    virtual void add_effi_line(std::string_view line) = 0;
    virtual void remove_effi_line(count index) = 0;

    // The "Backtrack !!!" sign above the track.
    virtual void show_backtrack_sign(bool visible) = 0;
};

// The playground implements this for the search: a step's move, its log
// line and its animation, and the goal.
class playground_port : public virtual board_port {
public:
    // langkah, the log of every move and retreat.
    virtual void add_langkah_line(std::string_view line) = 0;

    // Timer1 (one animation frame per tick) and loop_utama (one search step).
    virtual void start_frame_timer() = 0;
    virtual void set_search_timer(bool enabled) = 0;

    // The modal success message; returns when the user has answered it.
    virtual void show_message(const std::string& text) = 0;
    // After the message: pause and resume go dark for good.
    virtual void finish_playback() = 0;
};

// What a step taken back changes: it shows no movement and logs nothing.
class rewind_port : public virtual board_port {
public:
    // The step's line goes out of langkah again.
    virtual void remove_last_langkah_line() = 0;
    // The marble with that number stands on track position p at once, as an
    // animation leaves it.
    virtual void place_marble(cell ball, cell p) = 0;
};

}  // namespace engine
