#include "document/SlotValue.h"

#include <cmath>
#include <limits>

#include "document/CurvilinearscopeDoc.h"
#include "document/Dimension.h"
#include "document/sampling/SampleRow.h"
#include "expr/GraphExpress.h"

namespace {
// Halvings enough to bring a step of t down to the precision of a double.
constexpr int kRefinements = 80;
constexpr double kFar = std::numeric_limits<double>::infinity();

// The squared distance from (x, y) to the curve's point at t; infinite
// where the curve has no value.
double Distance2(CurveFormulas& f, double t, double x, double y) {
    f.x->m_t = f.y->m_t = t;
    double px = 0.0, py = 0.0;
    if (!f.x->EvaluateNumber(px) || !f.y->EvaluateNumber(py)) return kFar;
    const double d2 = (px - x) * (px - x) + (py - y) * (py - y);
    return std::isnan(d2) ? kFar : d2;
}
}  // namespace

std::optional<double> EvaluateSlotAt(const CCurvilinearscopeDoc& doc, int slot, double x) {
    if (doc.m_nDimension != DIM_PLANE || slot < 0 || slot >= 3) return std::nullopt;
    const CGraphDef& graph = doc.m_graphs[slot];
    if (graph.m_nKind != GK_EXPLICIT || graph.DrawableCount() == 0) return std::nullopt;
    CFunctionExpress f(graph.m_strFormula, 0, doc.m_nRange);
    if (!f.Compile()) return std::nullopt;  // only when the formula changed since it was sampled
    f.m_x = x;
    double y = 0.0;
    if (!f.EvaluateNumber(y) || !std::isfinite(y)) return std::nullopt;
    if (graph.m_nLeftSide != LS_SQUARED) return y;
    if (y < 0.0) return std::nullopt;
    return std::sqrt(y);
}

std::optional<double> ParameterNear(const CCurvilinearscopeDoc& doc, int slot, double x, double y) {
    if (doc.m_nDimension != DIM_PLANE || slot < 0 || slot >= 3) return std::nullopt;
    const CGraphDef& graph = doc.m_graphs[slot];
    if (graph.m_nKind != GK_PARAMETRIC || graph.DrawableCount() == 0 || !(graph.m_dTStep > 0)) return std::nullopt;
    // The sampling's own steps: from the start to one step beyond the end.
    const double steps = std::floor((graph.m_dTEnd - graph.m_dTStart) / graph.m_dTStep) + 1;
    if (!(steps >= 0 && steps <= kMostParameterSteps)) return std::nullopt;
    CurveFormulas f(graph);
    if (!f.Compile()) return std::nullopt;
    const auto tOf = [&](double k) { return graph.m_dTStart + k * graph.m_dTStep; };
    double bestK = 0, bestD2 = kFar;
    for (double k = 0; k <= steps; ++k)
        if (const double d2 = Distance2(f, tOf(k), x, y); d2 < bestD2) bestK = k, bestD2 = d2;
    if (bestD2 == kFar) return std::nullopt;
    // Golden-section search between the neighbouring steps.
    double lo = tOf(std::max(bestK - 1, 0.0)), hi = tOf(std::min(bestK + 1, steps));
    const double ratio = (std::sqrt(5.0) - 1) / 2;
    for (int i = 0; i < kRefinements && lo < hi; ++i) {
        const double a = hi - ratio * (hi - lo), b = lo + ratio * (hi - lo);
        if (Distance2(f, a, x, y) <= Distance2(f, b, x, y))
            hi = b;
        else
            lo = a;
    }
    const double t = (lo + hi) / 2;
    return Distance2(f, t, x, y) <= bestD2 ? t : tOf(bestK);
}
