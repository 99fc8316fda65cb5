#pragma once
// Which pixels a wide line with round ends covers, and how much: row by row,
// shared by drawing over an image (CapsuleRaster.cpp) and drawing beneath
// what a layer already holds (UnderLayer.cpp). The pixels go to a target:
//
//   int width, height;                          the image size in pixels
//   int top, bottom;                            the rows this target draws
//   bool RowClosed(int j, int first, int last)  no pixel of row j from column
//                                               first to last can change
//   Row RowAt(int j)                            the pixels of row j, with
//     bool Open(int i)                          whether pixel i can change
//     void Put(int i, uint32_t cover)           cover 1..255 (255: whole)
//     void Fill(int first, int last)            cover 255 from first to last
//
// Pixel (i, j) covers [i, i+1) × [j, j+1) of the device.

#include <QLineF>
#include <algorithm>
#include <cmath>
#include <cstdint>

namespace capsule {

// floor and ceil of a coordinate as a pixel index near [0, limit); the
// library's floor and ceil are calls on the baseline instruction set.
inline int FloorIndex(double v, int limit) {
    v = std::clamp(v, -2.0, double(limit) + 1);
    const int i = static_cast<int>(v);
    return i - (i > v);
}
inline int CeilIndex(double v, int limit) {
    v = std::clamp(v, -2.0, double(limit) + 1);
    const int i = static_cast<int>(v);
    return i + (i < v);
}

struct Shape {
    double radius;  // half the pen width
    bool smooth;    // edges by coverage; otherwise pixel centres within the pen
};

// One pixel per step along the longer direction: a crisp one-pixel pen,
// as QPainter draws it without smoothing.
template <class Target>
void ScanHairline(Target& image, const QLineF& line) {
    double x0 = line.x1(), y0 = line.y1(), x1 = line.x2(), y1 = line.y2();
    const bool steep = std::fabs(y1 - y0) > std::fabs(x1 - x0);
    if (steep) {
        std::swap(x0, y0);
        std::swap(x1, y1);
    }
    if (x0 > x1) {
        std::swap(x0, x1);
        std::swap(y0, y1);
    }
    const double slope = (y1 - y0) / (x1 - x0);
    const int along = steep ? image.height : image.width, across = steep ? image.width : image.height;
    const int first = std::max(FloorIndex(x0, along), 0), last = std::min(FloorIndex(x1, along), along - 1);
    for (int a = first; a <= last; ++a) {
        const double c = y0 + (a + 0.5 - x0) * slope;
        if (!(c >= 0 && c < across)) continue;
        const int b = static_cast<int>(c);  // not negative: truncation is floor
        const int x = steep ? b : a, y = steep ? a : b;
        if (y >= image.top && y <= image.bottom && !image.RowClosed(y, x, x)) image.RowAt(y).Put(x, 255);
    }
}

// The segment from (0, 0) to (dx, dy), relative to its start.
struct Segment {
    double dx, dy, len, len2;
    double invDx, invDy;  // 0 for a zero component
};

// The interval of x (relative to the start) on the row at height py where
// points lie within r of the segment; lo > hi when there are none. The
// capsule is convex, so this is the hull of its two end discs and its body.
struct Interval {
    double lo = INFINITY, hi = -INFINITY;
};

inline Interval RowInterval(const Segment& s, double py, double r) {
    Interval out;
    auto disc = [&](double cx, double cy) {
        const double h = r * r - (py - cy) * (py - cy);
        if (h < 0) return;
        const double half = std::sqrt(h);
        out.lo = std::min(out.lo, cx - half);
        out.hi = std::max(out.hi, cx + half);
    };
    disc(0, 0);
    disc(s.dx, s.dy);
    // The body: 0 <= x dx + py dy <= len2 and |x dy - py dx| <= r len.
    double lo = -INFINITY, hi = INFINITY;
    auto within = [&](double k, double invK, double from, double to) {  // from <= k x <= to
        if (k == 0) {
            if (from > 0 || to < 0) hi = -INFINITY;
            return;
        }
        const double a = from * invK, b = to * invK;
        lo = std::max(lo, std::min(a, b));
        hi = std::min(hi, std::max(a, b));
    };
    within(s.dx, s.invDx, -py * s.dy, s.len2 - py * s.dy);
    within(s.dy, s.invDy, py * s.dx - r * s.len, py * s.dx + r * s.len);
    if (lo <= hi) {
        out.lo = std::min(out.lo, lo);
        out.hi = std::max(out.hi, hi);
    }
    return out;
}

// Pixel columns whose centres fall in the interval, cut to the image.
inline void Columns(const Interval& in, double x0, int width, int& first, int& last) {
    first = std::max(CeilIndex(in.lo + x0 - 0.5, width), 0);
    last = FloorIndex(in.hi + x0 - 0.5, width);
    last = std::min(last, width - 1);
}

// Smoothed pixels at the rim: coverage from the exact distance, for the
// pixels that can still change.
template <class Row>
void ScanRim(Row& row, int first, int last, double x0, double py, const Segment& s, double reach) {
    const double invLen2 = 1.0 / s.len2;
    for (int i = first; i <= last; ++i) {
        if (!row.Open(i)) continue;
        const double px = i + 0.5 - x0;
        const double t = std::clamp((px * s.dx + py * s.dy) * invLen2, 0.0, 1.0);
        const double ex = px - t * s.dx, ey = py - t * s.dy;
        const double cover = reach - std::sqrt(ex * ex + ey * ey);  // 0 .. 1 across the rim
        if (cover <= 0) continue;
        row.Put(i, cover >= 1 ? 255u : static_cast<uint32_t>(cover * 255 + 0.5));
    }
}

template <class Target>
void ScanCapsule(Target& image, const QLineF& line, const Shape& pen) {
    const double x0 = line.x1(), y0 = line.y1(), dx = line.x2() - x0, dy = line.y2() - y0;
    const double len2 = dx * dx + dy * dy;
    if (!(len2 > 0) || !std::isfinite(len2)) return;
    if (!pen.smooth && pen.radius <= 0.75) return ScanHairline(image, line);
    // Pixels whose centre is within reach of the segment: the pen plus half
    // a pixel of smoothing. Those within inner are covered whole.
    const double reach = pen.radius + (pen.smooth ? 0.5 : 0.0);
    const double inner = pen.smooth ? pen.radius - 0.5 : pen.radius;
    int rowFirst = std::max(image.top, FloorIndex(std::min(y0, y0 + dy) - reach, image.height));
    const int rowLast = std::min(image.bottom, CeilIndex(std::max(y0, y0 + dy) + reach, image.height));
    if (rowFirst > rowLast) return;
    // Columns any row can reach, for the cheap test of rows already final;
    // a line whose rows are all final costs no more than that test.
    const int colFirst = std::max(0, FloorIndex(std::min(x0, x0 + dx) - reach, image.width));
    const int colLast = std::min(image.width - 1, CeilIndex(std::max(x0, x0 + dx) + reach, image.width));
    if (colFirst > colLast) return;
    while (rowFirst <= rowLast && image.RowClosed(rowFirst, colFirst, colLast)) ++rowFirst;
    if (rowFirst > rowLast) return;
    const Segment s{dx, dy, std::sqrt(len2), len2, dx != 0 ? 1 / dx : 0, dy != 0 ? 1 / dy : 0};
    for (int j = rowFirst; j <= rowLast; ++j) {
        if (j > rowFirst && image.RowClosed(j, colFirst, colLast)) continue;
        const double py = j + 0.5 - y0;
        int outFirst, outLast;
        Columns(RowInterval(s, py, reach), x0, image.width, outFirst, outLast);
        if (outFirst > outLast || image.RowClosed(j, outFirst, outLast)) continue;
        auto row = image.RowAt(j);
        int inFirst = outLast + 1, inLast = outLast;  // no inner part unless found
        if (inner > 0) {
            Columns(RowInterval(s, py, inner), x0, image.width, inFirst, inLast);
            if (inFirst > inLast) inFirst = outLast + 1, inLast = outLast;
        }
        if (!pen.smooth) {
            row.Fill(outFirst, outLast);
            continue;
        }
        if (inFirst <= inLast) row.Fill(inFirst, inLast);
        ScanRim(row, outFirst, std::min(inFirst - 1, outLast), x0, py, s, reach);
        ScanRim(row, std::max(inLast + 1, inFirst), outLast, x0, py, s, reach);
    }
}

}  // namespace capsule
