#include "analysis/Continuity.h"

#include <cmath>

namespace {
// Halvings towards the larger change before deciding.
constexpr int kHalvings = 12;
// A continuous function's change shrinks by about half at every halving (a
// square-root corner by about 0.71); a jump keeps its change, a pole makes it
// grow: a jump is where each of the last two halvings kept more than this.
constexpr double kKeptChange = 0.9;
}  // namespace

bool ContinuousBetween(CRealFunction f, double a, double fa, double b, double fb, double pixel) {
    double change = std::fabs(fb - fa);
    double ratio = 0.0, ratioBefore = 0.0;  // of the last two halvings
    for (int level = 0; level < kHalvings && change > pixel; ++level) {
        const double m = a + (b - a) / 2;
        if (m <= a || m >= b) break;  // no double left between them
        const double fm = f(m);
        if (std::isnan(fm)) return false;  // a gap inside the interval
        const double left = std::fabs(fm - fa);
        const double right = std::fabs(fb - fm);
        if (left >= right) {
            b = m;
            fb = fm;
        } else {
            a = m;
            fa = fm;
        }
        const double next = std::fabs(fb - fa);
        ratioBefore = ratio;
        ratio = next / change;
        change = next;
    }
    return change <= pixel || ratio <= kKeptChange || ratioBefore <= kKeptChange;
}
