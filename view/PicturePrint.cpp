#include "PicturePrint.h"

#include <QPainter>
#include <QPrinter>

#include "PainterSurface.h"
#include "Picture.h"

SurfaceRect PrintRect(const QPrinter& printer) { return {0, 0, printer.width(), printer.height()}; }

void DrawPrintedPage(QPainter& painter, const QPrinter& printer, const CCurvilinearscopeDoc& doc,
                     CPicture3D& picture3D) {
    SurfaceRect r = PrintRect(printer);
    CPainterSurface surface(painter, QRect(r.left, r.top, r.right - r.left, r.bottom - r.top));
    PictureTarget target;
    target.printing = true;
    target.rectPrint = r;
    DrawPicture(surface, &doc, picture3D, target);
}

bool PrintPicture(QPrinter& printer, const CCurvilinearscopeDoc& doc, CPicture3D& picture3D) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    DrawPrintedPage(painter, printer, doc, picture3D);
    return painter.end();
}
