#pragma once
// Samples implicit slots, F = G: in the plane the curve over a window, in
// space a ring of the surface in the x-z plane for each y of the slot's step
// grid (the way explicit surfaces are drawn, one polyline family per row).
// The records are counted first and the array is allocated once, at the
// size found.

#include <cstddef>
#include <cstdint>

#include "document/GraphDef.h"
#include "document/sampling/SampleWindow.h"

class SampleTicker;

// The most records an implicit slot may hold (about 470 MB of records):
// past it the sampling is refused with std::bad_alloc, as an array too large
// for memory is.
constexpr size_t kMaxImplicitRecords = size_t{1} << 23;

// Sets the slot's array and count to the pieces of its curve over the
// window, start cells of the slot's step. False when cancelled; the pieces
// found so far are then stored.
bool SampleImplicitCurve(CGraphDef& graph, const SampleWindow& window, SampleTicker& ticker);

// The same for a space slot: for y = -range by the slot's step while
// y <= range, the curve F(x, y, z) = G over the square -range..range of the
// x-z plane, seen kSpacePicturePixels wide, from start cells of the step but
// no more than 200 a side; records carry the slot's number.
bool SampleImplicitSurface(CGraphDef& graph, int32_t range, int32_t number, SampleTicker& ticker);

// Evaluations a slot is expected to take, for the progress fraction only.
double ExpectedImplicitEvaluations(const CGraphDef& graph, int32_t range, bool space);
