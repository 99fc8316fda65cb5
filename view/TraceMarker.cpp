#include "view/TraceMarker.h"

#include <QCoreApplication>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <limits>

#include "view/PictureGeometry.h"

namespace {
constexpr int kSlots = 3;
constexpr int kStatusDigits = 6;
constexpr double kMarkerRadius = 5.0;  // pixels
constexpr double kMarkerPen = 2.0;
constexpr double kFar = std::numeric_limits<double>::infinity();

bool BeginsPiece(const SamplePoint& p) { return p.fromX == p.x && p.fromY == p.y; }

// Squared distances in pixels, infinite where a coordinate is not a number.
double PointDistance2(double ax, double ay, double x, double y, const TraceCurves& c) {
    const double dx = (ax - x) / c.pixelX, dy = (ay - y) / c.pixelY, d2 = dx * dx + dy * dy;
    return std::isnan(d2) ? kFar : d2;
}

double SegmentDistance2(const SamplePoint& p, double x, double y, const TraceCurves& c) {
    const double ax = (p.fromX - x) / c.pixelX, ay = (p.fromY - y) / c.pixelY;
    const double dx = (p.x - p.fromX) / c.pixelX, dy = (p.y - p.fromY) / c.pixelY;
    const double length2 = dx * dx + dy * dy;
    const double along = length2 > 0 ? std::clamp(-(ax * dx + ay * dy) / length2, 0.0, 1.0) : 1.0;
    const double ex = ax + along * dx, ey = ay + along * dy, d2 = ex * ex + ey * ey;
    return std::isnan(d2) ? kFar : d2;
}

QString Number(double v) { return std::isfinite(v) ? QString::number(v, 'g', kStatusDigits) : QStringLiteral("—"); }
}  // namespace

std::optional<size_t> CTraceMarker::Nearest(const TraceCurves& c, int slot, double x, double y) const {
    const auto& p = c.points[slot];
    std::optional<size_t> best;
    double bestD2 = kFar;
    for (size_t i = 0; i < p.size(); ++i)
        if (const double d2 = PointDistance2(p[i].x, p[i].y, x, y, c); d2 < bestD2 || (!best && d2 == kFar))
            best = i, bestD2 = d2;
    return best;
}

bool CTraceMarker::Lock(const TraceCurves& c, double x, double y, double reach) {
    int bestSlot = -1;
    size_t bestIndex = 0;
    double bestD2 = kFar;
    for (int slot = 0; slot < kSlots; ++slot) {
        const auto& p = c.points[slot];
        for (size_t i = 0; i < p.size(); ++i)
            if (const double d2 = SegmentDistance2(p[i], x, y, c); d2 < bestD2)
                bestSlot = slot, bestIndex = i, bestD2 = d2;
    }
    if (bestSlot < 0 || bestD2 > reach * reach) return false;
    // The marker sits on a record: the nearer end of the segment found.
    const SamplePoint& hit = c.points[bestSlot][bestIndex];
    if (bestIndex > 0 && !BeginsPiece(hit) &&
        PointDistance2(hit.fromX, hit.fromY, x, y, c) < PointDistance2(hit.x, hit.y, x, y, c))
        --bestIndex;
    Place(c, bestSlot, bestIndex);
    return true;
}

void CTraceMarker::Step(const TraceCurves& c, int direction, bool columns) {
    if (!Active()) return;
    const auto& p = c.points[m_slot];
    if (m_index >= p.size()) return Relock(c);
    const bool isExplicit = c.kinds[m_slot] == GK_EXPLICIT;
    const double startX = p[m_index].x;
    size_t i = m_index;
    while (true) {
        if ((direction < 0 && i == 0) || (direction > 0 && i + 1 >= p.size())) break;
        const size_t j = direction > 0 ? i + 1 : i - 1;
        if (BeginsPiece(p[direction > 0 ? j : i])) {
            // A piece ends here: a column step stops at its end, a sample
            // step goes on to the next piece's start, though not back along
            // x to the other half of y*y = f(x).
            if (i == m_index && !(isExplicit && (p[j].x - p[i].x) * direction < 0)) i = j;
            break;
        }
        i = j;
        if (!columns || std::abs(p[i].x - startX) >= c.pixelX) break;
    }
    if (i != m_index) Place(c, m_slot, i);
}

void CTraceMarker::SwitchGraph(const TraceCurves& c, int direction) {
    if (!Active()) return;
    for (int k = 1; k < kSlots; ++k) {
        const int slot = ((m_slot + direction * k) % kSlots + kSlots) % kSlots;
        if (c.points[slot].empty()) continue;
        if (c.kinds[slot] != GK_EXPLICIT) {
            if (const auto index = Nearest(c, slot, m_x, std::isfinite(m_y) ? m_y : 0.0)) Place(c, slot, *index);
            return;
        }
        // The same x; the half of y*y = f(x) on the marker's side.
        const auto& p = c.points[slot];
        std::optional<size_t> best;
        double bestDx = kFar, bestDy = kFar;
        for (size_t i = 0; i < p.size(); ++i) {
            const double dx = std::abs(p[i].x - m_x), dy = std::abs(p[i].y - m_y);
            if (dx < bestDx || (dx == bestDx && dy < bestDy) || !best) best = i, bestDx = dx, bestDy = dy;
        }
        Place(c, slot, *best, m_x);
        return;
    }
}

void CTraceMarker::Relock(const TraceCurves& c) {
    if (!Active()) return;
    if (const auto index = Nearest(c, m_slot, m_x, std::isfinite(m_y) ? m_y : 0.0))
        Place(c, m_slot, *index, c.kinds[m_slot] == GK_EXPLICIT ? std::optional(m_x) : std::nullopt);
    else
        Leave();
}

void CTraceMarker::Place(const TraceCurves& c, int slot, size_t index, std::optional<double> x) {
    const SamplePoint& p = c.points[slot][index];
    m_slot = slot;
    m_index = index;
    m_x = x.value_or(p.x);
    m_y = x ? std::numeric_limits<double>::quiet_NaN() : p.y;
    m_bParametric = c.kinds[slot] == GK_PARAMETRIC;
    m_t = std::numeric_limits<double>::quiet_NaN();
    if (m_bParametric && c.parameterAt) m_t = c.parameterAt(slot, p.x, p.y).value_or(m_t);
    if (c.kinds[slot] == GK_EXPLICIT && c.valueAt) {
        // The document's own value at x; the lower half of y*y = f(x) below.
        const std::optional<double> y = c.valueAt(slot, m_x);
        m_y = y ? (c.squared[slot] && p.y < 0 ? -*y : *y) : std::numeric_limits<double>::quiet_NaN();
    }
}

QString CTraceMarker::StatusText() const {
    if (m_bParametric)
        return QCoreApplication::translate("CTraceMarker", "グラフ %1  t = %2  x = %3  y = %4")
            .arg(m_slot + 1)
            .arg(Number(m_t), Number(m_x), Number(m_y));
    return QCoreApplication::translate("CTraceMarker", "グラフ %1  x = %2  y = %3")
        .arg(m_slot + 1)
        .arg(Number(m_x), Number(m_y));
}

void DrawTraceMarker(QPainter& painter, const QPointF& at, int slot) {
    const SurfaceColor color = GraphColor(slot + 1);  // slots count from 1 there
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(color.r, color.g, color.b), kMarkerPen));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(at, kMarkerRadius, kMarkerRadius);
    painter.restore();
}
