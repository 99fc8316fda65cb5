#include "CurvilinearscopeView.h"

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
