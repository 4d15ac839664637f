// marble-trace N [SPEED]: plays one whole run as a user would and prints what the logs show.
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "ui/form/list_box.h"
#include "ui/program/headless.h"
#include "ui/tree/dot.h"
#include "ui/tree/explain.h"

namespace {

void print_usage() {
    std::fprintf(stderr,
                 "usage: marble-trace [--tree|--explain] N [SPEED]   (N from 1 to %d, SPEED from %d to %d; "
                 "--tree: the "
                 "search tree in Graphviz's DOT; --explain: each step and why)\n",
                 start::max_ball_count, search_view::slowest_step, search_view::fastest_step);
}

// Writes all of the bytes to standard output. A write that fails ends the
// program at once: a run for a large N prints for hours, and with no one to
// read it there is no point in going on. (A closed pipe ends it before,
// through SIGPIPE, unless that signal is ignored.)
void write_out(const char* bytes, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(STDOUT_FILENO, bytes, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            std::fprintf(stderr, "marble-trace: cannot write the trace: %s\n",
                         n < 0 ? std::strerror(errno) : "nothing was written");
            std::exit(1);
        }
        bytes += n;
        size -= static_cast<std::size_t>(n);
    }
}

// Lines go out through a buffer of our own, written in large blocks: a run
// prints millions of lines, and a stdio call per piece cost more than the
// rest of the printing.
class output {
public:
    void line(std::string_view what, std::string_view text) {
        const std::size_t size = what.size() + text.size() + 2;
        if (used_ + size > sizeof data_) flush();
        if (size > sizeof data_) {
            write_out(what.data(), what.size());
            write_out(" ", 1);
            write_out(text.data(), text.size());
            write_out("\n", 1);
            return;
        }
        char* end = std::copy(what.begin(), what.end(), data_ + used_);
        *end++ = ' ';
        end = std::copy(text.begin(), text.end(), end);
        *end++ = '\n';
        used_ = static_cast<std::size_t>(end - data_);
    }
    void flush() {
        write_out(data_, used_);
        used_ = 0;
    }

private:
    char data_[1 << 16];
    std::size_t used_ = 0;
};

output out;

void print(std::string_view what, std::string_view text) { out.line(what, text); }

// Prints every line appended to the move log, as it is appended, after the
// frames of the animation before it: every step but the first follows the
// whole animation of the one before.
class langkah_printer : public ui::list_listener {
public:
    langkah_printer(const ui::list_box& list, const ui::timer& frames) : list_(list), frames_(frames) {}
    void before_append(std::size_t row) override { row_ = row; }
    void after_append() override {
        print_frames();
        list_.List(row_, line_);
        print("langkah", line_);
    }
    // The frames the last animation took, if one has run since.
    void print_frames() {
        if (frames_.ticks() == shown_) return;
        print("frames", std::to_string(frames_.ticks() - shown_));
        shown_ = frames_.ticks();
    }

private:
    const ui::list_box& list_;
    const ui::timer& frames_;
    std::size_t row_ = 0;
    std::string line_;  // read into again and again: no allocation per line
    std::uint64_t shown_ = 0;
};

// A whole run played headless, for the tree and the explanation: false, said, if it stops before the goal.
bool play_whole_run(program::headless_session& session, engine::small n, std::optional<int> speed) {
    session.open_playground(n);
    search_view::playground& pg = session.playground();
    if (speed) pg.Kecepatan.Value(*speed);
    pg.play.user_click();
    if (session.run_to_success(INT64_MAX)) return true;
    std::fputs("marble-trace: the run stopped before the goal\n", stderr);
    return false;
}

// The whole run's search tree, read from its move log.
int print_tree(engine::small n, std::optional<int> speed) {
    program::headless_session session;
    if (!play_whole_run(session, n, speed)) return 1;
    const ui::list_box& log = session.playground().langkah;
    search_tree::tree t(n);
    std::string line;
    t.follow(log.ListCount(), true, [&](std::size_t j) -> std::string_view {
        log.List(j, line);
        return line;
    });
    const std::string dot = search_tree::dot_of(t);
    write_out(dot.data(), dot.size());
    return 0;
}

// Each line of the run's log and why the search wrote it, then the goal and why.
int print_explanation(engine::small n, std::optional<int> speed) {
    program::headless_session session;
    if (!play_whole_run(session, n, speed)) return 1;
    const ui::list_box& log = session.playground().langkah;
    search_tree::tree t(n);
    std::string line;
    for (std::size_t j = 0; j < log.ListCount(); ++j) {
        log.List(j, line);
        print("langkah", line);
        print("explain", search_tree::explain_next_step(t, line));
        t.add_line(line);
    }
    print("message", session.messages.front());
    print("explain", search_tree::explain_next_step(t, {}));
    out.flush();
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const bool tree = argc > 1 && std::string_view(argv[1]) == "--tree";
    const bool explain = argc > 1 && std::string_view(argv[1]) == "--explain";
    if (tree || explain) {
        --argc;
        ++argv;
    }
    // N and SPEED are read as the start dialog and the slider take them.
    std::optional<engine::small> n;
    std::optional<int> speed;
    if (argc == 2 || argc == 3) n = start::count_in(argv[1]);
    if (argc == 3)
        speed = start::whole_number_in(argv[2], search_view::slowest_step, search_view::fastest_step);
    if (!n || (argc == 3 && !speed)) {
        print_usage();
        return 2;
    }
    if (tree) return print_tree(*n, speed);
    if (explain) return print_explanation(*n, speed);
    program::headless_session session;
    session.open_playground(*n);
    search_view::playground& pg = session.playground();

    langkah_printer printer(pg.langkah, pg.Timer1);
    pg.langkah.listen(printer);

    if (speed) pg.Kecepatan.Value(*speed);
    pg.play.user_click();
    const auto started = session.clock.now();
    long long finish_ms = 0;
    session.on_message = [&](const std::string& text) {
        finish_ms = session.clock.now() - started;
        printer.print_frames();
        print("message", text);
    };
    if (!session.run_to_success(INT64_MAX)) {
        out.flush();
        std::fputs("marble-trace: the run stopped before the goal\n", stderr);
        return 1;
    }

    for (std::size_t i = 0; i < pg.Effi.ListCount(); ++i) print("Effi", pg.Effi.List(i));
    print("total", "steps " + std::to_string(pg.loop_utama.ticks()) + " lines " +
                       std::to_string(pg.langkah.ListCount()) + " frames " +
                       std::to_string(pg.Timer1.ticks()) + " time_ms " + std::to_string(finish_ms));
    out.flush();
    return 0;
}
