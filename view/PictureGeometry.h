#pragma once
// The picture's coordinates: world values to the logical square (-1000 to
// 1000, y upwards) and the logical square onto the window or the page.

#include "view/DrawSurface.h"

// The factor that makes world -R..R span the logical square: 2 for R = 5,
// 0.5 for R = 20, 1 for any other range (10 included).
double RangeFactor(int range);

// trunc(scaled × 100 + 0.1), cut toward zero: an already range-scaled value
// in logical units. Values no int can hold are clamped (NaN gives 0); the
// drawing code skips such values before it gets here.
int LogicalUnits(double scaled);

// A world coordinate of a document with range R in logical units.
int ToLogical(double v, int range);

// Where the logical square lands on the device: top-left corner and size.
struct PictureMapping {
    int orgX = 0, orgY = 0, extX = 0, extY = 0;
    friend bool operator==(const PictureMapping&, const PictureMapping&) = default;
};

// The picture square's side in pixels on the screen for a client area of
// width × height: 0.9 × the smaller side.
inline int PictureSide(int width, int height) { return (width < height ? width : height) * 9 / 10; }

// On the screen: a square of 0.9 × the smaller side of the client area,
// centred on it.
PictureMapping ScreenMapping(const SurfaceRect& client);

// On the page: a physical square of 0.9 × the smaller side (in mm) of the
// printable area, centred on the drawing rectangle; also on devices with
// non-square pixels. A device that reports no physical size gets the
// screen rule.
PictureMapping PrintMapping(const SurfaceRect& rectPrint, int widthMM, int heightMM, int widthPixels, int heightPixels);

// The colour of graph slot 1, 2 or 3: red, green, blue (black otherwise).
SurfaceColor GraphColor(int slot);
