#include "view/PicturePrint.h"

#include <QPainter>
#include <QPrinter>
#include <new>

#include "view/PainterSurface.h"
#include "view/Picture.h"
#include "view/Picture3D.h"

SurfaceRect PrintRect(const QPrinter& printer) { return {0, 0, printer.width(), printer.height()}; }

DrawOutcome DrawPrintedPage(QPainter& painter, const QPrinter& printer, const CCurvilinearscopeDoc& doc,
                            CPicture3D& picture3D, const PlaneShown& plane) {
    SurfaceRect r = PrintRect(printer);
    CPainterSurface surface(painter, QRect(r.left, r.top, r.right - r.left, r.bottom - r.top));
    PictureTarget target;
    target.printing = true;
    target.rectPrint = r;
    target.plane = plane;
    return DrawPicture(surface, &doc, picture3D, target);
}

PrintOutcome PrintPicture(QPrinter& printer, const CCurvilinearscopeDoc& doc, CPicture3D& picture3D,
                          const PlaneShown& plane) {
    QPainter painter;
    if (!painter.begin(&printer)) return PrintOutcome::CannotPrint;
    DrawOutcome drawn = DrawOutcome::OutOfMemory;
    try {
        drawn = DrawPrintedPage(painter, printer, doc, picture3D, plane);
    } catch (const std::bad_alloc&) {  // in the printer's own work: the page as far as it came
        picture3D.ReleaseWorkMemory();
    }
    switch (EndPainting(painter)) {
    case PaintingEnd::Ended: return drawn == DrawOutcome::Whole ? PrintOutcome::Printed : PrintOutcome::OutOfMemory;
    case PaintingEnd::Failed: return PrintOutcome::CannotPrint;
    case PaintingEnd::OutOfMemory: return PrintOutcome::OutOfMemory;
    }
    return PrintOutcome::CannotPrint;
}
