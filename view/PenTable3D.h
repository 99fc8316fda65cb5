#pragma once
// The depth pens of the space picture: 4 families (0 axes grey, 1 red,
// 2 green, 3 blue) by 256 levels, level 0 the thinnest and palest, level 255
// the thickest and most saturated. Pens are plain values here, so the table
// is built once for the program and shared by every paint.

#include "view/DrawSurface.h"

class CPenTable3D {
public:
    static constexpr int kFamilies = 4;
    static constexpr int kLevels = 256;

    CPenTable3D();

    // family 0..3, level 0..255; callers check the ranges first.
    const SurfacePen& Pen(int family, int level) const { return m_pens[family][level]; }

    static const CPenTable3D& Shared();

private:
    SurfacePen m_pens[kFamilies][kLevels];
};
