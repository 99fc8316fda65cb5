#include "view/SquareClip.h"

#include <cmath>

bool ClipToSquare(ClipSegment& s, double half) {
    const double dx = s.x2 - s.x1, dy = s.y2 - s.y1;
    double enter = 0.0, leave = 1.0;
    // Each edge as p·t ≤ q: p < 0 where the line comes in, p > 0 where it goes out.
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {s.x1 + half, half - s.x1, s.y1 + half, half - s.y1};
    for (int edge = 0; edge < 4; ++edge) {
        if (std::isnan(q[edge]) || std::isnan(p[edge])) return false;
        if (p[edge] == 0.0) {
            if (q[edge] < 0.0) return false;  // parallel to the edge, outside it
            continue;
        }
        const double t = q[edge] / p[edge];
        if (p[edge] < 0.0) {
            if (t > enter) enter = t;
        } else if (t < leave) {
            leave = t;
        }
        if (enter > leave) return false;
    }
    s = {s.x1 + enter * dx, s.y1 + enter * dy, s.x1 + leave * dx, s.y1 + leave * dy};
    return true;
}
