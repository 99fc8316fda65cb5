#pragma once
// Cutting a segment at the edges of a rectangle (Liang–Barsky): what a
// zoomed plane picture or a zoomed space picture draws of a segment that
// leaves its square, so that a line crossing the edge reaches it instead of
// being left out or drawn beyond it.

#include <algorithm>
#include <cmath>

struct ClipBox {
    double xMin, xMax, yMin, yMax;
};

// Shortens (x1, y1)-(x2, y2) to its part inside box; false when no part is
// inside (or an end is not a finite number). A segment of length zero is kept
// when its point is inside.
inline bool ClipSegment(double& x1, double& y1, double& x2, double& y2, const ClipBox& box) {
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2)) return false;
    const double dx = x2 - x1, dy = y2 - y1;
    double enter = 0.0, leave = 1.0;
    // Each edge as p·t <= q: p < 0 where the line comes in, > 0 where it goes out.
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x1 - box.xMin, box.xMax - x1, y1 - box.yMin, box.yMax - y1};
    for (int edge = 0; edge < 4; ++edge) {
        if (p[edge] == 0.0) {
            if (q[edge] < 0.0) return false;  // parallel to this edge and outside it
            continue;
        }
        const double t = q[edge] / p[edge];
        if (p[edge] < 0.0)
            enter = std::max(enter, t);
        else
            leave = std::min(leave, t);
        if (enter > leave) return false;
    }
    const double ox = x1, oy = y1;
    x1 = ox + enter * dx;
    y1 = oy + enter * dy;
    x2 = ox + leave * dx;
    y2 = oy + leave * dy;
    return true;
}
