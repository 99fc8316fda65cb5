#pragma once
// The limit for the sampling benchmarks: the explicit surface's loop with the
// formula as a native function, filling the same records into an array of
// the same capacity (left untouched where no record lands).

#include <cmath>
#include <cstdint>

#include "document/GraphDef.h"
#include "document/sampling/SampleCapacity.h"

template <typename F>
int32_t NativeSurface(SamplePoint* p, int32_t capacity, int32_t range, double h, F f) {
    const double r = range;
    int32_t i = 0;
    for (double y = -r; y <= r && i < capacity; y += h) {
        bool newPiece = true;
        for (double x = -r; x <= r && i < capacity; x += h) {
            const double v = f(x, y);
            if (v > r || v < -r) {
                newPiece = true;
                continue;
            }
            SamplePoint& s = p[i];
            s.x = x, s.y = y, s.z = v, s.graphNumber = 1;
            if (newPiece || i == 0) {
                s.fromX = x, s.fromY = y, s.fromZ = v;
            } else {
                s.fromX = p[i - 1].x, s.fromY = p[i - 1].y, s.fromZ = p[i - 1].z;
            }
            ++i;
            newPiece = false;
        }
    }
    return i;
}

// The parametric surface's loop with native coordinate functions.
template <typename F>
int32_t NativeParametric(SamplePoint* p, int32_t capacity, const CGraphDef& g, F f) {
    int32_t i = 0;
    for (double v = g.m_dVStart; v <= g.m_dVEnd + g.m_dVStep && i < capacity; v += g.m_dVStep) {
        const int32_t row = i;
        for (double u = g.m_dTStart; u <= g.m_dTEnd + g.m_dTStep && i < capacity; u += g.m_dTStep) {
            double x, y, z;
            f(u, v, x, y, z);
            SamplePoint& s = p[i];
            s.x = x, s.y = y, s.z = z, s.graphNumber = 1;
            if (i == row) {
                s.fromX = x, s.fromY = y, s.fromZ = z;
            } else {
                s.fromX = p[i - 1].x, s.fromY = p[i - 1].y, s.fromZ = p[i - 1].z;
            }
            ++i;
        }
    }
    return i;
}
