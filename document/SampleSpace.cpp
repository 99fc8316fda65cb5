// Space sampling: z = f(x, y) (or z*z = f(x, y)) and parametric surfaces
// x(u, v), y(u, v), z(u, v). Each row of the outer loop begins a new piece.

#include <algorithm>
#include <cmath>
#include <memory>

#include "document/CurvilinearscopeDoc.h"
#include "document/SampleCapacity.h"
#include "document/SampleRules.h"
#include "document/SampleSpaceRows.h"
#include "document/SampleTicker.h"
#include "expr/GraphExpress.h"

namespace {

// A squared left side gets its mirror image below the samples.
bool MirrorIfSquared(CGraphDef& graph, SamplePoint* points, int32_t leftSide) {
    if (leftSide == LS_SQUARED) {
        MirrorSpace(points, graph.m_nPoints);
        graph.m_nPoints *= 2;
    }
    return true;
}

bool SampleExplicit(CGraphDef& graph, int32_t range, int32_t number, SampleTicker& ticker) {
    const int32_t leftSide = graph.m_nLeftSide;
    const double h = graph.m_dStep;
    const double r = range;
    graph.FreePoints();  // the old array goes first, even if the new one fails
    const int32_t capacity = SpaceExplicitCapacity(range, h, leftSide);
    SamplePoint* points = AllocatePoints(graph, capacity);
    auto f = std::make_unique<CFunctionExpress>(graph.m_strFormula, 1, range);
    if (!(h > 0) || !f->Compile()) {  // a step that is not positive never ends: see SamplePlane.cpp
        return true;
    }
    const int32_t limit = FirstHalfLimit(capacity, leftSide);
    switch (SampleExplicitRows(graph, *f, range, number, limit, points, ticker)) {
        case RowSampling::Cancelled:
            return false;
        case RowSampling::Done:
            return MirrorIfSquared(graph, points, leftSide);
        case RowSampling::NotSuited:
            break;
    }
    int32_t i = 0;
    for (double y = -r; y <= r && i < limit; y += h) {
        f->m_y = y;
        bool newPiece = true;
        for (double x = -r; x <= r && i < limit; x += h) {
            if (!ticker.Tick()) {
                graph.m_nPoints = i;
                return false;
            }
            f->m_x = x;
            double v;
            if (!f->EvaluateNumber(v) || !ExplicitValue(v, leftSide, -0.02, r)) {
                newPiece = true;
                continue;
            }
            StoreSpace(points, i, newPiece, x, y, v, number);
            ++i;
            newPiece = false;
        }
    }
    graph.m_nPoints = i;
    return MirrorIfSquared(graph, points, leftSide);
}

struct SurfaceObjects {
    std::unique_ptr<CParameterExpress3d> x, y, z;
    void Set(double u, double v) {
        x->m_u = y->m_u = z->m_u = u;
        x->m_v = y->m_v = z->m_v = v;
    }
    bool Evaluate(double& vx, double& vy, double& vz) const {
        return x->EvaluateNumber(vx) && y->EvaluateNumber(vy) && z->EvaluateNumber(vz);
    }
};

bool SampleParametric(CGraphDef& graph, int32_t number, SampleTicker& ticker) {
    graph.FreePoints();  // the old array goes first, even if the new one fails
    const int32_t capacity = SpaceParametricCapacity(graph);
    SamplePoint* points = AllocatePoints(graph, capacity);
    SurfaceObjects f{std::make_unique<CParameterExpress3d>(graph.m_strX),
                     std::make_unique<CParameterExpress3d>(graph.m_strY),
                     std::make_unique<CParameterExpress3d>(graph.m_strZ)};
    if (!(graph.m_dTStep > 0) || !(graph.m_dVStep > 0) || !f.x->Compile() || !f.y->Compile() || !f.z->Compile()) {
        return true;
    }
    const double uStep = graph.m_dTStep;
    const double uLast = graph.m_dTEnd + graph.m_dTStep;
    const double vStep = graph.m_dVStep;
    const double vLast = graph.m_dVEnd + graph.m_dVStep;
    int32_t i = 0;
    for (double v = graph.m_dVStart; v <= vLast && i < capacity; v += vStep) {
        const int32_t rowStart = i;
        for (double u = graph.m_dTStart; u <= uLast && i < capacity; u += uStep) {
            if (!ticker.Tick()) {
                graph.m_nPoints = i;
                return false;
            }
            f.Set(u, v);
            double x;
            double y;
            double z;
            if (!f.Evaluate(x, y, z)) {
                if (u + uStep == u) {
                    break;  // u no longer moves: this sample would fail forever
                }
                continue;
            }
            StoreSpace(points, i, i == rowStart, x, y, z, number);
            ++i;
        }
        if (i == rowStart && v + vStep == v) {
            break;  // v no longer moves and its row stores nothing
        }
    }
    graph.m_nPoints = i;
    return true;
}

double ExpectedSpaceEvaluations(const CCurvilinearscopeDoc& doc) {
    double expected = 0.0;
    for (const CGraphDef& g : doc.m_graphs) {
        if (!g.m_bShow) {
            continue;
        }
        if (g.m_nKind == GK_EXPLICIT) {
            const double side = EstimatedLoopCount(-doc.m_nRange, doc.m_nRange, g.m_dStep);
            expected += side * side;
        } else if (g.m_nKind == GK_PARAMETRIC) {
            expected += EstimatedLoopCount(g.m_dTStart, g.m_dTEnd + g.m_dTStep, g.m_dTStep) *
                        EstimatedLoopCount(g.m_dVStart, g.m_dVEnd + g.m_dVStep, g.m_dVStep);
        }
    }
    return expected;
}

}  // namespace

bool CCurvilinearscopeDoc::Sample3D(const SampleProgress& progress) {
    m_dAngle = 0.0;
    SampleTicker ticker(&progress, ExpectedSpaceEvaluations(*this));
    for (int slot = 0; slot < 3; ++slot) {
        CGraphDef& graph = m_graphs[slot];
        if (!graph.m_bShow) {
            continue;
        }
        bool finished = true;
        if (graph.m_nKind == GK_EXPLICIT) {
            finished = SampleExplicit(graph, m_nRange, slot + 1, ticker);
        } else if (graph.m_nKind == GK_PARAMETRIC) {
            finished = SampleParametric(graph, slot + 1, ticker);
        }
        if (!finished || !ticker.Report()) {
            return false;
        }
    }
    return true;
}

void CCurvilinearscopeDoc::Sample3D() {
    Sample3D(SampleProgress());
}
