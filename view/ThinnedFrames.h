#pragma once
// Pacing of a big space picture while the user turns, zooms or tilts it:
// each frame drawn during the interaction is thinned (see Scene3D::stride)
// so that it fits a frame's time, the stride taken from the time the last
// paint took; once the input has rested a moment, the whole picture is
// drawn once. Nothing runs while the window is idle.

#include <QObject>
#include <QTimer>

class CThinnedFrames : public QObject {
    Q_OBJECT
public:
    // What a frame may take to paint, and how long input must rest before
    // the whole picture is drawn.
    static constexpr double kFrameBudgetMs = 10.0;
    static constexpr int kRestMs = 80;
    static constexpr int kMaxStride = 1024;

    explicit CThinnedFrames(QObject* parent = nullptr);

    // Input moved the picture: frames are thinned until it rests.
    void Interacting();
    bool IsInteracting() const { return m_interacting; }
    // The stride of the paint about to happen: 1 (the whole picture) unless
    // the user is interacting.
    int StrideForPaint() const;
    // A paint at this stride took ms milliseconds.
    void Painted(int stride, double ms);

signals:
    // The input rested after thinned frames: the whole picture is due.
    void rested();

private:
    QTimer m_rest;
    bool m_interacting = false;
    bool m_thinnedShown = false;  // a thinned frame is on the screen
    double m_wholeMs = 0.0;       // the whole picture's time, as last estimated
};
