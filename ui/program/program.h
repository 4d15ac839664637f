// The program: the puzzle state that outlives windows, the open window, and the hand-over.
#pragma once

#include <memory>
#include <vector>

#include "engine/modul_tiroka.h"
#include "ui/form/form.h"
#include "ui/form/ports.h"
#include "ui/playground/playground.h"
#include "ui/start/utama.h"

namespace program {

// The host shows and closes model windows on the screen.
class window_shell {
public:
    virtual ~window_shell() = default;
    virtual void show(ui::form& window) = 0;
    virtual void close(ui::form& window) = 0;
};

struct program_ports {
    ui::scheduler& timers;
    ui::message_box& messages;
    ui::beeper& beep;
    ui::picture_files& pictures;
    search_view::run_views& views;
};

// At most one window is open at a time; each showing builds it afresh from
// its design, and only the puzzle state survives a closed window.
class program : private start::utama_exits, private search_view::playground_exits {
public:
    program(const program_ports& ports, window_shell& shell);
    ~program() override;
    program(const program&) = delete;
    program& operator=(const program&) = delete;

    // Show the start dialog.
    void start();

    // The open window, or null when the program has ended.
    ui::form* window() const { return current_.get(); }
    start::Utama* utama() const;
    search_view::playground* playground() const;
    engine::modul_tiroka& state() { return state_; }

    // The user closed the open window with its close box; with no window
    // left the program ends.
    void window_closed_by_user();
    bool running() const { return current_ != nullptr; }

private:
    void close_start_and_show_playground() override;
    void close_playground_and_show_start() override;
    void show(std::unique_ptr<ui::form> window);
    void close_current();

    program_ports ports_;
    window_shell& shell_;
    engine::modul_tiroka state_;
    std::unique_ptr<ui::form> current_;
    // A window closes from inside its own handlers: it is destroyed only
    // once the event that closed it has been handled.
    std::vector<std::unique_ptr<ui::form>> closed_;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace program
