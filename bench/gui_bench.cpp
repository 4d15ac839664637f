// Benchmarks of the Qt host: opening a playground, one frame, the pace and CPU cost of a run, a rewind.
#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTimer>
#include <QWindow>
#include <ctime>
#include <fstream>
#include <functional>
#include <memory>
#include <string>

#include "ui/program/headless.h"
#include "ui/qt/host.h"
#include "ui/qt/scene_view.h"
#include "ui/time/real_time_schedule.h"

namespace {

double resident_mb() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return static_cast<double>(resident) * 4096.0 / (1024.0 * 1024.0);
}

// A key of the playground's, as the window binds it.
void press_key(search_view::playground& pg, const std::string& keys) {
    for (const auto& binding : pg.key_bindings())
        if (binding.keys == keys) binding.action();
}

void press_proses(qt_host::host& h, int n) {
    h.app().utama()->txtJmlBola.Text(std::to_string(n));
    h.app().utama()->cmdProses.user_click();
}

// "Proses" to the first paint of the playground: the load, the window, the painted scene.
void open_playground(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    double resident = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto h = std::make_unique<qt_host::host>();
        h->start();
        QCoreApplication::processEvents();
        state.ResumeTiming();
        press_proses(*h, n);
        h->window()->view().viewport()->repaint();
        state.PauseTiming();
        resident = resident_mb();
        h.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["resident_MB"] = resident;
}
BENCHMARK(open_playground)->Arg(16383)->Arg(31999)->Unit(benchmark::kMillisecond)->Iterations(3);

// One animation frame: a marble moves by a step and its old and new places are repainted.
void one_frame(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    qt_host::host h;
    h.start();
    press_proses(h, n);
    h.window()->show();
    QCoreApplication::processEvents();
    auto& marble = h.app().playground()->shpBall1(n);
    const float rest = marble.Left();
    int frame = 0;
    for (auto _ : state) {
        marble.Left(rest + static_cast<float>(20 * (++frame % 30)));
        QCoreApplication::processEvents();
    }
}
BENCHMARK(one_frame)->Arg(3)->Arg(16383)->Unit(benchmark::kMicrosecond);

double cpu_seconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

void wait_until_exposed(QWidget* window) {
    QElapsedTimer waited;
    waited.start();
    while (!(window->windowHandle() && window->windowHandle()->isExposed()) && waited.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
}

// Runs the event loop for a while, as the program's main loop does.
void run_event_loop(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

// Counts what a run costs: frames drawn, paints of the scene, timer events, message boxes shown.
class run_watch : public QObject {
    Q_OBJECT

public:
    explicit run_watch(qt_host::host& h)
        : viewport_(h.window()->view().viewport()), frame_timer_(h.app().playground()->Timer1),
          frames_before_(frame_timer_.ticks()) {
        qApp->installEventFilter(this);
    }
    ~run_watch() override { qApp->removeEventFilter(this); }

    double frames() const { return static_cast<double>(frame_timer_.ticks() - frames_before_); }
    long paints = 0, timer_events = 0;
    std::function<void(QMessageBox&)> on_box;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched == viewport_) ++paints;
        if (event->type() == QEvent::Timer) ++timer_events;
        if (event->type() == QEvent::Show && on_box)
            if (auto* box = qobject_cast<QMessageBox*>(watched)) on_box(*box);
        return false;
    }

private:
    QObject* viewport_;
    const ui::timer& frame_timer_;
    std::uint64_t frames_before_;
};

