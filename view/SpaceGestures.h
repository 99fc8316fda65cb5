#pragma once
// The mouse of a space picture, as changes of what the window shows:
// Ctrl + wheel scales the picture about its centre, a drag turns the
// picture (horizontally, about the vertical axis, as the left and right
// arrows do) and tilts it (vertically, between the side and above). The
// view carries the changes out; here they are only read from the input.
// The keys Ctrl++ / Ctrl+−, Ctrl+0 and Home are the View menu's zoom
// commands, which reach the view's ZoomIn, ZoomOut and ZoomHome.

#include <QPoint>
#include <Qt>
#include <optional>

class QWheelEvent;

struct SpaceGesture {
    double turn = 0.0;  // radians added to the document's angle
    double zoom = 1.0;  // factor on the window's scale
    double tilt = 0.0;  // radians added to the window's tilt
    bool home = false;  // scale 1 and tilt π/4 first
};

class CSpaceGestures {
public:
    // Radians a pixel of dragging turns or tilts the picture.
    static constexpr double kRadiansPerPixel = 0.01;

    // Ctrl + wheel: a zoom by 1.25 a notch, in or out; a finer wheel's
    // parts of a notch add up. Nothing for a wheel without Ctrl.
    std::optional<SpaceGesture> Wheel(const QWheelEvent& event);

    // A left-button drag: its start, each move and its end.
    void Press(QPoint at);
    std::optional<SpaceGesture> Move(QPoint at);
    void Release() { m_dragging = false; }

private:
    QPoint m_last;
    bool m_dragging = false;
    int m_wheelEighths = 0;  // wheel turned but not yet a whole notch
};
