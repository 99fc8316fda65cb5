// The whole export of a space surface from its definition to a 1000 × 1000
// PNG: sampling, turning, depth sort, painting and the PNG file. Besides the
// benchmark proper it has two plain modes for export_vs_gnuplot.sh:
//   bench_view_export --save FILE.crv [PER_UNIT]   samples and saves the surface
//   bench_view_export --once OUT.png [PER_UNIT]    one export, time and peak memory

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "bench_view_surface.h"
#include "document/DocumentFile.h"
#include "view/PictureExport.h"

namespace {

QString ExportOnce(const QString& out, long perUnit, int& segments) {
    CCurvilinearscopeDoc doc;
    DefineBenchSurface(doc, StepOf(perUnit));
    doc.Sample3D();
    segments = doc.m_graphs[0].m_nPoints;
    return ExportPicture(doc, out, 1000);
}

void BM_ExportFromDefinition(benchmark::State& state) {
    int segments = 0;
    for (auto _ : state) {
        const QString error = ExportOnce(QStringLiteral("/tmp/bench_view_export.png"), state.range(0), segments);
        if (!error.isEmpty()) state.SkipWithError(error.toStdString().c_str());
    }
    state.counters["segments"] = segments;
    state.counters["peak_MB"] = PeakResidentBytes() / 1e6;
}

void BM_Sample3D(benchmark::State& state) {
    int segments = 0;
    for (auto _ : state) {
        CCurvilinearscopeDoc doc;
        DefineBenchSurface(doc, StepOf(state.range(0)));
        doc.Sample3D();
        segments = doc.m_graphs[0].m_nPoints;
    }
    state.counters["segments"] = segments;
}

int RunOnce(const char* out, long perUnit) {
    const auto start = std::chrono::steady_clock::now();
    int segments = 0;
    const QString error = ExportOnce(QString::fromLocal8Bit(out), perUnit, segments);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!error.isEmpty()) {
        std::fprintf(stderr, "%s\n", error.toLocal8Bit().constData());
        return 1;
    }
    const double records = double(segments) * sizeof(SamplePoint);
    std::printf("segments %d seconds %.3f records_MB %.1f peak_MB %.1f peak/records %.2f\n", segments, seconds,
                records / 1e6, PeakResidentBytes() / 1e6, PeakResidentBytes() / records);
    return 0;
}

int SaveSurface(const char* path, long perUnit) {
    CCurvilinearscopeDoc doc;
    DefineBenchSurface(doc, StepOf(perUnit));
    doc.Sample3D();
    SaveDocumentFile(path, doc);
    std::printf("segments %d saved to %s\n", doc.m_graphs[0].m_nPoints, path);
    return 0;
}

}  // namespace

BENCHMARK(BM_Sample3D)->Arg(100)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ExportFromDefinition)->Arg(50)->Arg(100)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    if (argc >= 3 && (!std::strcmp(argv[1], "--once") || !std::strcmp(argv[1], "--save"))) {
        const long perUnit = argc >= 4 ? std::atol(argv[3]) : 100;
        if (perUnit <= 0) return 2;
        return !std::strcmp(argv[1], "--once") ? RunOnce(argv[2], perUnit) : SaveSurface(argv[2], perUnit);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
