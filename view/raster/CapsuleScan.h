#pragma once
// Which pixels a wide line with round ends covers, and how much: row by row,
// shared by drawing over an image (CapsuleRaster.cpp) and drawing beneath
// what an under-layer already holds (UnderLayer.cpp). The pixels go to a
// target:
//
//   int width, height;                          the image size in pixels
//   int top, bottom;                            the rows this target draws
//   bool RowClosed(int j, int first, int last)  no pixel of row j from column
//                                               first to last can change
//   Row RowAt(int j)                            the pixels of row j, with
//     void ForOpen(int first, int last, f)      f(i) for each pixel i from
//                                               first to last that can change
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

// RowInterval with fewer branches, for smoothed pens: any larger interval
// draws the same pixels (those it takes in needlessly get a cover of 0),
// so it may round differently.
inline void AddChord(Interval& in, double h, double cx) {
    const double half = std::sqrt(std::max(h, 0.0));
    const bool hit = h >= 0;
    in.lo = std::min(in.lo, hit ? cx - half : INFINITY);
    in.hi = std::max(in.hi, hit ? cx + half : -INFINITY);
}

inline Interval ReachInterval(const Segment& s, double py, double r) {
    Interval out;
    AddChord(out, r * r - py * py, 0);
    AddChord(out, r * r - (py - s.dy) * (py - s.dy), s.dx);
    double lo = -INFINITY, hi = INFINITY;
    if (s.dx != 0) {
        const double a = -py * s.dy * s.invDx, b = (s.len2 - py * s.dy) * s.invDx;
        lo = std::min(a, b);
        hi = std::max(a, b);
    } else if (py * s.dy < 0 || py * s.dy > s.len2) {
        return out;
    }
    if (s.dy != 0) {
        const double c = py * s.dx * s.invDy, half = r * s.len * std::fabs(s.invDy);
        lo = std::max(lo, c - half);
        hi = std::min(hi, c + half);
    } else if (std::fabs(py) > r) {
        return out;
    }
    out.lo = std::min(out.lo, lo <= hi ? lo : INFINITY);
    out.hi = std::max(out.hi, lo <= hi ? hi : -INFINITY);
    return out;
}

// Pixel columns whose centres fall in the interval, cut to the image.
inline void Columns(const Interval& in, double x0, int width, int& first, int& last) {
    first = std::max(CeilIndex(in.lo + x0 - 0.5, width), 0);
    last = FloorIndex(in.hi + x0 - 0.5, width);
    last = std::min(last, width - 1);
}

// The rows from rowFirst to rowLast of a smoothed capsule, over the columns
// colFirst to colLast. Each pixel within reach that can still change gets
// its cover from the exact distance; those deep inside come out whole (255)
// as a fill would make them. The layer's pixels are mostly final already,
// so the few open ones are cheaper to compute than the inner span that
// would spare them; and in the box of a short line, cheaper to test one by
// one than each row's span is to compute.
template <class Target>
void ScanSmoothRows(Target& image, int rowFirst, int rowLast, int colFirst, int colLast, double x0, double y0,
                    const Segment& s, double reach) {
    // Boxes narrower than this are tested pixel by pixel.
    constexpr int kNarrowColumns = 16;
    const bool narrow = colLast - colFirst < kNarrowColumns;
    const double invLen2 = 1.0 / s.len2, reach2 = reach * reach;
    for (int j = rowFirst; j <= rowLast; ++j) {
        const double py = j + 0.5 - y0, pyDy = py * s.dy;
        int first = colFirst, last = colLast;
        if (!narrow) {
            if (j > rowFirst && image.RowClosed(j, colFirst, colLast)) continue;
            Columns(ReachInterval(s, py, reach), x0, image.width, first, last);
            if (first > last) continue;
        }
        auto row = image.RowAt(j);
        row.ForOpen(first, last, [&](int i) {
            const double px = i + 0.5 - x0;
            const double t = std::clamp((px * s.dx + pyDy) * invLen2, 0.0, 1.0);
            const double ex = px - t * s.dx, ey = py - t * s.dy;
            const double distance2 = ex * ex + ey * ey;
            if (distance2 >= reach2) return;                    // beyond reach: a cover of 0 at most
            const double cover = reach - std::sqrt(distance2);  // 0 .. 1 across the rim
            // Cover 0 would change nothing.
            const uint32_t alpha = static_cast<uint32_t>(std::clamp(cover, 0.0, 1.0) * 255 + 0.5);
            if (alpha) row.Put(i, alpha);
        });
    }
}

// The rows of a crisp capsule: pixels whose centres lie within the pen.
template <class Target>
void ScanCrispRows(Target& image, int rowFirst, int rowLast, int colFirst, int colLast, double x0, double y0,
                   const Segment& s, double radius) {
    for (int j = rowFirst; j <= rowLast; ++j) {
        if (j > rowFirst && image.RowClosed(j, colFirst, colLast)) continue;
        int first, last;
        Columns(RowInterval(s, j + 0.5 - y0, radius), x0, image.width, first, last);
        if (first > last || image.RowClosed(j, first, last)) continue;
        image.RowAt(j).Fill(first, last);
    }
}

// Pixels this far (device pixels) beyond the reach still go into a line's box.
constexpr double kBoxSlack = 1e-6;

template <class Target>
void ScanCapsule(Target& image, const QLineF& line, const Shape& pen) {
    const double x0 = line.x1(), y0 = line.y1(), dx = line.x2() - x0, dy = line.y2() - y0;
    const double len2 = dx * dx + dy * dy;
    if (!(len2 > 0) || !std::isfinite(len2)) return;
    if (!pen.smooth && pen.radius <= 0.75) return ScanHairline(image, line);
    // Pixels whose centre is within reach of the segment: the pen plus half
    // a pixel of smoothing.
    const double reach = pen.radius + (pen.smooth ? 0.5 : 0.0);
    // Rows and columns whose pixel centres come within reach, by a little
    // more than rounding could move them; the pixels beyond would get a
    // cover of 0. The box is the cheap test of pixels already final, and
    // the pixels of a short line's box are tested one by one: a pixel more
    // on each side would be most of the box.
    const double box = reach + kBoxSlack - 0.5;
    int rowFirst = std::max(image.top, CeilIndex(std::min(y0, y0 + dy) - box - 1, image.height));
    const int rowLast = std::min(image.bottom, FloorIndex(std::max(y0, y0 + dy) + box, image.height));
    if (rowFirst > rowLast) return;
    // A line whose rows are all final costs no more than that test.
    const int colFirst = std::max(0, CeilIndex(std::min(x0, x0 + dx) - box - 1, image.width));
    const int colLast = std::min(image.width - 1, FloorIndex(std::max(x0, x0 + dx) + box, image.width));
    if (colFirst > colLast) return;
    while (rowFirst <= rowLast && image.RowClosed(rowFirst, colFirst, colLast)) ++rowFirst;
    if (rowFirst > rowLast) return;
    const Segment s{dx, dy, std::sqrt(len2), len2, dx != 0 ? 1 / dx : 0, dy != 0 ? 1 / dy : 0};
    if (pen.smooth)
        ScanSmoothRows(image, rowFirst, rowLast, colFirst, colLast, x0, y0, s, reach);
    else
        ScanCrispRows(image, rowFirst, rowLast, colFirst, colLast, x0, y0, s, pen.radius);
}

}  // namespace capsule
