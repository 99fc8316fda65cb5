#include "document/sampling/PolarSampling.h"

#include <cmath>

#include "document/sampling/SampleCapacity.h"
#include "document/sampling/SampleTicker.h"
#include "expr/GraphExpress.h"

bool SamplePolarCurve(CGraphDef& graph, SampleTicker& ticker) {
    graph.FreePoints();  // the old array goes first, even if the new one fails
    const int32_t capacity = PlaneParametricCapacity(graph);
    SamplePoint* out = AllocatePoints(graph, capacity);
    CParameterExpress2d r(graph.m_strFormula);
    if (!(graph.m_dTStep > 0) || !r.Compile()) {  // a step that is not positive never ends
        return true;
    }
    const double step = graph.m_dTStep;
    const double last = graph.m_dTEnd + step;  // one step beyond the end is still sampled
    int32_t i = 0;
    for (double t = graph.m_dTStart; t <= last && i < capacity; t += step) {
        if (!ticker.Tick()) {
            graph.m_nPoints = i;
            return false;
        }
        r.m_t = t;
        double radius = 0.0;
        if (r.EvaluateNumber(radius)) {
            SamplePoint& p = out[i];
            p.x = radius * std::cos(t);
            p.y = radius * std::sin(t);
            p.z = 0.0;
            p.graphNumber = 0;
            const SamplePoint& from = i == 0 ? p : out[i - 1];
            p.fromX = from.x;
            p.fromY = from.y;
            p.fromZ = from.z;
            ++i;
        }
        if (t + step == t) {
            break;  // t no longer moves
        }
    }
    graph.m_nPoints = i;
    return true;
}
