#include "view/SpaceWindow.h"

#include <algorithm>

void CSpaceWindow::ZoomBy(double factor) {
    if (!(factor > 0.0) || !std::isfinite(factor)) return;
    m_scale = std::clamp(m_scale * factor, kMinScale, kMaxScale);
    // Steps back and forth by the same factor would otherwise leave the
    // scale a rounding step away from home, and the picture no longer the
    // document's own.
    constexpr double kSnap = 1e-9;
    if (std::fabs(m_scale - 1.0) < kSnap) m_scale = 1.0;
}

void CSpaceWindow::TiltBy(double delta) {
    if (!std::isfinite(delta)) return;
    m_tilt = std::clamp(m_tilt + delta, kMinTilt, kMaxTilt);
}

void CSpaceWindow::Home() {
    m_scale = 1.0;
    m_tilt = HomeTilt();
}

void CSpaceWindow::Set(double scale, double tilt) {
    if (ValidScale(scale)) m_scale = scale;
    if (ValidTilt(tilt)) m_tilt = tilt;
}
