// The search as a timeline: step, step back and go to a line, against fresh runs paused at the same step.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "ui/form/list_box.h"
#include "ui/program/headless.h"

namespace {

using strings = std::vector<std::string>;

// Everything the engine and the window hold: the state after a step.
std::string digest(program::headless_session& s) {
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
        case ui::control_kind::label: out << static_cast<const ui::label*>(c)->Caption(); break;
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

// What a user sees from now on: every line of langkah, the frames of every movement, the message.
struct recorder : ui::list_listener {
    explicit recorder(program::headless_session& session)
        : s(session), pg(session.playground()), frame(pg.Timer1.Timer) {
        pg.langkah.listen(this);
        pg.Timer1.Timer = [this] {
            ++frames;
            frame();
            if (!pg.Timer1.Enabled()) seen.push_back("frames " + std::to_string(std::exchange(frames, 0)));
        };
        s.on_message = [this](const std::string& text) { seen.push_back(text); };
    }
    ~recorder() override {
        pg.langkah.listen(nullptr);
        pg.Timer1.Timer = frame;
        s.on_message = nullptr;
    }
    void before_append(std::size_t) override {}
    void after_append() override { seen.push_back(pg.langkah.List(pg.langkah.ListCount() - 1)); }
    void before_remove(std::size_t, std::size_t) override {}
    void after_remove() override {}

    program::headless_session& s;
    search_view::playground& pg;
    std::function<void()> frame;
    strings seen;
    int frames = 0;
};

constexpr ui::virtual_clock::milliseconds a_long_while = 10000000;

bool run_until(program::headless_session& s, const std::function<bool()>& done) {
    return s.clock.run_until(done, s.clock.now() + a_long_while);
}

bool run_to_success(program::headless_session& s) { return s.run_to_success(s.clock.now() + a_long_while); }

// A fresh run of n marbles a side at the slider's value, paused by a click
// right after step k (Finished past the last line).
std::unique_ptr<program::headless_session> paused_after(int n, int slider, engine::count k) {
    auto s = std::make_unique<program::headless_session>();
    s->open_playground(n);
    search_view::playground& pg = s->playground();
    pg.Kecepatan.Value(slider);
    pg.play.user_click();
    EXPECT_TRUE(run_until(*s, [&] {
        return !s->messages.empty() ||
               (pg.langkah.ListCount() == static_cast<std::size_t>(k) && !pg.Timer1.Enabled());
    }));
    if (s->messages.empty()) pg.pause.user_click();
    return s;
}

std::string enabled_entries(search_view::playground& pg) {
    std::string out;
    for (const auto& entry : pg.context_menu())
        if (entry.enabled()) out += (out.empty() ? "" : ", ") + entry.text;
    return out;
}

// In each state of a run, the menu offers exactly the gestures that act, and
// a gesture it does not offer changes nothing. Each state is reached by a
// script: clicks on play and pause, ".", and running the clock until a marble
// moves, until the run pauses, or to the goal.
TEST(Timeline, TheMenuOffersWhatActsAndTheRestChangesNothing) {
    const struct {
        const char* script;
        const char* offered;
    } rows[] = {
        {"", "Play, Step, Reset"},
        {"play", "Pause, Reset"},
        {"play moving", "Pause, Reset"},
        {"play pause", "Resume, Step, Reset"},
        {". paused", "Resume, Step, Step back, Go to the selected line, Reset"},
        {"play goal", "Step back, Go to the selected line, Reset"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.script);
        for (std::size_t entry = 0;; ++entry) {
            program::headless_session s;
            s.open_playground(2);
            search_view::playground& pg = s.playground();
            std::istringstream script(row.script);
            for (std::string word; script >> word;) {
                if (word == "play")
                    pg.play.user_click();
                else if (word == "pause")
                    pg.pause.user_click();
                else if (word == ".")
                    pg.step_key();
                else  // the clock runs until a marble moves, the run pauses, or the goal
                    ASSERT_TRUE(run_until(s, [&] {
                        return word == "moving"   ? pg.Timer1.Enabled()
                               : word == "paused" ? pg.resume1.Enabled()
                                                  : !s.messages.empty();
                    })) << word;
            }
            if (pg.langkah.ListCount() > 0) pg.langkah.ListIndex(0);
            if (entry == 0) {
                EXPECT_EQ(enabled_entries(pg), row.offered);
            }
            if (entry == pg.context_menu().size()) break;
            const auto& gesture = pg.context_menu()[entry];
            if (gesture.enabled()) continue;
            const std::string before = digest(s);
            gesture.action();
            EXPECT_EQ(digest(s), before) << gesture.text;
        }
    }
}

// "." runs one step whole, at the current speed, and pauses; "," and a
// chosen line go back at once, down to the start, and from the goal.
TEST(Timeline, StepsRunWholeAndGoBackToTheStart) {
    program::headless_session s;
    s.open_playground(1);
    search_view::playground& pg = s.playground();
    recorder seen(s);
    pg.step_key();
    ASSERT_TRUE(run_until(s, [&] { return pg.resume1.Enabled(); }));
    pg.step_key();
    ASSERT_TRUE(run_until(s, [&] { return pg.resume1.Enabled(); }));
    EXPECT_EQ(seen.seen, (strings{"1.Blue roll (1,2)", "frames 31", "2.Red jump (3,1)", "frames 44"}));
    EXPECT_FALSE(run_until(s, [&] { return pg.langkah.ListCount() > 2; }));

    pg.step_back_key();
    EXPECT_EQ(digest(s), digest(*paused_after(1, 20, 1)));
    pg.langkah.ListIndex(0);
    pg.langkah.DblClick();  // the line of the current step: nothing changes
    EXPECT_EQ(digest(s), digest(*paused_after(1, 20, 1)));
    pg.step_back_key();
    EXPECT_EQ(digest(s), digest(*paused_after(1, 20, 0)));
    EXPECT_FALSE(pg.can_step_back());

    pg.resume1.user_click();
    ASSERT_TRUE(run_to_success(s));
    pg.step_back_key();  // from the goal: the last move, paused
    EXPECT_EQ(digest(s), digest(*paused_after(1, 20, 3)));
    pg.langkah.ListIndex(1);
    pg.langkah.DblClick();
    EXPECT_EQ(digest(s), digest(*paused_after(1, 20, 2)));
    pg.step_key();
    ASSERT_TRUE(run_until(s, [&] { return pg.resume1.Enabled(); }));
    EXPECT_EQ(digest(s), digest(*paused_after(1, 20, 3)));
    pg.step_key();  // the goal
    ASSERT_TRUE(run_to_success(s));
    pg.step_key();  // finished: nothing more to run
    EXPECT_EQ(seen.seen.back(), "Banyak langkah = 3");
    EXPECT_EQ(s.messages, (strings{"Banyak langkah = 3", "Banyak langkah = 3"}));
}

// Random gestures on small runs: every state the timeline restores equals a
// fresh run paused after the same step, and the run resumed from the last of
// them shows exactly what the fresh run shows from there.
TEST(Timeline, RandomGesturesRestoreTheStatesOfAnUninterruptedRun) {
    std::mt19937 random(5151);
    for (int trial = 0; trial < 12; ++trial) {
        const int n = std::uniform_int_distribution<int>(1, 5)(random);
        SCOPED_TRACE("trial " + std::to_string(trial) + ", N = " + std::to_string(n));
        program::headless_session s;
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

            // Resumed from here, both show the same lines, frames and message.
            if (pick(0, 3) == 0 || gesture >= 30) {
                recorder rewound(s), uninterrupted(*fresh);
                pg.resume1.user_click();
                fresh->playground().resume1.user_click();
                ASSERT_TRUE(run_to_success(s));
                ASSERT_TRUE(run_to_success(*fresh));
                EXPECT_EQ(rewound.seen, uninterrupted.seen);
                EXPECT_EQ(digest(s), digest(*fresh));
            }
        }
    }
}

}  // namespace
