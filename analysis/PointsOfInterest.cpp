#include "analysis/PointsOfInterest.h"

#include <cmath>

#include "analysis/ExplicitCurve.h"
#include "analysis/PointScan.h"
#include "document/GraphDef.h"

namespace {

// The parts of the shown explicit slots: a plain graph is one curve, a
// squared one its two halves; `zeros` holds what each slot's roots are the
// zeros of (the graph itself, or f of y*y = f(x)).
struct ExplicitGraphs {
    std::vector<CExplicitFormula> formulas;
    std::vector<ExplicitCurve> curves;
    std::vector<ExplicitCurve> zeros;

    ExplicitGraphs(std::span<const CGraphDef> slots, int32_t range) {
        formulas.reserve(slots.size());  // the curves point at them
        for (size_t k = 0; k < slots.size(); ++k) {
            const CGraphDef& g = slots[k];
            const bool squared = g.m_nLeftSide == LS_SQUARED;
            if (!g.m_bShow || g.m_nKind != GK_EXPLICIT || (!squared && g.m_nLeftSide != LS_PLAIN)) continue;
            CExplicitFormula formula(g.m_strFormula, range);
            if (!formula.Compile()) continue;
            formulas.push_back(std::move(formula));
            const CExplicitFormula* f = &formulas.back();
            const int slot = static_cast<int>(k) + 1;
            if (squared) {
                curves.push_back({f, CurvePart::UpperHalf, slot});
                curves.push_back({f, CurvePart::LowerHalf, slot});
                zeros.push_back({f, CurvePart::Radicand, slot});
            } else {
                curves.push_back({f, CurvePart::Plain, slot});
                zeros.push_back({f, CurvePart::Plain, slot});
            }
        }
    }
};

// The height of a root.
constexpr auto kZero = [](double) { return 0.0; };

// f - g where both have values.
struct Difference {
    const ExplicitCurve& f;
    const ExplicitCurve& g;
    double operator()(double x) const { return f(x) - g(x); }
};

void AddIntersections(CPointScan& scan, const std::vector<ExplicitCurve>& curves,
                      const std::vector<std::vector<double>>& samples) {
    std::vector<double> differences(scan.Xs().size());
    for (size_t i = 0; i < curves.size(); ++i) {
        for (size_t j = i + 1; j < curves.size(); ++j) {
            if (curves[i].slot == curves[j].slot) continue;  // the halves meet at the roots
            for (size_t k = 0; k < differences.size(); ++k) differences[k] = samples[i][k] - samples[j][k];
            const Difference difference{curves[i], curves[j]};
            scan.AddZeros(difference, differences, PointKind::Intersection, curves[i].slot, curves[j].slot, curves[i]);
        }
    }
}

}  // namespace

AnalysisWindow RangeWindow(int32_t range) {
    const double r = range;
    return {-r, r, -r, r};
}

std::vector<PointOfInterest> FindPointsOfInterest(std::span<const CGraphDef> slots, int32_t range,
                                                  const AnalysisWindow& window) {
    const bool usable = window.pixels > 0 && window.xMin < window.xMax && window.yMin < window.yMax &&
                        std::isfinite(window.xMax - window.xMin) && std::isfinite(window.yMax - window.yMin);
    if (!usable) return {};
    const ExplicitGraphs graphs(slots, range);
    CPointScan scan(window);
    std::vector<double> values;
    for (const ExplicitCurve& zeros : graphs.zeros) {
        scan.Sample(zeros, values);
        scan.AddZeros(zeros, values, PointKind::Root, zeros.slot, 0, kZero);
    }
    std::vector<std::vector<double>> samples(graphs.curves.size());
    for (size_t i = 0; i < graphs.curves.size(); ++i) {
        const ExplicitCurve& curve = graphs.curves[i];
        scan.Sample(curve, samples[i]);
        scan.AddExtrema(curve, samples[i], curve.slot);
        scan.AddYIntercept(curve, curve.slot);
    }
    AddIntersections(scan, graphs.curves, samples);
    return scan.Points();
}
