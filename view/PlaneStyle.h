#pragma once
// The plane picture's look, shared by the document's own picture and a
// zoomed or panned window of it: the colours of axes, grid and labels, the
// label font and the curves' pen width, all in logical units.

#include "view/DrawSurface.h"

inline constexpr SurfaceColor kAxisColor{16, 16, 16};
inline constexpr SurfaceColor kGridColor{192, 192, 192};
inline constexpr SurfaceColor kPrintedGridColor{144, 144, 144};
inline constexpr SurfaceColor kLabelColor{0, 0, 0};
inline constexpr SurfaceFont kLabelFont{50, 400};
inline constexpr int kCurveWidth = 10;
