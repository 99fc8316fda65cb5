#pragma once
// Finds the curve F(a, b) = 0 of a field over a window of the plane: a
// quadtree whose uniform start grid is refined where a cell's corners change
// sign, or where some corners only have no value, down to leaves of at most
// half a pixel; marching squares on the leaves, with linear interpolation on
// the edges and the saddle decided by the cell's centre. The result is a set
// of segments, each from one leaf edge to another; ContourPieces.h joins
// them into polylines.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "document/sampling/SampleWindow.h"

class SampleTicker;

class ContourField {
public:
    virtual ~ContourField() = default;
    // F at (a, b); NaN where it has no value.
    virtual double At(double a, double b) = 0;
};

// One segment of the curve inside one leaf. An edge is named by where it
// lies on the finest lattice, so two leaves of one size name the edge they
// share alike, and the point found on it is the same in both.
struct ContourSegment {
    uint64_t fromEdge;
    uint64_t toEdge;
    double fromA;
    double fromB;
    double toA;
    double toB;
};

// The most refined cells one tracing makes: beyond it cells are no longer
// divided and the curve comes out coarser, never wrong in kind.
constexpr int64_t kMaxRefinedCells = int64_t{1} << 22;

// Appends the segments of F = 0 over the window, start cells of about
// `step` (a along x, b along y). Each evaluation is a tick of the ticker;
// false when it asked to cancel (the segments found so far are kept).
// Throws std::bad_alloc once more than `maxSegments` segments are found.
bool TraceContour(ContourField& field, const SampleWindow& window, double step, SampleTicker& ticker,
                  std::vector<ContourSegment>& segments, size_t maxSegments);
