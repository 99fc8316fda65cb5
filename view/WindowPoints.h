#pragma once
// View > Points of interest: the roots, extrema, intersections and y-axis
// crossing of the explicit graphs in the window a view shows. They are
// searched for when the window or the graphs changed and kept until then,
// so that a paint never searches again.

#include <vector>

#include "analysis/PointOfInterest.h"
#include "document/WindowSampling.h"

class CCurvilinearscopeDoc;

class CWindowPoints {
public:
    bool Shown() const { return m_bShown; }
    void SetShown(bool shown) { m_bShown = shown; }
    // The graphs changed: the next Points searches anew.
    void GraphsChanged() { m_bCurrent = false; }

    // The points in `window`, `pixels` columns wide, searched for only when
    // the window or the graphs changed since the last search. Only slots the
    // sampling accepted take part: a formula that does not compile would
    // otherwise bring its message up at every search.
    const std::vector<PointOfInterest>& Points(const CCurvilinearscopeDoc& doc, const PlaneBounds& window, int pixels);
    const std::vector<PointOfInterest>& LastPoints() const { return m_points; }
    // How many searches were made, for the panel to see news (and tests).
    int Searches() const { return m_nSearches; }

private:
    bool m_bShown = false;
    bool m_bCurrent = false;
    PlaneBounds m_window;
    int m_nPixels = 0;
    std::vector<PointOfInterest> m_points;
    int m_nSearches = 0;
};
