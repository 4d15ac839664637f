// Benchmarks of the Qt host: opening a long playground, one frame on long and short tracks, timer fidelity.
#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTimer>
#include <fstream>
#include <string>

#include "ui/form/virtual_clock.h"
#include "ui/program/headless.h"
#include "ui/qt/host.h"
#include "ui/qt/scene_view.h"

namespace {

double resident_mb() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return static_cast<double>(resident) * 4096.0 / (1024.0 * 1024.0);
}

void press_proses(qt_host::host& h, int n) {
    h.app().utama()->txtJmlBola.Text(std::to_string(n));
    h.app().utama()->cmdProses.click();
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

// A whole run of N = 3 on real timers, against the virtual time of the same run.
void timer_fidelity_n3(benchmark::State& state) {
    program::headless_session reference;
    reference.open_playground(3);
    reference.pg().play.click();
    const auto started = reference.clock.now();
    reference.run_to_success(INT64_MAX);
    const double virtual_ms = static_cast<double>(reference.clock.now() - started);

    double real_ms = 0;
    for (auto _ : state) {
        qt_host::host h;
        h.start();
        press_proses(h, 3);
        QElapsedTimer clock;
        bool done = false;
        QTimer answer;
        answer.setInterval(1);
        QObject::connect(&answer, &QTimer::timeout, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                real_ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
                answer.stop();
                box->button(QMessageBox::Ok)->click();
                done = true;
            }
        });
        answer.start();
        clock.start();
        h.app().playground()->play.click();
        while (!done) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    state.counters["virtual_ms"] = virtual_ms;
    state.counters["real_ms"] = real_ms;
    state.counters["ratio"] = real_ms / virtual_ms;
}
BENCHMARK(timer_fidelity_n3)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
