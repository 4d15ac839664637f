// Prediction mode: the run holds before each step, an answer plays exactly that step, and each step is scored
// once.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/log_line.h"
#include "ui/program/headless.h"

namespace {

using session = program::headless_session;
using search_tree::next_step;

constexpr ui::virtual_clock::milliseconds a_long_while = 1000000;

bool run_until(session& s, const std::function<bool()>& done) {
    return s.clock.run_until(done, s.clock.now() + a_long_while);
}

// The run stands at the next question, or has ended.
bool next_question(session& s) {
    search_view::playground& pg = s.playground();
    return run_until(s, [&] { return pg.asking() || pg.state() == search_view::run_state::finished; });
}

std::vector<std::string> lines(search_view::playground& pg) {
    std::vector<std::string> out;
    for (std::size_t j = 0; j < pg.langkah.ListCount(); ++j) out.push_back(pg.langkah.List(j));
    return out;
}

std::vector<std::string> whole_run(int n) {
    session plain;
    plain.open_playground(n);
    plain.playground().play.user_click();
    EXPECT_TRUE(plain.run_to_success(a_long_while));
    return lines(plain.playground());
}

// An answer other than `right`.
next_step wrong(next_step right) { return static_cast<next_step>(static_cast<int>(right) % 6 + 1); }

// What a step wrote: its line's kind, a Backtrack, or the goal's message.
next_step step_taken(session& s, std::size_t lines_before, std::size_t messages_before) {
    search_view::playground& pg = s.playground();
    if (s.messages.size() > messages_before) return next_step::goal;
    EXPECT_EQ(pg.langkah.ListCount(), lines_before + 1);
    const auto line = engine::read_log_line(pg.langkah.List(pg.langkah.ListCount() - 1));
    return line->kind == 0 ? next_step::backtrack : static_cast<next_step>(line->kind);
}

}  // namespace

// Answered every third step right and the others wrong, from the start on: each answer plays exactly the
// step the search takes, which is the answer called right, and the whole run is the run without questions.
// Each run follows a finished one in the same session.
TEST(Prediction, EachAnswerPlaysTheStepItWasScoredAgainst) {
    session s;
    for (int n = 1; n <= 4; ++n) {
        SCOPED_TRACE("N = " + std::to_string(n));
        if (n > 1) s.playground().reset.user_click(), s.settle();
        const int kept_open = s.search_trees_kept_open;
        s.open_playground(n);
        search_view::playground& pg = s.playground();
        pg.predict_steps(true);
        EXPECT_EQ(s.search_trees_kept_open, kept_open + 1);
        engine::count steps = 0, right = 0;
        while (pg.asking()) {
            const next_step expected = pg.next_step();
            const next_step given = steps % 3 == 0 ? expected : wrong(expected);
            const std::size_t lines_before = pg.langkah.ListCount(), messages_before = s.messages.size();
            pg.answer(given);
            ASSERT_TRUE(next_question(s));
            EXPECT_EQ(step_taken(s, lines_before, messages_before), expected) << "step " << steps + 1;
            ++steps;
            right += given == expected;
            ASSERT_TRUE(pg.score().last()->step == steps && pg.score().last()->given == given);
        }
        EXPECT_EQ(pg.state(), search_view::run_state::finished);
        EXPECT_EQ(steps, pg.langkah.ListCount() + 1);
        EXPECT_EQ(lines(pg), whole_run(n));
        EXPECT_EQ(pg.score().right(), right);
        EXPECT_EQ(pg.score().answered(), steps);
        EXPECT_EQ(s.search_trees_kept_open,
                  kept_open + steps);  // turned on, and at each hold after the first
    }
}

// A held run goes on after an answer, and plays the step unasked when resumed; a step back, or a pause of
// the learner's, leaves the run paused, an answer then plays one step alone, and a step answered again keeps
// its first score.
TEST(Prediction, AStepIsScoredOnceAndPlaysAloneWhereTheRunWasPaused) {
    session s;
    s.open_playground(2);
    search_view::playground& pg = s.playground();
    pg.predict_steps(true);
    pg.play.user_click();
    ASSERT_TRUE(next_question(s));
    EXPECT_EQ(pg.langkah.ListCount(), 0u);  // held before the first step
    EXPECT_TRUE(pg.resume1.Enabled() && pg.pause.Enabled() && !pg.loop_utama.Enabled());
    pg.resume1.user_click();
    ASSERT_TRUE(next_question(s));
    EXPECT_EQ(pg.langkah.ListCount(), 1u);
    EXPECT_EQ(pg.score().answered(), 0);
    pg.answer(pg.next_step());
    EXPECT_EQ(pg.state(), search_view::run_state::running);
    ASSERT_TRUE(next_question(s));
    pg.answer(wrong(pg.next_step()));
    ASSERT_TRUE(next_question(s));
    ASSERT_EQ(pg.langkah.ListCount(), 3u);

    pg.step_back_key();
    EXPECT_TRUE(pg.asking());
    EXPECT_EQ(pg.score().right(), 1);
    EXPECT_EQ(pg.score().answered(), 2);
    pg.answer(pg.next_step());
    EXPECT_EQ(pg.state(), search_view::run_state::pausing);
    EXPECT_TRUE(pg.score().last()->is_right() && !pg.score().last()->counted);
    EXPECT_EQ(pg.score().right(), 1);
    ASSERT_TRUE(next_question(s));
    s.clock.run_until([&] { return s.clock.idle(); }, s.clock.now() + a_long_while);
    EXPECT_EQ(pg.langkah.ListCount(), 3u);  // one step, and the run stays paused

    pg.step_key();  // "." plays its step unasked
    ASSERT_TRUE(next_question(s));
    EXPECT_EQ(pg.langkah.ListCount(), 4u);
    EXPECT_EQ(pg.score().answered(), 2);
    pg.step_key();  // paused before its step began, "." still has it unasked, and only it
    pg.pause.user_click();
    pg.resume1.user_click();
    ASSERT_TRUE(next_question(s));
    EXPECT_EQ(pg.langkah.ListCount(), 5u);
}

// Turned off while the run is held, the mode lets the run go on, line for line as one that never had it;
// turned off while the learner paused, the run stays paused.
TEST(Prediction, TurnedOffTheRunGoesOnAsIfItNeverHadIt) {
    for (const bool held : {true, false}) {
        SCOPED_TRACE(held ? "held" : "paused");
        session s;
        s.open_playground(3);
        search_view::playground& pg = s.playground();
        pg.predict_steps(true);
        for (int step = 0; step < 5; ++step) {
            pg.answer(step % 2 ? pg.next_step() : next_step::goal);
            ASSERT_TRUE(next_question(s));
        }
        if (!held) pg.pause.user_click();
        struct : search_view::step_listener {
            int told = 0;
            void steps_changed() override { ++told; }
        } view;
        pg.listen_to_steps(view);
        pg.predict_steps(false);
        EXPECT_GT(view.told, 0);
        EXPECT_FALSE(pg.asking());
        EXPECT_EQ(pg.state(), held ? search_view::run_state::running : search_view::run_state::paused);
        if (!held) pg.resume1.user_click();
        ASSERT_TRUE(s.run_to_success(a_long_while));
        EXPECT_EQ(lines(pg), whole_run(3));
    }
}
