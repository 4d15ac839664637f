// Utama's controls at design time and its Change, KeyPress and Click handlers.
#include "ui/start/utama.h"

#include <algorithm>

namespace start {

std::optional<int> whole_number_in(std::string_view text, int low, int high) {
    if (text.empty()) return std::nullopt;
    for (char c : text)
        if (c < '0' || c > '9') return std::nullopt;
    const std::size_t first_significant = std::min(text.find_first_not_of('0'), text.size());
    const std::string_view digits = text.substr(first_significant);
    if (digits.size() > 9) return std::nullopt;  // past any bound here, and the sum below cannot overflow
    int value = 0;
    for (char c : digits) value = value * 10 + (c - '0');
    if (value < low || value > high) return std::nullopt;
    return value;
}

std::optional<engine::small> count_in(std::string_view text) {
    const auto n = whole_number_in(text, 1, max_ball_count);
    if (!n) return std::nullopt;
    return static_cast<engine::small>(*n);
}

Utama::Utama(ui::scheduler& timers, engine::modul_tiroka& state, ui::beeper& beep, utama_exits& exits)
    : ui::form("Utama", timers, 3795 + ui::frame_width, 1320 + ui::frame_height),
      // The label takes no focus, so the text box has it when the window
      // opens; the box is read out by the label's words.
      lblJmlBola(*this, "lblJmlBola", {120, 480, 1215, 255}, "Jumlah Bola :", ui::design().back(ui::white)),
      txtJmlBola(*this, "txtJmlBola", {1440, 360, 2295, 405}, ui::design().tab(1).read_out_as("Jumlah Bola")),
      cmdProses(*this, "cmdProses", {2160, 840, 1575, 375}, "Proses", ui::design().tab(2).disabled()),
      state_(state), beep_(beep), exits_(exits) {
    BackColor(ui::white);
    BorderStyle(ui::form_border::fixed_dialog);  // one box and one button: nothing to gain by resizing
    txtJmlBola.Change = [this] { txtJmlBola_Change(); };
    txtJmlBola.KeyPress = [this](char32_t& key) { txtJmlBola_KeyPress(key); };
    cmdProses.Click = [this] { cmdProses_Click(); };
}

void Utama::txtJmlBola_Change() {
    // An emptied box reads "0"; setting it raises Change once more, nested.
    if (txtJmlBola.Text().empty()) txtJmlBola.Text("0");
    cmdProses.Enabled(count_in(txtJmlBola.Text()).has_value());
}

void Utama::txtJmlBola_KeyPress(char32_t& key) {
    const bool digit = key >= '0' && key <= '9';
    if (!digit && key != ui::key_backspace && key != ui::key_enter) {
        key = 0;
        beep_.beep();
    }
    if (key == ui::key_enter && cmdProses.Enabled()) cmdProses_Click();
}

void Utama::cmdProses_Click() {
    // The button is enabled only for a count, but the text is read again here.
    const auto n = count_in(txtJmlBola.Text());
    if (!n) return;
    state_.ball_count = *n;
    exits_.close_start_and_show_playground();
}

}  // namespace start
