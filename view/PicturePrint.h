#pragma once
// The picture on one printed page: a physical square of 0.9 × the smaller
// side of the printable area, centred on it, with the darker printed grid.
// The same page serves printing and print preview.

#include "view/DrawSurface.h"
#include "view/Picture.h"

class CCurvilinearscopeDoc;
class CPicture3D;
class QPainter;
class QPrinter;

// The printable area in the printer's device units (origin at its top left).
SurfaceRect PrintRect(const QPrinter& printer);

// Paints the page on a painter already begun on the printer.
DrawOutcome DrawPrintedPage(QPainter& painter, const QPrinter& printer, const CCurvilinearscopeDoc& doc,
                            CPicture3D& picture3D, const PlaneShown& plane = {});

// CannotPrint: the printer cannot be painted on (no such printer,
// unwritable file). OutOfMemory: the page went out with what could be drawn
// (see DrawOutcome).
enum class PrintOutcome { Printed, CannotPrint, OutOfMemory };

// Begins a painter on the printer, paints the page and ends it.
// plane: a plane picture's zoomed or panned window, as the view shows it.
PrintOutcome PrintPicture(QPrinter& printer, const CCurvilinearscopeDoc& doc, CPicture3D& picture3D,
                          const PlaneShown& plane = {});
