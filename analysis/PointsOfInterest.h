#pragma once
// The points of interest of a plane picture's explicit graphs (y = f(x) and
// both halves of y*y = f(x)) in a window: their roots, interior minima and
// maxima, the intersections of each pair of graphs, and where they cross
// the y axis. Qt-free: the views draw and list what this finds, the command
// line prints it.

#include <cstdint>
#include <span>
#include <vector>

#include "analysis/PointOfInterest.h"

class CGraphDef;

// The scan samples the window at this many pixel columns across.
constexpr int kScanPixels = 1000;

struct AnalysisWindow {
    double xMin;
    double xMax;
    double yMin;
    double yMax;
    int pixels = kScanPixels;  // columns across; a pixel's height is (yMax - yMin) / pixels
};

// A document's picture of range R: -R..R both ways.
AnalysisWindow RangeWindow(int32_t range);

// The points of the shown explicit slots (slot k of `slots` is number k+1)
// with a y inside the window, sorted by kind, then x. `range` is the
// document's R. A slot whose formula does not compile gives none; the
// engine says why through its messages.
std::vector<PointOfInterest> FindPointsOfInterest(std::span<const CGraphDef> slots, int32_t range,
                                                  const AnalysisWindow& window);
