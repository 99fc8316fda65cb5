#include "Picture.h"

#include "CurvilinearscopeDoc.h"
#include "Picture2D.h"
#include "Picture3D.h"
#include "PictureGeometry.h"
#include "PictureTitle.h"

void DrawPicture(CDrawSurface& dc, const CCurvilinearscopeDoc* doc, CPicture3D& picture3D,
                 const PictureTarget& target) {
    if (!doc) return;
    PictureMapping m = target.printing
                           ? PrintMapping(target.rectPrint, dc.DeviceWidthMM(), dc.DeviceHeightMM(),
                                          dc.DeviceWidthPixels(), dc.DeviceHeightPixels())
                           : ScreenMapping(dc.DeviceRect());
    dc.SetMapping(m.orgX, m.orgY, m.extX, m.extY);
    if (doc->m_nDimension == 0) {
        DrawAxes2D(dc, *doc, target.printing);
        DrawGraphs2D(dc, *doc);
    } else if (doc->m_nDimension == 1) {
        picture3D.Draw(dc, *doc);
    }
    DrawTitle(dc, *doc);
    dc.ResetMapping();
}
