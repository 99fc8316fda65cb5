#include "view/CurvilinearscopeView.h"

#include <QContextMenuEvent>
#include <QElapsedTimer>
#include <QImage>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>
#include <QWheelEvent>
#include <new>

#include "document/CurvilinearscopeDoc.h"
#include "view/ArrowCommands.h"
#include "view/PainterSurface.h"
#include "view/Picture.h"
#include "view/PicturePrint.h"
#include "view/PlaneNavigator.h"
#include "view/PointMarkers.h"
#include "view/TraceMarker.h"

CCurvilinearscopeView::CCurvilinearscopeView(QWidget* parent)
    : QWidget(parent), m_pNavigator(new CPlaneNavigator(*this)) {
    // The picture is drawn whole at every paint and re-centred on resize.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    connect(m_pNavigator, &CPlaneNavigator::contextMenuAsked, this, &CCurvilinearscopeView::ShowArrowMenu);
    connect(m_pNavigator, &CPlaneNavigator::traceMessage, this, &CCurvilinearscopeView::statusMessage);
    connect(&m_thinnedFrames, &CThinnedFrames::rested, this, qOverload<>(&QWidget::update));
}

bool CCurvilinearscopeView::ShowsSpace() const { return m_pDocument && m_pDocument->m_nDimension == DIM_SPACE; }

void CCurvilinearscopeView::SetDocument(CCurvilinearscopeDoc* doc) {
    m_pDocument = doc;
    m_pNavigator->SetDocument(doc);
    m_memoryNotice.Forget();
    UpdateCursor();
    update();
}

void CCurvilinearscopeView::OnUpdate() {
    // The picture may have changed between plane and space with the pointer
    // at rest over it: its shape follows at once, not at the next move.
    m_pNavigator->DocumentChanged();
    UpdateCursor();
    // The records may be new ones in the old place: rows are found anew.
    m_picture3D.ForgetRecords();
    update();
}

void CCurvilinearscopeView::OnTurned() {
    if (ShowsSpace()) m_thinnedFrames.Interacting();
    update();
}

void CCurvilinearscopeView::UpdateCursor() {
    if (m_pDocument && m_pDocument->m_nDimension == DIM_PLANE)
        setCursor(Qt::CrossCursor);
    else
        unsetCursor();
}

void CCurvilinearscopeView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int stride = m_thinnedFrames.StrideForPaint();
    m_picture3D.SetStride(stride);
    QElapsedTimer clock;
    clock.start();
    DrawOutcome outcome = DrawOutcome::OutOfMemory;
    try {
        outcome = PaintPicture(painter);
        // The points' search, when the window changed, allocates as well.
        if (const auto* points = m_pNavigator->VisiblePoints())
            DrawPointMarkers(painter, *points, [this](double x, double y) { return m_pNavigator->PixelOf(x, y); });
    } catch (const std::bad_alloc&) {  // beyond the picture (the frame's copy): the window as far as it came
        m_picture3D.ReleaseWorkMemory();
        outcome = DrawOutcome::OutOfMemory;
    }
    if (const auto at = m_pNavigator->TracePixel()) DrawTraceMarker(painter, *at, m_pNavigator->Trace().Slot());
    m_picture3D.SetStride(1);  // printing and the next paint at rest draw whole
    m_thinnedFrames.Painted(stride, double(clock.nsecsElapsed()) / 1e6);
    // A thinned frame that ran short of memory tells nothing of the whole picture.
    if (stride == 1) NoteOutcome(outcome);
}

DrawOutcome CCurvilinearscopeView::PaintPicture(QPainter& painter) {
    // Through an image of the screen's own pixels, which the surface can
    // draw lines into directly: a space picture of a million segments turns
    // in a fraction of a second instead of several.
    PictureTarget target;
    target.plane = m_pNavigator->Shown();
    const qreal ratio = devicePixelRatioF();
    QImage frame(size() * ratio, QImage::Format_RGB32);
    if (!frame.isNull()) {  // otherwise no memory for it: straight onto the window
        frame.setDevicePixelRatio(ratio);
        frame.fill(Qt::white);
        DrawOutcome outcome;
        {
            QPainter framePainter(&frame);
            CPainterSurface surface(framePainter, rect());
            outcome = DrawPicture(surface, m_pDocument, m_picture3D, target);
        }
        painter.drawImage(0, 0, frame);
        return outcome;
    }
    painter.fillRect(rect(), Qt::white);
    CPainterSurface surface(painter, rect());
    return DrawPicture(surface, m_pDocument, m_picture3D, target);
}

void CCurvilinearscopeView::NoteOutcome(DrawOutcome outcome) {
    if (!m_memoryNotice.IsNews(outcome, m_pDocument)) return;
    // After the paint: a message box opened inside a paint would paint the
    // window again within this one.
    QMetaObject::invokeMethod(
        this, [this] { emit outOfMemory(); }, Qt::QueuedConnection);
}

