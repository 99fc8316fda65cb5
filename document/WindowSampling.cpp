#include "document/WindowSampling.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "base/VectorState.h"
#include "document/CurvilinearscopeDoc.h"
#include "document/sampling/ImplicitSampling.h"
#include "document/sampling/SampleRow.h"
#include "document/sampling/SampleTicker.h"
#include "expr/GraphExpress.h"

namespace {

// A parametric segment of the window may span about this many pixels; the
// step of t is divided until the stored records' longest segment in the
// window would be that short.
constexpr double kMostSegmentPixels = 2.0;
// However long a curve's segments, its samples for one window stay below
// this (about 29 MB of records).
constexpr double kMostCurveSamples = 524288.0;
// Explicit rows: the columns beyond the window's edges and the records the
// accumulated steps may add beyond the count of columns.
constexpr int kEdgeColumns = 1;
constexpr int kColumnSlack = 8;

// Whether the segment's box meets the window: only segments there count
// for the refinement of the step.
bool MeetsWindow(const SamplePoint& p, const PlaneBounds& b) {
    return std::max(p.fromX, p.x) >= b.xMin && std::min(p.fromX, p.x) <= b.xMax && std::max(p.fromY, p.y) >= b.yMin &&
           std::min(p.fromY, p.y) <= b.yMax;
}

// The samples per step of t that bring the stored curve's longest segment
// in the window down to kMostSegmentPixels, within the cap of samples.
int32_t CurveRefinement(const CGraphDef& graph, const PlaneBounds& bounds, int columns, int rows) {
    const double xScale = columns / bounds.Width();
    const double yScale = rows / bounds.Height();
    double longest = 0.0;
    const int32_t count = graph.DrawableCount();
    for (int32_t i = 0; i < count; ++i) {
        const SamplePoint& p = graph.m_pPoints[i];
        if (!MeetsWindow(p, bounds)) {
            continue;
        }
        longest = std::max(longest, std::hypot((p.x - p.fromX) * xScale, (p.y - p.fromY) * yScale));
    }
    const double wanted = std::ceil(longest / kMostSegmentPixels);
    const double steps = std::max(1.0, (graph.m_dTEnd + graph.m_dTStep - graph.m_dTStart) / graph.m_dTStep);
    const double allowed = std::max(1.0, std::floor(kMostCurveSamples / steps));
    if (!(wanted > 1.0)) {
        return 1;  // also for NaN ends and a nonsense t range
    }
    return static_cast<int32_t>(std::min(wanted, allowed));
}

// Whether a loop over [first, last] by `step` moves at every value: far
// from 0 a tiny step is lost in the rounding, and the loop would never end.
bool StepMoves(double first, double last, double step) {
    return step > 0.0 && first + step > first && last - step < last;
}

// Appends the mirror image of a squared left side's records, y negated.
void AddMirror(std::vector<SamplePoint>& points) {
    const size_t count = points.size();
    for (size_t k = 0; k < count; ++k) {
        SamplePoint mirrored = points[k];
        mirrored.fromY = -mirrored.fromY;
        mirrored.y = -mirrored.y;
        points.push_back(mirrored);
    }
}

// The spans of an explicit row over the window: a column beyond each edge,
// so that the curve reaches the frame, and values up to one window height
// beyond the top and the bottom. A squared left side's root is mirrored,
// so its band is the same above and below 0.
ExplicitRows::Spans WindowSpans(const WindowRequest& request, double step, int32_t leftSide) {
    const PlaneBounds& b = request.bounds;
    ExplicitRows::Spans spans{b.xMin - kEdgeColumns * step, b.xMax + kEdgeColumns * step, b.yMin - b.Height(),
                              b.yMax + b.Height()};
    if (leftSide == LS_SQUARED) {
        spans.high = std::max(std::abs(spans.low), std::abs(spans.high));
        spans.low = -spans.high;
    }
    return spans;
}

// Nothing when the slot is not to be sampled here; false when cancelled.
bool SampleExplicit(const WindowRequest& request, const CGraphDef& graph, std::vector<SamplePoint>& points,
                    bool& sampled, SampleTicker& ticker) {
    const double step = request.PixelWidth();
    const ExplicitRows::Spans spans = WindowSpans(request, step, graph.m_nLeftSide);
    CFunctionExpress f(graph.m_strFormula, 0, request.range);
    if (!StepMoves(spans.first, spans.last, step) || !f.Compile()) {
        return true;
    }
    const ExplicitRows rows(DIM_PLANE, request.range, step, graph.m_nLeftSide, 0, RowEvaluation::Batched, JumpTest::On,
                            spans, request.PixelHeight());
    const int32_t room = request.columns + 2 * kEdgeColumns + kColumnSlack;
    points.resize(static_cast<size_t>(graph.m_nLeftSide == LS_SQUARED ? 2 * room : room));
    const RowSampled row = SampleExplicitRow(f, rows, 0.0, points.data(), room, ticker);
    points.resize(static_cast<size_t>(row.stored));
    if (!row.finished) {
        return false;
    }
    if (graph.m_nLeftSide == LS_SQUARED) {
        AddMirror(points);
    }
    sampled = true;
    return true;
}

// A parametric (CurveFormulas) or polar (PolarFormulas) curve.
template <class Formulas>
bool SampleCurve(const CGraphDef& graph, int32_t refinement, double pixel, std::vector<SamplePoint>& points,
                 bool& sampled, SampleTicker& ticker) {
    Formulas f(graph);
    const double step = graph.m_dTStep / refinement;
    const double last = graph.m_dTEnd + graph.m_dTStep;
    if (!(graph.m_dTStep > 0) || !StepMoves(graph.m_dTStart, last, step) || !f.Compile()) {
        return true;
    }
    const double room = std::floor((last - graph.m_dTStart) / step) + kColumnSlack;
    points.resize(static_cast<size_t>(std::clamp(room, 0.0, kMostCurveSamples + kColumnSlack)));
    const ParametricRows rows{graph.m_dTStart, last, step, 0, pixel};
    const RowSampled row = SampleParametricRow(f, rows, points.data(), static_cast<int32_t>(points.size()), ticker);
    points.resize(static_cast<size_t>(row.stored));
    sampled = row.finished;
    return row.finished;
}

// An implicit curve traced over the window down to half of one of its
// pixels, as the document's own sampling traces it over -R..R.
bool SampleImplicit(const WindowRequest& request, const CGraphDef& graph, std::vector<SamplePoint>& points,
                    bool& sampled, SampleTicker& ticker) {
    CGraphDef traced(graph);  // the tracer keeps its records in a slot of its own
    const PlaneBounds& b = request.bounds;
    const bool finished =
        SampleImplicitCurve(traced, SampleWindow{b.xMin, b.xMax, b.yMin, b.yMax, request.FinerPixel()}, ticker);
    points.clear();
    if (traced.m_nPoints > 0) {
        points.assign(&traced.m_pPoints[0], &traced.m_pPoints[0] + traced.m_nPoints);
    }
    sampled = finished;
    return finished;
}

}  // namespace

