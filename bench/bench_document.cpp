// Time per sample of the document's sampling beside native loops that fill
// the same records, and MB/s of writing and reading the biggest file. Items
// are samples (evaluations), so ns/sample = 1e9 / items_per_second.

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "bench_document_native.h"
#include "document/Archive.h"
#include "document/CurvilinearscopeDoc.h"
#include "document/DocumentFile.h"

namespace {

void ShowOnly(CCurvilinearscopeDoc& doc, int32_t dimension, int32_t range) {
    doc.m_nDimension = dimension;
    doc.m_nRange = range;
    doc.m_graphs[0].m_bShow = 1;
}

void SurfaceDocument(CCurvilinearscopeDoc& doc, int32_t range, double step) {
    ShowOnly(doc, 1, range);
    doc.m_graphs[0].m_strFormula = u"sin(x)*cos(y)";
    doc.m_graphs[0].m_dStep = step;
}

double SideSamples(int32_t range, double step) {
    int n = 0;
    for (double x = -range; x <= range; x += step) ++n;
    return n;
}

void BM_Parabola(benchmark::State& state) {
    CCurvilinearscopeDoc doc;
    ShowOnly(doc, 0, 10);
    for (auto _ : state) doc.Sample2D();
    state.SetItemsProcessed(state.iterations() * 101);
}
BENCHMARK(BM_Parabola);

void BM_Circle(benchmark::State& state) {
    CCurvilinearscopeDoc doc;
    ShowOnly(doc, 0, 10);
    doc.m_graphs[0].m_nKind = 1;
    for (auto _ : state) doc.Sample2D();
    state.SetItemsProcessed(state.iterations() * 64);
}
BENCHMARK(BM_Circle);

void BM_Surface(benchmark::State& state) {
    const int32_t range = static_cast<int32_t>(state.range(0));
    const double step = state.range(1) / 1000.0;
    CCurvilinearscopeDoc doc;
    SurfaceDocument(doc, range, step);
    for (auto _ : state) doc.Sample3D();
    const double side = SideSamples(range, step);
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * side * side));
    state.counters["records"] = doc.m_graphs[0].m_nPoints;
}
BENCHMARK(BM_Surface)->Args({10, 200})->Args({20, 10})->Unit(benchmark::kMillisecond);

void BM_NativeSurface(benchmark::State& state) {
    const int32_t range = static_cast<int32_t>(state.range(0));
    const double step = state.range(1) / 1000.0;
    PointArray points;
    int32_t n = 0;
    for (auto _ : state) {
        n = NativeSurface(points, range, step, [](double x, double y) { return std::sin(x) * std::cos(y); });
        benchmark::DoNotOptimize(points.get());
    }
    const double side = SideSamples(range, step);
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * side * side));
    state.counters["records"] = n;
}
BENCHMARK(BM_NativeSurface)->Args({10, 200})->Args({20, 10})->Unit(benchmark::kMillisecond);

// The same with the formula called through a pointer the compiler cannot see
// through: cos(y) is then computed for every sample, as any evaluator of the
// formula text must, instead of once per row.
double SinCos(double x, double y) { return std::sin(x) * std::cos(y); }
double (*volatile g_opaqueFormula)(double, double) = &SinCos;

void BM_NativeSurfacePerSample(benchmark::State& state) {
    const int32_t range = static_cast<int32_t>(state.range(0));
    const double step = state.range(1) / 1000.0;
    PointArray points;
    int32_t n = 0;
    for (auto _ : state) {
        auto* formula = g_opaqueFormula;
        n = NativeSurface(points, range, step, formula);
        benchmark::DoNotOptimize(points.get());
    }
    const double side = SideSamples(range, step);
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * side * side));
    state.counters["records"] = n;
}
BENCHMARK(BM_NativeSurfacePerSample)->Args({10, 200})->Args({20, 10})->Unit(benchmark::kMillisecond);

// 500 x 500 samples: u and v from 0 in steps of 0.01 up to 4.99.
void ParametricDefinition(CGraphDef& g) {
    g.m_nKind = 1;
    g.m_strX = u"cos(u)*sin(v)*5";
    g.m_strY = u"sin(u)*sin(v)*5";
    g.m_strZ = u"cos(v)*5";
    g.m_dTStart = g.m_dVStart = 0;
    g.m_dTEnd = g.m_dVEnd = 4.985;
    g.m_dTStep = g.m_dVStep = 0.01;
}

void BM_ParametricSurface(benchmark::State& state) {
    CCurvilinearscopeDoc doc;
    ShowOnly(doc, 1, 10);
    ParametricDefinition(doc.m_graphs[0]);
    for (auto _ : state) doc.Sample3D();
    state.SetItemsProcessed(state.iterations() * doc.m_graphs[0].m_nPoints);
    state.counters["records"] = doc.m_graphs[0].m_nPoints;
}
BENCHMARK(BM_ParametricSurface)->Unit(benchmark::kMillisecond);

void BM_NativeParametricSurface(benchmark::State& state) {
    CGraphDef g;
    ParametricDefinition(g);
    PointArray points;
    int32_t n = 0;
    for (auto _ : state) {
        n = NativeParametric(points, g, [](double u, double v, double& x, double& y, double& z) {
            x = std::cos(u) * std::sin(v) * 5;
            y = std::sin(u) * std::sin(v) * 5;
            z = std::cos(v) * 5;
        });
        benchmark::DoNotOptimize(points.get());
    }
    state.SetItemsProcessed(state.iterations() * n);
    state.counters["records"] = n;
}
BENCHMARK(BM_NativeParametricSurface)->Unit(benchmark::kMillisecond);

// The R = 20, step 0.01 surface's file, through the page cache.
struct BigFile {
    CCurvilinearscopeDoc doc;
    std::filesystem::path path = std::filesystem::temp_directory_path() / "crv_bench_big.crv";
    BigFile() {
        SurfaceDocument(doc, 20, 0.01);
        doc.Sample3D();
    }
    ~BigFile() { std::filesystem::remove(path); }
};

BigFile& Big() {
    static BigFile file;
    return file;
}

// Serialising into the page cache.
void BM_WriteBigFile(benchmark::State& state) {
    BigFile& big = Big();
    for (auto _ : state) {
        std::ofstream out(big.path, std::ios::binary | std::ios::trunc);
        CArchive ar(out);
        big.doc.Serialize(ar);
        if (!ar.Close()) state.SkipWithError("write failed");
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(std::filesystem::file_size(big.path)));
}
BENCHMARK(BM_WriteBigFile)->Unit(benchmark::kMillisecond)->UseRealTime();

// The save helper: the same, plus fsync and the rename, so it runs at the
// disk's speed rather than the page cache's.
void BM_SaveBigFile(benchmark::State& state) {
    BigFile& big = Big();
    for (auto _ : state) SaveDocumentFile(big.path, big.doc);
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(std::filesystem::file_size(big.path)));
}
BENCHMARK(BM_SaveBigFile)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);

void BM_ReadBigFile(benchmark::State& state) {
    BigFile& big = Big();
    SaveDocumentFile(big.path, big.doc);
    for (auto _ : state) {
        CCurvilinearscopeDoc doc;
        OpenDocumentFile(big.path, doc);
        benchmark::DoNotOptimize(doc.m_graphs[0].m_pPoints.get());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(std::filesystem::file_size(big.path)));
}
BENCHMARK(BM_ReadBigFile)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
