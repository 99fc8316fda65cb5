// Time per sample of the document's sampling beside native loops that fill
// the same records, and MB/s of writing and reading the biggest file. Items
// are samples (evaluations), so ns/sample = 1e9 / items_per_second.

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "bench_document_native.h"
#include "document/Archive.h"
#include "document/Continuity.h"
#include "document/CurvilinearscopeDoc.h"
#include "document/DocumentFile.h"
#include "document/WindowSampling.h"
#include "document/sampling/SampleRow.h"
#include "document/sampling/SampleTicker.h"
#include "expr/GraphExpress.h"

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

// Records that are in memory already, shared by every benchmark that fills
// an array of its own: no side pays for touching fresh memory, nor gains
// from memory another side just gave back.
SamplePoint* WarmRecords(int32_t count) {
    static PointArray records;
    static int32_t capacity = 0;
    if (count > capacity) {
        records.reset();
        records = PointArray::Allocate(static_cast<size_t>(count));
        std::memset(static_cast<void*>(records.get()), 0, sizeof(SamplePoint) * static_cast<size_t>(count));
        capacity = count;
    }
    return records.get();
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

// A zoomed window of three explicit curves sampled for a 1000-pixel square,
// beside the document's own sampling of the same curves at step 0.001 over
// -10..10 (about twenty times the samples): ns per sample should match.
void ThreeCurves(CCurvilinearscopeDoc& doc) {
    const char16_t* formulas[] = {u"5*sin(x)", u"x*x/4-6", u"sqrt(abs(x))*cos(3*x)"};
    for (int slot = 0; slot < 3; ++slot) {
        doc.m_graphs[slot].m_bShow = 1;
        doc.m_graphs[slot].m_strFormula = formulas[slot];
        doc.m_graphs[slot].m_dStep = 0.001;
    }
}

void BM_WindowThreeCurves1000px(benchmark::State& state) {
    CCurvilinearscopeDoc doc;
    ThreeCurves(doc);
    const WindowRequest request = MakeWindowRequest(doc, {0.5, 2.5, -1, 5}, 1000, 1000);
    for (auto _ : state) benchmark::DoNotOptimize(SamplePlaneWindow(request));
    state.SetItemsProcessed(state.iterations() * 3 * 1000);
}
BENCHMARK(BM_WindowThreeCurves1000px);

void BM_DocumentThreeCurves(benchmark::State& state) {
    CCurvilinearscopeDoc doc;
    ShowOnly(doc, 0, 10);
    ThreeCurves(doc);
    for (auto _ : state) doc.Sample2D();
    state.SetItemsProcessed(state.iterations() * 3 * static_cast<int64_t>(SideSamples(10, 0.001)));
}
BENCHMARK(BM_DocumentThreeCurves);

// ---- One thread: the document's row loop against native loops ----------
//
// The rows one after another into warm records, as the sampling runs them
// on one thread: each formula's rows batched (the sampling's way), one
// sample after another (as before the row programs), and the same loop with
// the formula as native code, inlined, so that the compiler computes what is
// fixed along a row once.

constexpr int32_t kRowRange = 10;
constexpr double kRowStep = 0.02;  // 1001 x 1001 samples

double SinCos(double x, double y) { return std::sin(x) * std::cos(y); }
double Paraboloid(double x, double y) { return x * x + y * y; }
double Cone(double x, double y) { return std::sqrt(x * x + y * y); }
double LongFormula(double x, double y) {
    return ((x + 1) * (x - 1) + (y + 2) * (y - 2)) / (x * x + y * y + 0.5) + std::sin(x) * std::cos(y) -
           std::atan(x * y);
}

struct RowFormula {
    const char* name;
    const char16_t* ours;
};
const RowFormula kRowFormulas[] = {
    {"sin(x)*cos(y)", u"sin(x)*cos(y)"},
    {"x*x+y*y", u"x*x+y*y"},
    {"sqrt(x*x+y*y)", u"sqrt(x*x+y*y)"},
    {"long", u"((x+1)*(x-1)+(y+2)*(y-2))/(x*x+y*y+0.5)+sin(x)*cos(y)-atan(x*y)"},
};

int32_t RowCapacity() { return SpaceExplicitCapacity(kRowRange, kRowStep, LS_PLAIN); }

void SetSamples(benchmark::State& state, int32_t records) {
    const double side = SideSamples(kRowRange, kRowStep);
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * side * side));
    state.counters["records"] = records;
}

