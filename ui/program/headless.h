// A whole program without a screen: a virtual clock and ports that record what a user would see.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "ui/form/ports.h"
#include "ui/program/program.h"
#include "ui/time/virtual_clock.h"

namespace program {

// The same program the window shows, driven by calls instead of a user:
// the message box is answered OK at once, beeps are counted, and picture
// files are "read" as faces of the embedded size, unless a test says otherwise.
class headless_session : private ui::message_box,
                         private ui::beeper,
                         private ui::picture_files,
                         private search_view::run_views,
                         private window_shell {
public:
    headless_session();

    ui::virtual_clock clock;
    program app;

    std::vector<std::string> messages;    // every message box, in order
    std::vector<std::string> files_read;  // every picture file name asked for
    int beeps = 0;
    int search_trees_shown = 0;
    int search_trees_kept_open = 0;
    std::map<std::string, ui::picture> picture_answers;  // by file name
    std::function<void(const std::string&)> on_message;  // called while the box is open

    // Type keys into the start dialog, one key press a code point.
    void type(std::u32string_view keys);
    // Type N and press Enter: the playground opens for N (when N is a count).
    void open_playground(int n);
    // Run the clock until the success message has been answered; false if
    // time ran out first.
    bool run_to_success(ui::virtual_clock::milliseconds deadline);
    // Run the playground's search until it has taken `steps` steps, click
    // pause at once, and run on until the pause holds (after the marble has
    // arrived). False if the run ended or stood still first.
    bool pause_after(std::uint64_t steps);
    // Handle whatever the last event posted (closing a window, for one).
    void settle();

    start::Utama& utama();
    search_view::playground& playground();

private:
    void show(const std::string& text) override;
    void beep() override { ++beeps; }
    ui::picture load(const std::string& file_name) override;
    void show_search_tree(search_view::playground&) override { ++search_trees_shown; }
    void keep_search_tree_open(search_view::playground&) override { ++search_trees_kept_open; }
    void show(ui::form&) override {}
    void close(ui::form&) override {}
};

}  // namespace program
