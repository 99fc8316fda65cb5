#include "CurvilinearscopeView.h"

#include <QImage>
#include <QPainter>
#include <QPrinter>

#include "PainterSurface.h"
#include "Picture.h"
#include "PicturePrint.h"

CCurvilinearscopeView::CCurvilinearscopeView(QWidget* parent) : QWidget(parent) {
    // The picture is drawn whole at every paint and re-centred on resize.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

void CCurvilinearscopeView::SetDocument(CCurvilinearscopeDoc* doc) {
    m_pDocument = doc;
    update();
}

void CCurvilinearscopeView::OnUpdate() { update(); }

void CCurvilinearscopeView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (devicePixelRatioF() == 1.0) {
        // Through an image, whose pixels the surface can draw lines into
        // directly: a space picture of a million segments turns in a
        // fraction of a second instead of several.
        QImage frame(size(), QImage::Format_RGB32);
        frame.fill(Qt::white);
        {
            QPainter framePainter(&frame);
            CPainterSurface surface(framePainter, frame.rect());
            DrawPicture(surface, m_pDocument, m_picture3D);
        }
        painter.drawImage(0, 0, frame);
        return;
    }
    painter.fillRect(rect(), Qt::white);
    CPainterSurface surface(painter, rect());
    DrawPicture(surface, m_pDocument, m_picture3D);
}

bool CCurvilinearscopeView::PrintPage(QPrinter& printer) {
    if (!m_pDocument) return false;
    m_bPrinting = 1;
    m_rectPrint = PrintRect(printer);
    bool ok = PrintPicture(printer, *m_pDocument, m_picture3D);
    m_bPrinting = 0;
    return ok;
}
