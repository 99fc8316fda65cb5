#include "view/PlaneNavigator.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QNativeGestureEvent>
#include <QRubberBand>
#include <QWheelEvent>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <new>

#include "document/CurvilinearscopeDoc.h"
#include "document/SlotValue.h"
#include "view/Picture.h"

namespace {
// One notch of a wheel, in eighths of a degree.
constexpr double kWheelNotch = 120.0;
}  // namespace

CPlaneNavigator::CPlaneNavigator(QWidget& view) : QObject(&view), m_view(view) {
    m_resampleTimer.setSingleShot(true);
    m_resampleTimer.setInterval(kResampleDelayMs);
    connect(&m_resampleTimer, &QTimer::timeout, this, &CPlaneNavigator::AskForSamples);
    connect(&m_resampler, &CWindowResampler::sampled, this, &CPlaneNavigator::TakeSamples);
    m_view.installEventFilter(this);
}

CPlaneNavigator::~CPlaneNavigator() { m_view.removeEventFilter(this); }

void CPlaneNavigator::SetDocument(const CCurvilinearscopeDoc* doc) {
    m_pDocument = doc;
    m_resampler.Cancel();
    m_resampleTimer.stop();
    m_records.reset();
    m_window.SetRange(doc ? doc->m_nRange : m_window.Range());
    m_points.GraphsChanged();
    LeaveTrace();
}

void CPlaneNavigator::DocumentChanged() {
    m_resampler.Cancel();
    m_records.reset();
    m_points.GraphsChanged();
    LeaveTrace();  // the graph it was on may be gone
    if (m_pDocument && m_pDocument->m_nRange != m_window.Range()) m_window.SetRange(m_pDocument->m_nRange);
    if (Active() && !m_window.IsHome()) m_resampleTimer.start();
}

bool CPlaneNavigator::Active() const { return m_pDocument && m_pDocument->m_nDimension == DIM_PLANE; }

const CPlaneWindow& CPlaneNavigator::Window() {
    // A document whose range changed behind the view's back starts at home.
    if (m_pDocument && m_pDocument->m_nRange != m_window.Range()) DocumentChanged();
    return m_window;
}

PlaneShown CPlaneNavigator::Shown() {
    PlaneShown shown;
    if (!Active() || Window().IsHome()) return shown;
    shown.window = &m_window.Bounds();
    // Samples of another window serve while they cover this one; the
    // stored records otherwise, until the new samples come.
    const PlaneBounds& b = m_window.Bounds();
    if (m_records && m_records->bounds.xMin <= b.xMin && m_records->bounds.xMax >= b.xMax &&
        m_records->bounds.yMin <= b.yMin && m_records->bounds.yMax >= b.yMax)
        shown.records = m_records.get();
    return shown;
}

QString CPlaneNavigator::ReadoutText(QPoint at) {
    if (!m_pDocument) return {};
    if (m_trace.Active()) return m_trace.StatusText();  // the pointer leaves the marker's text alone
    if (Window().IsHome()) {
        const auto world = PointerToWorld(m_view.width(), m_view.height(), at.x(), at.y(), m_pDocument->m_nRange);
        return world ? PointerReadoutText(*world) : QString();
    }
    const auto world = WorldAt(at);
    return world ? WindowReadoutText(*world, m_window.Bounds(), Side()) : QString();
}

int CPlaneNavigator::Side() const { return PictureSide(m_view.width(), m_view.height()); }

std::optional<WorldPoint> CPlaneNavigator::WorldAt(QPointF at) const {
    return PointerToWindow(m_view.width(), m_view.height(), at.x(), at.y(), m_window.Bounds());
}

void CPlaneNavigator::ZoomAtPixel(QPointF at, double factor) {
    if (const auto world = WorldAt(at); world && m_window.ZoomAbout(world->x, world->y, factor)) WindowMoved();
}

void CPlaneNavigator::ZoomIn() {
    if (!Active()) return;
    const PlaneBounds& b = Window().Bounds();
    if (m_window.ZoomAbout((b.xMin + b.xMax) / 2, (b.yMin + b.yMax) / 2, kZoomStep)) WindowMoved();
}

void CPlaneNavigator::ZoomOut() {
    if (!Active()) return;
    const PlaneBounds& b = Window().Bounds();
    if (m_window.ZoomAbout((b.xMin + b.xMax) / 2, (b.yMin + b.yMax) / 2, 1.0 / kZoomStep)) WindowMoved();
}

void CPlaneNavigator::GoHome() {
    if (!Active() || Window().IsHome()) return;
    m_window.GoHome();
    WindowMoved();
}

void CPlaneNavigator::Show(const PlaneBounds& bounds) {
    if (!Active()) return;
    Window();  // the range first: a new one would take the window home after
    if (m_window.Show(bounds)) WindowMoved();
}

