// Entry for benchmark programs that paint: one QGuiApplication on the
// offscreen platform, so they run without a display.
#include <QGuiApplication>
#include <cstdlib>

#include <benchmark/benchmark.h>

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
