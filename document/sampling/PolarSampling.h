#pragma once
// Samples a polar slot: r as a formula of t, the curve x = r cos t,
// y = r sin t (a negative r lands on the opposite side). The t loop is the
// parametric curve's (SampleRow.h): from the start by the step while
// t <= end + step, a sample without a value skipped without breaking the
// curve, a jump beginning a new piece, the capacity of a parametric curve,
// no range test.

#include "document/GraphDef.h"

class SampleTicker;

// Sets the slot's array and count; a jump smaller than `pixel` (one pixel
// of the picture sampled for) is not looked for. False when cancelled.
bool SamplePolarCurve(CGraphDef& graph, double pixel, SampleTicker& ticker);
