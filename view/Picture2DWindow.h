#pragma once
// The plane picture of a window the user zoomed or panned to: the grid at
// steps that follow the window, the axes where they fall and the labels at
// the frame's edge where an axis is outside, and the curves cut at the
// square's edges. The look is the document's own picture's.

#include "document/WindowSampling.h"

class CDrawSurface;
class CCurvilinearscopeDoc;

// Grid lines, axes and tick labels of the window, in the logical square
// already mapped on the surface.
void DrawAxes2DWindow(CDrawSurface& dc, const PlaneBounds& window, bool printing);

// The curves of every shown slot over the window: from `records` where
// they hold the slot's samples (whatever window they were made for), from
// the document's stored records otherwise.
void DrawGraphs2DWindow(CDrawSurface& dc, const CCurvilinearscopeDoc& doc, const PlaneBounds& window,
                        const WindowRecords* records);