void CPlaneNavigator::WindowMoved() {
    m_view.update();
    RelockTrace();
    m_resampler.Cancel();
    if (m_window.IsHome()) {
        m_resampleTimer.stop();
        m_records.reset();
        return;
    }
    m_resampleTimer.start();
}

void CPlaneNavigator::AskForSamples() {
    if (!Active() || m_window.IsHome()) return;
    const int side = Side();
    // A timer's slot: the request copies the formulas and may compile them.
    try {
        m_resampler.Request(MakeWindowRequest(*m_pDocument, m_window.Bounds(), side, side));
    } catch (const std::bad_alloc&) {
        // No memory to ask: the window keeps the samples it shows.
    }
}

void CPlaneNavigator::TakeSamples() {
    if (std::shared_ptr<const WindowRecords> records = m_resampler.TakeRecords()) {
        m_records = std::move(records);
        m_view.update();
        RelockTrace();
    }
}

bool CPlaneNavigator::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &m_view || !Active()) return false;
    switch (event->type()) {
    case QEvent::Wheel: {
        auto& wheel = static_cast<QWheelEvent&>(*event);
        if (!(wheel.modifiers() & Qt::ControlModifier) || wheel.angleDelta().y() == 0) return false;
        ZoomAtPixel(wheel.position(), std::pow(kZoomStep, wheel.angleDelta().y() / kWheelNotch));
        return true;
    }
    case QEvent::NativeGesture: {
        auto& gesture = static_cast<QNativeGestureEvent&>(*event);
        if (gesture.gestureType() != Qt::ZoomNativeGesture) return false;
        ZoomAtPixel(m_view.mapFromGlobal(gesture.globalPosition()), 1.0 + gesture.value());
        return true;
    }
    case QEvent::KeyPress: return TraceKey(static_cast<QKeyEvent&>(*event));
    case QEvent::MouseButtonPress: return MousePress(static_cast<QMouseEvent&>(*event));
    case QEvent::MouseMove: return MouseMove(static_cast<QMouseEvent&>(*event));
    case QEvent::MouseButtonRelease: return MouseRelease(static_cast<QMouseEvent&>(*event));
    case QEvent::ContextMenu:
        // A right press begins a rectangle: the menu waits for a release
        // without a drag.
        return static_cast<QContextMenuEvent&>(*event).reason() == QContextMenuEvent::Mouse;
    default: return false;
    }
}

bool CPlaneNavigator::MousePress(QMouseEvent& event) {
    const bool shifted = event.modifiers() & Qt::ShiftModifier;
    if (event.button() == Qt::RightButton || (event.button() == Qt::LeftButton && shifted))
        m_drag = Drag::MaybeRectangle;
    else if (event.button() == Qt::LeftButton)
        m_drag = Drag::MaybePan;
    else
        return false;
    m_pressAt = m_lastAt = event.position().toPoint();
    return true;
}

bool CPlaneNavigator::MouseMove(QMouseEvent& event) {
    const QPoint at = event.position().toPoint();
    const bool beyond = (at - m_pressAt).manhattanLength() >= QApplication::startDragDistance();
    if (m_drag == Drag::MaybePan && beyond) m_drag = Drag::Pan;
    if (m_drag == Drag::MaybeRectangle && beyond) {
        m_drag = Drag::Rectangle;
        if (!m_pRubberBand) m_pRubberBand = new QRubberBand(QRubberBand::Rectangle, &m_view);
        m_pRubberBand->show();
    }
    if (m_drag == Drag::Pan && at != m_lastAt) {
        const int side = Side();
        const PlaneBounds& b = m_window.Bounds();
        if (side > 0 &&
            m_window.Pan(-b.Width() * (at.x() - m_lastAt.x()) / side, b.Height() * (at.y() - m_lastAt.y()) / side))
            WindowMoved();
    }
    if (m_drag == Drag::Rectangle) m_pRubberBand->setGeometry(QRect(m_pressAt, at).normalized());
    m_lastAt = at;
    return false;  // the view goes on with its read-out
}

bool CPlaneNavigator::MouseRelease(QMouseEvent& event) {
    const Drag drag = m_drag;
    m_drag = Drag::None;
    if (m_pRubberBand) m_pRubberBand->hide();
    if (drag == Drag::MaybePan && event.button() == Qt::LeftButton) TraceClick(event.position().toPoint());
    if (drag == Drag::Rectangle) ZoomIntoRectangle(m_pressAt, event.position().toPoint());
    if (drag == Drag::MaybeRectangle && event.button() == Qt::RightButton)
        emit contextMenuAsked(event.globalPosition().toPoint());
    return drag != Drag::None;
}

void CPlaneNavigator::ZoomIntoRectangle(QPoint corner, QPoint opposite) {
    const auto a = WorldAt(corner), b = WorldAt(opposite);
    if (!a || !b) return;
    if (m_window.Show({std::min(a->x, b->x), std::max(a->x, b->x), std::min(a->y, b->y), std::max(a->y, b->y)}))
        WindowMoved();
}