void BM_SurfaceRows(benchmark::State& state, const RowFormula& formula, RowEvaluation evaluation) {
    CFunctionExpress f(formula.ours, 1, kRowRange);
    if (!f.Compile() || !f.HasFastProgram()) {
        state.SkipWithError("no number-only program");
        return;
    }
    const int32_t capacity = RowCapacity();
    SamplePoint* out = WarmRecords(capacity);
    const ExplicitRows rows{DIM_SPACE, kRowRange, kRowStep, LS_PLAIN, 1, evaluation};
    SampleTicker ticker(nullptr, 0);
    int32_t n = 0;
    for (auto _ : state) {
        n = 0;
        for (double y = -kRowRange; y <= kRowRange && n < capacity; y += kRowStep)
            n += SampleExplicitRow(f, rows, y, out + n, capacity - n, ticker).stored;
        benchmark::DoNotOptimize(out);
        benchmark::ClobberMemory();
    }
    SetSamples(state, n);
    // Time per sample over this gives the time per instruction, to compare
    // formulas of different lengths.
    state.counters["instructions"] = f.Program().m_nCodeCount;
}

template <double (*F)(double, double)>
void BM_NativeSurfaceRows(benchmark::State& state) {
    const int32_t capacity = RowCapacity();
    SamplePoint* out = WarmRecords(capacity);
    int32_t n = 0;
    for (auto _ : state) {
        n = NativeSurface(out, capacity, kRowRange, kRowStep, F);
        benchmark::DoNotOptimize(out);
        benchmark::ClobberMemory();
    }
    SetSamples(state, n);
}

// ---- The jump test's cost: the same rows with and without it ----------------
//
// 2001 x 2001 samples (R = 10, step 0.01) on one thread, the rows without
// the test and with it taking turns in every iteration, so that both meet
// the same minute of the machine; the CPU time of each, and their ratio.

constexpr double kJumpStep = 0.01;

double ThreadCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + 1e-9 * static_cast<double>(now.tv_nsec);
}

// The CPU time of sampling all rows once, and the records stored.
double TimedRows(CFunctionExpress& f, const ExplicitRows& rows, SamplePoint* out, int32_t capacity, int32_t& n) {
    SampleTicker ticker(nullptr, 0);
    const double start = ThreadCpuSeconds();
    n = 0;
    for (double y = -kRowRange; y <= kRowRange && n < capacity; y += kJumpStep)
        n += SampleExplicitRow(f, rows, y, out + n, capacity - n, ticker).stored;
    benchmark::DoNotOptimize(out);
    benchmark::ClobberMemory();
    return ThreadCpuSeconds() - start;
}

void BM_JumpTestCost(benchmark::State& state, const char16_t* formula) {
    CFunctionExpress f(formula, 1, kRowRange);
    if (!f.Compile() || !f.HasFastProgram()) {
        state.SkipWithError("no number-only program");
        return;
    }
    const int32_t capacity = SpaceExplicitCapacity(kRowRange, kJumpStep, LS_PLAIN);
    SamplePoint* out = WarmRecords(capacity);
    const ExplicitRows without{DIM_SPACE, kRowRange, kJumpStep, LS_PLAIN, 1, RowEvaluation::Batched, JumpTest::Off};
    const ExplicitRows with{DIM_SPACE, kRowRange, kJumpStep, LS_PLAIN, 1, RowEvaluation::Batched, JumpTest::On};
    double secondsWithout = 0;
    double secondsWith = 0;
    int32_t n = 0;
    int64_t probed = 0;
    for (auto _ : state) {
        secondsWithout += TimedRows(f, without, out, capacity, n);
        const int64_t before = ContinuityEvaluations();
        secondsWith += TimedRows(f, with, out, capacity, n);
        probed = ContinuityEvaluations() - before;
    }
    const double side = SideSamples(kRowRange, kJumpStep);
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * side * side * 2));
    const double iterations = static_cast<double>(state.iterations());
    state.counters["ms_without"] = 1e3 * secondsWithout / iterations;
    state.counters["ms_with"] = 1e3 * secondsWith / iterations;
    state.counters["with/without"] = secondsWith / secondsWithout;  // goal: at most 1.05
    state.counters["records"] = n;
    state.counters["probed"] = static_cast<double>(probed);  // evaluations inside intervals, one sampling
}
// clang-format off: the names are the formulas as written
BENCHMARK_CAPTURE(BM_JumpTestCost, sin(x)*cos(y), u"sin(x)*cos(y)")->Unit(benchmark::kMillisecond)->MinTime(3.0);
BENCHMARK_CAPTURE(BM_JumpTestCost, x*x+y*y, u"x*x+y*y")->Unit(benchmark::kMillisecond)->MinTime(3.0);
// clang-format on

// The parametric sphere: 500 x 500 samples, u and v from 0 in steps of 0.01
// up to 4.99.
void SphereDefinition(CGraphDef& g) {
    g.m_nKind = 1;
    g.m_strX = u"cos(u)*sin(v)*5";
    g.m_strY = u"sin(u)*sin(v)*5";
    g.m_strZ = u"cos(v)*5";
    g.m_dTStart = g.m_dVStart = 0;
    g.m_dTEnd = g.m_dVEnd = 4.985;
    g.m_dTStep = g.m_dVStep = 0.01;
}

