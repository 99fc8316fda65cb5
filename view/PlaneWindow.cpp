#include "view/PlaneWindow.h"

#include <algorithm>
#include <cmath>

namespace {

// One side's span from lo to hi, its width kept within [narrowest, widest]
// about its centre and its centre within `farthest` of 0.
void Limit(double& lo, double& hi, double narrowest, double widest, double farthest) {
    const double width = hi - lo;
    if (width >= narrowest && width <= widest && std::abs((lo + hi) / 2.0) <= farthest) return;
    const double centre = std::clamp((lo + hi) / 2.0, -farthest, farthest);
    const double half = std::clamp(hi - lo, narrowest, widest) / 2.0;
    lo = centre - half;
    hi = centre + half;
}

// Bounds this close to home (relative to its width) are home: zooming in
// and out again by the same steps comes back to the document's own picture.
constexpr double kHomeSnap = 1e-9;

bool NearlyEqual(double a, double b, double scale) { return std::abs(a - b) <= kHomeSnap * scale; }

}  // namespace

void CPlaneWindow::SetRange(int range) {
    m_nRange = range;
    GoHome();
}

PlaneBounds CPlaneWindow::HomeBounds() const {
    const double r = m_nRange;
    return {-r, r, -r, r};
}

bool CPlaneWindow::Set(PlaneBounds bounds) {
    const double home = HomeWidth();
    Limit(bounds.xMin, bounds.xMax, home * kNarrowestFraction, home * kWidestFactor, home * kFarthestCentre);
    Limit(bounds.yMin, bounds.yMax, home * kNarrowestFraction, home * kWidestFactor, home * kFarthestCentre);
    const PlaneBounds homeBounds = HomeBounds();
    if (NearlyEqual(bounds.xMin, homeBounds.xMin, home) && NearlyEqual(bounds.xMax, homeBounds.xMax, home) &&
        NearlyEqual(bounds.yMin, homeBounds.yMin, home) && NearlyEqual(bounds.yMax, homeBounds.yMax, home))
        bounds = homeBounds;
    if (bounds == m_bounds) return false;
    m_bounds = bounds;
    return true;
}

bool CPlaneWindow::ZoomAbout(double x, double y, double factor) {
    if (!(factor > 0) || !std::isfinite(factor) || !std::isfinite(x) || !std::isfinite(y)) return false;
    const PlaneBounds& b = m_bounds;
    const double home = HomeWidth();
    // One factor for both sides, so a non-square window keeps its shape at
    // the limits too.
    const double narrowest = home * kNarrowestFraction, widest = home * kWidestFactor;
    const double widthAfter = std::max(b.Width(), b.Height()) / factor;
    const double narrowAfter = std::min(b.Width(), b.Height()) / factor;
    if (widthAfter > widest) factor = std::max(b.Width(), b.Height()) / widest;
    if (narrowAfter < narrowest) factor = std::min(b.Width(), b.Height()) / narrowest;
    return Set({x - (x - b.xMin) / factor, x + (b.xMax - x) / factor, y - (y - b.yMin) / factor,
                y + (b.yMax - y) / factor});
}

bool CPlaneWindow::Pan(double dx, double dy) {
    if (!std::isfinite(dx) || !std::isfinite(dy)) return false;
    const PlaneBounds& b = m_bounds;
    return Set({b.xMin + dx, b.xMax + dx, b.yMin + dy, b.yMax + dy});
}

bool CPlaneWindow::Show(const PlaneBounds& bounds) {
    if (!std::isfinite(bounds.xMin) || !std::isfinite(bounds.xMax) || !std::isfinite(bounds.yMin) ||
        !std::isfinite(bounds.yMax) || !(bounds.Width() > 0) || !(bounds.Height() > 0))
        return false;
    return Set(bounds);
}

bool CPlaneWindow::Allowed(const PlaneBounds& bounds, int range) {
    const double home = 2.0 * range;
    auto fits = [home](double lo, double hi) {
        return std::isfinite(lo) && std::isfinite(hi) && hi - lo >= home * kNarrowestFraction &&
               hi - lo <= home * kWidestFactor && std::abs((lo + hi) / 2.0) <= home * kFarthestCentre;
    };
    return fits(bounds.xMin, bounds.xMax) && fits(bounds.yMin, bounds.yMax);
}
