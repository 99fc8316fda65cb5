#include "document/sampling/SampleCapacity.h"

#include <cmath>
#include <cstddef>
#include <limits>
#include <new>

int32_t CheckedCapacity(double records) {
    if (!std::isfinite(records) || records > kMaxSampleCapacity) {
        throw std::bad_alloc();
    }
    if (records < 0.0) {
        return 0;
    }
    return static_cast<int32_t>(std::trunc(records));
}

namespace {
double Doubled(double records, int32_t leftSide) { return leftSide == LS_SQUARED ? records * 2.0 : records; }
}  // namespace

int32_t PlaneExplicitCapacity(int32_t range, double step, int32_t leftSide) {
    const double r = range;
    const double n = std::trunc((r + 1 + step) * 2 / step);
    return CheckedCapacity(Doubled(n, leftSide));
}

int32_t PlaneParametricCapacity(const CGraphDef& graph) {
    return CheckedCapacity((graph.m_dTEnd + graph.m_dTStep - graph.m_dTStart) / graph.m_dTStep);
}

int32_t SpaceExplicitCapacity(int32_t range, double step, int32_t leftSide) {
    const double r = range;
    const double side = (r + 1 + step) * 2 / step;
    const double n = std::trunc(side * side);  // squared before truncation
    return CheckedCapacity(Doubled(n, leftSide));
}

int32_t SpaceParametricCapacity(const CGraphDef& graph) {
    const double cells = (graph.m_dTEnd + graph.m_dTStep - graph.m_dTStart) / graph.m_dTStep *
                         (graph.m_dVEnd + graph.m_dVStep - graph.m_dVStart) / graph.m_dVStep;
    return CheckedCapacity(std::trunc(cells) + 100);
}

SamplePoint* AllocatePoints(CGraphDef& graph, int32_t capacity) {
    graph.FreePoints();
    static_assert(static_cast<double>(std::numeric_limits<size_t>::max() / sizeof(SamplePoint)) >= kMaxSampleCapacity,
                  "every allowed capacity has a byte size that fits");
    // Unwritten: no page of the array is touched before a sample lands in it.
    graph.m_pPoints = PointArray::Allocate(static_cast<size_t>(capacity));
    return graph.m_pPoints.get();
}
