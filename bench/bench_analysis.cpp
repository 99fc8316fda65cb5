// The points of interest of three graphs in a window of 1000 pixels (the
// whole work: compiling, the scan, the continuity tests and the solvers),
// beside the bare evaluation of the same three graphs at every pixel column,
// so that the ratio of the two says what finding the points costs on top.

#include <benchmark/benchmark.h>

#include <vector>

#include "analysis/ExplicitCurve.h"
#include "analysis/PointsOfInterest.h"
#include "document/CurvilinearscopeDoc.h"

namespace {

constexpr int32_t kRange = 10;
const char16_t* const kFormulas[] = {u"x*x/4-6", u"5*SIN(x)", u"TAN(x)"};

void ThreeGraphs(CCurvilinearscopeDoc& doc) {
    doc.m_nRange = kRange;
    for (int k = 0; k < 3; ++k) {
        doc.m_graphs[k].m_bShow = 1;
        doc.m_graphs[k].m_strFormula = kFormulas[k];
    }
}

void BM_PointsOfThreeGraphs(benchmark::State& state) {
    CCurvilinearscopeDoc doc;
    ThreeGraphs(doc);
    size_t points = 0;
    for (auto _ : state) {
        const std::vector<PointOfInterest> found = FindPointsOfInterest(doc.m_graphs, kRange, RangeWindow(kRange));
        points = found.size();
        benchmark::DoNotOptimize(found.data());
    }
    state.counters["points"] = double(points);
}
BENCHMARK(BM_PointsOfThreeGraphs)->Unit(benchmark::kMillisecond);

void BM_ThreeGraphsAtEveryColumn(benchmark::State& state) {
    std::vector<CExplicitFormula> formulas;
    for (const char16_t* formula : kFormulas) {
        formulas.emplace_back(formula, kRange);
        formulas.back().Compile();
    }
    for (auto _ : state) {
        double sum = 0.0;
        for (const CExplicitFormula& f : formulas)
            for (int i = 0; i <= kScanPixels; ++i) sum += f(-kRange + 2.0 * kRange * i / kScanPixels);
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_ThreeGraphsAtEveryColumn)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
