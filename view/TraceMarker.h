#pragma once
// Trace: a marker locked to one graph of a plane picture. It sits on the
// records the picture is drawn from (a zoomed window's samples, the stored
// records at home) and walks them a sample or a pixel column at a time,
// within a piece of the curve and on to the next piece's start, never along
// a segment the sampling left out (a pole or a gap). An explicit graph's y
// comes from the document library, exactly at the marker's x.

#include <QString>
#include <array>
#include <cstddef>
#include <functional>
#include <limits>
#include <optional>
#include <span>

#include "document/GraphDef.h"

// What trace walks: each slot's records (empty: not shown), its kind, the
// size of one pixel in world units, and the document's value of an explicit
// slot at an x (nothing where the graph has no value there).
struct TraceCurves {
    std::array<std::span<const SamplePoint>, 3> points;
    std::array<int32_t, 3> kinds{};
    std::array<bool, 3> squared{};  // y*y = f(x): valueAt gives the upper half
    double pixelX = 1.0;            // world units per pixel across
    double pixelY = 1.0;            // and up
    std::function<std::optional<double>(int slot, double x)> valueAt;
    // And the t at which a parametric slot passes (x, y).
    std::function<std::optional<double>(int slot, double x, double y)> parameterAt;
};

class CTraceMarker {
public:
    // A click this close to a curve, in pixels, locks the marker to it.
    static constexpr double kLockDistance = 8.0;
    // T and View > Trace take the graph nearest the picture's centre, however far.
    static constexpr double kAnyDistance = std::numeric_limits<double>::infinity();

    bool Active() const { return m_slot >= 0; }
    void Leave() { m_slot = -1; }
    int Slot() const { return m_slot; }
    // Where the marker is; y is NaN where the graph has no value.
    double X() const { return m_x; }
    double Y() const { return m_y; }
    // A parametric curve's t there; NaN for other graphs or where unknown.
    double T() const { return m_t; }

    // Locks to the point of the graph nearest (x, y) within `reach` pixels;
    // false (and the marker as it was) when no curve comes that close.
    bool Lock(const TraceCurves& curves, double x, double y, double reach = kLockDistance);
    // One step along the graph, right (+1) or left (-1): one sample, or with
    // `columns` on, as far as one pixel column; at a piece's end, to the next
    // piece's start.
    void Step(const TraceCurves& curves, int direction, bool columns);
    // To the next (+1) or previous (-1) shown graph: an explicit one at the
    // same x, another kind at its nearest point.
    void SwitchGraph(const TraceCurves& curves, int direction);
    // The records changed (new samples, home): the marker finds its place on
    // the slot's new records, or leaves trace when the slot has none.
    void Relock(const TraceCurves& curves);

    // "グラフ 1  x = …  y = …" to 6 significant digits (t first for a
    // parametric curve), "—" for no value.
    QString StatusText() const;

private:
    std::optional<size_t> Nearest(const TraceCurves& curves, int slot, double x, double y) const;
    void Place(const TraceCurves& curves, int slot, size_t index, std::optional<double> x = std::nullopt);

    int m_slot = -1;
    size_t m_index = 0;
    double m_x = 0.0;
    double m_y = 0.0;
    double m_t = 0.0;
    bool m_bParametric = false;
};

class QPainter;
class QPointF;
// The marker: a small circle in the colour of slot `slot` (0..2) about `at`.
void DrawTraceMarker(QPainter& painter, const QPointF& at, int slot);