// A whole run of N = 2 at the initial step, from the click on play to the
// message box, against the pace of the design: each step one interval of
// loop_utama after the last frame, each frame 1/60 s.
void pacing_n2(benchmark::State& state) {
    program::headless_session reference;
    reference.open_playground(2);
    auto& ref = reference.playground();
    ref.play.user_click();
    reference.run_to_success(INT64_MAX);
    const auto steps = static_cast<double>(ref.loop_utama.ticks());
    const double frame_ms = 1000.0 / ui::real_time_schedule::frames_per_second;
    const double expected_ms =
        steps * ref.loop_utama.Interval() + static_cast<double>(ref.Timer1.ticks()) * frame_ms;

    double real_ms = 0, real_frames = 0;
    long paints = 0;
    for (auto _ : state) {
        qt_host::host h;
        h.start();
        press_proses(h, 2);
        wait_until_exposed(h.window());
        run_watch watch(h);
        QElapsedTimer clock;
        bool done = false;
        watch.on_box = [&](QMessageBox& box) {
            real_ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
            paints = watch.paints;
            real_frames = watch.frames();
            QMetaObject::invokeMethod(
                &box, [&box] { box.button(QMessageBox::Ok)->click(); }, Qt::QueuedConnection);
            done = true;
        };
        clock.start();
        h.app().playground()->play.user_click();
        while (!done) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    state.counters["steps"] = steps;
    state.counters["frames"] = real_frames;
    state.counters["paints"] = static_cast<double>(paints);
    state.counters["expected_ms"] = expected_ms;
    state.counters["real_ms"] = real_ms;
    state.counters["ratio"] = real_ms / expected_ms;
}
BENCHMARK(pacing_n2)->Unit(benchmark::kMillisecond)->Iterations(1);

// CPU time of the whole process for 10 s of a run of N = 5, then for 5 s
// paused between two steps; with the search-tree window open (tree:1) or not.
void cpu_n5(benchmark::State& state) {
    for (auto _ : state) {
        qt_host::host h;
        h.start();
        press_proses(h, 5);
        wait_until_exposed(h.window());
        auto* pg = h.app().playground();
        if (state.range(0) == 1) press_key(*pg, "T");
        run_watch watch(h);

        pg->play.user_click();
        QElapsedTimer wall;
        wall.start();
        double cpu = cpu_seconds();
        run_event_loop(10000);
        double seconds = static_cast<double>(wall.nsecsElapsed()) / 1e9;
        state.counters["animating_cpu_pct"] = (cpu_seconds() - cpu) / seconds * 100;
        state.counters["frames_per_s"] = watch.frames() / seconds;
        state.counters["paints_per_s"] = static_cast<double>(watch.paints) / seconds;
        state.counters["timer_events_per_s"] = static_cast<double>(watch.timer_events) / seconds;

        // Pause as a click would: it holds once the moving marble has arrived.
        pg->pause.user_click();
        while (!pg->resume1.Enabled()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        QCoreApplication::processEvents();
        watch.timer_events = 0;
        wall.restart();
        cpu = cpu_seconds();
        run_event_loop(5000);
        seconds = static_cast<double>(wall.nsecsElapsed()) / 1e9;
        state.counters["paused_cpu_ms"] = (cpu_seconds() - cpu) * 1000;
        // The one timer event that ends the measurement is the bench's own.
        state.counters["paused_timer_events"] = static_cast<double>(watch.timer_events);
        state.counters["paused_s"] = seconds;
    }
}
BENCHMARK(cpu_n5)->ArgName("tree")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(1);

// An N = 12 run on screen driven to its last line (28504 steps, every line
// shown in "All Moves") and paused, with the search-tree window open or not;
// `run_ms` is how long the steps and frames took.
std::unique_ptr<qt_host::host> at_last_line_n12(bool tree, double* run_ms = nullptr) {
    auto h = std::make_unique<qt_host::host>();
    h->start();
    press_proses(*h, 12);
    wait_until_exposed(h->window());
    auto& pg = *h->app().playground();
    pg.Kecepatan.Value(1000);
    if (tree) press_key(pg, "T");
    QCoreApplication::processEvents();
    QElapsedTimer clock;
    clock.start();
    pg.play.user_click();
    // The steps and frames run here, not on the clock: the run is only the way in.
    while (pg.langkah.ListCount() < 28504 || pg.Timer1.Enabled())
        pg.Timer1.Enabled() ? pg.Timer1.Timer() : pg.loop_utama.Timer();
    pg.pause.user_click();
    QCoreApplication::processEvents();
    if (run_ms) *run_ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    return h;
}

// The timeline on screen: from the last line one step back, or from there
// back to line 1, each with the repaint of the windows that follows; with the
// search tree open (tree:1), it follows and repaints too.
void step_back_n12_on_screen(benchmark::State& state) {
    const bool to_line_1 = state.range(0) == 1, tree = state.range(1) == 1;
    for (auto _ : state) {
        state.PauseTiming();
        auto h = at_last_line_n12(tree);
        auto& pg = *h->app().playground();
        if (to_line_1) pg.step_back_key();
        QCoreApplication::processEvents();
        state.ResumeTiming();
        if (to_line_1)
            pg.go_to_line(1);
        else
            pg.step_back_key();
        QCoreApplication::processEvents();
        h->window()->repaint();
        if (tree) h->search_tree()->repaint();
        state.PauseTiming();
        if (pg.langkah.ListCount() != (to_line_1 ? 1u : 28503u) ||
            (tree && h->search_tree()->tree().lines_read() != pg.langkah.ListCount()))
            state.SkipWithError("not where it should be");
        h.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(step_back_n12_on_screen)
    ->ArgNames({"to_line_1", "tree"})
    ->Args({0, 0})
    ->Args({1, 0})
    ->Args({1, 1})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

// A whole N = 12 run on screen at the top speed, every step and frame run as
// fast as they can be, with the search-tree window open (tree:1) or not.
void whole_run_n12_on_screen(benchmark::State& state) {
    for (auto _ : state) {
        double run_ms = 0;
        at_last_line_n12(state.range(0) == 1, &run_ms);
        state.SetIterationTime(run_ms / 1000);
    }
}
BENCHMARK(whole_run_n12_on_screen)
    ->ArgName("tree")
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

// The search tree opened at the last line of an N = 12 run (14337 positions):
// from T to the first paint of its window.
void open_tree_n12(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto h = at_last_line_n12(false);
        auto& pg = *h->app().playground();
        state.ResumeTiming();
        press_key(pg, "T");
        h->search_tree()->repaint();
        state.PauseTiming();
        if (h->search_tree()->tree().count().positions != 14337) state.SkipWithError("not the whole tree");
        h.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(open_tree_n12)->Unit(benchmark::kMillisecond)->Iterations(3);

// The whole tree of a long run in view: 400000 steps of N = 16 read from the
// log, fitted into the window and painted.
void paint_whole_tree_n16(benchmark::State& state) {
    program::headless_session session;
    session.open_playground(16);
    auto& pg = session.playground();
    pg.Kecepatan.Value(1000);
    pg.play.user_click();
    session.pause_after(400000);
    qt_host::tree_window window(pg);
    window.show();
    wait_until_exposed(&window);
    window.canvas().fit();
    for (auto _ : state) window.canvas().viewport()->repaint();
    state.counters["positions"] = static_cast<double>(window.tree().nodes().size());
    window.close_for_program();
}
BENCHMARK(paint_whole_tree_n16)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

#include "gui_bench.moc"
