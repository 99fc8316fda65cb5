#include "view/SpaceGestures.h"

#include <QWheelEvent>
#include <cmath>

#include "view/SpaceWindow.h"

namespace {
// Qt counts a wheel's turn in eighths of a degree; a notch is 15 degrees.
constexpr int kEighthsPerNotch = 120;
}  // namespace

std::optional<SpaceGesture> CSpaceGestures::Wheel(const QWheelEvent& event) {
    if (!(event.modifiers() & Qt::ControlModifier)) return std::nullopt;
    m_wheelEighths += event.angleDelta().y();
    const int notches = m_wheelEighths / kEighthsPerNotch;
    m_wheelEighths -= notches * kEighthsPerNotch;
    SpaceGesture g;
    g.zoom = std::pow(CSpaceWindow::kZoomStep, notches);
    return g;
}

void CSpaceGestures::Press(QPoint at) {
    m_dragging = true;
    m_last = at;
}

std::optional<SpaceGesture> CSpaceGestures::Move(QPoint at) {
    if (!m_dragging || at == m_last) return std::nullopt;
    SpaceGesture g;
    g.turn = (at.x() - m_last.x()) * kRadiansPerPixel;
    // Down the screen brings the top towards the viewer: seen more from above.
    g.tilt = (at.y() - m_last.y()) * kRadiansPerPixel;
    m_last = at;
    return g;
}
