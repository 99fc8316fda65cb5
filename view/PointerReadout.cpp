#include "view/PointerReadout.h"

#include <algorithm>
#include <cmath>

namespace {
// Decimals beyond these show nothing a double holds.
constexpr int kMostReadoutDecimals = 12;

int DecimalsForPixel(double worldPerPixel) {
    if (!(worldPerPixel > 0)) return 1;
    return std::clamp(static_cast<int>(std::ceil(-std::log10(worldPerPixel))), 1, kMostReadoutDecimals);
}
}  // namespace

std::optional<WorldPoint> PointerToWorld(int width, int height, int px, int py, int range) {
    const int side = PictureSide(width, height);
    if (side <= 0) return std::nullopt;
    return WorldPoint{range * 2.0 * (px - width * 0.5) / side, range * 2.0 * (height * 0.5 - py) / side};
}

QString PointerReadoutText(const WorldPoint& p) { return QString::asprintf("X = %.1f, Y = %.1f", p.x, p.y); }

std::optional<WorldPoint> PointerToWindow(int width, int height, double px, double py, const PlaneBounds& window) {
    const int side = PictureSide(width, height);
    if (side <= 0) return std::nullopt;
    const double cx = (window.xMin + window.xMax) / 2, cy = (window.yMin + window.yMax) / 2;
    return WorldPoint{cx + window.Width() * (px - width * 0.5) / side, cy + window.Height() * (height * 0.5 - py) / side};
}

QString WindowReadoutText(const WorldPoint& p, const PlaneBounds& window, int side) {
    const int dx = DecimalsForPixel(window.Width() / std::max(side, 1));
    const int dy = DecimalsForPixel(window.Height() / std::max(side, 1));
    return QString::asprintf("X = %.*f, Y = %.*f", dx, p.x, dy, p.y);
}