bool CCurvilinearscopeView::PrintPage(QPrinter& printer) {
    if (!m_pDocument) return false;
    const PrintOutcome outcome = PrintPicture(printer, *m_pDocument, m_picture3D, m_pNavigator->Shown());
    if (outcome == PrintOutcome::CannotPrint) return false;
    NoteOutcome(outcome == PrintOutcome::Printed ? DrawOutcome::Whole : DrawOutcome::OutOfMemory);
    return true;
}

void CCurvilinearscopeView::TurnPicture(double delta) {
    if (!m_pDocument) return;
    m_pDocument->m_dAngle += delta;
    OnTurned();
    emit angleChanged();
}

// The zoom commands (the View menu and its keys): the space window when the
// view shows a space picture, the plane navigator otherwise.
void CCurvilinearscopeView::ZoomIn() {
    if (ShowsSpace())
        ApplySpaceGesture({.zoom = CSpaceWindow::kZoomStep});
    else
        m_pNavigator->ZoomIn();
}

void CCurvilinearscopeView::ZoomOut() {
    if (ShowsSpace())
        ApplySpaceGesture({.zoom = 1 / CSpaceWindow::kZoomStep});
    else
        m_pNavigator->ZoomOut();
}

void CCurvilinearscopeView::ZoomHome() {
    if (ShowsSpace())
        ApplySpaceGesture({.home = true});
    else
        m_pNavigator->GoHome();
}

void CCurvilinearscopeView::ApplySpaceGesture(const SpaceGesture& gesture) {
    if (!ShowsSpace()) return;
    if (gesture.home) m_spaceWindow.Home();
    m_spaceWindow.ZoomBy(gesture.zoom);
    m_spaceWindow.TiltBy(gesture.tilt);
    // The picture the window paints, prints and copies.
    m_picture3D.SetWindow(m_spaceWindow);
    m_thinnedFrames.Interacting();
    if (gesture.turn != 0.0) TurnPicture(gesture.turn);
    update();
}

void CCurvilinearscopeView::OnArrowCommand(int id) {
    if (!m_pDocument) return;
    const ArrowCommandEffect effect = ArrowCommandEffectOf(id, m_pDocument->m_nDimension);
    if (effect.turn != 0.0) TurnPicture(effect.turn);
    if (effect.dx != 0 || effect.dy != 0) NudgePointer(*this, effect.dx, effect.dy);
}

QMenu* CCurvilinearscopeView::CreateArrowMenu(QWidget* parent) {
    QMenu* menu = NewArrowMenu(parent);
    for (QAction* action : menu->actions()) {
        const int id = action->data().toInt();
        connect(action, &QAction::triggered, this, [this, id] { OnArrowCommand(id); });
    }
    connect(menu, &QMenu::aboutToShow, this, [this, menu] {
        if (m_pDocument) UpdateArrowMenu(*menu, m_pDocument->m_nDimension);
    });
    // Qt gives the prompt of a pop-up menu to the menu itself, a window of its
    // own, where no status bar sees it: the view passes it on instead, and
    // the idle text once the menu is gone.
    connect(menu, &QMenu::hovered, this, [this](QAction* action) { emit statusMessage(action->statusTip()); });
    connect(menu, &QMenu::aboutToHide, this, [this] { emit statusMessage(QString()); });
    return menu;
}

void CCurvilinearscopeView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    UpdateCursor();
    if (m_pDocument && m_pDocument->m_nDimension == DIM_PLANE) {
        const QString readout = m_pNavigator->ReadoutText(at);
        if (!readout.isEmpty()) emit statusMessage(readout);
    }
    if (ShowsSpace())
        if (const auto gesture = m_spaceGestures.Move(at)) ApplySpaceGesture(*gesture);
    QWidget::mouseMoveEvent(event);
}

void CCurvilinearscopeView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && ShowsSpace()) m_spaceGestures.Press(event->position().toPoint());
    QWidget::mousePressEvent(event);
}

void CCurvilinearscopeView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) m_spaceGestures.Release();
    QWidget::mouseReleaseEvent(event);
}

void CCurvilinearscopeView::wheelEvent(QWheelEvent* event) {
    if (ShowsSpace())
        if (const auto gesture = m_spaceGestures.Wheel(*event)) {
            ApplySpaceGesture(*gesture);
            event->accept();
            return;
        }
    QWidget::wheelEvent(event);
}

void CCurvilinearscopeView::keyPressEvent(QKeyEvent* event) {
    if (const int id = ArrowCommandOfKey(event->key())) {
        OnArrowCommand(id);
        event->accept();  // the arrows are ours, not focus moves
        return;
    }
    QWidget::keyPressEvent(event);
}

void CCurvilinearscopeView::contextMenuEvent(QContextMenuEvent* event) { ShowArrowMenu(event->globalPos()); }

void CCurvilinearscopeView::ShowArrowMenu(QPoint globalPos) {
    QMenu* menu = CreateArrowMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(globalPos);
}
