#include "document/sampling/ImplicitSampling.h"

#include <algorithm>
#include <new>
#include <vector>

#include "document/ImplicitFormulas.h"
#include "document/sampling/SampleCapacity.h"
#include "document/sampling/SampleTicker.h"
#include "document/sampling/ContourPieces.h"
#include "document/sampling/ContourTracer.h"

namespace {

// Refining along the curve costs about as much again as the start grid.
constexpr double kRefinementShare = 1.5;
// Start cells along a side of each row of a space slot at most: the rows
// are as many as the step makes, and a start grid of the step in each of
// them too would make a fine step cost its cube (step 0.01 at range 20:
// 4001 rows of 16 million cells). Refining still finds the rings.
constexpr double kMaxSpaceStartCells = 200;

// The start cells' size in the x-z plane of a space slot's row.
double SpaceStartStep(double step, int32_t range) { return std::max(step, 2.0 * range / kMaxSpaceStartCells); }

class PlaneField : public ContourField {
public:
    explicit PlaneField(ImplicitFormulas& f) : m_f(f) {}
    double At(double a, double b) override { return m_f.At(a, b, 0.0); }

private:
    ImplicitFormulas& m_f;
};

// The x-z plane at one y of a space slot.
class RowField : public ContourField {
public:
    RowField(ImplicitFormulas& f, double y) : m_f(f), m_y(y) {}
    double At(double a, double b) override { return m_f.At(a, m_y, b); }

private:
    ImplicitFormulas& m_f;
    double m_y;
};

// Where each row's points begin among the pieces, and the row's y.
struct RowStart {
    size_t point;
    double y;
};

// Writes the pieces as the slot's records: plane (a, b, 0), or in space
// (a, y, b) with the y of the row the point belongs to.
void StorePieces(CGraphDef& graph, const ContourPieces& pieces, const std::vector<RowStart>& rows, bool space,
                 int32_t number) {
    if (pieces.size() > kMaxImplicitRecords) {
        throw std::bad_alloc();
    }
    SamplePoint* out = AllocatePoints(graph, static_cast<int32_t>(pieces.size()));
    size_t row = 0;
    for (size_t k = 0; k < pieces.size(); ++k) {
        while (row + 1 < rows.size() && rows[row + 1].point <= k) ++row;
        const ContourPoint& p = pieces.points[k];
        const double y = rows.empty() ? 0.0 : rows[row].y;
        SamplePoint& r = out[k];
        r.x = p.a;
        r.y = space ? y : p.b;
        r.z = space ? p.b : 0.0;
        r.graphNumber = number;
        const SamplePoint& from = pieces.begins[k] ? r : out[k - 1];
        r.fromX = from.x;
        r.fromY = from.y;
        r.fromZ = from.z;
    }
    graph.m_nPoints = static_cast<int32_t>(pieces.size());
}

}  // namespace

bool SampleImplicitCurve(CGraphDef& graph, const SampleWindow& window, SampleTicker& ticker) {
    graph.FreePoints();
    ImplicitFormulas f(graph.m_strFormula, DIM_PLANE);
    if (!(graph.m_dStep > 0) || !f.Compile()) {
        AllocatePoints(graph, 0);
        return true;  // stores nothing; the dialog lets no such formula through
    }
    PlaneField field(f);
    std::vector<ContourSegment> segments;
    const bool finished = TraceContour(field, window, graph.m_dStep, ticker, segments, kMaxImplicitRecords);
    ContourPieces pieces;
    JoinContourSegments(segments, pieces);
    StorePieces(graph, pieces, {}, false, 0);
    return finished;
}

bool SampleImplicitSurface(CGraphDef& graph, int32_t range, int32_t number, SampleTicker& ticker) {
    graph.FreePoints();
    ImplicitFormulas f(graph.m_strFormula, DIM_SPACE);
    if (!(graph.m_dStep > 0) || !f.Compile()) {
        AllocatePoints(graph, 0);
        return true;
    }
    // A step so fine that its rows of start cells would outnumber what a
    // slot may ever hold is refused as an explicit surface's would be.
    const double rowCount = EstimatedLoopCount(-range, range, graph.m_dStep);
    const double side = EstimatedLoopCount(-range, range, SpaceStartStep(graph.m_dStep, range));
    if (rowCount * side * side > kMaxSampleCapacity) {
        throw std::bad_alloc();
    }
    std::vector<ContourSegment> segments;
    ContourPieces pieces;
    std::vector<RowStart> rows;
    bool finished = true;
    const SampleWindow xz = DocumentWindow(range, kSpacePicturePixels);
    // The rows of the explicit surfaces: y accumulated from -range.
    for (double y = -double(range); y <= double(range) && finished; y += graph.m_dStep) {
        RowField field(f, y);
        segments.clear();
        finished = TraceContour(field, xz, SpaceStartStep(graph.m_dStep, range), ticker, segments, kMaxImplicitRecords);
        rows.push_back({pieces.size(), y});
        JoinContourSegments(segments, pieces);
        if (pieces.size() > kMaxImplicitRecords) {
            throw std::bad_alloc();
        }
    }
    StorePieces(graph, pieces, rows, true, number);
    return finished;
}

double ExpectedImplicitEvaluations(const CGraphDef& graph, int32_t range, bool space) {
    const double rows = EstimatedLoopCount(-range, range, graph.m_dStep);
    const double side = space ? EstimatedLoopCount(-range, range, SpaceStartStep(graph.m_dStep, range)) : rows;
    return side * side * kRefinementShare * (space ? rows : 1.0);
}
