#pragma once
// Big grids of samples on all processors: z = f(x, y) and parametric
// surfaces x(u, v), y(u, v), z(u, v). Every row of a grid starts a new
// piece, so the rows do not depend on one another: each row is sampled into
// the place it would take if every sample before it were stored, and the
// rows are then moved down over the gaps that skipped samples leave. The
// records come out exactly as the one-row-after-another loop makes them.

#include <cstdint>

#include "document/GraphDef.h"

class CFunctionExpress;
class SampleTicker;
struct ExplicitRows;
struct ParametricRows;
struct SurfaceFormulas;

enum class RowSampling {
    NotSuited,  // nothing done: the caller samples one row after another
    Done,
    Cancelled,  // the slot holds the whole rows sampled so far
};

// Samples the slot's compiled formula f over the space grid of `rows` into
// points. Suits a grid big enough to be worth spreading, with a number-only
// formula, whose every sample fits below limit. Sets the slot's count of the
// first half (before any mirroring).
RowSampling SampleExplicitRowsInParallel(CGraphDef& graph, CFunctionExpress& f, const ExplicitRows& rows, int32_t limit,
                                         SamplePoint* points, SampleTicker& ticker);

// Samples the slot's compiled coordinate formulas f: u along each row as
// `rows` says, v from the slot's start by its step while v <= vLast. Suits a
// grid big enough to be worth spreading, with number-only formulas, whose
// every sample fits below limit. Sets the slot's count.
RowSampling SampleParametricRowsInParallel(CGraphDef& graph, SurfaceFormulas& f, const ParametricRows& rows,
                                           double vLast, int32_t limit, SamplePoint* points, SampleTicker& ticker);
