#pragma once
// Documents for the view tests, built directly in memory.

#include <cstddef>
#include <initializer_list>
#include <limits>
#include <memory>

#include "base/LargeMemory.h"
#include "document/CurvilinearscopeDoc.h"

struct Segment {
    double fromX, fromY, x, y;
};

inline constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Shows slot (1..3) with the given plane segments.
inline void SetSegments(CCurvilinearscopeDoc& doc, int slot, std::initializer_list<Segment> segments) {
    CGraphDef& g = doc.m_graphs[slot - 1];
    g.m_bShow = 1;
    g.m_nPoints = static_cast<int32_t>(segments.size());
    g.m_pPoints = PointArray::Allocate(segments.size());
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

// A space document whose slot 1 holds a red surface of side × side
// segments over world -5 .. 5, in the middle of the picture.
inline std::unique_ptr<CCurvilinearscopeDoc> SurfaceDocument(int side) {
    auto doc = std::make_unique<CCurvilinearscopeDoc>();
    doc->m_nDimension = 1;
    CGraphDef& g = doc->m_graphs[0];
    g.m_bShow = 1;
    g.m_nPoints = side * side;
    g.m_pPoints = PointArray::Allocate(size_t(side) * size_t(side));
    const double step = 10.0 / side;
    for (int row = 0; row < side; ++row)
        for (int column = 0; column < side; ++column) {
            const double x = -5 + column * step, y = -5 + row * step;
            g.m_pPoints[size_t(row) * side + column] = {x, y, 0.0, x + step, y, 0.0, 1};
        }
    return doc;
}

// For the life of the object, no big block can have more than `bytes`: the
// memory for a big picture runs out, and nothing else does.
class LargeBlockLimit {
public:
    explicit LargeBlockLimit(std::size_t bytes) : m_previous(SetLargeBlockLimit(bytes)) {}
    ~LargeBlockLimit() { SetLargeBlockLimit(m_previous); }
    LargeBlockLimit(const LargeBlockLimit&) = delete;
    LargeBlockLimit& operator=(const LargeBlockLimit&) = delete;

private:
    std::size_t m_previous;
};
