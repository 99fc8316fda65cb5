#include "view/ThinnedFrames.h"

#include <algorithm>
#include <cmath>

CThinnedFrames::CThinnedFrames(QObject* parent) : QObject(parent) {
    m_rest.setSingleShot(true);
    m_rest.setInterval(kRestMs);
    connect(&m_rest, &QTimer::timeout, this, [this] {
        m_interacting = false;
        // A frame drawn whole while interacting is the last word already.
        if (m_thinnedShown) emit rested();
    });
}

void CThinnedFrames::Interacting() {
    m_interacting = true;
    m_rest.start();
}

int CThinnedFrames::StrideForPaint() const {
    if (!m_interacting) return 1;
    // A frame at stride k draws about a k-th of the records.
    const double stride = std::ceil(m_wholeMs / kFrameBudgetMs);
    return static_cast<int>(std::clamp(stride, 1.0, double(kMaxStride)));
}

void CThinnedFrames::Painted(int stride, double ms) {
    m_wholeMs = ms * std::max(stride, 1);
    m_thinnedShown = stride > 1;
}
