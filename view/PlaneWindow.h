#pragma once
// What one window shows of a plane picture: the document's own square
// -R..R (home) or a part of the plane the user zoomed or panned to. Each
// view keeps its own; the document never hears of it and is never changed
// by it. The window may be non-square: its x span fills the picture
// square's width and its y span the height.

#include "document/WindowSampling.h"

class CPlaneWindow {
public:
    // Zoom reaches from this many times the home window's width ...
    static constexpr double kWidestFactor = 10.0;
    // ... down to this fraction of it.
    static constexpr double kNarrowestFraction = 1e-6;
    // The centre stays within this many home widths of the origin, where
    // the narrowest window's pixels still differ in a double.
    static constexpr double kFarthestCentre = 1e4;

    explicit CPlaneWindow(int range = 10) { SetRange(range); }

    // The document's range R; a new range takes the window home.
    void SetRange(int range);
    int Range() const { return m_nRange; }

    bool IsHome() const { return m_bounds == HomeBounds(); }
    void GoHome() { m_bounds = HomeBounds(); }
    const PlaneBounds& Bounds() const { return m_bounds; }
    PlaneBounds HomeBounds() const;

    // Each keeps the window within the limits; false when nothing changed.
    // factor > 1 zooms in: the world point (x, y) stays where it was.
    bool ZoomAbout(double x, double y, double factor);
    // Shifts the window by (dx, dy) world units.
    bool Pan(double dx, double dy);
    // Shows `bounds` (non-square allowed), each side kept within the
    // limits about its centre; false for empty or non-finite bounds.
    bool Show(const PlaneBounds& bounds);

    // Whether bounds could be shown as they are: finite, not empty, each
    // side within the zoom limits.
    static bool Allowed(const PlaneBounds& bounds, int range);

private:
    bool Set(PlaneBounds bounds);
    double HomeWidth() const { return 2.0 * m_nRange; }

    int m_nRange = 10;
    PlaneBounds m_bounds;
};
