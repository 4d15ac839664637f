// Benchmarks of the model: one whole run for N = 12, and ten million lines in a list box.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include "engine/log_line.h"
#include "ui/form/list_box.h"
#include "ui/form/virtual_clock.h"
#include "ui/program/headless.h"

namespace {

// One run for N = 12 at the initial step of 20, from the click on play to the
// answered message: 28505 search steps and about a million animation frames.
void whole_run_n12(benchmark::State& state) {
    long long frames = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto session = std::make_unique<program::headless_session>();
        session->open_playground(12);
        auto& pg = session->pg();
        auto frame = pg.Timer1.Timer;
        pg.Timer1.Timer = [&] {
            ++frames;
            frame();
        };
        state.ResumeTiming();
        pg.play.click();
        if (!session->run_to_success(INT64_MAX)) state.SkipWithError("the run did not finish");
        state.PauseTiming();
        session.reset();
        state.ResumeTiming();
    }
    state.counters["frames_per_run"] =
        benchmark::Counter(static_cast<double>(frames), benchmark::Counter::kAvgIterations);
}
BENCHMARK(whole_run_n12)->Unit(benchmark::kMillisecond);

std::size_t heap_in_use() { return mallinfo2().uordblks; }

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
        ui::form window("bench", clock, "bench", 0, 0);
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
