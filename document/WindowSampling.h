#pragma once
// The samples of a plane picture for a window other than the document's own
// -R..R square: a view that is zoomed or panned asks for them, so that what
// it shows is as fine as its pixels. The same row samplers as the
// document's own sampling make them, over the window instead of -R..R; the
// records belong to the caller and never to the document.

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "document/GraphDef.h"
#include "document/sampling/SampleProgress.h"

class CCurvilinearscopeDoc;

// A rectangle of the plane in world units: x from xMin to xMax, y from
// yMin to yMax.
struct PlaneBounds {
    double xMin = 0.0, xMax = 0.0, yMin = 0.0, yMax = 0.0;
    double Width() const { return xMax - xMin; }
    double Height() const { return yMax - yMin; }
    friend bool operator==(const PlaneBounds&, const PlaneBounds&) = default;
};

// What the sampling of a window needs, copied from the document so that it
// may run on another thread while the document goes on changing.
struct WindowRequest {
    std::array<CGraphDef, 3> graphs;  // definitions only, no records
    // Parametric and polar slots: samples per step of t, so that no segment spans
    // more than a few pixels of the window.
    std::array<int32_t, 3> refinements{1, 1, 1};
    int32_t range = 10;
    PlaneBounds bounds;
    int columns = 0;  // the window's width in pixels
    int rows = 0;     // and its height

    // One pixel of the window in world units: across for x, up for y, and
    // the finer of the two for a curve, whose jumps may go either way.
    double PixelWidth() const { return bounds.Width() / columns; }
    double PixelHeight() const { return bounds.Height() / rows; }
    double FinerPixel() const;
};

// The records of a window, slot by slot. A slot that is not `sampled`
// (hidden, of another kind, or whose formula no longer compiles) is drawn
// from the document's stored records instead.
struct WindowRecords {
    PlaneBounds bounds;
    std::array<std::vector<SamplePoint>, 3> points;
    std::array<bool, 3> sampled{};
};

// The request for `bounds` shown `columns` × `rows` pixels large. Reads the
// document's stored records (for the refinement of parametric curves), so
// call it where the document lives.
WindowRequest MakeWindowRequest(const CCurvilinearscopeDoc& doc, const PlaneBounds& bounds, int columns, int rows);

// Samples every shown slot for the window: explicit graphs about one sample
// per pixel column, from one column beyond the left edge to one beyond the
// right, a value farther than one window height above or below the window
// leaving a gap; parametric and polar curves at their refined step; all
// with the continuity test of the document's sampling, at one pixel of the
// window. Implicit curves are traced over the window down to half of one
// of its pixels. Nothing when `progress` cancels: the records made so far are gone with it. Throws
// std::bad_alloc when the memory runs out.
std::optional<WindowRecords> SamplePlaneWindow(const WindowRequest& request, const SampleProgress& progress = {});
