#pragma once
// The title and the colour legend, drawn over both the plane and the space
// picture.

class CDrawSurface;
class CCurvilinearscopeDoc;

// "Curvilinearscope" at the top left, then one line per formula of every
// shown slot in the slot's colour, each on an opaque cell so it stays
// readable over the grid and curves.
void DrawTitle(CDrawSurface& dc, const CCurvilinearscopeDoc& doc);
