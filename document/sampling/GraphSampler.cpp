#include "document/sampling/GraphSampler.h"

#include <memory>

#include "base/VectorState.h"
#include "document/sampling/ImplicitSampling.h"
#include "document/sampling/ParallelRows.h"
#include "document/sampling/PolarSampling.h"
#include "document/sampling/SampleCapacity.h"
#include "document/sampling/SampleRow.h"
#include "expr/GraphExpress.h"

namespace {

// The evaluations the whole sampling is expected to make: only for the
// progress fraction.
double ExpectedEvaluations(std::span<const CGraphDef> graphs, Dimension dimension, int32_t range) {
    double expected = 0.0;
    for (const CGraphDef& g : graphs) {
        if (!g.m_bShow) {
            continue;
        }
        if (g.m_nKind == GK_EXPLICIT) {
            const double side = EstimatedLoopCount(-range, range, g.m_dStep);
            expected += dimension == DIM_SPACE ? side * side : side;
        } else if (g.m_nKind == GK_IMPLICIT) {
            expected += ExpectedImplicitEvaluations(g, range, dimension == DIM_SPACE);
        } else if (g.m_nKind == GK_PARAMETRIC || (g.m_nKind == GK_POLAR && dimension == DIM_PLANE)) {
            const double row = EstimatedLoopCount(g.m_dTStart, g.m_dTEnd + g.m_dTStep, g.m_dTStep);
            expected += dimension == DIM_SPACE
                            ? row * EstimatedLoopCount(g.m_dVStart, g.m_dVEnd + g.m_dVStep, g.m_dVStep)
                            : row;
        }
    }
    return expected;
}

// Appends the mirror image of records 0..count-1 that a squared left side
// gets: y negated in the plane, z in space. The array was allocated with
// room for it.
void MirrorPlane(SamplePoint* points, int32_t count) {
    for (int32_t k = 0; k < count; ++k) {
        SamplePoint mirrored = points[k];
        mirrored.fromY = -mirrored.fromY;
        mirrored.y = -mirrored.y;
        points[count + k] = mirrored;
    }
}

void MirrorSpace(SamplePoint* points, int32_t count) {
    for (int32_t k = 0; k < count; ++k) {
        SamplePoint mirrored = points[k];
        mirrored.fromZ *= -1.0;
        mirrored.z *= -1.0;
        points[count + k] = mirrored;
    }
}

}  // namespace

CGraphSampler::CGraphSampler(std::span<CGraphDef> graphs, Dimension dimension, int32_t range,
                             const SampleProgress& progress)
    : m_graphs(graphs),
      m_nDimension(dimension),
      m_nRange(range),
      m_ticker(&progress, ExpectedEvaluations(graphs, dimension, range)) {}

bool CGraphSampler::SampleShownSlots() {
    ClearUpperVectorState();  // the caller may be a GUI thread with a dirty vector state
    for (size_t slot = 0; slot < m_graphs.size(); ++slot) {
        CGraphDef& graph = m_graphs[slot];
        if (!graph.m_bShow) {
            continue;
        }
        // Space records carry the slot's number, 1 to 3; plane records 0.
        const int32_t number = m_nDimension == DIM_SPACE ? static_cast<int32_t>(slot) + 1 : 0;
        if (!SampleSlot(graph, number) || !m_ticker.Report()) {
            return false;
        }
    }
    return true;
}

bool CGraphSampler::SampleSlot(CGraphDef& graph, int32_t number) {
    if (!IsSampledKind(graph.m_nKind, m_nDimension)) {
        return true;  // a slot of another kind is neither sampled nor drawn
    }
    if (graph.m_nKind == GK_IMPLICIT) {
        return m_nDimension == DIM_PLANE
                   ? SampleImplicitCurve(graph, DocumentWindow(m_nRange, kPlanePicturePixels), m_ticker)
                   : SampleImplicitSurface(graph, m_nRange, number, m_ticker);
    }
    if (graph.m_nKind == GK_POLAR) {
        return SamplePolarCurve(graph, DocumentPixel(m_nRange), m_ticker);
    }
    graph.FreePoints();  // the old array goes first, even if the new one fails
    const int32_t capacity = Capacity(graph);
    SamplePoint* points = AllocatePoints(graph, capacity);
    if (graph.m_nKind == GK_EXPLICIT) {
        return SampleExplicit(graph, points, capacity, number);
    }
    return m_nDimension == DIM_PLANE ? SampleCurve(graph, points, capacity)
                                     : SampleSurface(graph, points, capacity, number);
}

