#pragma once
// Counts evaluations during a sampling and tells the progress callback now
// and then. Tick() costs a decrement and a branch, so the plain samplings use
// it too (with no callback) and run the very same loops.

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "base/VectorState.h"
#include "document/sampling/SampleProgress.h"

class SampleTicker {
public:
    static constexpr int32_t kInterval = 65536;  // evaluations between reports

    // `expected` is the estimated number of evaluations of the whole
    // sampling; it only scales the reported fraction.
    SampleTicker(const SampleProgress* progress, double expected)
        : m_pProgress(progress && *progress ? progress : nullptr), m_dExpected(std::max(expected, 1.0)) {}

    // False once the callback asked to cancel.
    bool Tick() {
        if (--m_nCountdown > 0) {
            return true;
        }
        m_nCountdown = kInterval;
        m_dBlocks += 1.0;
        return Report();
    }

    // How many calls of Tick from now on return true without a report, and
    // those calls made at once: a loop may count a stretch of samples that
    // reaches no report in one go and call Tick only for the one that does.
    int32_t Quiet() const { return m_nCountdown - 1; }
    void Skip(int32_t count) { m_nCountdown -= count; }

    // As `count` calls of Tick, for work done in bulk.
    bool Advance(double count) {
        const double left = m_nCountdown - count;
        if (left > 0) {
            m_nCountdown = static_cast<int32_t>(left);
            return true;
        }
        const double intervals = std::floor(-left / kInterval) + 1;
        m_dBlocks += intervals;
        m_nCountdown = static_cast<int32_t>(left + intervals * kInterval);
        return Report();
    }

    // Tells the fraction reached so far; also called after each slot.
    bool Report() const {
        if (!m_pProgress) {
            return true;
        }
        const double done = m_dBlocks * kInterval + (kInterval - m_nCountdown);
        const bool goOn = (*m_pProgress)(std::clamp(done / m_dExpected, 0.0, 1.0));
        ClearUpperVectorState();  // the callback runs the window's code, which may leave it dirty
        return goOn;
    }

private:
    const SampleProgress* m_pProgress;
    double m_dExpected;
    double m_dBlocks = 0.0;  // whole intervals counted
    int32_t m_nCountdown = kInterval;
};

// Estimated evaluations of a loop from `start` while <= `end` by `step`:
// only for the progress fraction, 0 for anything degenerate.
inline double EstimatedLoopCount(double start, double end, double step) {
    const double n = (end - start) / step + 1.0;
    return n > 0.0 && n < 1e18 ? n : 0.0;
}