double WindowRequest::FinerPixel() const { return std::min(PixelWidth(), PixelHeight()); }

WindowRequest MakeWindowRequest(const CCurvilinearscopeDoc& doc, const PlaneBounds& bounds, int columns, int rows) {
    WindowRequest request;
    request.range = doc.m_nRange;
    request.bounds = bounds;
    request.columns = std::max(columns, 1);
    request.rows = std::max(rows, 1);
    for (size_t slot = 0; slot < request.graphs.size(); ++slot) {
        const CGraphDef& graph = doc.m_graphs[slot];
        request.graphs[slot] = graph;
        if (graph.m_bShow && (graph.m_nKind == GK_PARAMETRIC || graph.m_nKind == GK_POLAR))
            request.refinements[slot] = CurveRefinement(graph, bounds, request.columns, request.rows);
    }
    return request;
}

std::optional<WindowRecords> SamplePlaneWindow(const WindowRequest& request, const SampleProgress& progress) {
    ClearUpperVectorState();  // the caller may be a GUI thread with a dirty vector state
    WindowRecords records;
    records.bounds = request.bounds;
    if (!(request.bounds.Width() > 0) || !(request.bounds.Height() > 0)) {
        return records;  // nothing sampled: the stored records stand in
    }
    SampleTicker ticker(&progress, request.columns * 3.0);
    for (size_t slot = 0; slot < request.graphs.size(); ++slot) {
        const CGraphDef& graph = request.graphs[slot];
        if (!graph.m_bShow) {
            continue;
        }
        bool finished = true;
        if (graph.m_nKind == GK_EXPLICIT) {
            finished = SampleExplicit(request, graph, records.points[slot], records.sampled[slot], ticker);
        } else if (graph.m_nKind == GK_PARAMETRIC) {
            finished = SampleCurve<CurveFormulas>(graph, request.refinements[slot], request.FinerPixel(),
                                                  records.points[slot], records.sampled[slot], ticker);
        } else if (graph.m_nKind == GK_POLAR) {
            finished = SampleCurve<PolarFormulas>(graph, request.refinements[slot], request.FinerPixel(),
                                                  records.points[slot], records.sampled[slot], ticker);
        } else if (graph.m_nKind == GK_IMPLICIT) {
            finished = SampleImplicit(request, graph, records.points[slot], records.sampled[slot], ticker);
        }
        if (!finished || !ticker.Report()) {
            return std::nullopt;
        }
    }
    return records;
}
