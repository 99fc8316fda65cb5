#pragma once
// Wide lines with round ends straight into a 32-bit image: what QPainter
// draws for a wide round-capped pen, smoothed, or for a thin pen, crisp, but
// a pixel at a time over the few pixels each short segment covers. QPainter
// strokes every wide round-capped segment as a path, some microseconds
// each; the space picture draws millions of such segments per paint.

#include <QImage>
#include <QLineF>

class QPainter;

// Whether lines can be drawn into this image directly: a 32-bit RGB or
// premultiplied ARGB image. Lines go into its pixels whatever its device
// pixel ratio.
bool CanDrawCapsules(const QImage& image);

// The image the painter paints on, when lines can go into it directly: an
// image (not a widget or printer), no transform but the image's own scaling
// by its device pixel ratio, no clip, plain opaque drawing. Otherwise
// nullptr, and the painter must draw. A point of the painter lies at its
// coordinates times the image's devicePixelRatio() in the image's pixels.
QImage* DirectRasterTarget(QPainter& painter);

// Draws the segments (device pixels, pixel (i, j) covering [i, i+1) ×
// [j, j+1)) with an opaque colour and a pen of the given width (at least 1).
// smooth: edges blended by coverage (wide pens); otherwise a pixel is drawn
// when its centre lies within the pen (hairlines). Zero-length segments draw
// nothing, like QPainter's. The image must pass CanDrawCapsules.
void DrawCapsules(QImage& image, const QLineF* lines, int count, double width, QRgb color, bool smooth);
