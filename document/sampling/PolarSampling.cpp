#include "document/sampling/PolarSampling.h"

#include "document/sampling/SampleCapacity.h"
#include "document/sampling/SampleRow.h"

bool SamplePolarCurve(CGraphDef& graph, double pixel, SampleTicker& ticker) {
    graph.FreePoints();  // the old array goes first, even if the new one fails
    const int32_t capacity = PlaneParametricCapacity(graph);
    SamplePoint* out = AllocatePoints(graph, capacity);
    PolarFormulas r(graph);
    return SampleCurveSlot(graph, r, out, capacity, pixel, ticker);
}