int32_t CGraphSampler::Capacity(const CGraphDef& graph) const {
    const bool plane = m_nDimension == DIM_PLANE;
    if (graph.m_nKind == GK_EXPLICIT) {
        return plane ? PlaneExplicitCapacity(m_nRange, graph.m_dStep, graph.m_nLeftSide)
                     : SpaceExplicitCapacity(m_nRange, graph.m_dStep, graph.m_nLeftSide);
    }
    return plane ? PlaneParametricCapacity(graph) : SpaceParametricCapacity(graph);
}

bool CGraphSampler::SampleExplicit(CGraphDef& graph, SamplePoint* points, int32_t capacity, int32_t number) {
    const int useY = m_nDimension == DIM_SPACE ? 1 : 0;
    auto f = std::make_unique<CFunctionExpress>(graph.m_strFormula, useY, m_nRange);
    // A step that is not positive never reaches the end of the range: the
    // loop would walk off towards infinity until the array fills, or forever
    // when the samples there have no value. Nothing is sampled instead.
    if (!(graph.m_dStep > 0) || !f->Compile()) {
        return true;  // stores nothing; the dialog lets no such formula through
    }
    const ExplicitRows rows{m_nDimension, m_nRange, graph.m_dStep, graph.m_nLeftSide, number};
    if (!SampleExplicitRows(graph, *f, rows, points, FirstHalfLimit(capacity, graph.m_nLeftSide))) {
        return false;  // cancelled: the mirrored half is not added
    }
    if (graph.m_nLeftSide == LS_SQUARED) {
        m_nDimension == DIM_PLANE ? MirrorPlane(points, graph.m_nPoints) : MirrorSpace(points, graph.m_nPoints);
        graph.m_nPoints *= 2;
    }
    return true;
}

bool CGraphSampler::SampleExplicitRows(CGraphDef& graph, CFunctionExpress& f, const ExplicitRows& rows,
                                       SamplePoint* points, int32_t limit) {
    if (m_nDimension == DIM_PLANE) {
        const RowSampled row = SampleExplicitRow(f, rows, 0.0, points, limit, m_ticker);  // the plane has one row
        graph.m_nPoints = row.stored;
        return row.finished;
    }
    switch (SampleExplicitRowsInParallel(graph, f, rows, limit, points, m_ticker)) {
    case RowSampling::Done: return true;
    case RowSampling::Cancelled: return false;
    case RowSampling::NotSuited: break;
    }
    // The rows one after another, each beginning where the one before ended.
    const double r = m_nRange;
    int32_t i = 0;
    for (double y = -r; y <= r && i < limit; y += rows.step) {
        const RowSampled row = SampleExplicitRow(f, rows, y, points + i, limit - i, m_ticker);
        i += row.stored;
        if (!row.finished) {
            graph.m_nPoints = i;
            return false;
        }
    }
    graph.m_nPoints = i;
    return true;
}

bool CGraphSampler::SampleCurve(CGraphDef& graph, SamplePoint* points, int32_t capacity) {
    CurveFormulas f(graph);
    return SampleCurveSlot(graph, f, points, capacity, DocumentPixel(m_nRange), m_ticker);
}

bool CGraphSampler::SampleSurface(CGraphDef& graph, SamplePoint* points, int32_t capacity, int32_t number) {
    SurfaceFormulas f(graph);
    if (!(graph.m_dTStep > 0) || !(graph.m_dVStep > 0) || !f.Compile()) {
        return true;
    }
    const ParametricRows rows{graph.m_dTStart, graph.m_dTEnd + graph.m_dTStep, graph.m_dTStep, number,
                              DocumentPixel(m_nRange)};
    const double vStep = graph.m_dVStep;
    const double vLast = graph.m_dVEnd + graph.m_dVStep;  // one step beyond the end, as u's
    switch (SampleParametricRowsInParallel(graph, f, rows, vLast, capacity, points, m_ticker)) {
    case RowSampling::Done: return true;
    case RowSampling::Cancelled: return false;
    case RowSampling::NotSuited: break;
    }
    // The rows one after another, each beginning where the one before ended.
    int32_t i = 0;
    for (double v = graph.m_dVStart; v <= vLast && i < capacity; v += vStep) {
        const RowSampled row = SampleParametricRow(f, rows, v, points + i, capacity - i, m_ticker);
        i += row.stored;
        if (!row.finished) {
            graph.m_nPoints = i;
            return false;
        }
        if (row.stored == 0 && v + vStep == v) {
            break;  // v no longer moves and its row stores nothing
        }
    }
    graph.m_nPoints = i;
    return true;
}
