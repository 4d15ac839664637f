// The playground's controls at design time: positions, sizes, colours, fonts, pictures, timers.
#include "ui/playground/playground.h"

#include "ui/form/embedded.h"

namespace search_view {

namespace {
const ui::font_spec cell_number_font{"MS Sans Serif", 12.0f, true};
const ui::font_spec sign_font{"Arial Narrow", 9.75f, true};
}  // namespace

// The design rows, one a control, as the window's definition lists them.
// clang-format off
playground::playground(const playground_ports& ports, engine::modul_tiroka& state,
                       playground_exits& exits)
    : ui::form("playground", ports.timers, 15225 + ui::frame_width,
               10290 + ui::frame_height),
      // The cells, their numbers and the marbles form the track row, the one
      // part of a wide scene that scrolls; a view keeps a moving marble in sight.
      bckGrnd(*this, "bckGrnd", ui::bounds{0, 1080, 615, 495}, "",
              ui::design().single_border().in_track_row()),
      indeks_bck(*this, "indeks_bck", ui::bounds{0, 1560, 615, 375}, "0",
                 ui::design().centred().font(cell_number_font).in_track_row()),
      shpBall1(*this, "shpBall1", ui::bounds{2520, 120, 615, 495}, blue_marble,
               ui::design().in_track_row().followed_as_it_moves()),
      shpBall2(*this, "shpBall2", ui::bounds{600, 120, 615, 495}, red_marble,
               ui::design().in_track_row().followed_as_it_moves()),
      bckTrack(*this, "bckTrack", {3120, 2520, 3855, 375}, "Backtrack !!!",
               ui::design().centred().font(sign_font).invisible()),
      layout(*this, "layout", {2640, 2880, 4875, 5535}, ui::embedded_backdrop(), ui::image_use::picture),
      play(*this, "play", {8400, 3000, 720, 615}, ui::embedded_face("play"), ui::image_use::button,
           "Play"),
      pause(*this, "pause", {8760, 4320, 720, 615}, ui::embedded_face("pause"), ui::image_use::button,
            "Pause", ui::design().disabled()),
      resume1(*this, "resume1", {9120, 2040, 720, 615}, ui::embedded_face("resume"),
              ui::image_use::button, "Resume", ui::design().disabled()),
      reset(*this, "reset", {8760, 5640, 720, 615}, ui::embedded_face("reset"), ui::image_use::button,
            "Reset"),
      // The thumb starts at the step every run begins with. The slider
      // is first in tab order: it has the focus when the window opens, so
      // the arrow keys move it. The slider and the two lists are read out by
      // the words the backdrop shows for them: "-: Ball's Speed :-" under
      // the slider, a heading over each list.
      Kecepatan(*this, "Kecepatan", {5520, 1560, 3615, 375}, slowest_step, fastest_step, engine::initial_speed, 1, 5,
                ui::design().tab(0).read_out_as("Ball's Speed")),
      langkah(*this, "langkah", {240, 3000, 2295, 2595}, ui::design().tab(2).read_out_as("All Moves")),
      Effi(*this, "Effi", {2400, 240, 2055, 2595}, ui::design().tab(1).read_out_as("Solution Moves")),
      loop_utama(*this, "loop_utama", 30),
      Timer1(*this, "Timer1", 1),
      ports_(ports), state_(state), exits_(exits) {
    // clang-format on
    // A wide scene opens on the backdrop.
    opens_on(&layout);
    bind_key("Space", [this] { space_key(); });
    bind_key("Ctrl+R", [this] { reset.user_click(); });
    bind_key(".", [this] { step_key(); });
    bind_key(",", [this] { step_back_key(); });
    bind_key("T", [this] { ports_.views.show_search_tree(*this); });
    bind_key("P", [this] { predict_steps(!predicting_); });
    for (int key = 1; key <= search_tree::next_step_count; ++key)
        bind_key(
            std::to_string(key), [this, key] { answer(static_cast<search_tree::next_step>(key)); },
            [this] { return predicting_; });
    langkah.DblClick = [this] { go_to_line(static_cast<std::size_t>(langkah.ListIndex() + 1)); };
    Effi.DblClick = [this] { go_to_path_line(static_cast<std::size_t>(Effi.ListIndex() + 1)); };
    declare_context_menu();

    play.Click = [this] { play_Click(); };
    pause.Click = [this] { pause_Click(); };
    resume1.Click = [this] { resume1_Click(); };
    reset.Click = [this] { reset_Click(); };
    Kecepatan.Change = [this] { Kecepatan_Change(); };
    loop_utama.Timer = [this] { loop_utama_Timer(); };
    Timer1.Timer = [this] { Timer1_Timer(); };
}

// Every gesture of the keyboard also stands in the context menu, enabled
// exactly when its key would act.
void playground::declare_context_menu() {
    context_menu_name("Playback");
    const auto space_clicks = [this](ui::image& button) {
        return [this, &button] { return space_target() == &button; };
    };
    const auto chosen_line = [this] { return static_cast<std::size_t>(langkah.ListIndex() + 1); };
    add_menu_entry({"Play", "Space", space_clicks(play), [this] { play.user_click(); }});
    add_menu_entry({"Pause", "Space", space_clicks(pause), [this] { pause.user_click(); }});
    add_menu_entry({"Resume", "Space", space_clicks(resume1), [this] { resume1.user_click(); }});
    add_menu_entry({"Step", ".", [this] { return can_step(); }, [this] { step_key(); }});
    add_menu_entry({"Step back", ",", [this] { return can_step_back(); }, [this] { step_back_key(); }});
    add_menu_entry({"Go to the selected line", "Enter", [=] { return can_go_to_line(chosen_line()); },
                    [=] { go_to_line(chosen_line()); }});
    add_menu_entry({"Reset", "Ctrl+R", [this] { return reset.Enabled(); }, [this] { reset.user_click(); }});
    add_menu_entry(
        {"Search tree", "T", [] { return true; }, [this] { ports_.views.show_search_tree(*this); }});
    add_menu_entry({"Predict each step", "P", [] { return true; }, [this] { predict_steps(!predicting_); },
                    [this] { return predicting_; }});
}

}  // namespace search_view
