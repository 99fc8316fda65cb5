#include "view/PointerReadout.h"

#include <algorithm>

std::optional<WorldPoint> PointerToWorld(int width, int height, int px, int py, int range) {
    const int side = std::min(width, height) * 9 / 10;
    if (side <= 0) return std::nullopt;
    return WorldPoint{range * 2.0 * (px - width * 0.5) / side, range * 2.0 * (height * 0.5 - py) / side};
}

QString PointerReadoutText(const WorldPoint& p) { return QString::asprintf("X = %.1f, Y = %.1f", p.x, p.y); }
