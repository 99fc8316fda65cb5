#include "document/Continuity.h"

#include <algorithm>
#include <atomic>
#include <cmath>

namespace {

// Halvings of a suspicious interval: 2^-12 of a step is below any pixel a
// sampling step of a view meets.
constexpr int kLevels = 12;
// A halving that keeps more than this of the change has not made it smaller.
constexpr double kKeptByAJump = 0.9;
// Halvings in a row that must shrink the change as a straight line would
// before the interval is known to be continuous without the remaining ones.
constexpr int kStraightLevels = 2;

std::atomic<int64_t> g_evaluations{0};

double Change(const CurvePoint& a, const CurvePoint& b) {
    return std::max({std::fabs(b.c[0] - a.c[0]), std::fabs(b.c[1] - a.c[1]), std::fabs(b.c[2] - a.c[2])});
}

bool IsFinite(const CurvePoint& p) { return std::isfinite(p.c[0]) && std::isfinite(p.c[1]) && std::isfinite(p.c[2]); }

}  // namespace

bool JumpsBetween(CurveProbe& curve, double s0, const CurvePoint& p0, double s1, const CurvePoint& p1, double pixel) {
    if (!IsFinite(p0) || !IsFinite(p1)) {
        return false;
    }
    CurvePoint a = p0;
    CurvePoint b = p1;
    double change = Change(a, b);
    double ratio = 0.0;
    double ratioBefore = 0.0;
    int straight = 0;
    int evaluations = 0;
    bool jump = false;
    for (int level = 0; level < kLevels; ++level) {
        const double s = s0 + (s1 - s0) * 0.5;
        if (s == s0 || s == s1) {
            break;  // no number lies between them: the change is where the samples are
        }
        CurvePoint m;
        ++evaluations;
        if (!curve.At(s, m) || !IsFinite(m)) {
            jump = true;
            break;
        }
        const double left = Change(a, m);
        const double right = Change(m, b);
        const double kept = std::max(left, right);
        if (kept <= pixel) {
            break;  // whatever the halves hold is too small to see
        }
        // A jump J in a half that is otherwise straight keeps J / 2 beyond
        // half of the change at every level; a smooth curve's excess shrinks
        // fourfold with each. Two small excesses in a row: no jump worth a
        // pixel is hidden.
        straight = 2.0 * (kept - 0.5 * change) < pixel ? straight + 1 : 0;
        if (straight == kStraightLevels) {
            break;
        }
        ratioBefore = ratio;
        ratio = kept / change;
        change = kept;
        if (left >= right) {
            s1 = s;
            b = m;
        } else {
            s0 = s;
            a = m;
        }
        jump = level == kLevels - 1 && ratio > kKeptByAJump && ratioBefore > kKeptByAJump && change > pixel;
    }
    g_evaluations.fetch_add(evaluations, std::memory_order_relaxed);
    return jump;
}

int64_t ContinuityEvaluations() { return g_evaluations.load(std::memory_order_relaxed); }
