#include "view/Picture2DWindow.h"

#include <algorithm>
#include <span>
#include <vector>

#include "document/CurvilinearscopeDoc.h"
#include "view/AxisTicks.h"
#include "view/DrawSurface.h"
#include "view/PictureGeometry.h"
#include "view/PlaneStyle.h"
#include "view/SegmentClip.h"

namespace {

// The square in scaled units (a hundredth of a logical unit ... see
// LogicalUnits): -10 .. 10 each way, as the document's own picture.
constexpr double kHalfSquare = 10.0;
constexpr int kSquareEdge = 1000;  // logical units
// Grid lines at least this far apart, as the document's own picture at R = 10.
constexpr double kLeastGridSpacing = 100.0;
// Label sizes in logical units for the label font: a character's width at
// most (digits, point, minus), the gap between two labels, a label's height.
constexpr double kLabelCharWidth = 28.0;
constexpr double kLabelGap = 16.0;
constexpr double kLabelHeight = 50.0;
// Where the labels sit beside their axis, as in the document's own picture:
// x labels 19..79 below the x axis, 80 wide; y labels from 30 right of the
// y axis, 70 high.
constexpr int kXLabelTop = 19, kXLabelBottom = 79, kXLabelHalfWidth = 40;
constexpr int kYLabelLeft = 30, kYLabelHalfHeight = 35;

// World coordinates to the scaled units of the square.
struct WindowScale {
    explicit WindowScale(const PlaneBounds& b)
        : cx((b.xMin + b.xMax) / 2), cy((b.yMin + b.yMax) / 2), sx(2 * kHalfSquare / b.Width()),
          sy(2 * kHalfSquare / b.Height()) {}
    double X(double x) const { return (x - cx) * sx; }
    double Y(double y) const { return (y - cy) * sy; }
    double cx, cy, sx, sy;
};

AxisTicks TicksAlong(double lo, double hi, double scale, bool across) {
    const TickSpacing spacing{kLeastGridSpacing, across ? 0.0 : kLabelCharWidth, kLabelGap, kLabelHeight};
    return ChooseTicks(lo, hi, scale * 100.0, spacing);
}

void DrawGrid(CDrawSurface& dc, const AxisTicks& xs, const AxisTicks& ys, const WindowScale& s, const SurfacePen& axis,
              const SurfacePen& grid) {
    for (long long k = xs.first; k <= xs.last; ++k) {
        dc.SelectPen(k == 0 ? axis : grid);
        const int p = LogicalUnits(s.X(k * xs.step));
        dc.MoveTo(p, -kSquareEdge + 1);
        dc.LineTo(p, kSquareEdge);
    }
    for (long long k = ys.first; k <= ys.last; ++k) {
        dc.SelectPen(k == 0 ? axis : grid);
        const int p = LogicalUnits(s.Y(k * ys.step));
        dc.MoveTo(-kSquareEdge + 1, p);
        dc.LineTo(kSquareEdge, p);
    }
}

// Where an axis's labels line up: beside the axis, or at the frame's edge
// when the axis is outside (or too near the edge for its labels).
int LabelLine(double axisScaled, int least, int most) { return std::clamp(LogicalUnits(axisScaled), least, most); }

void DrawLabels(CDrawSurface& dc, const AxisTicks& xs, const AxisTicks& ys, const WindowScale& s) {
    const int xAxis = LabelLine(s.Y(0.0), -kSquareEdge + kXLabelBottom, kSquareEdge);
    for (long long k = xs.first; k <= xs.last; ++k) {
        if (k == 0 && xs.first < 0 && xs.last > 0) continue;  // the origin's labels would cross the axes
        const int p = LogicalUnits(s.X(k * xs.step));
        const SurfaceRect below{p - kXLabelHalfWidth, xAxis - kXLabelTop, p + kXLabelHalfWidth, xAxis - kXLabelBottom};
        dc.DrawText(below, TickLabel(k, xs), TF_SINGLELINE | TF_CENTER | TF_VCENTER);
    }
    double widest = 0;
    for (long long k : {ys.first, ys.last}) widest = std::max(widest, TickLabel(k, ys).size() * kLabelCharWidth);
    const int yAxis = LabelLine(s.X(0.0), -kSquareEdge, kSquareEdge - kYLabelLeft - static_cast<int>(widest));
    for (long long k = ys.first; k <= ys.last; ++k) {
        if (k == 0 && ys.first < 0 && ys.last > 0) continue;
        const int p = LogicalUnits(s.Y(k * ys.step));
        const SurfaceRect right{yAxis + kYLabelLeft, p + kYLabelHalfHeight, yAxis + kYLabelLeft + static_cast<int>(widest),
                                p - kYLabelHalfHeight};
        dc.DrawText(right, TickLabel(k, ys), TF_SINGLELINE | TF_VCENTER);
    }
}

// The slot's segments, clipped to the square, into lines.
void ClipInto(std::span<const SamplePoint> points, const WindowScale& s, std::vector<SurfaceLine>& lines) {
    constexpr ClipBox square{-kHalfSquare, kHalfSquare, -kHalfSquare, kHalfSquare};
    lines.clear();
    lines.reserve(points.size());
    for (const SamplePoint& p : points) {
        double a = s.X(p.fromX), b = s.Y(p.fromY), c = s.X(p.x), d = s.Y(p.y);
        if (!ClipSegment(a, b, c, d, square)) continue;
        lines.push_back({LogicalUnits(a), LogicalUnits(b), LogicalUnits(c), LogicalUnits(d)});
    }
}

std::span<const SamplePoint> SlotPoints(const CGraphDef& graph, const WindowRecords* records, size_t slot) {
    if (records && records->sampled[slot]) return records->points[slot];
    return {graph.m_pPoints.get(), static_cast<size_t>(graph.DrawableCount())};
}

}  // namespace

