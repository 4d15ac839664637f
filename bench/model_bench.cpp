// Benchmarks of the model: whole runs, a search step at any depth, and ten million lines in a list box.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/List.h"
#include "engine/log_line.h"
#include "ui/form/list_box.h"
#include "ui/program/headless.h"
#include "ui/time/virtual_clock.h"
#include "ui/tree/search_tree.h"

namespace {

// One run for N = 12 at the initial step of 20, from the click on play to the
// answered message: 28505 search steps and about a million animation frames.
void whole_run_n12(benchmark::State& state) {
    std::uint64_t frames = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto session = std::make_unique<program::headless_session>();
        session->open_playground(12);
        auto& pg = session->playground();
        state.ResumeTiming();
        pg.play.user_click();
        if (!session->run_to_success(INT64_MAX)) state.SkipWithError("the run did not finish");
        state.PauseTiming();
        frames += pg.Timer1.ticks();
        session.reset();
        state.ResumeTiming();
    }
    state.counters["frames_per_run"] =
        benchmark::Counter(static_cast<double>(frames), benchmark::Counter::kAvgIterations);
}
BENCHMARK(whole_run_n12)->Unit(benchmark::kMillisecond);

std::size_t heap_in_use() { return mallinfo2().uordblks; }

// The search tree of a whole N = 12 run read from its log, line by line,
// then taken back to line 1: the time a line costs each way, and the heap the
// whole tree holds.
void search_tree_n12(benchmark::State& state) {
    program::headless_session session;
    session.open_playground(12);
    auto& pg = session.playground();
    pg.play.user_click();
    if (!session.run_to_success(INT64_MAX)) state.SkipWithError("the run did not finish");
    std::vector<std::string> log(pg.langkah.ListCount());
    for (std::size_t j = 0; j < log.size(); ++j) log[j] = pg.langkah.List(j);
    double heap = 0;
    for (auto _ : state) {
        const std::size_t before = heap_in_use();
        search_tree::tree t(12);
        t.follow(log.size(), true, [&](std::size_t j) -> const std::string& { return log[j]; });
        heap = static_cast<double>(heap_in_use() - before);
        if (state.range(0) == 1)
            t.follow(1, false, [&](std::size_t j) -> const std::string& { return log[j]; });
        benchmark::DoNotOptimize(t.count());
    }
    state.counters["lines"] = static_cast<double>(log.size());
    state.counters["ns_per_line"] =
        benchmark::Counter(static_cast<double>(log.size()) * static_cast<double>(state.range(0) + 1),
                           benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    state.counters["tree_bytes"] = heap;
}
BENCHMARK(search_tree_n12)->ArgName("and_back")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// A whole run at the top speed of the slider, as `marble-trace N 1000` plays
// it but without printing: the time, the log it leaves, the heap it holds at
// the end per log line, and the most elements the search stack ever held
// (the stack follows the path, about N^2 + 2N, whatever the run's length).
void whole_run_top_speed(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    double lines = 0, heap_per_line = 0, most_stack = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const std::size_t before = heap_in_use();
        auto session = std::make_unique<program::headless_session>();
        session->open_playground(n);
        auto& pg = session->playground();
        const engine::modul_tiroka& puzzle = session->app.state();
        std::size_t most = 0;
        auto step = pg.loop_utama.Timer;
        pg.loop_utama.Timer = [&] {
            step();
            most = std::max(most, puzzle.move_stack->live_elements());
        };
        pg.Kecepatan.Value(1000);
        state.ResumeTiming();
        pg.play.user_click();
        if (!session->run_to_success(INT64_MAX)) state.SkipWithError("the run did not finish");
        state.PauseTiming();
        lines = static_cast<double>(pg.langkah.ListCount());
        heap_per_line = static_cast<double>(heap_in_use() - before) / lines;
        most_stack = static_cast<double>(most);
        session.reset();
        state.ResumeTiming();
    }
    state.counters["log_lines"] = lines;
    state.counters["heap_bytes_per_line"] = heap_per_line;
    state.counters["most_stack_elements"] = most_stack;
}
BENCHMARK(whole_run_top_speed)->Arg(12)->Arg(18)->Arg(20)->Unit(benchmark::kMillisecond)->Iterations(1);

// A run at the top speed, paused right after step `steps` (or finished at
// its goal, when that comes first or `steps` is 0).
std::unique_ptr<program::headless_session> run_at_top_speed(int n, long long steps) {
    auto session = std::make_unique<program::headless_session>();
    session->open_playground(n);
    auto& pg = session->playground();
    pg.Kecepatan.Value(1000);
    pg.play.user_click();
    if (steps > 0)
        session->pause_after(static_cast<std::uint64_t>(steps));
    else
        session->run_to_success(INT64_MAX);
    return session;
}

// The timeline: from the goal of an N = 12 run (28505 steps) one step back,
// and from there back to line 1. Each is timed on its own; the heap a rewind
// leaves behind is what the log gave back (the timeline keeps no record).
void step_back_n12(benchmark::State& state) {
    const bool to_line_1 = state.range(0) == 1;
    double heap_change = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto session = run_at_top_speed(12, 0);
        auto& pg = session->playground();
        if (to_line_1) pg.step_back_key();
        const std::size_t before = heap_in_use();
        state.ResumeTiming();
        if (to_line_1)
            pg.go_to_line(1);
        else
            pg.step_back_key();
        state.PauseTiming();
        heap_change = static_cast<double>(heap_in_use()) - static_cast<double>(before);
        if (pg.langkah.ListCount() != (to_line_1 ? 1u : 28504u))
            state.SkipWithError("not where it should be");
        session.reset();
        state.ResumeTiming();
    }
    state.counters["heap_change_bytes"] = heap_change;
}
BENCHMARK(step_back_n12)->ArgName("to_line_1")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond)->Iterations(20);

