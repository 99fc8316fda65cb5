#pragma once
// Documents for the view tests, built directly in memory.

#include <initializer_list>
#include <limits>
#include <memory>

#include "CurvilinearscopeDoc.h"

struct Segment {
    double fromX, fromY, x, y;
};

inline constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Shows slot (1..3) with the given plane segments.
inline void SetSegments(CCurvilinearscopeDoc& doc, int slot, std::initializer_list<Segment> segments) {
    CGraphDef& g = doc.m_graphs[slot - 1];
    g.m_bShow = 1;
    g.m_nPoints = static_cast<int32_t>(segments.size());
    g.m_pPoints = std::make_unique<SamplePoint[]>(segments.size());
    int i = 0;
    for (const Segment& s : segments) g.m_pPoints[i++] = {s.fromX, s.fromY, 0.0, s.x, s.y, 0.0, slot};
}

// A plane document with three curves crossing the picture, one per slot.
inline std::unique_ptr<CCurvilinearscopeDoc> CurvesDocument() {
    auto doc = std::make_unique<CCurvilinearscopeDoc>();
    doc->m_nRange = 10;
    SetSegments(*doc, 1, {{-8, -8, -8, -8}, {-8, -8, 0, 4}, {0, 4, 8, -8}});
    SetSegments(*doc, 2, {{-9, 6, -9, 6}, {-9, 6, 9, 6}});
    SetSegments(*doc, 3, {{-6, -9, -6, -9}, {-6, -9, 6, 9}});
    doc->m_graphs[0].m_strFormula = u"x*x";
    doc->m_graphs[1].m_nKind = 1;
    return doc;
}
