#pragma once
// The scan behind the points of interest: a function sampled at every pixel
// column of the window, its brackets (a sign change, a change of the slope's
// sign) found between neighbouring samples where the function is continuous,
// each refined to a point. Each point is kept once, however the samples fall.

#include <span>
#include <vector>

#include "analysis/PointOfInterest.h"
#include "analysis/PointsOfInterest.h"
#include "analysis/RealFunction.h"

class CPointScan {
public:
    explicit CPointScan(const AnalysisWindow& window);

    // f at every column's x, from the window's left end to its right end.
    void Sample(CRealFunction f, std::vector<double>& values) const;
    std::span<const double> Xs() const { return m_xs; }

    // Where f, sampled as `values`, is 0: a point of `kind` at (x, y(x)).
    void AddZeros(CRealFunction f, std::span<const double> values, PointKind kind, int slot, int otherSlot,
                  CRealFunction y);
    // Where the slope of the curve, sampled as `values`, changes sign inside
    // the window: a minimum or a maximum of the slot.
    void AddExtrema(CRealFunction curve, std::span<const double> values, int slot);
    // Where the curve crosses the y axis, when the window holds it.
    void AddYIntercept(CRealFunction curve, int slot);

    // The points found with a y inside the window, each once, sorted by kind
    // then x.
    std::vector<PointOfInterest> Points() const;

private:
    bool Continuous(CRealFunction f, std::span<const double> values, size_t i) const;
    void Add(PointKind kind, int slot, int otherSlot, double x, double y);

    AnalysisWindow m_window;
    double m_dPixelHeight;
    std::vector<double> m_xs;
    std::vector<PointOfInterest> m_points;
};
