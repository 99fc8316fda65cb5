#include "CapsuleRaster.h"

#include <QPaintEngine>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

struct Pen {
    double radius;   // half the width
    uint32_t solid;  // the colour as an opaque pixel
    bool smooth;
};

// dst × (255 − a) + src × a over all four bytes, rounded; src alpha is
// 255. Two bytes at a time, with the exact rounding division by 255.
inline uint32_t Blend(uint32_t dst, const Pen& pen, uint32_t a) {
    if (a >= 255) return pen.solid;
    const uint32_t na = 255 - a;
    auto mix = [&](uint32_t d, uint32_t s) {
        uint32_t t = (d & 0x00FF00FFu) * na + s * a + 0x00800080u;
        return ((t + ((t >> 8) & 0x00FF00FFu)) >> 8) & 0x00FF00FFu;
    };
    return mix(dst, pen.solid & 0x00FF00FFu) | (mix(dst >> 8, (pen.solid >> 8) & 0x00FF00FFu) << 8);
}

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

struct Target {
    uchar* bits;
    qsizetype bytesPerLine;
    int width, height;
};

// One pixel per step along the longer direction: a crisp one-pixel pen,
// as QPainter draws it without smoothing.
void DrawHairline(const Target& image, const QLineF& line, const Pen& pen) {
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
    const double first = std::max(std::floor(x0), 0.0), last = std::min(std::floor(x1), along - 1.0);
    for (double i = first; i <= last; ++i) {
        const double c = std::floor(y0 + (i + 0.5 - x0) * slope);
        if (c < 0 || c >= across) continue;
        const int a = static_cast<int>(i), b = static_cast<int>(c);
        auto* pixel = reinterpret_cast<uint32_t*>(image.bits + (steep ? a : b) * image.bytesPerLine) + (steep ? b : a);
        *pixel = Blend(*pixel, pen, 255);
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

Interval RowInterval(const Segment& s, double py, double r) {
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
void Columns(const Interval& in, double x0, int width, int& first, int& last) {
    first = std::max(CeilIndex(in.lo + x0 - 0.5, width), 0);
    last = FloorIndex(in.hi + x0 - 0.5, width);
    last = std::min(last, width - 1);
}

// Smoothed pixels at the rim: coverage from the exact distance.
void Rim(uint32_t* row, int first, int last, double x0, double py, const Segment& s, double reach, const Pen& pen) {
    const double invLen2 = 1.0 / s.len2;
    for (int i = first; i <= last; ++i) {
        const double px = i + 0.5 - x0;
        const double t = std::clamp((px * s.dx + py * s.dy) * invLen2, 0.0, 1.0);
        const double ex = px - t * s.dx, ey = py - t * s.dy;
        const double cover = reach - std::sqrt(ex * ex + ey * ey);  // 0 .. 1 across the rim
        if (cover <= 0) continue;
        row[i] = Blend(row[i], pen, cover >= 1 ? 255u : static_cast<uint32_t>(cover * 255 + 0.5));
    }
}

void DrawOne(const Target& image, const QLineF& line, const Pen& pen) {
    const double x0 = line.x1(), y0 = line.y1(), dx = line.x2() - x0, dy = line.y2() - y0;
    const double len2 = dx * dx + dy * dy;
    if (!(len2 > 0) || !std::isfinite(len2)) return;
    if (!pen.smooth && pen.radius <= 0.75) return DrawHairline(image, line, pen);
    const Segment s{dx, dy, std::sqrt(len2), len2, dx != 0 ? 1 / dx : 0, dy != 0 ? 1 / dy : 0};
    // Pixels whose centre is within reach of the segment: the pen plus half
    // a pixel of smoothing. Those within inner are covered whole.
    const double reach = pen.radius + (pen.smooth ? 0.5 : 0.0);
    const double inner = pen.smooth ? pen.radius - 0.5 : pen.radius;
    const int rowFirst = std::max(0, FloorIndex(std::min(y0, y0 + dy) - reach, image.height));
    const int rowLast = std::min(image.height - 1, CeilIndex(std::max(y0, y0 + dy) + reach, image.height));
    for (int j = rowFirst; j <= rowLast; ++j) {
        const double py = j + 0.5 - y0;
        int outFirst, outLast;
        Columns(RowInterval(s, py, reach), x0, image.width, outFirst, outLast);
        if (outFirst > outLast) continue;
        auto* row = reinterpret_cast<uint32_t*>(image.bits + j * image.bytesPerLine);
        int inFirst = outLast + 1, inLast = outLast;  // no inner part unless found
        if (inner > 0) {
            Columns(RowInterval(s, py, inner), x0, image.width, inFirst, inLast);
            if (inFirst > inLast) inFirst = outLast + 1, inLast = outLast;
        }
        if (!pen.smooth) {
            std::fill(row + outFirst, row + outLast + 1, pen.solid);
            continue;
        }
        std::fill(row + inFirst, row + inLast + 1, pen.solid);
        Rim(row, outFirst, std::min(inFirst - 1, outLast), x0, py, s, reach, pen);
        Rim(row, std::max(inLast + 1, inFirst), outLast, x0, py, s, reach, pen);
    }
}

}  // namespace

bool CanDrawCapsules(const QImage& image) {
    return (image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32_Premultiplied) &&
           image.devicePixelRatio() == 1.0 && !image.isNull();
}

void DrawCapsules(QImage& image, const QLineF* lines, int count, double width, QRgb color, bool smooth) {
    const Pen pen{std::max(1.0, width) / 2, 0xFF000000u | color, smooth};
    const Target target{image.bits(), image.bytesPerLine(), image.width(), image.height()};
    for (int k = 0; k < count; ++k) DrawOne(target, lines[k], pen);
}

QImage* DirectRasterTarget(QPainter& painter) {
    if (!painter.isActive() || !painter.device() || painter.device()->devType() != QInternal::Image) return nullptr;
    if (!painter.paintEngine() || painter.paintEngine()->type() != QPaintEngine::Raster) return nullptr;
    if (!painter.deviceTransform().isIdentity() || painter.hasClipping() || painter.opacity() != 1.0 ||
        painter.compositionMode() != QPainter::CompositionMode_SourceOver)
        return nullptr;
    auto* image = static_cast<QImage*>(painter.device());
    return CanDrawCapsules(*image) ? image : nullptr;
}
