#include "analysis/PointScan.h"

#include <algorithm>
#include <cmath>
#include <tuple>

#include "analysis/Continuity.h"
#include "analysis/Refinement.h"

namespace {

// Two points of one kind and slots this close are one point: the precision
// an extremum's x is found to.
constexpr double kSamePoint = 1e-7;

bool Close(double a, double b) { return std::fabs(a - b) <= kSamePoint * std::max({1.0, std::fabs(a), std::fabs(b)}); }

bool SamePoint(const PointOfInterest& p, const PointOfInterest& q) {
    return p.kind == q.kind && p.slot == q.slot && p.otherSlot == q.otherSlot && Close(p.x, q.x) && Close(p.y, q.y);
}

bool OppositeSigns(double a, double b) { return (a < 0.0 && b > 0.0) || (a > 0.0 && b < 0.0); }

}  // namespace

CPointScan::CPointScan(const AnalysisWindow& window)
    : m_window(window), m_dPixelHeight((window.yMax - window.yMin) / window.pixels), m_xs(window.pixels + 1) {
    const double width = window.xMax - window.xMin;
    for (int i = 0; i < window.pixels; ++i) m_xs[i] = window.xMin + width * i / window.pixels;
    m_xs[window.pixels] = window.xMax;
}

void CPointScan::Sample(CRealFunction f, std::vector<double>& values) const {
    values.resize(m_xs.size());
    std::transform(m_xs.begin(), m_xs.end(), values.begin(), f);
}

bool CPointScan::Continuous(CRealFunction f, std::span<const double> values, size_t i) const {
    return ContinuousBetween(f, m_xs[i], values[i], m_xs[i + 1], values[i + 1], m_dPixelHeight);
}

void CPointScan::AddZeros(CRealFunction f, std::span<const double> values, PointKind kind, int slot, int otherSlot,
                         CRealFunction y) {
    const size_t last = values.size() - 1;
    for (size_t i = 0; i <= last; ++i) {
        // A sample that is exactly 0 is a zero unless a neighbour is 0 too:
        // a stretch of zeros (graphs that coincide) has no single point.
        if (values[i] == 0.0) {
            if ((i == 0 || values[i - 1] != 0.0) && (i == last || values[i + 1] != 0.0))
                Add(kind, slot, otherSlot, m_xs[i], y(m_xs[i]));
            continue;
        }
        if (i == last || !OppositeSigns(values[i], values[i + 1]) || !Continuous(f, values, i)) continue;
        if (const auto x = RefineRoot(f, m_xs[i], values[i], m_xs[i + 1], values[i + 1]))
            Add(kind, slot, otherSlot, *x, y(*x));
    }
}

void CPointScan::AddExtrema(CRealFunction curve, std::span<const double> values, int slot) {
    const auto negated = [curve](double x) { return -curve(x); };
    for (size_t i = 1; i + 1 < values.size(); ++i) {
        const double before = values[i] - values[i - 1];
        const double after = values[i + 1] - values[i];
        // A rise then no rise, or a fall then no fall: the first sample of a
        // flat top or bottom takes it, so it is found once. NaN compares false.
        const bool maximum = before > 0.0 && after <= 0.0;
        const bool minimum = before < 0.0 && after >= 0.0;
        if (!(maximum || minimum) || !Continuous(curve, values, i - 1) || !Continuous(curve, values, i)) continue;
        const auto x =
            maximum ? RefineMinimum(negated, m_xs[i - 1], m_xs[i + 1]) : RefineMinimum(curve, m_xs[i - 1], m_xs[i + 1]);
        if (x) Add(maximum ? PointKind::Maximum : PointKind::Minimum, slot, 0, *x, curve(*x));
    }
}

void CPointScan::AddYIntercept(CRealFunction curve, int slot) {
    if (m_window.xMin <= 0.0 && 0.0 <= m_window.xMax) Add(PointKind::YIntercept, slot, 0, 0.0, curve(0.0));
}

void CPointScan::Add(PointKind kind, int slot, int otherSlot, double x, double y) {
    if (std::isfinite(y) && m_window.yMin <= y && y <= m_window.yMax) m_points.push_back({kind, slot, otherSlot, x, y});
}

std::vector<PointOfInterest> CPointScan::Points() const {
    std::vector<PointOfInterest> points = m_points;
    const auto bySlotsThenX = [](const PointOfInterest& p, const PointOfInterest& q) {
        return std::tie(p.kind, p.slot, p.otherSlot, p.x, p.y) < std::tie(q.kind, q.slot, q.otherSlot, q.x, q.y);
    };
    std::sort(points.begin(), points.end(), bySlotsThenX);
    points.erase(std::unique(points.begin(), points.end(), SamePoint), points.end());
    std::stable_sort(points.begin(), points.end(), [](const PointOfInterest& p, const PointOfInterest& q) {
        return std::tie(p.kind, p.x, p.y) < std::tie(q.kind, q.x, q.y);
    });
    return points;
}
