// The view's pointer, key and menu handling: the cross-hair and coordinate
// read-out of the plane picture, the arrow keys, the "Arrow" context menu,
// and turning the space picture by dragging.

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

#include "view/ArrowCommands.h"
#include "document/CurvilinearscopeDoc.h"
#include "view/CurvilinearscopeView.h"
#include "view/PointerReadout.h"

namespace {

constexpr double kDragRadiansPerPixel = 0.01;

int ArrowCommandOfKey(int key) {
    switch (key) {
    case Qt::Key_Right: return ID_ARROW_RIGHT;
    case Qt::Key_Left: return ID_ARROW_LEFT;
    case Qt::Key_Up: return ID_ARROW_UP;
    case Qt::Key_Down: return ID_ARROW_DOWN;
    }
    return 0;
}

}  // namespace

void CCurvilinearscopeView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (m_pDocument && m_pDocument->m_nDimension == DIM_PLANE) {
        setCursor(Qt::CrossCursor);
        if (const auto world = PointerToWorld(width(), height(), at.x(), at.y(), m_pDocument->m_nRange))
            emit statusMessage(PointerReadoutText(*world));
    } else {
        unsetCursor();
    }
    if (m_bDragging && m_pDocument && m_pDocument->m_nDimension == DIM_SPACE && at.x() != m_nDragX) {
        TurnPicture(*this, (at.x() - m_nDragX) * kDragRadiansPerPixel);
        m_nDragX = at.x();
    }
    QWidget::mouseMoveEvent(event);
}

void CCurvilinearscopeView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && m_pDocument && m_pDocument->m_nDimension == DIM_SPACE) {
        m_bDragging = true;
        m_nDragX = event->position().toPoint().x();
    }
    QWidget::mousePressEvent(event);
}

void CCurvilinearscopeView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) m_bDragging = false;
    QWidget::mouseReleaseEvent(event);
}

void CCurvilinearscopeView::keyPressEvent(QKeyEvent* event) {
    if (const int id = ArrowCommandOfKey(event->key())) {
        ArrowCommand(*this, id);
        event->accept();  // the arrows are ours, not focus moves
        return;
    }
    QWidget::keyPressEvent(event);
}

void CCurvilinearscopeView::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = CreateArrowMenu(*this, this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}
