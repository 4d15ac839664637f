// Utama, the start dialog: asks for N, filters what is typed, and hands over to the playground.
#pragma once

#include <optional>
#include <string_view>

#include "engine/modul_tiroka.h"
#include "ui/form/control.h"
#include "ui/form/form.h"
#include "ui/form/ports.h"
#include "ui/form/text_box.h"

namespace start {

// Where "Proses" leads: the program closes this window and shows the playground.
class utama_exits {
public:
    virtual ~utama_exits() = default;
    virtual void close_start_and_show_playground() = 0;
};

// The largest N the dialog accepts.
inline constexpr engine::small max_ball_count = 31999;

// The number that a text spells, when it is one from low to high: decimal
// digits only, leading zeros allowed.
std::optional<int> whole_number_in(std::string_view text, int low, int high);

// The count that a text spells: decimal digits only (leading zeros allowed)
// with a value from 1 to 31999. Anything else, pasted or typed, is no count.
std::optional<engine::small> count_in(std::string_view text);

class Utama : public ui::form {
public:
    Utama(ui::scheduler& timers, engine::modul_tiroka& state, ui::beeper& beep, utama_exits& exits);

    ui::label lblJmlBola;
    ui::text_box txtJmlBola;
    ui::command_button cmdProses;

    void txtJmlBola_Change();
    void txtJmlBola_KeyPress(char32_t& key);
    void cmdProses_Click();

private:
    engine::modul_tiroka& state_;
    ui::beeper& beep_;
    utama_exits& exits_;
};

}  // namespace start