void DrawAxes2DWindow(CDrawSurface& dc, const PlaneBounds& window, bool printing) {
    const WindowScale s(window);
    const SurfacePen axisPen{1, kAxisColor};
    const SurfacePen gridPen{1, printing ? kPrintedGridColor : kGridColor};
    SurfacePen oldPen = dc.SelectPen(axisPen);
    SurfaceColor oldColor = dc.SetTextColor(kLabelColor);
    const bool labelFont = dc.CanCreateFont(kLabelFont);
    SurfaceFont oldFont;
    if (labelFont) oldFont = dc.SelectFont(kLabelFont);

    const AxisTicks xs = TicksAlong(window.xMin, window.xMax, s.sx, false);
    const AxisTicks ys = TicksAlong(window.yMin, window.yMax, s.sy, true);
    DrawGrid(dc, xs, ys, s, axisPen, gridPen);
    SurfaceBkMode oldMode = dc.SetBkMode(SurfaceBkMode::Transparent);
    DrawLabels(dc, xs, ys, s);

    dc.SetBkMode(oldMode);
    if (labelFont) dc.SelectFont(oldFont);
    dc.SelectPen(oldPen);
    dc.SetTextColor(oldColor);
}

void DrawGraphs2DWindow(CDrawSurface& dc, const CCurvilinearscopeDoc& doc, const PlaneBounds& window,
                        const WindowRecords* records) {
    const WindowScale s(window);
    std::vector<SurfaceLine> lines;
    for (size_t slot = 0; slot < 3; ++slot) {
        const CGraphDef& graph = doc.m_graphs[slot];
        if (!graph.m_bShow) continue;
        SurfacePen oldPen = dc.SelectPen({kCurveWidth, GraphColor(static_cast<int>(slot) + 1)});
        ClipInto(SlotPoints(graph, records, slot), s, lines);
        dc.DrawLines(lines.data(), static_cast<int>(lines.size()));
        dc.SelectPen(oldPen);
    }
}
