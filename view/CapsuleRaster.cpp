#include "CapsuleRaster.h"

#include <QPaintEngine>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

struct Pen {
    double radius;  // half the width
    uint32_t r, g, b;
    bool smooth;
};

// dst × (255 − a) + src × a over all four bytes; src alpha is 255.
inline uint32_t Blend(uint32_t dst, const Pen& pen, uint32_t a) {
    if (a >= 255) return 0xFF000000u | (pen.r << 16) | (pen.g << 8) | pen.b;
    const uint32_t na = 255 - a;
    auto mix = [&](uint32_t d, uint32_t s) { return (d * na + s * a + 127) / 255; };
    return (mix(dst >> 24, 255) << 24) | (mix((dst >> 16) & 0xFF, pen.r) << 16) | (mix((dst >> 8) & 0xFF, pen.g) << 8) |
           mix(dst & 0xFF, pen.b);
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

void DrawOne(const Target& image, const QLineF& line, const Pen& pen) {
    const double x0 = line.x1(), y0 = line.y1(), dx = line.x2() - x0, dy = line.y2() - y0;
    const double len2 = dx * dx + dy * dy;
    if (!(len2 > 0) || !std::isfinite(len2)) return;
    if (!pen.smooth && pen.radius <= 0.75) return DrawHairline(image, line, pen);
    // Pixels whose centre is within reach of the segment: the pen plus half
    // a pixel of smoothing.
    const double reach = pen.radius + (pen.smooth ? 0.5 : 0.0);
    const int w = image.width, h = image.height;
    const int rowFirst = std::max(0, static_cast<int>(std::floor(std::min(y0, y0 + dy) - reach)));
    const int rowLast = std::min(h - 1, static_cast<int>(std::ceil(std::max(y0, y0 + dy) + reach)));
    const double inner = pen.smooth ? pen.radius - 0.5 : pen.radius;
    const double inner2 = inner > 0 ? inner * inner : -1.0;
    const double reach2 = reach * reach;
    for (int j = rowFirst; j <= rowLast; ++j) {
        const double cy = j + 0.5;
        // The part of the segment within reach of this row bounds the span.
        double t0 = 0, t1 = 1;
        if (dy != 0) {
            const double ta = (cy - reach - y0) / dy, tb = (cy + reach - y0) / dy;
            t0 = std::max(0.0, std::min(ta, tb));
            t1 = std::min(1.0, std::max(ta, tb));
            if (t0 > t1) continue;
        }
        const double xa = x0 + t0 * dx, xb = x0 + t1 * dx;
        const int colFirst = std::max(0, static_cast<int>(std::floor(std::min(xa, xb) - reach)));
        const int colLast = std::min(w - 1, static_cast<int>(std::ceil(std::max(xa, xb) + reach)));
        auto* row = reinterpret_cast<uint32_t*>(image.bits + j * image.bytesPerLine);
        for (int i = colFirst; i <= colLast; ++i) {
            const double px = i + 0.5 - x0, py = cy - y0;
            const double t = std::clamp((px * dx + py * dy) / len2, 0.0, 1.0);
            const double ex = px - t * dx, ey = py - t * dy;
            const double d2 = ex * ex + ey * ey;
            if (d2 > reach2) continue;
            if (!pen.smooth || d2 <= inner2) {
                row[i] = Blend(row[i], pen, 255);
                continue;
            }
            const double cover = reach - std::sqrt(d2);  // 0 .. 1 across the edge
            row[i] = Blend(row[i], pen, static_cast<uint32_t>(cover * 255 + 0.5));
        }
    }
}

}  // namespace

bool CanDrawCapsules(const QImage& image) {
    return (image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32_Premultiplied) &&
           image.devicePixelRatio() == 1.0 && !image.isNull();
}

void DrawCapsules(QImage& image, const QLineF* lines, int count, double width, QRgb color, bool smooth) {
    const Pen pen{std::max(1.0, width) / 2, uint32_t(qRed(color)), uint32_t(qGreen(color)), uint32_t(qBlue(color)),
                  smooth};
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
