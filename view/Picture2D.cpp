#include "view/Picture2D.h"

#include <cmath>
#include <string>
#include <vector>

#include "document/CurvilinearscopeDoc.h"
#include "view/DrawSurface.h"
#include "view/PictureGeometry.h"
#include "view/PlaneStyle.h"

namespace {

std::u16string DecimalText(int value) {
    std::string s = std::to_string(value);
    return std::u16string(s.begin(), s.end());
}

void DrawGridLines(CDrawSurface& dc, int step, const SurfacePen& axisPen, const SurfacePen& gridPen) {
    for (int e = -10; e <= 10; e += step) {
        dc.SelectPen(e == 0 ? axisPen : gridPen);
        int p = LogicalUnits(e);
        dc.MoveTo(p, -999);
        dc.LineTo(p, 1000);
        dc.MoveTo(-999, p);
        dc.LineTo(1000, p);
    }
}

// trunc(e × 100 + offset + 0.1): a label box edge a fixed distance from line e.
int Offset(int e, int offset) { return static_cast<int>(std::trunc(e * 100.0 + offset + 0.1)); }

int LabelValue(int e, int range) {
    if (range == 5) return e / 2;
    if (range == 20) return e * 2;
    return e;
}

void DrawLabels(CDrawSurface& dc, int step, int range) {
    for (int e = -10; e <= 10; e += step) {
        if (e == 0) continue;
        std::u16string text = DecimalText(LabelValue(e, range));
        // Under the x axis, centred on the grid line.
        SurfaceRect below{LogicalUnits(e - 0.4), -19, Offset(e, 40), -79};
        dc.DrawText(below, text, TF_SINGLELINE | TF_CENTER | TF_VCENTER);
        // Right of the y axis, beside the grid line.
        SurfaceRect right{30, Offset(e, 30), 120, LogicalUnits(e - 0.4)};
        dc.DrawText(right, text, TF_SINGLELINE | TF_VCENTER);
    }
}

bool InSquare(double v) { return v >= -10.0 && v <= 10.0; }  // false for NaN

}  // namespace

void DrawAxes2D(CDrawSurface& dc, const CCurvilinearscopeDoc& doc, bool printing) {
    const SurfacePen axisPen{1, kAxisColor};
    const SurfacePen gridPen{1, printing ? kPrintedGridColor : kGridColor};
    SurfacePen oldPen = dc.SelectPen(axisPen);
    SurfaceColor oldColor = dc.SetTextColor(kLabelColor);
    bool labelFont = dc.CanCreateFont(kLabelFont);
    SurfaceFont oldFont;
    if (labelFont) oldFont = dc.SelectFont(kLabelFont);

    int step = doc.m_nRange == 5 ? 2 : 1;
    DrawGridLines(dc, step, axisPen, gridPen);
    SurfaceBkMode oldMode = dc.SetBkMode(SurfaceBkMode::Transparent);
    DrawLabels(dc, step, doc.m_nRange);

    dc.SetBkMode(oldMode);
    if (labelFont) dc.SelectFont(oldFont);
    dc.SelectPen(oldPen);
    dc.SetTextColor(oldColor);
}

void DrawGraphs2D(CDrawSurface& dc, const CCurvilinearscopeDoc& doc) {
    const double s = RangeFactor(doc.m_nRange);
    std::vector<SurfaceLine> lines;
    for (int slot = 1; slot <= 3; ++slot) {
        const CGraphDef& graph = doc.m_graphs[slot - 1];
        if (!graph.m_bShow) continue;
        SurfacePen oldPen = dc.SelectPen({kCurveWidth, GraphColor(slot)});
        if (graph.m_nPoints > 0 && graph.m_pPoints) {
            lines.clear();
            lines.reserve(static_cast<size_t>(graph.m_nPoints));
            for (int i = 0; i < graph.m_nPoints; ++i) {
                const SamplePoint& p = graph.m_pPoints[i];
                double a = s * p.fromX, b = s * p.fromY, c = s * p.x, d = s * p.y;
                if (!(InSquare(a) && InSquare(b) && InSquare(c) && InSquare(d))) continue;
                lines.push_back({LogicalUnits(a), LogicalUnits(b), LogicalUnits(c), LogicalUnits(d)});
            }
            dc.DrawLines(lines.data(), static_cast<int>(lines.size()));
        }
        dc.SelectPen(oldPen);
    }
}
