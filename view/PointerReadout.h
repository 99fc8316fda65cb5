#pragma once
// The plane picture's coordinate read-out: the world point under a pointer
// position of the client area.

#include <optional>

#include <QString>

#include "document/WindowSampling.h"
#include "view/PictureGeometry.h"

struct WorldPoint {
    double x, y;
};

// The picture square's side is 0.9 × the client area's smaller side; its
// centre reads (0, 0) and its right and top edges read R. No value when the
// square has no size (a smaller side under 2 pixels).
std::optional<WorldPoint> PointerToWorld(int width, int height, int px, int py, int range);

// "X = %.1f, Y = %.1f"
QString PointerReadoutText(const WorldPoint& p);

// The same for a zoomed or panned window: its x span fills the square's
// width and its y span the height, centred on the client area.
std::optional<WorldPoint> PointerToWindow(int width, int height, double px, double py, const PlaneBounds& window);

// "X = ..., Y = ..." with as many decimals as a pixel of the window needs
// (one at least) for a square of `side` pixels.
QString WindowReadoutText(const WorldPoint& p, const PlaneBounds& window, int side);

