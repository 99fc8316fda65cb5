#pragma once
// The axes of the space picture: each axis a chain of half-unit segments
// from -(R + 1) to R + 1.5, so that every segment takes its own place in the
// depth order; and the letters "x", "y", "z" beyond their ends.

#include <vector>

#include "document/GraphDef.h"

class CDrawSurface;
class CRotation3D;
class CLogicalScale;

// The range the axes are built for. A range outside what the edit dialog
// offers can only come from a damaged or foreign file; such a value is drawn
// like R = 10 (as the range factor and the plane picture's labels already treat it),
// instead of building billions of axis segments or none at all.
int AxisRange(int range);

// Fills axes with the 3 × (4R + 5) axis records, graphNumber 0, in the order
// x, y, z segment by segment from the far negative end.
void BuildAxisRecords(int range, std::vector<SamplePoint>& axes);

// Draws the three letters at the turned anchors, in black, font height 100;
// a letter whose anchor lies beyond ±limit (logical units) is left out.
void DrawAxisLetters(CDrawSurface& dc, const CRotation3D& rotation, const CLogicalScale& toLogical, int range,
                     double limit);
