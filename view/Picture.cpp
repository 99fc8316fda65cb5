#include "view/Picture.h"

#include <new>

#include "base/VectorState.h"
#include "document/CurvilinearscopeDoc.h"
#include "view/Picture2D.h"
#include "view/Picture2DWindow.h"
#include "view/Picture3D.h"
#include "view/PictureGeometry.h"
#include "view/PictureTitle.h"

namespace {

// The window to draw when it is not the document's own square.
const PlaneBounds* ZoomedWindow(const PictureTarget& target, int range) {
    const double r = range;
    const PlaneBounds home{-r, r, -r, r};
    const PlaneBounds* window = target.plane.window;
    return window && !(*window == home) ? window : nullptr;
}

void DrawGraphsAndAxes(CDrawSurface& dc, const CCurvilinearscopeDoc& doc, CPicture3D& picture3D,
                       const PictureTarget& target) {
    const bool printing = target.printing;
    if (doc.m_nDimension == DIM_PLANE) {
        if (const PlaneBounds* window = ZoomedWindow(target, doc.m_nRange)) {
            DrawAxes2DWindow(dc, *window, printing);
            DrawGraphs2DWindow(dc, doc, *window, target.plane.records);
            return;
        }
        DrawAxes2D(dc, doc, printing);
        DrawGraphs2D(dc, doc);
    } else if (doc.m_nDimension == DIM_SPACE) {
        picture3D.Draw(dc, doc);
    }
}

// After the memory ran out: give back what the failed drawing held and draw
// what needs little. A plane picture's grid and axes came first and are
// there already; a space picture gets its axes without the graphs.
void DrawWithLittleMemory(CDrawSurface& dc, const CCurvilinearscopeDoc& doc, CPicture3D& picture3D) {
    dc.EndUnderLayer();
    picture3D.ReleaseWorkMemory();
    if (doc.m_nDimension != DIM_SPACE) return;
    try {
        picture3D.DrawAxes(dc, doc);
    } catch (const std::bad_alloc&) {
        picture3D.ReleaseWorkMemory();
    }
}

}  // namespace

DrawOutcome DrawPicture(CDrawSurface& dc, const CCurvilinearscopeDoc* doc, CPicture3D& picture3D,
                        const PictureTarget& target) {
    if (!doc) return DrawOutcome::Whole;
    ClearUpperVectorState();  // the GUI's own code may have left it dirty: the drawing's maths would crawl
    PictureMapping m = target.printing ? PrintMapping(target.rectPrint, dc.DeviceWidthMM(), dc.DeviceHeightMM(),
                                                      dc.DeviceWidthPixels(), dc.DeviceHeightPixels())
                                       : ScreenMapping(dc.DeviceRect());
    dc.SetMapping(m.orgX, m.orgY, m.extX, m.extY);
    DrawOutcome outcome = DrawOutcome::Whole;
    try {
        DrawGraphsAndAxes(dc, *doc, picture3D, target);
    } catch (const std::bad_alloc&) {
        outcome = DrawOutcome::OutOfMemory;
        DrawWithLittleMemory(dc, *doc, picture3D);
    }
    try {
        DrawTitle(dc, *doc);
    } catch (const std::bad_alloc&) {
        outcome = DrawOutcome::OutOfMemory;
    }
    dc.ResetMapping();
    return outcome;
}
