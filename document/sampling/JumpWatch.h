#pragma once
// Watches the samples of a parametric row as they are stored and begins a
// new piece at a sample that the curve jumps to: an interval is decided
// once the sample after it is known, and only one that departs from its
// neighbours is asked about (JumpSuspicion.h), so an ordinary interval costs
// a few comparisons and no evaluation. A jump turns the record already
// stored for its end into the first record of a piece, as a sample left out
// before it would have: no record is added or moved.

#include <cmath>

#include "document/GraphDef.h"
#include "document/sampling/JumpSuspicion.h"

// The N coordinates of the points count for the change: x and y of a
// curve, x, y and z of a surface.
template <int N>
class JumpWatch {
public:
    // Records go to out[0] onwards, one for each Stored.
    JumpWatch(SamplePoint* out, CurveProbe& probe, double pixel) : m_out(out), m_probe(probe), m_pixel(pixel) {}

    // The sample at s, point p, was stored as the next record; `begins`
    // when it begins a piece. Inline and short: an interval is looked at
    // closer only when its change departs from a neighbour's by half a
    // pixel or more.
    [[gnu::always_inline]] void Stored(bool begins, double s, const CurvePoint& p) {
        const int32_t index = m_next++;
        if (begins) [[unlikely]] {
            End();
        } else {
            double after[N];
            for (int c = 0; c < N; ++c) {
                after[c] = p.c[c] - m_b[c];
            }
            const bool broken = m_pending && Departs(m_hasBefore ? m_before : m_change, after) && Decide(after);
            m_hasBefore = m_pending && !broken;
            for (int c = 0; c < N; ++c) {
                m_before[c] = m_change[c];
                m_change[c] = after[c];
            }
            m_sA = m_sB;
            for (int c = 0; c < N; ++c) {
                m_a[c] = m_b[c];
            }
            m_pending = true;
        }
        m_sB = s;
        for (int c = 0; c < N; ++c) {
            m_b[c] = p.c[c];
        }
        m_indexB = index;
    }

    // The row ends: the last interval is decided without a neighbour after it.
    void End() {
        if (m_pending && (m_hasBefore ? Departs(m_before, m_change) : Size(m_change) > m_pixel)) {
            Decide(nullptr);
        }
        m_pending = false;
        m_hasBefore = false;
    }

private:
    static double Size(const double (&d)[N]) {
        double size = std::fabs(d[0]);
        for (int c = 1; c < N; ++c) {
            size = std::max(size, std::fabs(d[c]));
        }
        return size;
    }

    // Whether the pending change departs from `before` or `after` (either
    // may be the pending change itself when it has no such neighbour).
    [[gnu::always_inline]] bool Departs(const double (&before)[N], const double (&after)[N]) const {
        const double half = 0.5 * m_pixel;
        bool departs = false;
        for (int c = 0; c < N; ++c) {
            departs |= std::fabs(m_change[c] - before[c]) > half;
            departs |= std::fabs(m_change[c] - after[c]) > half;
        }
        return departs;
    }

    // Decides the pending interval; true when its end now begins a piece.
    [[gnu::always_inline]] bool Decide(const double* after) {
        Neighbourhood<N> n{m_sA, m_sB, {}, {}, {}, {}, {}, m_hasBefore, after != nullptr};
        for (int c = 0; c < N; ++c) {
            n.a.c[c] = m_a[c];
            n.b.c[c] = m_b[c];
            n.change[c] = m_change[c];
            n.before[c] = m_before[c];
            n.after[c] = after ? after[c] : 0.0;
        }
        if (!JumpsInside(n, m_probe, m_pixel, kNoSpan)) {
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
    int32_t m_next = 0;        // the index of the next record
    bool m_pending = false;    // an interval a..b waits for the sample after it
    bool m_hasBefore = false;  // m_before is the change of the interval before a..b
    double m_sA = 0.0;
    double m_sB = 0.0;
    int32_t m_indexB = 0;
    double m_a[N] = {};
    double m_b[N] = {};
    double m_change[N] = {};  // b - a
    double m_before[N] = {};
};
