#pragma once
// z = f(x, y) on a big grid, sampled on all processors. Every row of the
// grid starts a new piece, so the rows do not depend on one another: each
// row is sampled into the place it would take if every sample before it
// were stored, and the rows are then moved down over the gaps that skipped
// samples leave. The records come out exactly as the one-row-after-another
// loop makes them.

#include <cstdint>

#include "document/GraphDef.h"

class CFunctionExpress;
class SampleTicker;
struct ExplicitRows;

enum class RowSampling {
    NotSuited,  // nothing done: the caller samples one row after another
    Done,
    Cancelled,
};

// Samples the slot's compiled formula f over the space grid of `rows` into
// points. Suits a grid big enough to be worth spreading, with a number-only
// formula, whose every sample fits below limit. Sets the slot's count of the
// first half (before any mirroring).
RowSampling SampleExplicitRowsInParallel(CGraphDef& graph, CFunctionExpress& f, const ExplicitRows& rows, int32_t limit,
                                         SamplePoint* points, SampleTicker& ticker);