TraceCurves CPlaneNavigator::CurvesForTrace() {
    TraceCurves curves;
    if (!Active()) return curves;
    const PlaneShown shown = Shown();
    const PlaneBounds& b = Window().Bounds();
    const int side = std::max(Side(), 1);
    curves.pixelX = b.Width() / side;
    curves.pixelY = b.Height() / side;
    for (size_t slot = 0; slot < curves.points.size(); ++slot) {
        const CGraphDef& graph = m_pDocument->m_graphs[slot];
        curves.kinds[slot] = graph.m_nKind;
        curves.squared[slot] = graph.m_nLeftSide == LS_SQUARED;
        if (shown.records && shown.records->sampled[slot])
            curves.points[slot] = shown.records->points[slot];
        else
            curves.points[slot] = {graph.m_pPoints.get(), static_cast<size_t>(graph.DrawableCount())};
    }
    const CCurvilinearscopeDoc* doc = m_pDocument;
    // Compiling the formula allocates, and these run inside key, mouse and
    // timer events: without memory the marker shows no value ("—").
    curves.valueAt = [doc](int slot, double x) -> std::optional<double> {
        try {
            return EvaluateSlotAt(*doc, slot, x);
        } catch (const std::bad_alloc&) {
            return std::nullopt;
        }
    };
    curves.parameterAt = [doc](int slot, double x, double y) -> std::optional<double> {
        try {
            return ParameterNear(*doc, slot, x, y);
        } catch (const std::bad_alloc&) {
            return std::nullopt;
        }
    };
    return curves;
}

void CPlaneNavigator::StartTrace() {
    if (!Active()) return;
    if (m_trace.Active()) return LeaveTrace();
    const PlaneBounds& b = Window().Bounds();
    if (m_trace.Lock(CurvesForTrace(), (b.xMin + b.xMax) / 2, (b.yMin + b.yMax) / 2, CTraceMarker::kAnyDistance))
        TraceChanged();
}

void CPlaneNavigator::LeaveTrace() {
    if (!m_trace.Active()) return;
    m_trace.Leave();
    TraceChanged();
}

void CPlaneNavigator::RelockTrace() {
    if (!m_trace.Active()) return;
    m_trace.Relock(CurvesForTrace());
    TraceChanged();
}

std::optional<QPointF> CPlaneNavigator::TracePixel() const {
    const int side = Side();
    if (!m_trace.Active() || !std::isfinite(m_trace.Y()) || side <= 0) return std::nullopt;
    return PixelOf(m_trace.X(), m_trace.Y());
}

QPointF CPlaneNavigator::PixelOf(double x, double y) const {
    const int side = Side();
    const PlaneBounds& b = m_window.Bounds();
    return QPointF(m_view.width() * 0.5 + (x - (b.xMin + b.xMax) / 2) * side / b.Width(),
                   m_view.height() * 0.5 - (y - (b.yMin + b.yMax) / 2) * side / b.Height());
}

void CPlaneNavigator::SetPointsShown(bool shown) {
    if (shown == m_points.Shown()) return;
    m_points.SetShown(shown);
    m_view.update();
    emit pointsChanged();
}

const std::vector<PointOfInterest>* CPlaneNavigator::VisiblePoints() {
    if (!Active() || !m_points.Shown()) return nullptr;
    const int searches = m_points.Searches();
    const std::vector<PointOfInterest>& points = m_points.Points(*m_pDocument, Window().Bounds(), std::max(Side(), 1));
    if (m_points.Searches() != searches) emit pointsChanged();
    return &points;
}

bool CPlaneNavigator::TraceKey(const QKeyEvent& event) {
    if (event.key() == Qt::Key_T && event.modifiers() == Qt::NoModifier) {
        StartTrace();
        return true;
    }
    if (!m_trace.Active()) return false;  // the arrows keep their own meaning
    const TraceCurves curves = CurvesForTrace();
    const bool columns = event.modifiers() & Qt::ShiftModifier;
    switch (event.key()) {
    case Qt::Key_Right: m_trace.Step(curves, +1, columns); break;
    case Qt::Key_Left: m_trace.Step(curves, -1, columns); break;
    case Qt::Key_Up: m_trace.SwitchGraph(curves, +1); break;
    case Qt::Key_Down: m_trace.SwitchGraph(curves, -1); break;
    case Qt::Key_Escape: m_trace.Leave(); break;
    default: return false;
    }
    TraceChanged();
    return true;
}

void CPlaneNavigator::TraceClick(QPoint at) {
    const auto world = WorldAt(at);
    if (world && m_trace.Lock(CurvesForTrace(), world->x, world->y))
        TraceChanged();
    else
        LeaveTrace();  // a click away
}

void CPlaneNavigator::TraceChanged() {
    m_view.update();
    emit traceMessage(m_trace.Active() ? m_trace.StatusText() : QString());
}
