#include "document/SlotValue.h"

#include <cmath>

#include "document/CurvilinearscopeDoc.h"
#include "document/Dimension.h"
#include "expr/GraphExpress.h"

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
