// Benchmarks of reading a picture file: a real face, the largest face taken, and the files that are refused.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include "hostile_pictures.h"
#include "ui/qt/pictures.h"

namespace {

const char* const kinds[] = {"a face",           "at the limits",      "largest JPEG face",
                             "largest PNG face", "thousands of scans", "the 14 s trial",
                             "file too large",   "picture too large",  "pipe",
                             "directory",        "link to a device",   "large JPEG cut short"};

// One click's read of one file: the time the window waits for it.
void load(benchmark::State& state) {
    const QString kind = kinds[state.range(0)];
    state.SetLabel(kind.toStdString());
    QTemporaryDir folder;
    const QString path = folder.filePath("pause.jpg");
    const bool made = kind == "the 14 s trial"
                          ? hostile::write_file(path, hostile::jpeg_with_empty_scans(4096, 5000))
                          : hostile::make(kind, path);
    if (!made) {
        state.SkipWithError("could not make the file");
        return;
    }
    const QString before = QDir::currentPath();
    QDir::setCurrent(folder.path());
    qt_host::pictures faces;
    for (auto _ : state) benchmark::DoNotOptimize(faces.load("pause.jpg"));
    QDir::setCurrent(before);
}
BENCHMARK(load)->DenseRange(0, std::size(kinds) - 1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
