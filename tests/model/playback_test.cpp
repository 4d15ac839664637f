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

#include "ui/form/list_box.h"
#include "ui/program/headless.h"

namespace {

using session = program::headless_session;

constexpr ui::virtual_clock::milliseconds a_long_while =
    1000000;  // past the whole run of N = 5 at the slowest step

bool run_until(session& s, const std::function<bool()>& done) {
    return s.clock.run_until(done, s.clock.now() + a_long_while);
}

// Gestures on the open playground, one word each: play, pause, resume, space, step (.), back (,),
// line=K (a double-click on line K), speed=V; and the clock runs until a marble "moving", it has
// "arrived", the run is "paused", a new "line" is logged, or the "goal". False if that never comes.
bool run(session& s, const std::string& script) {
    search_view::playground& pg = s.playground();
    std::istringstream words(script);
    for (std::string word; words >> word;) {
        const std::size_t lines = pg.langkah.ListCount(), messages = s.messages.size();
        const std::map<std::string, std::function<void()>> gestures = {
            {"play", [&] { pg.play.user_click(); }},
            {"pause", [&] { pg.pause.user_click(); }},
            {"resume", [&] { pg.resume1.user_click(); }},
            {"space", [&] { pg.space_key(); }},
            {"step", [&] { pg.step_key(); }},
            {"back", [&] { pg.step_back_key(); }}};
        const std::map<std::string, std::function<bool()>> waits = {
            {"moving", [&] { return pg.Timer1.Enabled(); }},
            {"arrived", [&] { return !pg.Timer1.Enabled(); }},
            {"paused", [&] { return pg.resume1.Enabled(); }},
            {"line", [&] { return pg.langkah.ListCount() > lines; }},
            {"goal", [&] { return s.messages.size() > messages; }}};
        if (gestures.count(word)) {
            gestures.at(word)();
        } else if (word.rfind("line=", 0) == 0) {
            pg.langkah.ListIndex(std::stoi(word.substr(5)) - 1);
            pg.langkah.DblClick();
        } else if (word.rfind("speed=", 0) == 0) {
            pg.Kecepatan.Value(std::stoi(word.substr(6)));
        } else if (!waits.count(word) || !run_until(s, waits.at(word))) {
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
    engine::modul_tiroka& m = s.app.state();
    search_view::playground& pg = s.playground();
    std::ostringstream out;
    for (const engine::small cell : m.board) out << cell << ',';
    out << " hole " << m.hole << " steps " << m.step_count << " stack";
    for (engine::count d = 0; d <= m.step_count; ++d) out << ' ' << m.move_stack->operator_kurung(d);
    out << " anim " << m.anim_kind << " ball " << m.moving_ball << " lines " << m.log_count << ' '
        << m.path_count;
    out << " speed " << m.speed << " timers " << pg.loop_utama.Enabled() << pg.Timer1.Enabled();
    for (const ui::control* c : pg.controls()) {
        out << '\n' << c->name() << ' ' << c->Left() << ' ' << c->Top() << ' ' << c->Width() << ' ';
        out << c->Height() << ' ' << c->Visible() << c->Enabled() << " [" << c->Tag() << ']';
        switch (c->kind()) {
        case ui::control_kind::shape: out << static_cast<const ui::shape*>(c)->BackColor(); break;
        case ui::control_kind::image: out << static_cast<const ui::image*>(c)->Picture().name; break;
        case ui::control_kind::slider: out << static_cast<const ui::slider*>(c)->Value(); break;
        case ui::control_kind::list_box: {
            const auto* list = static_cast<const ui::list_box*>(c);
            for (std::size_t i = 0; i < list->ListCount(); ++i) out << '|' << list->List(i);
            break;
        }
        default: break;
        }
    }
    return out.str();
}

// A fresh run of n marbles a side at the slider's value, paused by a click right after step k
// (finished past the last line).
std::unique_ptr<session> paused_after(int n, int slider, engine::count k) {
    auto s = std::make_unique<session>();
    s->open_playground(n);
    s->playground().Kecepatan.Value(slider);
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
        for (const std::string& file : s.files_read)
            read += (read.empty() ? "" : " ") + file.substr(0, file.find('.'));
        EXPECT_EQ(enabled(pg), row.enabled);
        EXPECT_EQ(pg.langkah.ListCount(), row.lines == whole_run ? pg.langkah.ListCount() : row.lines);
        EXPECT_EQ(read, row.read);
        EXPECT_EQ(!s.clock.idle(), row.runs);
        if (row.runs || enabled(pg) == "play") continue;
        const auto steps = static_cast<engine::count>(pg.langkah.ListCount() + s.messages.size());
        EXPECT_EQ(digest(s), digest(*paused_after(2, pg.Kecepatan.Value(), steps)));
        EXPECT_FALSE(run(s, "line"));
        EXPECT_LE(s.messages.size(), 1u);
    }
}

TEST(Playback, ResetInTheMiddleOfAMovementWithAPausePendingClosesTheWindowAtOnce) {
    session s;
    s.open_playground(2);
    ASSERT_TRUE(run(s, "play moving pause"));
    search_view::playground& old = s.playground();
    auto token = std::make_shared<int>();  // held by the old window until it is destroyed
    const std::weak_ptr<int> window_alive = token;
    old.Timer1.Timer = [token] {};
    token.reset();
    old.reset.user_click();
    ASSERT_NE(s.app.utama(), nullptr);
    // The old window goes once its click has been handled; its timers stop at once.
    EXPECT_FALSE(window_alive.expired());
    EXPECT_FALSE(old.Timer1.Enabled() || old.loop_utama.Enabled());
    s.settle();
    EXPECT_TRUE(window_alive.expired());
    EXPECT_TRUE(s.clock.idle());

    s.open_playground(1);  // a fresh window: nothing of the old track or run is left
    search_view::playground& pg = s.playground();
    EXPECT_EQ(s.app.state().speed, 20);
    EXPECT_EQ(enabled(pg), "play");
    EXPECT_FALSE(pg.bckGrnd.exists(4) || pg.shpBall1.exists(2));
    EXPECT_EQ(pg.langkah.ListCount() + pg.Effi.ListCount(), 0u);
    ASSERT_TRUE(run(s, "play line line line"));  // no pause carried over
    EXPECT_EQ(pg.langkah.List(0), "1.Blue roll (1,2)");
}

// After each script on one marble a side, the menu offers exactly the gestures that act, and one it
// does not offer changes nothing. "." runs one step whole, at the current speed, and pauses; "," and a
// chosen line go back at once, down to the start, and from the goal: the window then holds what a fresh
// run paused after that many steps holds (finished after the fourth).
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
    struct : ui::list_listener {  // the lines scrolled into view
        std::string rows;
        void show_row(std::size_t row) override { rows += std::to_string(row + 1) + ' '; }
    } shown;
    session s;
    s.open_playground(1);
    s.playground().langkah.listen(shown);
    ASSERT_TRUE(run(s, "step paused step paused back resume goal back"));  // each shows its step's line
    EXPECT_EQ(shown.rows, "1 2 1 3 ");
    s.playground().langkah.stop_listening(shown);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.script);
        for (std::size_t entry = 0;; ++entry) {
            session s;
            s.open_playground(1);
            search_view::playground& pg = s.playground();
            ASSERT_TRUE(run(s, row.script));
            if (row.step >= 0 && entry == 0) {
                EXPECT_EQ(digest(s), digest(*paused_after(1, pg.Kecepatan.Value(), row.step)));
            }
            if (pg.langkah.ListCount() > 0) pg.langkah.ListIndex(0);
            std::string offered;
            for (const auto& each : pg.context_menu())
                if (each.enabled()) offered += (offered.empty() ? "" : ", ") + each.text;
            EXPECT_EQ(offered, row.offered + ", Search tree");  // the tree opens in every state
            if (entry == pg.context_menu().size()) break;
            const auto& gesture = pg.context_menu()[entry];
            if (gesture.enabled()) continue;
            const std::string before = digest(s);
            gesture.action();
            EXPECT_EQ(digest(s), before) << gesture.text;
        }
    }
}

