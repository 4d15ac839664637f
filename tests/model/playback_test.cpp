// Playback and the timeline: play, pause, resume, Space, step, step back, a chosen line, reset, the menu.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "properties.h"
#include "ui/program/headless.h"

namespace {

using session = program::headless_session;

// Past the whole run of N = 5 at the slowest step.
constexpr ui::virtual_clock::milliseconds a_long_while = 1000000;

bool run_until(session& s, const std::function<bool()>& done) {
    return s.clock.run_until(done, s.clock.now() + a_long_while);
}

// Gestures on the open playground, one word each: play, pause, resume, space, step (.), back (,),
// line=K (a double-click on line K of All Moves), path=K (on line K of Solution Moves), speed=V; and the clock runs until a marble "moving", it has
// "arrived", the run is "paused", a new "line" is logged, or the "goal". False if that never comes.
bool run(session& s, const std::string& script) {
    search_view::playground& pg = s.playground();
    std::istringstream words(script);
    for (std::string word; words >> word;) {
        const std::size_t lines = pg.langkah.ListCount(), messages = s.messages.size();
        const std::map<std::string, std::function<bool()>> acts = {
            {"play", [&] { return pg.play.user_click(), true; }},
            {"pause", [&] { return pg.pause.user_click(), true; }},
            {"resume", [&] { return pg.resume1.user_click(), true; }},
            {"space", [&] { return pg.space_key(), true; }},
            {"step", [&] { return pg.step_key(), true; }},
            {"back", [&] { return pg.step_back_key(), true; }},
            {"moving", [&] { return run_until(s, [&] { return pg.Timer1.Enabled(); }); }},
            {"arrived", [&] { return run_until(s, [&] { return !pg.Timer1.Enabled(); }); }},
            {"paused", [&] { return run_until(s, [&] { return pg.resume1.Enabled(); }); }},
            {"line", [&] { return run_until(s, [&] { return pg.langkah.ListCount() > lines; }); }},
            {"goal", [&] { return run_until(s, [&] { return s.messages.size() > messages; }); }}};
        if (word.rfind("line=", 0) == 0 || word.rfind("path=", 0) == 0) {
            ui::list_box& log = word[0] == 'l' ? pg.langkah : pg.Effi;
            log.ListIndex(std::stoi(word.substr(5)) - 1);
            log.DblClick();
        } else if (word.rfind("speed=", 0) == 0) {
            pg.Kecepatan.Value(std::stoi(word.substr(6)));
        } else if (!acts.count(word) || !acts.at(word)()) {
            return false;
        }
    }
    return true;
}

// Which of play, pause and resume1 take a click, such as "play pause".
std::string enabled(search_view::playground& pg) {
    std::string out;
    for (const ui::image* button : {&pg.play, &pg.pause, &pg.resume1})
        if (button->Enabled()) out += (out.empty() ? "" : " ") + std::string(button->name());
    return out;
}

// Everything the engine and the window hold: the state after a step.
std::string digest(session& s) {
    if (!s.app.playground()) return "the start dialog";
    engine::modul_tiroka& m = s.app.state();
    search_view::playground& pg = s.playground();
    std::ostringstream out;
    for (const engine::small cell : m.board) out << cell << ',';
    out << " hole " << m.hole << " steps " << m.step_count << " stack";
    for (engine::count d = 0; d <= m.step_count; ++d) out << ' ' << m.move_stack->operator_kurung(d);
    out << " anim " << m.anim_kind << " ball " << m.moving_ball << " lines " << m.log_count << ' '
        << m.path_count << " speed " << m.speed << " timers " << pg.loop_utama.Enabled()
        << pg.Timer1.Enabled();
    for (const ui::control* c : pg.controls()) out << '\n' << test_support::properties(*c);
    return out.str();
}

// A fresh run of n marbles a side at the speed a script sets last (or the step every run begins with),
// paused by a click right after step k (finished past the last line).
std::unique_ptr<session> paused_after(int n, const std::string& script, engine::count k) {
    auto s = std::make_unique<session>();
    s->open_playground(n);
    if (const std::size_t at = script.rfind("speed="); at != std::string::npos)
        s->playground().Kecepatan.Value(std::stoi(script.substr(at + 6)));
    s->playground().play.user_click();
    s->pause_after(static_cast<std::uint64_t>(k));
    return s;
}

constexpr std::size_t whole_run = ~std::size_t{0};  // as many lines as the whole search logs

// After each script on two marbles a side: the buttons that take a click, the lines logged, the
// pictures read, whether anything is left to run. A pause clicked while a marble moves takes hold
// when it arrives; Space clicks whichever button would take it. A run that holds is as a run paused
// between the same two steps, and however long the clock runs no step follows.
TEST(Playback, ButtonsSpaceAndThePendingPause) {
    const struct {
        const char* script;
        const char* enabled;
        std::size_t lines;
        const char* read;
        bool runs;
    } rows[] = {
        {"pause resume", "play", 0, "", false},  // pause and resume do nothing yet
        {"play", "pause", 0, "buttonclick pause", true},
        {"play pause pause", "pause resume1", 0, "buttonclick pause pauseclick resume pauseclick resume",
         false},
        {"play pause resume line", "pause", 1, "buttonclick pause pauseclick resume resumeclick pause", true},
        {"speed=300 play moving pause pause", "pause", 1, "buttonclick pause pauseclick pauseclick", true},
        {"speed=300 play moving pause arrived", "pause resume1", 1, "buttonclick pause pauseclick resume",
         false},
        {"speed=300 play line moving pause arrived resume line moving pause arrived", "pause resume1", 2,
         "buttonclick pause pauseclick resume resumeclick pause pauseclick resume", false},  // a jump
        {"space", "pause", 0, "buttonclick pause", true},
        {"space space", "pause resume1", 0, "buttonclick pause pauseclick resume", false},
        {"space space space", "pause", 0, "buttonclick pause pauseclick resume resumeclick pause", true},
        {"play goal space pause resume play", "", whole_run, "buttonclick pause pauseclick", false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.script);
        session s;
        s.open_playground(2);
        search_view::playground& pg = s.playground();
        ASSERT_TRUE(run(s, row.script));
        std::string read;
        for (const auto& f : s.files_read) read += (read.empty() ? "" : " ") + f.substr(0, f.find('.'));
        EXPECT_EQ(enabled(pg), row.enabled);
        EXPECT_EQ(pg.langkah.ListCount(), row.lines == whole_run ? 18u : row.lines);  // 18 for the whole run
        EXPECT_EQ(read, row.read);
        EXPECT_EQ(!s.clock.idle(), row.runs);
        if (row.runs || enabled(pg) == "play") continue;
        const auto steps = static_cast<engine::count>(pg.langkah.ListCount() + s.messages.size());
        EXPECT_EQ(digest(s), digest(*paused_after(2, row.script, steps)));
    }
}

// After each script on one marble a side, the menu offers exactly the gestures that act; each entry
// does what its key does, and one not offered changes nothing. "." runs one step whole, at the current speed,
// and pauses; "," and a chosen line go back at once, down to the start, and from the goal: the window then
// holds what a fresh run paused after that many steps holds (finished after the fourth).
TEST(Timeline, TheMenuOffersWhatActsAndStepsGoBothWays) {
    const std::string paused = "Resume, Step, Reset",
                      paused_after_a_step = "Resume, Step, Step back, Go to the selected line, Reset";
    const struct {
        const char* script;
        std::string offered;
        engine::count step;  // -1: still running, or not yet started
    } rows[] = {
        {"", "Play, Step, Reset", -1},
        {"play", "Pause, Reset", -1},
        {"play moving", "Pause, Reset", -1},
        {"play pause", paused, 0},
        {"step paused", paused_after_a_step, 1},
        {"step paused step paused", paused_after_a_step, 2},
        {"step paused step paused back", paused_after_a_step, 1},
        {"step paused step paused back line=1", paused_after_a_step, 1},  // the current step's line
        {"step paused step paused back back", paused, 0},
        {"speed=7 step paused back", paused, 0},
        {"play goal", "Step back, Go to the selected line, Reset", 4},
        {"play goal back", paused_after_a_step, 3},  // from the goal: the last move, paused
        {"play goal back line=2", paused_after_a_step, 2},
        {"play goal back line=2 step paused", paused_after_a_step, 3},
    };
    struct : ui::list_listener {  // the lines scrolled into view, and selected
        std::string rows;
        void show_row(std::size_t row) override { rows += std::to_string(row + 1) + ' '; }
        void select_row(int row) override { rows += "s" + std::to_string(row + 1) + ' '; }
    } shown;
    session s;
    s.open_playground(1);
    s.playground().langkah.listen(shown);
    // Each gesture selects and shows its step's line; a run that plays leaves the selection alone.
    ASSERT_TRUE(run(s, "step paused step paused back resume goal back back back"));
    EXPECT_EQ(shown.rows, "s1 1 s2 2 s1 1 s3 3 s2 2 s1 1 ");
    // A line of Solution Moves brings back the step of its move: two a side, the third is line 13.
    session two;
    two.open_playground(2);
    ASSERT_TRUE(run(two, "play goal path=3"));
    EXPECT_EQ(digest(two), digest(*paused_after(2, "", 13)));
    for (const auto& row : rows) {
        SCOPED_TRACE(row.script);
        for (std::size_t entry = 0; entry < 8; ++entry) {
            session by_menu, by_key;  // twins: one takes the menu's entry, the other its key
            for (session* twin : {&by_menu, &by_key}) {
                twin->open_playground(1);
                ASSERT_TRUE(run(*twin, row.script));
            }
            search_view::playground &pg = by_menu.playground(), &twin = by_key.playground();
            if (row.step >= 0 && entry == 0) {
                EXPECT_EQ(digest(by_menu), digest(*paused_after(1, row.script, row.step)));
            }
            if (pg.langkah.ListCount() > 0) pg.langkah.ListIndex(0), twin.langkah.ListIndex(0);
            std::string offered;
            for (const auto& each : pg.context_menu())
                if (each.enabled()) offered += (offered.empty() ? "" : ", ") + each.text;
            EXPECT_EQ(offered, row.offered + ", Search tree, Predict each step");  // in every state
            // The entry does what its key does (Enter on "All Moves" what a double-click does), at once and
            // in what runs on from there; one not offered does nothing, though its key (Space) may act.
            const auto& gesture = pg.context_menu().at(entry);
            SCOPED_TRACE(gesture.text);
            const bool acts = gesture.enabled();
            gesture.action();
            for (const auto& binding : twin.key_bindings())
                if (acts && binding.keys == gesture.keys) binding.action();
            if (acts && gesture.keys == "Enter") twin.langkah.DblClick();
            EXPECT_EQ(digest(by_menu), digest(by_key));
            for (session* each : {&by_menu, &by_key})
                each->clock.run_until([each] { return each->clock.idle(); },
                                      each->clock.now() + a_long_while);
            EXPECT_EQ(digest(by_menu), digest(by_key));
            EXPECT_EQ(by_menu.clock.now(), by_key.clock.now());
        }
    }
}

// Random gestures on small runs: every state the timeline restores equals a fresh run paused after
// the same step at the speed the gestures set, and the run resumed from there goes on exactly as the
// fresh run does.
TEST(Timeline, RandomGesturesRestoreTheStatesOfAnUninterruptedRun) {
    std::mt19937 random(5151);
    for (int trial = 0; trial < 12; ++trial) {
        const int n = std::uniform_int_distribution<int>(1, 5)(random);
        SCOPED_TRACE("trial " + std::to_string(trial) + ", N = " + std::to_string(n));
        session s;
        s.open_playground(n);
        search_view::playground& pg = s.playground();
        const auto pick = [&](int low, int high) {
            return std::uniform_int_distribution<int>(low, high)(random);
        };
        int speed = engine::initial_speed;  // as the gestures set it, whatever the slider shows
        for (int gesture = 0; gesture < 40; ++gesture) {
            bool restored = false;
            switch (pick(0, 6)) {
            case 0: pg.space_key(); break;
            case 1: pg.step_key(); break;
            case 2:
                restored = pg.can_step_back();
                pg.step_back_key();
                break;
            case 3:  // a double-click on a line, or beside the lines
                pg.langkah.ListIndex(pick(0, static_cast<int>(pg.langkah.ListCount())) - 1);
                restored = pg.can_go_to_line(static_cast<std::size_t>(pg.langkah.ListIndex() + 1));
                pg.langkah.DblClick();
                break;
            case 4: pg.Kecepatan.Value(speed = pick(0, 1) ? pick(1, 60) : pick(61, 1000)); break;
            default: s.clock.run_until([] { return false; }, s.clock.now() + pick(1, 3000)); break;
            }
            if (!restored) continue;
            const auto fresh = paused_after(n, "speed=" + std::to_string(speed), s.app.state().log_count);
            ASSERT_EQ(digest(s), digest(*fresh)) << "after step " << s.app.state().log_count;
            if (pick(0, 3) != 0 && gesture < 30) continue;
            // Resumed from here, both hold the same at each line as it is logged, as long after, and at
            // the goal.
            const auto resumed = s.clock.now(), fresh_resumed = fresh->clock.now();
            ASSERT_TRUE(run(s, "resume") && run(*fresh, "resume"));
            for (bool more = true; more;) {
                more = run(s, "line");
                ASSERT_EQ(run(*fresh, "line"), more);
                ASSERT_EQ(digest(s), digest(*fresh)) << "after line " << s.app.state().log_count;
                ASSERT_EQ(s.clock.now() - resumed, fresh->clock.now() - fresh_resumed);
            }
        }
    }
}

}  // namespace
