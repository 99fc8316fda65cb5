#pragma once
// The whole picture of a document on any surface: the mapping of the logical
// square, the plane or space picture, the title and legend. The screen, the
// printer and the export all draw through here.

#include "document/WindowSampling.h"
#include "view/DrawSurface.h"

class CCurvilinearscopeDoc;
class CPicture3D;

// What a plane picture shows: its window when that is another than the
// document's own -R..R (nullptr or the home window: the document's own
// picture), and the samples made for it (nullptr: the stored records).
struct PlaneShown {
    const PlaneBounds* window = nullptr;
    const WindowRecords* records = nullptr;
};

struct PictureTarget {
    bool printing = false;  // the page's geometry and the printed grid colour
    SurfaceRect rectPrint;  // the page's drawing rectangle, device units (printing only)
    PlaneShown plane;
};

// OutOfMemory: the memory ran out on the way (a big space picture needs
// 8 bytes a segment for its depth order). The picture then holds what could
// be drawn without that: the axes of a space picture, the grid and axes of a
// plane one, the title and legend.
enum class DrawOutcome { Whole, OutOfMemory };

// Draws nothing without a document. A dimension other than 0 or 1 draws the
// title and legend only. The surface's mapping is reset at the end.
DrawOutcome DrawPicture(CDrawSurface& dc, const CCurvilinearscopeDoc* doc, CPicture3D& picture3D,
                        const PictureTarget& target = {});
