#pragma once
// Joins the segments of a traced curve (ContourTracer.h) into pieces: each
// piece a polyline whose neighbouring segments share a leaf edge, a closed
// curve ending on the point it began with.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "document/sampling/ContourTracer.h"

struct ContourPoint {
    double a;
    double b;
};

struct ContourPieces {
    std::vector<ContourPoint> points;
    std::vector<uint8_t> begins;  // 1 where a point begins a piece

    size_t size() const { return points.size(); }
    void clear() {
        points.clear();
        begins.clear();
    }
};

// Appends the pieces that the segments make, open pieces first.
void JoinContourSegments(const std::vector<ContourSegment>& segments, ContourPieces& pieces);
