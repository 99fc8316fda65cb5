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

// A pixel index near [0, limit), safe to convert whatever the coordinate.
inline int ClampIndex(double v, int limit) { return static_cast<int>(std::clamp(v, -1.0, double(limit))); }

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
    const int rowFirst = ClampIndex(std::floor(std::min(y0, y0 + dy) - reach), image.height);
    const int rowLast = ClampIndex(std::ceil(std::max(y0, y0 + dy) + reach), image.height);
    const double inner = pen.smooth ? pen.radius - 0.5 : pen.radius;
    const double inner2 = inner > 0 ? inner * inner : -1.0;
    const double reach2 = reach * reach;
    const double invLen2 = 1.0 / len2, invDy = dy != 0 ? 1.0 / dy : 0.0;
    const double tStep = dx * invLen2;  // along a row, t grows by this per pixel
    for (int j = std::max(rowFirst, 0); j <= std::min(rowLast, image.height - 1); ++j) {
        const double py = j + 0.5 - y0;
        // The part of the segment within reach of this row bounds the span.
        double t0 = 0, t1 = 1;
        if (dy != 0) {
            const double ta = (py - reach) * invDy, tb = (py + reach) * invDy;
            t0 = std::max(0.0, std::min(ta, tb));
            t1 = std::min(1.0, std::max(ta, tb));
            if (t0 > t1) continue;
        }
        const double xa = x0 + t0 * dx, xb = x0 + t1 * dx;
        const int colFirst = std::max(0, ClampIndex(std::floor(std::min(xa, xb) - reach), image.width));
        const int colLast = std::min(image.width - 1, ClampIndex(std::ceil(std::max(xa, xb) + reach), image.width));
        auto* row = reinterpret_cast<uint32_t*>(image.bits + j * image.bytesPerLine);
        double px = colFirst + 0.5 - x0;
        double tRaw = (px * dx + py * dy) * invLen2;
        for (int i = colFirst; i <= colLast; ++i, px += 1.0, tRaw += tStep) {
            const double t = std::clamp(tRaw, 0.0, 1.0);
            const double ex = px - t * dx, ey = py - t * dy;
            const double d2 = ex * ex + ey * ey;
            if (d2 > reach2) continue;
            if (!pen.smooth || d2 <= inner2) {
                row[i] = pen.solid;
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
