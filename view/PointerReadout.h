#pragma once
// The plane picture's coordinate read-out: the world point under a pointer
// position of the client area.

#include <optional>

#include <QString>

struct WorldPoint {
    double x, y;
};

// The picture square's side is 0.9 × the client area's smaller side; its
// centre reads (0, 0) and its right and top edges read R. No value when the
// square has no size (a smaller side under 2 pixels).
std::optional<WorldPoint> PointerToWorld(int width, int height, int px, int py, int range);

// "X = %.1f, Y = %.1f"
QString PointerReadoutText(const WorldPoint& p);
