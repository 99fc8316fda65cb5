#include "view/Axes3D.h"

#include <cmath>

#include "view/DrawSurface.h"
#include "view/Rotation3D.h"

int AxisRange(int range) { return range >= 1 && range <= 1000 ? range : 10; }

void BuildAxisRecords(int range, std::vector<SamplePoint>& axes) {
    const int r = AxisRange(range);
    axes.clear();
    axes.reserve(static_cast<size_t>(12 * r + 15));
    for (int i = -(2 * r + 2); i <= 2 * r + 2; ++i) {
        const double g = i * 0.5;
        axes.push_back({g, 0, 0, g + 0.5, 0, 0, 0});
        axes.push_back({0, g, 0, 0, g + 0.5, 0, 0});
        axes.push_back({0, 0, g, 0, 0, g + 0.5, 0});
    }
}

void DrawAxisLetters(CDrawSurface& dc, const CRotation3D& rotation, const CLogicalScale& toLogical, int range,
                     double limit) {
    const double far = AxisRange(range) + 2;
    struct Anchor {
        double x, y, z;
        const char16_t* letter;
    };
    const Anchor anchors[] = {
        {far, 0, -0.3, u"x"},
        {0, far, -0.3, u"y"},
        {0.3, 0, far, u"z"},
    };
    const SurfaceColor oldColor = dc.SetTextColor({0, 0, 0});
    const SurfaceFont font{100, 400};
    const bool ownFont = dc.CanCreateFont(font);
    const SurfaceFont oldFont = ownFont ? dc.SelectFont(font) : SurfaceFont{};
    for (const Anchor& a : anchors) {
        const RotatedPoint p = rotation.Rotate(a.x, a.y, a.z);
        if (std::fabs(toLogical.Exact(p.x)) > limit || std::fabs(toLogical.Exact(p.z)) > limit) continue;
        dc.TextOut(toLogical(p.x), toLogical(p.z), a.letter);
    }
    if (ownFont) dc.SelectFont(oldFont);
    dc.SetTextColor(oldColor);
}
