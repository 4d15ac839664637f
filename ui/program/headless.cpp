// The headless session: recording ports and a few user gestures on the virtual clock.
#include "ui/program/headless.h"

#include <stdexcept>
#include <string>

#include "ui/form/embedded.h"

namespace program {

headless_session::headless_session() : app(program_ports{clock, *this, *this, *this, *this}, *this) {
    app.start();
}

void headless_session::show(const std::string& text) {
    messages.push_back(text);
    if (on_message) on_message(text);
}

ui::picture headless_session::load(const std::string& file_name) {
    files_read.push_back(file_name);
    if (auto answer = picture_answers.find(file_name); answer != picture_answers.end()) return answer->second;
    return ui::picture{ui::picture_origin::file, file_name, ui::face_width, ui::face_height};
}

start::Utama& headless_session::utama() {
    if (start::Utama* window = app.utama()) return *window;
    throw std::logic_error("the start dialog is not open");
}

search_view::playground& headless_session::playground() {
    if (search_view::playground* window = app.playground()) return *window;
    throw std::logic_error("the playground is not open");
}

void headless_session::type(std::u32string_view keys) {
    for (char32_t key : keys) utama().txtJmlBola.type(key);
}

void headless_session::open_playground(int n) {
    const std::string digits = std::to_string(n);
    type(std::u32string(digits.begin(), digits.end()));
    type(U"\r");
    settle();
}

void headless_session::settle() {
    // Posted tasks run before any tick; a deadline of "now" runs only them.
    clock.run_until([] { return false; }, clock.now());
}

bool headless_session::run_to_success(ui::virtual_clock::milliseconds deadline) {
    const std::size_t before = messages.size();
    return clock.run_until([&] { return messages.size() > before; }, deadline);
}

bool headless_session::pause_after(std::uint64_t steps) {
    search_view::playground& pg = playground();
    const std::size_t before = messages.size();
    const auto ended = [&] { return messages.size() > before; };
    if (!clock.run_until([&] { return pg.loop_utama.ticks() >= steps || ended(); }, INT64_MAX) || ended())
        return false;
    pg.pause.user_click();
    return clock.run_until([&] { return pg.resume1.Enabled(); }, INT64_MAX);
}

}  // namespace program
