// Plane sampling: y = f(x) (or y*y = f(x)) and parametric curves x(t), y(t).

#include <algorithm>
#include <cmath>
#include <memory>

#include "document/CurvilinearscopeDoc.h"
#include "document/SampleCapacity.h"
#include "document/SampleRules.h"
#include "document/SampleTicker.h"
#include "expr/GraphExpress.h"

namespace {

void StorePlane(SamplePoint* points, int32_t i, bool newPiece, double x, double y) {
    SamplePoint& point = points[i];
    point.x = x;
    point.y = y;
    point.z = 0.0;  // a plane record leaves z unused; 0 keeps files reproducible
    point.graphNumber = 0;
    if (newPiece || i == 0) {
        point.fromX = x;
        point.fromY = y;
        point.fromZ = 0.0;
    } else {
        point.fromX = points[i - 1].x;
        point.fromY = points[i - 1].y;
        point.fromZ = points[i - 1].z;
    }
}

bool SampleExplicit(CGraphDef& graph, int32_t range, SampleTicker& ticker) {
    const int32_t leftSide = graph.m_nLeftSide;
    const double h = graph.m_dStep;
    const double r = range;
    graph.FreePoints();  // the old array goes first, even if the new one fails
    const int32_t capacity = PlaneExplicitCapacity(range, h, leftSide);
    SamplePoint* points = AllocatePoints(graph, capacity);
    auto f = std::make_unique<CFunctionExpress>(graph.m_strFormula, 0, range);
    // A step that is not positive never reaches the end of the range: the
    // loop would walk off towards infinity until the array fills, or forever
    // when the samples there have no value. Nothing is sampled instead.
    if (!(h > 0) || !f->Compile()) {
        return true;  // stores nothing; the dialog lets no such formula through
    }
    const int32_t limit = FirstHalfLimit(capacity, leftSide);
    int32_t i = 0;
    bool newPiece = true;
    for (double x = -r; x <= r && i < limit; x += h) {
        if (!ticker.Tick()) {
            graph.m_nPoints = i;
            return false;
        }
        f->m_x = x;
        double v;
        if (!f->EvaluateNumber(v) || !ExplicitValue(v, leftSide, -0.01, r)) {
            newPiece = true;
            continue;
        }
        StorePlane(points, i, newPiece, x, v);
        ++i;
        newPiece = false;
    }
    graph.m_nPoints = i;
    if (leftSide == LS_SQUARED) {
        MirrorPlane(points, i);
        graph.m_nPoints = 2 * i;
    }
    return true;
}

bool SampleParametric(CGraphDef& graph, SampleTicker& ticker) {
    graph.FreePoints();  // the old array goes first, even if the new one fails
    const int32_t capacity = PlaneParametricCapacity(graph);
    SamplePoint* points = AllocatePoints(graph, capacity);
    auto fx = std::make_unique<CParameterExpress2d>(graph.m_strX);
    auto fy = std::make_unique<CParameterExpress2d>(graph.m_strY);
    if (!(graph.m_dTStep > 0) || !fx->Compile() || !fy->Compile()) {
        return true;
    }
    const double step = graph.m_dTStep;
    const double last = graph.m_dTEnd + graph.m_dTStep;  // one step beyond the end
    int32_t i = 0;
    for (double t = graph.m_dTStart; t <= last && i < capacity; t += step) {
        if (!ticker.Tick()) {
            graph.m_nPoints = i;
            return false;
        }
        fx->m_t = t;
        fy->m_t = t;
        double x;
        double y;
        if (!fx->EvaluateNumber(x) || !fy->EvaluateNumber(y)) {
            if (t + step == t) {
                break;  // t no longer moves: this sample would fail forever
            }
            continue;
        }
        StorePlane(points, i, false, x, y);
        ++i;
    }
    graph.m_nPoints = i;
    return true;
}

double ExpectedPlaneEvaluations(const CCurvilinearscopeDoc& doc) {
    double expected = 0.0;
    for (const CGraphDef& graph : doc.m_graphs) {
        if (!graph.m_bShow) {
            continue;
        }
        if (graph.m_nKind == GK_EXPLICIT) {
            expected += EstimatedLoopCount(-doc.m_nRange, doc.m_nRange, graph.m_dStep);
        } else if (graph.m_nKind == GK_PARAMETRIC) {
            expected += EstimatedLoopCount(graph.m_dTStart, graph.m_dTEnd + graph.m_dTStep, graph.m_dTStep);
        }
    }
    return expected;
}

}  // namespace

bool CCurvilinearscopeDoc::Sample2D(const SampleProgress& progress) {
    SampleTicker ticker(&progress, ExpectedPlaneEvaluations(*this));
    for (CGraphDef& graph : m_graphs) {
        if (!graph.m_bShow) {
            continue;
        }
        bool finished = true;
        if (graph.m_nKind == GK_EXPLICIT) {
            finished = SampleExplicit(graph, m_nRange, ticker);
        } else if (graph.m_nKind == GK_PARAMETRIC) {
            finished = SampleParametric(graph, ticker);
        }
        if (!finished || !ticker.Report()) {
            return false;
        }
    }
    return true;
}

void CCurvilinearscopeDoc::Sample2D() {
    Sample2D(SampleProgress());
}
