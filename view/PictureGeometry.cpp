#include "view/PictureGeometry.h"

#include <algorithm>
#include <cmath>

double RangeFactor(int range) {
    if (range == 5) return 2.0;
    if (range == 20) return 0.5;
    return 1.0;
}

int LogicalUnits(double scaled) {
    // A world value far outside the picture must not overflow the int: the
    // clamp keeps such ends far beyond any window, in the right direction.
    constexpr double kLimit = 1.0e8;
    double v = std::trunc(scaled * 100.0 + 0.1);
    if (std::isnan(v)) return 0;
    return static_cast<int>(std::clamp(v, -kLimit, kLimit));
}

int ToLogical(double v, int range) { return LogicalUnits(RangeFactor(range) * v); }

static PictureMapping Centred(const SurfaceRect& r, int w, int h) {
    int w9 = w * 9 / 10;
    int h9 = h * 9 / 10;
    int width = r.right - r.left;
    int height = r.bottom - r.top;
    return {r.left + (width - w9) / 2, r.top + (height - h9) / 2, w9, h9};
}

PictureMapping ScreenMapping(const SurfaceRect& client) {
    int side = std::min(client.right - client.left, client.bottom - client.top);
    side = std::max(side, 0);
    return Centred(client, side, side);
}

PictureMapping PrintMapping(const SurfaceRect& rectPrint, int widthMM, int heightMM, int widthPixels,
                            int heightPixels) {
    if (widthMM <= 0 || heightMM <= 0) return ScreenMapping(rectPrint);
    // 64-bit products: a large page at a high resolution must not overflow.
    long long mm = std::min(widthMM, heightMM);
    int w = static_cast<int>(mm * widthPixels / widthMM);
    int h = static_cast<int>(mm * heightPixels / heightMM);
    return Centred(rectPrint, w, h);
}

SurfaceColor GraphColor(int slot) {
    switch (slot) {
    case 1: return {255, 0, 0};
    case 2: return {0, 255, 0};
    case 3: return {0, 0, 255};
    default: return {0, 0, 0};
    }
}
