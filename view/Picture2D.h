#pragma once
// The plane picture: grid, axes and tick labels, then the curves, in the
// logical square already mapped on the surface.

class CDrawSurface;
class CCurvilinearscopeDoc;

// Grid lines every world unit (two for R = 20), the axes through the centre
// and the tick labels. The grid is darker on paper, where the screen's light
// grey fades.
void DrawAxes2D(CDrawSurface& dc, const CCurvilinearscopeDoc& doc, bool printing);

// The segments of every shown slot in its colour; a segment with an end
// outside the square (or not a number) is left out whole.
void DrawGraphs2D(CDrawSurface& dc, const CCurvilinearscopeDoc& doc);
