#pragma once
// Samples a polar slot: r as a formula of t, the curve x = r cos t,
// y = r sin t (a negative r lands on the opposite side). The t loop is the
// parametric curve's: from the start by the step while t <= end + step, a
// sample without a value skipped without breaking the curve, the capacity
// of a parametric curve, no range test.

#include "document/GraphDef.h"

class SampleTicker;

// Sets the slot's array and count; false when cancelled.
bool SamplePolarCurve(CGraphDef& graph, SampleTicker& ticker);
