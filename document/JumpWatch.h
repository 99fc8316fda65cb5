#pragma once
// Watches the samples of one row as they are stored and begins a new piece
// at a sample that the curve jumps to: only an interval that looks
// suspicious beside its neighbours is asked about (Continuity.h), so an
// ordinary interval costs a few comparisons and no evaluation. An interval
// is decided once the sample after it is known, and a jump turns the
// record already stored for its end into the first record of a piece, as a
// sample left out before it would have: no record is added or moved.

#include <algorithm>
#include <cmath>
#include <limits>

#include "document/Continuity.h"
#include "document/GraphDef.h"

// N coordinates of the points count for the change: the value alone for an
// explicit graph (x only runs along the row), all of them for a parametric
// one.
template <int N>
class JumpWatch {
public:
    static constexpr double kNoRange = std::numeric_limits<double>::infinity();

    // Records go to out[0] onwards, one for each Stored. A finite `range`
    // is the range of the one coordinate of an explicit graph.
    JumpWatch(SamplePoint* out, CurveProbe& probe, double pixel, double range)
        : m_out(out), m_probe(probe), m_pixel(pixel), m_range(range) {}

    // The sample at s, point p, was stored as the next record; `begins`
    // when it begins a piece.
    void Stored(bool begins, double s, const CurvePoint& p) {
        const int32_t index = m_next++;
        if (begins) {
            End();
            m_hasBefore = false;
        } else {
            CurvePoint d;
            for (int c = 0; c < N; ++c) {
                d.c[c] = p.c[c] - m_b.c[c];
            }
            if (m_pending) {
                const bool broken = Decide(&d);
                m_hasBefore = !broken;
                m_before = m_change;
            } else {
                m_hasBefore = false;
            }
            m_sA = m_sB;
            m_a = m_b;
            m_change = d;
            m_pending = true;
        }
        m_sB = s;
        m_b = p;
        m_indexB = index;
    }

    // The row ends: the last interval is decided without a neighbour after it.
    void End() {
        if (m_pending) {
            Decide(nullptr);
            m_pending = false;
        }
    }

private:
    // A change this many times both neighbours' is suspicious by itself.
    static constexpr double kLargeChange = 2.0;

    static double Size(const CurvePoint& d) {
        double size = std::fabs(d.c[0]);
        for (int c = 1; c < N; ++c) {
            size = std::max(size, std::fabs(d.c[c]));
        }
        return size;
    }

    // Whether the pending interval from a to b is worth a closer look, with
    // the change before it (m_before, when m_hasBefore) and after it.
    bool Suspicious(const CurvePoint* after) const {
        const double size = Size(m_change);
        if (!(size > m_pixel)) {
            return false;  // too small to see, or not a number
        }
        const double neighbours = std::max(m_hasBefore ? Size(m_before) : 0.0, after ? Size(*after) : 0.0);
        if (size > kLargeChange * neighbours) {
            return true;
        }
        if (m_range != kNoRange && std::max(std::fabs(m_a.c[0]), std::fabs(m_b.c[0])) + size > m_range) {
            return true;  // the curve may leave the range inside
        }
        // The slope turns against a neighbour and does not follow the trend
        // the two neighbours set, along the coordinate that changes most.
        int c = 0;
        for (int k = 1; k < N; ++k) {
            if (std::fabs(m_change.c[k]) > std::fabs(m_change.c[c])) c = k;
        }
        const double change = m_change.c[c];
        const bool turnsBefore = m_hasBefore && change * m_before.c[c] < 0.0;
        const bool turnsAfter = after && change * after->c[c] < 0.0;
        if (!turnsBefore && !turnsAfter) {
            return false;
        }
        const double trend =
            m_hasBefore && after ? 0.5 * (m_before.c[c] + after->c[c]) : (m_hasBefore ? m_before.c[c] : after->c[c]);
        return std::fabs(change - trend) > m_pixel;
    }

    // Decides the pending interval; true when its end now begins a piece.
    bool Decide(const CurvePoint* after) {
        if (!Suspicious(after) || !JumpsBetween(m_probe, m_sA, m_a, m_sB, m_b, m_pixel)) {
            return false;
        }
        SamplePoint& end = m_out[m_indexB];
        end.fromX = end.x;
        end.fromY = end.y;
        end.fromZ = end.z;
        return true;
    }

    SamplePoint* const m_out;
    CurveProbe& m_probe;
    const double m_pixel;
    const double m_range;
    int32_t m_next = 0;        // the index of the next record
    bool m_pending = false;    // an interval a..b waits for the sample after it
    bool m_hasBefore = false;  // m_before is the change of the interval before a..b
    double m_sA = 0.0;
    double m_sB = 0.0;
    int32_t m_indexB = 0;
    CurvePoint m_a{};
    CurvePoint m_b{};
    CurvePoint m_change{};  // b - a
    CurvePoint m_before{};
};