// Random gestures on small runs: every state the timeline restores equals a fresh run paused after
// the same step, and the run resumed from the last of them goes on exactly as the fresh run does.
TEST(Timeline, RandomGesturesRestoreTheStatesOfAnUninterruptedRun) {
    std::mt19937 random(5151);
    for (int trial = 0; trial < 12; ++trial) {
        const int n = std::uniform_int_distribution<int>(1, 5)(random);
        SCOPED_TRACE("trial " + std::to_string(trial) + ", N = " + std::to_string(n));
        session s;
        s.open_playground(n);
        search_view::playground& pg = s.playground();
        const auto pick = [&](int from, int to) {
            return std::uniform_int_distribution<int>(from, to)(random);
        };
        for (int gesture = 0; gesture < 40; ++gesture) {
            bool restored = false;
            switch (pick(0, 6)) {
            case 0: pg.space_key(); break;
            case 1: pg.step_key(); break;
            case 2:
                restored = pg.can_step_back();
                pg.step_back_key();
                break;
            case 3:
                if (pg.langkah.ListCount() > 0) {
                    pg.langkah.ListIndex(pick(0, static_cast<int>(pg.langkah.ListCount()) - 1));
                    restored = pg.can_go_to_line(static_cast<std::size_t>(pg.langkah.ListIndex() + 1));
                    pg.langkah.DblClick();
                }
                break;
            case 4: pg.Kecepatan.Value(pick(0, 1) ? pick(1, 60) : pick(61, 1000)); break;
            default: s.clock.run_until([] { return false; }, s.clock.now() + pick(1, 3000)); break;
            }
            if (!restored) continue;
            const engine::count k = s.app.state().log_count;
            const auto fresh = paused_after(n, pg.Kecepatan.Value(), k);
            ASSERT_EQ(digest(s), digest(*fresh)) << "after step " << k;
            if (pick(0, 3) != 0 && gesture < 30) continue;
            // Resumed from here, both log the same lines and reach the goal as long after.
            const auto resumed = s.clock.now(), fresh_resumed = fresh->clock.now();
            ASSERT_TRUE(run(s, "resume goal"));
            ASSERT_TRUE(run(*fresh, "resume goal"));
            EXPECT_EQ(digest(s), digest(*fresh));
            EXPECT_EQ(s.clock.now() - resumed, fresh->clock.now() - fresh_resumed);
        }
    }
}

}  // namespace