// One step back after 400000 steps of an N = 16 run.
void step_back_after_400000_steps_n16(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto session = run_at_top_speed(16, 400000);
        auto& pg = session->playground();
        state.ResumeTiming();
        pg.step_back_key();
        state.PauseTiming();
        if (pg.langkah.ListCount() != 399999) state.SkipWithError("not where it should be");
        session.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(step_back_after_400000_steps_n16)->Unit(benchmark::kMicrosecond)->Iterations(5);

// The search tree after 400000 steps of N = 16, read from the log: the time,
// and the heap it holds against the heap of the whole session; with the
// argument 1 it folds subtrees as the window's tree does.
void search_tree_after_400000_steps_n16(benchmark::State& state) {
    const std::size_t before_session = heap_in_use();
    auto session = run_at_top_speed(16, 400000);
    const auto session_bytes = static_cast<double>(heap_in_use() - before_session);
    const auto& log = session->playground().langkah;
    double tree_bytes = 0, nodes = 0;
    for (auto _ : state) {
        const std::size_t before = heap_in_use();
        search_tree::tree t(16, state.range(0) == 1
                                    ? search_tree::log_reader([&](std::size_t j) { return log.List(j); })
                                    : search_tree::log_reader());
        std::string line;
        t.follow(log.ListCount(), false, [&](std::size_t j) -> const std::string& {
            log.List(j, line);
            return line;
        });
        tree_bytes = static_cast<double>(heap_in_use() - before);
        nodes = static_cast<double>(t.nodes().size());
        benchmark::DoNotOptimize(t.count());
    }
    state.counters["lines"] = static_cast<double>(session->playground().langkah.ListCount());
    state.counters["nodes_kept"] = nodes;
    state.counters["session_bytes"] = session_bytes;
    state.counters["tree_bytes"] = tree_bytes;
}
BENCHMARK(search_tree_after_400000_steps_n16)
    ->ArgName("folds")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

// The list work of a search step that moves forward and of one that takes
// the move back, at a given depth: it costs the same at depth 5 as at 40000.
void search_step_on_the_stack(benchmark::State& state) {
    const auto depth = static_cast<engine::list_position>(state.range(0));
    engine::List stack;
    for (engine::list_position d = 0; d <= depth; ++d) stack.addlastelmt(1);
    for (auto _ : state) {
        // Forward: the top advances to a move, and a new top goes on.
        stack.inclastelmt();
        benchmark::DoNotOptimize(stack.operator_kurung(depth));
        stack.addlastelmt(0);
        // Back: the new top runs through its kinds, goes, and the move below is read.
        for (int kind = 1; kind <= 5; ++kind) {
            stack.inclastelmt();
            benchmark::DoNotOptimize(stack.operator_kurung(depth + 1));
        }
        stack.dellastelmt();
        benchmark::DoNotOptimize(stack.operator_kurung(depth));
        if (stack.operator_kurung(depth) > 4) {  // keep the kinds below the top from running away
            stack.dellastelmt();
            stack.addlastelmt(1);
        }
    }
    state.counters["stack_elements"] = static_cast<double>(stack.live_elements());
}
BENCHMARK(search_step_on_the_stack)->Arg(5)->Arg(400)->Arg(40000);

// The answer to "what does the search do next?" at the first question of a run,
// read off the board and the stack, on the smallest and the largest track.
void predict_next_step(benchmark::State& state) {
    program::headless_session session;
    session.open_playground(static_cast<int>(state.range(0)));
    auto& pg = session.playground();
    pg.predict_steps(true);
    pg.play.user_click();
    if (!session.clock.run_until([&] { return pg.asking(); }, INT64_MAX)) state.SkipWithError("never asked");
    for (auto _ : state) benchmark::DoNotOptimize(pg.next_step());
}
BENCHMARK(predict_next_step)->Arg(1)->Arg(31999);

// Ten million move-log lines, formatted as the search writes them, appended
// to a list box; the heap it holds afterwards, per line.
void append_ten_million_lines(benchmark::State& state) {
    constexpr std::size_t lines = 10'000'000;
    const std::string_view labels[] = {engine::blue_jump_label, engine::red_jump_label,
                                       engine::blue_roll_label, engine::red_roll_label,
                                       engine::backtrack_label};
    double bytes_per_line = 0;
    for (auto _ : state) {
        state.PauseTiming();
        ui::virtual_clock clock;
        ui::form window("bench", clock, 0, 0);
        auto list = std::make_unique<ui::list_box>(window, "langkah", ui::bounds{});
        const std::size_t before = heap_in_use();
        state.ResumeTiming();
        for (std::size_t i = 0; i < lines; ++i) {
            // Moves near the middle of a track of 25 cells, like a run for N = 12.
            const auto from = static_cast<engine::cell>(1 + i % 23);
            list->AddItem(engine::log_line(static_cast<engine::count>(i + 1), labels[i % 5], from,
                                           from + 1 + static_cast<engine::cell>(i % 2)));
        }
        state.PauseTiming();
        bytes_per_line = static_cast<double>(heap_in_use() - before) / lines;
        list.reset();
        state.ResumeTiming();
    }
    state.counters["bytes_per_line"] = bytes_per_line;
}
BENCHMARK(append_ten_million_lines)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
