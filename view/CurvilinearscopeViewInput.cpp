// The view's pointer, key and menu handling.

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>

#include "CurvilinearscopeView.h"

void CCurvilinearscopeView::mouseMoveEvent(QMouseEvent* event) { QWidget::mouseMoveEvent(event); }

void CCurvilinearscopeView::mousePressEvent(QMouseEvent* event) { QWidget::mousePressEvent(event); }

void CCurvilinearscopeView::mouseReleaseEvent(QMouseEvent* event) { QWidget::mouseReleaseEvent(event); }

void CCurvilinearscopeView::keyPressEvent(QKeyEvent* event) { QWidget::keyPressEvent(event); }

void CCurvilinearscopeView::contextMenuEvent(QContextMenuEvent* event) { QWidget::contextMenuEvent(event); }
