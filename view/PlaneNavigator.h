#pragma once
// Zooming and panning a view's plane picture: the view's own window onto
// the plane (CPlaneWindow), the gestures that move it, and the samples made
// for it (CWindowResampler). It watches the view's input as an event
// filter and takes only its own gestures: Ctrl + wheel and a pinch zoom
// about the pointer, a left drag pans, a right drag (or Shift + left) zooms
// into its rectangle. A press and release within the platform's drag
// distance is a click and is left to the view. Space pictures and a view
// without a document are left alone. It also keeps the view's trace marker
// (TraceMarker.h): a click near a curve or T locks it, and while it is on,
// the arrow keys walk it and Escape or a click away leaves it.

#include <QObject>
#include <QPoint>
#include <QTimer>
#include <memory>

#include "view/PlaneWindow.h"
#include "view/PointerReadout.h"
#include "view/TraceMarker.h"
#include "view/WindowPoints.h"
#include "view/WindowResampler.h"

class CCurvilinearscopeDoc;
class QKeyEvent;
class QMouseEvent;
class QRubberBand;
class QWidget;
struct PlaneShown;

class CPlaneNavigator : public QObject {
    Q_OBJECT
public:
    // Zoom steps of the wheel and the zoom commands.
    static constexpr double kZoomStep = 1.25;
    // The new samples are asked for once the window has been still this
    // long, so that a burst of wheel steps makes one sampling.
    static constexpr int kResampleDelayMs = 80;

    explicit CPlaneNavigator(QWidget& view);
    ~CPlaneNavigator() override;

    // The document shown (nullptr: none); a new one starts at home.
    void SetDocument(const CCurvilinearscopeDoc* doc);
    // The document's graphs changed: the window's samples are made anew.
    void DocumentChanged();

    // Whether the view shows a plane picture that can zoom.
    bool Active() const;
    const CPlaneWindow& Window();
    // The window and the samples to draw a plane picture with.
    PlaneShown Shown();
    // The read-out of the pointer at `at`: the usual text at home.
    QString ReadoutText(QPoint at);

    // The commands: about the picture's centre, and back home. Each
    // repaints the view; nothing outside a plane picture.
    void ZoomIn();
    void ZoomOut();
    void GoHome();
    // Shows bounds (the command line's --view, and tests).
    void Show(const PlaneBounds& bounds);

    CWindowResampler& Resampler() { return m_resampler; }

    // Trace (View > Trace, key T): locks the marker to the graph nearest the
    // picture's centre; nothing when no graph is shown.
    void StartTrace();
    const CTraceMarker& Trace() const { return m_trace; }
    // The records trace walks: the window's samples where they serve, the
    // stored records otherwise.
    TraceCurves CurvesForTrace();
    // The marker's pixel in the view; nothing outside trace or where the
    // graph has no value.
    std::optional<QPointF> TracePixel() const;
    // The view's pixel of a world point.
    QPointF PixelOf(double x, double y) const;

    // View > Points of interest: on or off, and the points of the window
    // shown (nothing when off or not a plane picture), searched for only
    // after the window or the graphs changed; pointsChanged then follows.
    void SetPointsShown(bool shown);
    bool PointsShown() const { return m_points.Shown(); }
    const std::vector<PointOfInterest>* VisiblePoints();
    const CWindowPoints& WindowPoints() const { return m_points; }

signals:
    // A right click (no drag) asks for the view's context menu there.
    void contextMenuAsked(QPoint globalPos);
    // The marker moved or trace ended (an empty text): the status bar's text.
    void traceMessage(const QString& text);
    // A new search found the points of interest of the window (or they were
    // turned off): a list of them shows VisiblePoints anew.
    void pointsChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Drag { None, MaybePan, Pan, MaybeRectangle, Rectangle };

    bool MousePress(QMouseEvent& event);
    bool MouseMove(QMouseEvent& event);
    bool MouseRelease(QMouseEvent& event);
    bool TraceKey(const QKeyEvent& event);
    void TraceClick(QPoint at);
    void LeaveTrace();
    // The window or its records changed: the marker finds its place anew.
    void RelockTrace();
    // Repaints and tells the status bar.
    void TraceChanged();
    void ZoomAtPixel(QPointF at, double factor);
    void ZoomIntoRectangle(QPoint corner, QPoint opposite);
    // After every change of the window: repaint, and samples anew once the
    // window rests (none at home).
    void WindowMoved();
    void AskForSamples();
    void TakeSamples();
    std::optional<WorldPoint> WorldAt(QPointF at) const;
    int Side() const;

    QWidget& m_view;
    const CCurvilinearscopeDoc* m_pDocument = nullptr;
    CPlaneWindow m_window;
    CWindowResampler m_resampler;
    QTimer m_resampleTimer;
    std::shared_ptr<const WindowRecords> m_records;
    Drag m_drag = Drag::None;
    QPoint m_pressAt;
    QPoint m_lastAt;
    QRubberBand* m_pRubberBand = nullptr;
    CTraceMarker m_trace;
    CWindowPoints m_points;
};
