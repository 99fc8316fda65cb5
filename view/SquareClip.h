#pragma once
// Cutting a segment at a square centred on the origin (Liang–Barsky): the
// part inside stays, so a line that crosses the edge reaches it instead of
// being left out or drawn beyond it.

struct ClipSegment {
    double x1, y1, x2, y2;
};

// Cuts s to -half..half in both coordinates. False when no part of it lies
// inside (or a coordinate is not a number); s is then unchanged.
bool ClipToSquare(ClipSegment& s, double half);
