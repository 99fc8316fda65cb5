#include "document/sampling/ExplicitRowScan.h"

#include <algorithm>
#include <cmath>

#include "document/sampling/JumpSuspicion.h"

namespace {

bool BeginsAPiece(const SamplePoint& p) { return p.fromX == p.x && p.fromY == p.y && p.fromZ == p.z; }

// Whether the slope along values[0 .. count) turns by more than `half`
// anywhere: |v[i] - 2 v[i - 1] + v[i - 2]|, with no branch in the loop.
bool TurnsAnywhere(const double* values, int32_t count, double half) {
    bool turns = false;
    for (int32_t i = 2; i < count; ++i) {
        turns |= std::fabs((values[i] - values[i - 1]) - (values[i - 1] - values[i - 2])) > half;
    }
    return turns;
}

}  // namespace

// Decides the interval that ends at record k, with the intervals beside it
// as the records now have them.
bool ExplicitRowScan::JumpsBefore(int32_t k, int32_t known) {
    const SamplePoint* out = m_out;
    const double SamplePoint::*value = m_value;
    Neighbourhood<1> n{out[k - 1].x,
                       out[k].x,
                       {{out[k - 1].*value, 0.0, 0.0}},
                       {{out[k].*value, 0.0, 0.0}},
                       {out[k].*value - out[k - 1].*value},
                       {0.0},
                       {0.0},
                       k >= 2 && !BeginsAPiece(out[k - 1]),
                       k + 1 < known && !BeginsAPiece(out[k + 1])};
    if (n.hasBefore) n.before[0] = out[k - 1].*value - out[k - 2].*value;
    if (n.hasAfter) n.after[0] = out[k + 1].*value - out[k].*value;
    return JumpsInside(n, m_probe, m_pixel, m_span);
}

void ExplicitRowScan::Scan(int32_t end, int32_t known, const double* values, int32_t first) {
    if (m_next >= end) {
        return;
    }
    SamplePoint* const out = m_out;
    const double SamplePoint::*const value = m_value;
    const double half = 0.5 * m_pixel;
    double last = m_next == 1 ? out[0].*value : m_last;
    double before = m_before;
    // Both intervals beside a turn of the slope by half a pixel or more are
    // looked at closer; a smooth curve sampled finely enough for its
    // picture turns by less at every sample.
    auto look = [&](int32_t k, double next) {
        const double change = next - last;
        last = next;
        if (std::fabs(change - before) > half) [[unlikely]] {
            Decide(k, known);
        }
        before = change;
    };
    int32_t k = m_next;
    if (values) {
        for (; k < std::min(first, end); ++k) look(k, out[k].*value);
        // Most batches turn nowhere: that is found without a branch for
        // each value, and only a batch that turns is looked at one by one.
        if (k + 1 < end && k >= first + 2 && !TurnsAnywhere(values + (k - first) - 2, end - k + 2, half)) {
            last = values[end - 1 - first];
            before = last - values[end - 2 - first];
            k = end;
        }
        for (; k < end; ++k) look(k, values[k - first]);
    } else {
        for (; k < end; ++k) look(k, out[k].*value);
    }
    m_next = end;
    m_last = last;
    m_before = before;
}

void ExplicitRowScan::Decide(int32_t k, int32_t known) {
    for (int32_t j = std::max(k - 1, m_decided + 1); j <= k; ++j) {
        if (!BeginsAPiece(m_out[j]) && JumpsBefore(j, known)) {
            SamplePoint& p = m_out[j];
            p.fromX = p.x;
            p.fromY = p.y;
            p.fromZ = p.z;
        }
    }
    m_decided = k;
}
