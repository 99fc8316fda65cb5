#include "view/CurvilinearscopeView.h"

#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <new>

#include "document/CurvilinearscopeDoc.h"
#include "view/PainterSurface.h"
#include "view/Picture.h"
#include "view/PicturePrint.h"

CCurvilinearscopeView::CCurvilinearscopeView(QWidget* parent) : QWidget(parent) {
    // The picture is drawn whole at every paint and re-centred on resize.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

void CCurvilinearscopeView::SetDocument(CCurvilinearscopeDoc* doc) {
    m_pDocument = doc;
    m_memoryFailedFor.reset();
    update();
}

void CCurvilinearscopeView::OnUpdate() { update(); }

void CCurvilinearscopeView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    DrawOutcome outcome = DrawOutcome::OutOfMemory;
    try {
        outcome = PaintPicture(painter);
    } catch (const std::bad_alloc&) {  // beyond the picture (the frame's copy): the window as far as it came
        m_picture3D.ReleaseWorkMemory();
    }
    NoteOutcome(outcome);
}

DrawOutcome CCurvilinearscopeView::PaintPicture(QPainter& painter) {
    // Through an image of the screen's own pixels, which the surface can
    // draw lines into directly: a space picture of a million segments turns
    // in a fraction of a second instead of several.
    const qreal ratio = devicePixelRatioF();
    QImage frame(size() * ratio, QImage::Format_RGB32);
    if (!frame.isNull()) {  // otherwise no memory for it: straight onto the window
        frame.setDevicePixelRatio(ratio);
        frame.fill(Qt::white);
        DrawOutcome outcome;
        {
            QPainter framePainter(&frame);
            CPainterSurface surface(framePainter, rect());
            outcome = DrawPicture(surface, m_pDocument, m_picture3D);
        }
        painter.drawImage(0, 0, frame);
        return outcome;
    }
    painter.fillRect(rect(), Qt::white);
    CPainterSurface surface(painter, rect());
    return DrawPicture(surface, m_pDocument, m_picture3D);
}

CCurvilinearscopeView::GraphsDrawn CCurvilinearscopeView::CurrentGraphs() const {
    GraphsDrawn graphs;
    graphs.document = m_pDocument;
    if (!m_pDocument) return graphs;
    graphs.dimension = m_pDocument->m_nDimension;
    for (size_t k = 0; k < graphs.points.size(); ++k) {
        const CGraphDef& g = m_pDocument->m_graphs[k];
        graphs.points[k] = g.m_pPoints.get();
        graphs.counts[k] = g.m_bShow ? g.m_nPoints : 0;
    }
    return graphs;
}

void CCurvilinearscopeView::NoteOutcome(DrawOutcome outcome) {
    if (outcome == DrawOutcome::Whole) {
        m_memoryFailedFor.reset();
        return;
    }
    const GraphsDrawn graphs = CurrentGraphs();
    if (m_memoryFailedFor == graphs) return;
    m_memoryFailedFor = graphs;
    // After the paint: a message box opened inside a paint would paint the
    // window again within this one.
    QMetaObject::invokeMethod(this, [this] { emit outOfMemory(); }, Qt::QueuedConnection);
}

bool CCurvilinearscopeView::PrintPage(QPrinter& printer) {
    if (!m_pDocument) return false;
    m_bPrinting = 1;
    m_rectPrint = PrintRect(printer);
    const PrintOutcome outcome = PrintPicture(printer, *m_pDocument, m_picture3D);
    m_bPrinting = 0;
    if (outcome == PrintOutcome::CannotPrint) return false;
    NoteOutcome(outcome == PrintOutcome::Printed ? DrawOutcome::Whole : DrawOutcome::OutOfMemory);
    return true;
}