void BM_SphereRows(benchmark::State& state, RowEvaluation evaluation) {
    CGraphDef g;
    SphereDefinition(g);
    SurfaceFormulas f(g);
    if (!f.Compile()) {
        state.SkipWithError("does not compile");
        return;
    }
    const int32_t capacity = SpaceParametricCapacity(g);
    SamplePoint* out = WarmRecords(capacity);
    const ParametricRows rows{g.m_dTStart, g.m_dTEnd + g.m_dTStep, g.m_dTStep, 1, DocumentPixel(10), evaluation};
    SampleTicker ticker(nullptr, 0);
    int32_t n = 0;
    for (auto _ : state) {
        n = 0;
        for (double v = g.m_dVStart; v <= g.m_dVEnd + g.m_dVStep && n < capacity; v += g.m_dVStep)
            n += SampleParametricRow(f, rows, v, out + n, capacity - n, ticker).stored;
        benchmark::DoNotOptimize(out);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * n);
    state.counters["records"] = n;
}

void BM_NativeSphereRows(benchmark::State& state) {
    CGraphDef g;
    SphereDefinition(g);
    const int32_t capacity = SpaceParametricCapacity(g);
    SamplePoint* out = WarmRecords(capacity);
    int32_t n = 0;
    for (auto _ : state) {
        n = NativeParametric(out, capacity, g, [](double u, double v, double& x, double& y, double& z) {
            x = std::cos(u) * std::sin(v) * 5;
            y = std::sin(u) * std::sin(v) * 5;
            z = std::cos(v) * 5;
        });
        benchmark::DoNotOptimize(out);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * n);
    state.counters["records"] = n;
}

void RegisterRowBenchmarks() {
    void (*const nativeRuns[])(benchmark::State&) = {BM_NativeSurfaceRows<SinCos>, BM_NativeSurfaceRows<Paraboloid>,
                                                     BM_NativeSurfaceRows<Cone>, BM_NativeSurfaceRows<LongFormula>};
    static_assert(std::size(nativeRuns) == std::size(kRowFormulas));
    for (size_t k = 0; k < std::size(kRowFormulas); ++k) {
        const RowFormula& formula = kRowFormulas[k];
        const std::string name = std::string("BM_Rows ") + formula.name;
        benchmark::RegisterBenchmark((name + " | batched").c_str(), BM_SurfaceRows, formula, RowEvaluation::Batched)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((name + " | per sample").c_str(), BM_SurfaceRows, formula,
                                     RowEvaluation::PerSample)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((name + " | native").c_str(), nativeRuns[k])->Unit(benchmark::kMillisecond);
    }
    benchmark::RegisterBenchmark("BM_Rows sphere | batched", BM_SphereRows, RowEvaluation::Batched)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BM_Rows sphere | per sample", BM_SphereRows, RowEvaluation::PerSample)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BM_Rows sphere | native", BM_NativeSphereRows)->Unit(benchmark::kMillisecond);
}

// ---- The whole sampling, on all threads, as the program runs it ----------
//
// A document sampled again and again, as the program resamples it, after
// one sampling before the clock starts. The native loops, one thread, fill
// warm records.

void BM_Surface(benchmark::State& state) {
    const int32_t range = static_cast<int32_t>(state.range(0));
    const double step = state.range(1) / 1000.0;
    CCurvilinearscopeDoc doc;
    SurfaceDocument(doc, range, step);
    doc.Sample3D();
    for (auto _ : state) doc.Sample3D();
    const double side = SideSamples(range, step);
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * side * side));
    state.counters["records"] = doc.m_graphs[0].m_nPoints;
}
BENCHMARK(BM_Surface)->Args({10, 200})->Args({20, 10})->Unit(benchmark::kMillisecond);

void BM_NativeSurface(benchmark::State& state) {
    const int32_t range = static_cast<int32_t>(state.range(0));
    const double step = state.range(1) / 1000.0;
    const int32_t capacity = SpaceExplicitCapacity(range, step, LS_PLAIN);
    SamplePoint* out = WarmRecords(capacity);
    int32_t n = 0;
    for (auto _ : state) {
        n = NativeSurface(out, capacity, range, step, SinCos);
        benchmark::DoNotOptimize(out);
        benchmark::ClobberMemory();
    }
    const double side = SideSamples(range, step);
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * side * side));
    state.counters["records"] = n;
}
BENCHMARK(BM_NativeSurface)->Args({10, 200})->Args({20, 10})->Unit(benchmark::kMillisecond);

void BM_ParametricSurface(benchmark::State& state) {
    CCurvilinearscopeDoc doc;
    ShowOnly(doc, 1, 10);
    SphereDefinition(doc.m_graphs[0]);
    doc.Sample3D();
    for (auto _ : state) doc.Sample3D();
    state.SetItemsProcessed(state.iterations() * doc.m_graphs[0].m_nPoints);
    state.counters["records"] = doc.m_graphs[0].m_nPoints;
}
BENCHMARK(BM_ParametricSurface)->Unit(benchmark::kMillisecond);

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

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RegisterRowBenchmarks();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
