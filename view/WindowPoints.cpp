#include "view/WindowPoints.h"

#include <array>

#include "analysis/PointsOfInterest.h"
#include "document/CurvilinearscopeDoc.h"

const std::vector<PointOfInterest>& CWindowPoints::Points(const CCurvilinearscopeDoc& doc, const PlaneBounds& window,
                                                          int pixels) {
    if (m_bCurrent && window == m_window && pixels == m_nPixels) return m_points;
    std::array<CGraphDef, 3> slots;  // definitions only
    for (size_t k = 0; k < slots.size(); ++k) {
        slots[k] = doc.m_graphs[k];
        if (doc.m_graphs[k].DrawableCount() == 0) slots[k].m_bShow = 0;
    }
    m_points = FindPointsOfInterest(slots, doc.m_nRange, {window.xMin, window.xMax, window.yMin, window.yMax, pixels});
    m_window = window;
    m_nPixels = pixels;
    m_bCurrent = true;
    ++m_nSearches;
    return m_points;
}
