// Surface sampling in a process with a Qt application beside one without:
// run-benchmarks.sh runs this program twice, the second time with
// --qt-application, and the two must agree. (Creating the application once
// left the upper halves of the vector registers dirty, and every call of
// libm's sin and cos then paid for a change of the register state.)
// With the application it also times the window's own way to a sampled
// surface: the function dialog's OK, which samples the edited definitions
// on a copy of the document and hands the records over.
//   bench_sampling_qt [--qt-application] [benchmark flags]

#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <QApplication>

#include <cstdlib>
#include <cstring>
#include <memory>

#include "dialogs/DlgSet.h"
#include "dialogs/FunctionEdit.h"
#include "document/CurvilinearscopeDoc.h"

namespace {

constexpr int32_t kRange = 10;
constexpr double kStep = 0.01;  // 2001 x 2001 samples

void DefineSurface(CCurvilinearscopeDoc& doc) {
    doc.m_nDimension = DIM_SPACE;
    doc.m_nRange = kRange;
    CGraphDef& g = doc.m_graphs[0];
    g.m_nKind = GK_EXPLICIT;
    g.m_strFormula = u"sin(x)*cos(y)";
    g.m_dStep = kStep;
    g.m_bShow = 1;
}

// Pages faulted in so far, and the system's time on all threads, ms: fresh
// memory costs a fault and the zeroing of each page touched.
struct Kernel {
    double faults, systemMs;
};
Kernel KernelSoFar() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return {static_cast<double>(usage.ru_minflt + usage.ru_majflt),
            usage.ru_stime.tv_sec * 1e3 + usage.ru_stime.tv_usec / 1e3};
}
void CountKernel(benchmark::State& state, const Kernel& before) {
    const Kernel now = KernelSoFar();
    state.counters["faults"] = benchmark::Counter(now.faults - before.faults, benchmark::Counter::kAvgIterations);
    state.counters["sys_ms"] = benchmark::Counter(now.systemMs - before.systemMs, benchmark::Counter::kAvgIterations);
}

// The document sampled again and again, after one sampling before the clock
// starts, so that every turn finds its records' memory in place.
void BM_Sample3D(benchmark::State& state) {
    CCurvilinearscopeDoc doc;
    DefineSurface(doc);
    doc.Sample3D();
    const Kernel kernel = KernelSoFar();
    for (auto _ : state) doc.Sample3D();
    CountKernel(state, kernel);
    state.SetItemsProcessed(state.iterations() * doc.m_graphs[0].m_nPoints);
    state.counters["records"] = doc.m_graphs[0].m_nPoints;
}

// OK in the function dialog with the same surface, as the window applies it
// (the progress shows after half a second, as in the program).
void BM_FunctionDialogOk(benchmark::State& state) {
    CCurvilinearscopeDoc doc;
    DefineSurface(doc);
    CDlgSet dlg;
    LoadDlgSet(dlg, doc);
    if (!ApplyDlgSet(dlg, doc, nullptr)) state.SkipWithError("the sampling did not finish");
    const Kernel kernel = KernelSoFar();
    for (auto _ : state) {
        if (!ApplyDlgSet(dlg, doc, nullptr)) state.SkipWithError("the sampling did not finish");
    }
    CountKernel(state, kernel);
    state.SetItemsProcessed(state.iterations() * doc.m_graphs[0].m_nPoints);
    state.counters["records"] = doc.m_graphs[0].m_nPoints;
}

}  // namespace

int main(int argc, char** argv) {
    const bool withApplication = argc > 1 && !std::strcmp(argv[1], "--qt-application");
    if (withApplication) {
        argv[1] = argv[0];  // the flag is ours, not the benchmark library's
        --argc;
        ++argv;
    }
    std::unique_ptr<QApplication> app;
    std::unique_ptr<CDlgSet> dialog;
    if (withApplication) {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        app = std::make_unique<QApplication>(argc, argv);
        // What the program has done before its first sampling: widgets made,
        // fonts and styles loaded.
        dialog = std::make_unique<CDlgSet>();
    }
    const char* label = withApplication ? "BM_Sample3D | with a Qt application" : "BM_Sample3D | no Qt application";
    benchmark::RegisterBenchmark(label, BM_Sample3D)->Unit(benchmark::kMillisecond)->UseRealTime();
    if (withApplication) {
        benchmark::RegisterBenchmark("BM_FunctionDialogOk", BM_FunctionDialogOk)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
