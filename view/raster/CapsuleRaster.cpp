#include "view/raster/CapsuleRaster.h"

#include <QPaintEngine>
#include <QPainter>
#include <QTransform>
#include <algorithm>
#include <cmath>

#include "view/raster/CapsuleScan.h"

namespace {

// dst × (255 − a) + src × a over all four bytes, rounded; src alpha is
// 255. Two bytes at a time, with the exact rounding division by 255.
inline uint32_t Blend(uint32_t dst, uint32_t solid, uint32_t a) {
    if (a >= 255) return solid;
    const uint32_t na = 255 - a;
    auto mix = [&](uint32_t d, uint32_t s) {
        uint32_t t = (d & 0x00FF00FFu) * na + s * a + 0x00800080u;
        return ((t + ((t >> 8) & 0x00FF00FFu)) >> 8) & 0x00FF00FFu;
    };
    return mix(dst, solid & 0x00FF00FFu) | (mix(dst >> 8, (solid >> 8) & 0x00FF00FFu) << 8);
}

// Draws over what the image holds: every pixel can change.
struct OverImage {
    struct Row {
        uint32_t* pixels;
        uint32_t solid;
        template <class F>
        void ForOpen(int first, int last, F f) const {
            for (int i = first; i <= last; ++i) f(i);
        }
        void Put(int i, uint32_t cover) { pixels[i] = Blend(pixels[i], solid, cover); }
        void Fill(int first, int last) { std::fill(pixels + first, pixels + last + 1, solid); }
    };

    bool RowClosed(int, int, int) const { return false; }
    Row RowAt(int j) const { return {reinterpret_cast<uint32_t*>(bits + j * bytesPerLine), solid}; }

    uchar* bits;
    qsizetype bytesPerLine;
    int width, height;
    int top, bottom;
    uint32_t solid;  // the colour as an opaque pixel
};

}  // namespace

bool CanDrawCapsules(const QImage& image) {
    return (image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32_Premultiplied) &&
           !image.isNull();
}

void DrawCapsules(QImage& image, const QLineF* lines, int count, double width, QRgb color, bool smooth) {
    const capsule::Shape pen{std::max(1.0, width) / 2, smooth};
    OverImage target{image.bits(),       image.bytesPerLine(), image.width(), image.height(), 0,
                     image.height() - 1, 0xFF000000u | color};
    for (int k = 0; k < count; ++k) capsule::ScanCapsule(target, lines[k], pen);
}

QImage* DirectRasterTarget(QPainter& painter) {
    if (!painter.isActive() || !painter.device() || painter.device()->devType() != QInternal::Image) return nullptr;
    if (!painter.paintEngine() || painter.paintEngine()->type() != QPaintEngine::Raster) return nullptr;
    auto* image = static_cast<QImage*>(painter.device());
    // The painter scales by the image's ratio itself; anything more is its own business.
    const double ratio = image->devicePixelRatio();
    if (painter.deviceTransform() != QTransform::fromScale(ratio, ratio) || painter.hasClipping() ||
        painter.opacity() != 1.0 || painter.compositionMode() != QPainter::CompositionMode_SourceOver)
        return nullptr;
    return CanDrawCapsules(*image) ? image : nullptr;
}
