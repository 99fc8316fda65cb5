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

enum class RowSampling {
    NotSuited,  // nothing done: the caller samples one row after another
    Done,
    Cancelled,
};

// Samples the slot's compiled formula f over the grid -range..range by the
// slot's step into points. Suits a grid big enough to be worth spreading,
// with a number-only formula, whose every sample fits below limit. Sets the
// slot's count of the first half (before any mirroring).
RowSampling SampleExplicitRows(CGraphDef& graph, CFunctionExpress& f, int32_t range, int32_t number,
                               int32_t limit, SamplePoint* points, SampleTicker& ticker);

// Stores the sample (x, y, z) at index i: from the previous record's end,
// or from itself when it starts a new piece.
void StoreSpace(SamplePoint* points, int32_t i, bool newPiece, double x, double y, double z, int32_t number);
